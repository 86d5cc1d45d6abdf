#pragma once

#include <vector>

#include "scene/document.h"

namespace vignetta::scene {

// Whole-document undo: a list of snapshots, oldest first, and the index of the one that equals
// the current document. At most numUndo snapshots are held, so numUndo - 1 steps can be undone.
// Snapshots are in-memory copies; blocks share unchanged event data with the document, so a
// snapshot of a large scene costs little.
class UndoBuffer
{
public:
    explicit UndoBuffer(int capacity = numUndo);

    // Empties the buffer (index -1).
    void clearBuffer();
    // Drops the redo part, drops the oldest snapshot when the buffer is full, and appends a copy
    // of `doc`, which becomes the current snapshot.
    void pushBuffer(const Document &doc);
    // Steps back: `doc` becomes a copy of the previous snapshot. False, leaving `doc` alone, when
    // there is nothing to undo.
    bool undo(Document &doc);
    // Steps forward; false when there is nothing to redo.
    bool redo(Document &doc);

    bool canUndo() const { return bufferIndex_ > 0; }
    bool canRedo() const { return bufferIndex_ < static_cast<int>(buffer_.size()) - 1; }
    int bufferIndex() const { return bufferIndex_; }
    int size() const { return static_cast<int>(buffer_.size()); }
    int capacity() const { return capacity_; }
    const Document &snapshot(int index) const
    {
        return buffer_.at(static_cast<std::size_t>(index));
    }

private:
    std::vector<Document> buffer_;
    int bufferIndex_ = -1;
    int capacity_;
};

} // namespace vignetta::scene
