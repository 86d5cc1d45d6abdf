// Feeds arbitrary bytes to insertion: the first two bytes pick the frame (0 to 9999) and the
// target lane (1 to 99), the rest is cut at "\n;;\n" into a scene file and a blocks file, both
// read as the command line reads them. An insertion that is accepted must leave a document
// the program would accept again: within its limits, no block over another on one lane, and a
// file text that reads back to the same document. A refused one must leave it unchanged.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "scene/editing.h"
#include "scene/overlap.h"
#include "scene/scene_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace vignetta::scene;
    if (size < 2)
        return 0;
    const int frame = static_cast<int>((data[0] * 613u) % maxDuration);
    const int lane = 1 + data[1] % (maxLanes - 1);
    std::string_view rest(reinterpret_cast<const char *>(data + 2), size - 2);
    const std::size_t cut = rest.find("\n;;\n");
    if (cut == std::string_view::npos)
        return 0;
    SceneDocumentResult scene = readSceneDocument(rest.substr(0, cut));
    const SceneReadResult blocks = readSceneText(rest.substr(cut + 4));
    if (!scene.ok || !blocks.ok)
        return 0;

    Document &doc = scene.document;
    const Document before = doc;
    const std::vector<int> ids = insertBlocks(doc, blocks.blocks, frame, lane);
    if (ids.empty()) {
        if (doc != before)
            std::abort(); // a refusal changes nothing
        return 0;
    }
    if (ids.size() != blocks.blocks.size() || doc.numBlock() > maxNumBlock)
        std::abort();
    for (const Lane &l : doc.lanes()) {
        if (firstOverlap(l.blocks))
            std::abort();
        for (const Block &b : l.blocks) {
            if (b.start() < 0 || static_cast<long long>(b.start()) + b.delay() > maxDuration)
                std::abort();
        }
    }
    const std::string written = writeSceneText(doc);
    const SceneDocumentResult again = readSceneDocument(written);
    if (!again.ok || writeSceneText(again.document) != written)
        std::abort();
    return 0;
}
