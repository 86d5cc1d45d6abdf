// Feeds arbitrary bytes to the check that decides whether an event file can be imported, and
// to the reader that then turns an importable file into blocks. A file the check calls
// importable must reach the reader without a crash; a refusal must say why.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "project/event_file_check.h"
#include "scene/scene_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace vignetta;
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const project::EventFileVerdict verdict = project::checkEventFileText(text);
    if (size == 0 && verdict != project::EventFileVerdict::Empty)
        std::abort();
    if (verdict == project::EventFileVerdict::Importable) {
        const scene::SceneReadResult read = scene::readSceneText(text);
        if (!read.ok && read.error.empty())
            std::abort();
    }
    return 0;
}
