// Feeds arbitrary bytes to the check that decides whether an event file can be imported, and
// to the reader that then turns an importable file into blocks. The two must agree: a file the
// check calls importable is one the reader accepts, and a refusal says why.

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
    const scene::SceneReadResult read = scene::readSceneText(text);
    if (size > 0 && read.ok != (verdict == project::EventFileVerdict::Importable))
        std::abort();
    if (!read.ok && read.error.empty())
        std::abort();
    return 0;
}
