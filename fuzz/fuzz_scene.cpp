// Feeds arbitrary bytes to the scene-file reader and, when they are accepted, through the
// conversion to event commands and back out as text. Any crash, sanitizer report, hang or
// runaway allocation is a finding.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "scene/conversion.h"
#include "scene/overlap.h"
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
    // An accepted scene has no two blocks on one lane at once.
    for (const scene::Lane &lane : read.document.lanes()) {
        if (scene::firstOverlap(lane.blocks))
            std::abort();
    }

    // The list, bounded as the editor and the command line bound it; its two forms agree.
    const scene::ConversionResult converted =
        scene::convertScene(read.document, scene::ConversionOutput::text, 1u << 20);
    if (!converted.ok) {
        if (converted.error.empty())
            std::abort();
    } else {
        const json::ParseResult again = json::parseJson(converted.text);
        if (!again.ok || json::stringify(again.value) != converted.text)
            std::abort();
        const scene::ConversionResult list =
            scene::convertScene(read.document, scene::ConversionOutput::list, 1u << 20);
        if (!list.ok || json::stringify(list.commands) != converted.text)
            std::abort();
    }

    // A written scene reads back to the same document.
    const std::string written = scene::writeSceneText(read.document);
    const scene::SceneDocumentResult reread = scene::readSceneDocument(written);
    if (!reread.ok || scene::writeSceneText(reread.document) != written)
        std::abort();
    return 0;
}
