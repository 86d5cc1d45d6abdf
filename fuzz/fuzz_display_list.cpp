// Feeds arbitrary bytes to the preview's readers: the display-list text the main view hands the
// preview at every frame, and the block text of the frame query. The first four bytes pick the
// current frame (any int, the extremes included).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "preview/display_list_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace vignetta::preview;
    std::int32_t time = 0;
    if (size >= sizeof time) {
        std::memcpy(&time, data, sizeof time);
        data += sizeof time;
        size -= sizeof time;
    }
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    // Nothing to compare with: the sanitizers watch the reading of every value.
    const DisplayList list = readDisplayList(text, time);
    if (list.entries.size() > size || list.tweens.size() > size)
        std::abort(); // every element takes at least one byte of text
    readBlockFrame(text);
    return 0;
}
