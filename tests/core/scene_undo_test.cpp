#include <random>

#include <gtest/gtest.h>

#include "scene/editing.h"
#include "scene/undo_buffer.h"
#include "scene_test_util.h"

using namespace scene_test;

namespace {

// One random edit through the public operations; returns true when the document changed.
bool randomEdit(Document &doc, std::mt19937 &rng)
{
    auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    switch (pick(5)) {
    case 0: {
        Block b = createEmptyBlockOfMode(doc, pick(9));
        return !insertBlocks(doc, {b}, pick(2000), 1 + pick(4)).empty();
    }
    case 1: {
        if (doc.isEmpty())
            return false;
        const auto all = doc.unify();
        return deleteBlocks(
                   doc,
                   {all[static_cast<std::size_t>(pick(static_cast<int>(all.size())))].blockId}) > 0;
    }
    case 2: {
        for (const auto &b : doc.unify())
            if (!b.isMarker()) {
                Block d = b;
                d.setStart(pick(3000));
                d.laneId = 1 + pick(std::min(doc.getLastLaneId(), 4));
                return moveBlocks(doc, {d}, d.start(), d.laneId);
            }
        return false;
    }
    case 3: {
        if (doc.isEmpty())
            return false;
        Block *b = doc.getBlock(doc.unify().front().blockId);
        return b->setField("startPosition.x", pick(500));
    }
    default:
        return newLane(doc) > 0;
    }
}

} // namespace

TEST(SceneUndo, RandomEditsUndoToTheFirstAndRedoToTheLast)
{
    for (unsigned seed = 1; seed <= 5; ++seed) {
        std::mt19937 rng(seed);
        Document doc = Document::emptyScene();
        UndoBuffer buffer;
        buffer.pushBuffer(doc);
        std::vector<Document> states = {doc};
        while (states.size() < 30) {
            if (randomEdit(doc, rng)) {
                buffer.pushBuffer(doc);
                states.push_back(doc);
            }
        }
        // Step back through every state, then forward again.
        for (int i = static_cast<int>(states.size()) - 2; i >= 0; --i) {
            ASSERT_TRUE(buffer.undo(doc));
            ASSERT_EQ(doc, states[static_cast<std::size_t>(i)]) << "seed " << seed << " step " << i;
        }
        EXPECT_FALSE(buffer.canUndo());
        EXPECT_FALSE(buffer.undo(doc));
        EXPECT_EQ(doc, states.front());
        while (buffer.redo(doc)) {
        }
        EXPECT_EQ(doc, states.back());
        EXPECT_FALSE(buffer.canRedo());
    }
}

TEST(SceneUndo, FiftyStepsAtMost)
{
    Document doc = Document::emptyScene();
    UndoBuffer buffer;
    EXPECT_EQ(buffer.bufferIndex(), -1);
    EXPECT_FALSE(buffer.canUndo());
    buffer.pushBuffer(doc);
    std::vector<Document> states = {doc};
    for (int i = 0; i < 60; ++i) {
        put(doc, 1, i * 20, 10);
        buffer.pushBuffer(doc);
        states.push_back(doc);
    }
    EXPECT_EQ(buffer.size(), numUndo);
    int undos = 0;
    while (buffer.undo(doc))
        ++undos;
    EXPECT_EQ(undos, 50);
    EXPECT_EQ(doc, states[10]);
}

TEST(SceneUndo, NewEditDiscardsRedo)
{
    Document doc = Document::emptyScene();
    UndoBuffer buffer;
    buffer.pushBuffer(doc);
    put(doc, 1, 0, 10);
    buffer.pushBuffer(doc);
    put(doc, 1, 20, 10);
    buffer.pushBuffer(doc);
    ASSERT_TRUE(buffer.undo(doc));
    ASSERT_TRUE(buffer.undo(doc));
    EXPECT_TRUE(buffer.canRedo());
    put(doc, 2, 0, 5);
    buffer.pushBuffer(doc);
    EXPECT_FALSE(buffer.canRedo());
    EXPECT_EQ(buffer.size(), 2);
    ASSERT_TRUE(buffer.undo(doc));
    EXPECT_TRUE(doc.isEmpty());
}

TEST(SceneUndo, SnapshotsAreNotChangedByLaterEdits)
{
    Document doc = Document::emptyScene();
    const int id = put(doc, 1, 0, 10);
    UndoBuffer buffer;
    buffer.pushBuffer(doc);
    doc.getBlock(id)->setField("messageText", "changed");
    doc.getBlock(id)->setStart(500);
    EXPECT_EQ(buffer.snapshot(0).getBlock(id)->view().messageText, "");
    EXPECT_EQ(buffer.snapshot(0).getBlock(id)->start(), 0);
    buffer.pushBuffer(doc);
    ASSERT_TRUE(buffer.undo(doc));
    // Editing the restored document leaves the snapshot intact for a later redo and undo.
    doc.getBlock(id)->setField("messageText", "again");
    EXPECT_EQ(buffer.snapshot(0).getBlock(id)->view().messageText, "");
    EXPECT_EQ(buffer.snapshot(1).getBlock(id)->view().messageText, "changed");
}
