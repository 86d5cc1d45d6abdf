// Feeds arbitrary bytes to the scene-file reader and, when they are accepted, through the
// conversion to event commands and back out as text. Any crash, sanitizer report, hang or
// runaway allocation is a finding.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "scene/conversion.h"
#include "scene/scene_file.h"
#include "json/js_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace vignetta;
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const scene::SceneDocumentResult read = scene::readSceneDocument(text);
    if (!read.ok) {
        if (read.error.empty())
            std::abort(); // a refusal must say why
        return 0;
    }

    const json::Json commands = scene::convertData2Event(read.document);
    const std::string list = json::stringify(commands);
    // The list is valid JSON that reads back to the same text.
    const json::ParseResult again = json::parseJson(list);
    if (!again.ok || json::stringify(again.value) != list)
        std::abort();

    // A written scene reads back to the same document.
    const std::string written = scene::writeSceneText(read.document);
    const scene::SceneDocumentResult reread = scene::readSceneDocument(written);
    if (!reread.ok || scene::writeSceneText(reread.document) != written)
        std::abort();
    return 0;
}
