#include "scene/undo_buffer.h"

namespace vignetta::scene {

UndoBuffer::UndoBuffer(int capacity) : capacity_(capacity < 1 ? 1 : capacity) {}

void UndoBuffer::clearBuffer()
{
    buffer_.clear();
    bufferIndex_ = -1;
}

void UndoBuffer::pushBuffer(const Document &doc)
{
    buffer_.erase(buffer_.begin() + (bufferIndex_ + 1), buffer_.end());
    if (static_cast<int>(buffer_.size()) >= capacity_) {
        buffer_.erase(buffer_.begin());
        --bufferIndex_;
    }
    buffer_.push_back(doc);
    ++bufferIndex_;
}

bool UndoBuffer::undo(Document &doc)
{
    if (!canUndo())
        return false;
    --bufferIndex_;
    doc = buffer_[static_cast<std::size_t>(bufferIndex_)];
    return true;
}

bool UndoBuffer::redo(Document &doc)
{
    if (!canRedo())
        return false;
    ++bufferIndex_;
    doc = buffer_[static_cast<std::size_t>(bufferIndex_)];
    return true;
}

} // namespace vignetta::scene
