#pragma once

#include <memory>
#include <string_view>

#include "scene/block_mode.h"
#include "scene/block_view.h"

namespace vignetta::scene {

// One timed block of a lane. `blockId` is unique within a document (>= 1); `laneId` is the lane
// that holds it. Every parameter lives in `eventData`, an order-preserving JSON object that may
// hold keys this program does not know (kept for the file round trip).
//
// Copies are cheap: the event data is shared between copies and copied only when one of them
// is changed, so undo snapshots and query results can hold whole blocks. The typed view is
// kept in step with the event data by every mutator.
class Block
{
public:
    int blockId = 0;
    int laneId = 0;

    // A block with id 0 on lane 0 and the default event data (a picture block of 60 frames).
    Block();
    Block(int blockId, int laneId, Json eventData);

    const Json &eventData() const { return payload_->eventData; }
    const BlockView &view() const { return payload_->view; }

    int start() const { return payload_->view.blockStart; }
    int delay() const { return payload_->view.blockDelay; }
    int end() const { return start() + delay(); }
    int mode() const { return payload_->view.blockMode; }
    bool isMarker() const { return mode() == mode_comment; }

    // Replaces the whole event data (a non-object becomes an empty object).
    void setEventData(Json eventData);

    // Calls edit(Json &eventData) on this block's own copy of the event data and then re-reads
    // the typed view.
    template <class Edit> void editEventData(Edit &&edit)
    {
        Json data = payload_->eventData;
        edit(data);
        setEventData(std::move(data));
    }

    // Writes one field by dotted path ("messageText", "startPosition.x", "endColor.R"). A
    // missing intermediate object is created. Returns false, changing nothing, when the path is
    // empty or passes through a value that is not an object.
    bool setField(std::string_view path, const Json &value);
    // The value at a dotted path, or null when there is none.
    Json field(std::string_view path) const;

    // Writes `blockStart`, `blockDelay` in place (the key keeps its position).
    void setStart(int frame);
    void setDelay(int frames);

    // The block as a JSON object: the key order and unknown keys of the object it was read
    // from, or `blockId`, `laneId`, `eventData` for a block built here.
    Json toJson() const;
    // Builds a block from a JSON object with the keys above, keeping its key order and keys
    // this program does not know. No validation (see scene_file.h for the checked reading).
    static Block fromJson(const Json &object);
    // The same, taking the object's values over instead of copying them.
    static Block fromJson(Json &&object);
    // Appends toJson() as compact JSON text (json::stringify), without building the object.
    void writeJson(std::string &out) const;

    // Same ids, same event data (key order included) and same outer keys.
    bool operator==(const Block &other) const;
    bool operator!=(const Block &other) const { return !(*this == other); }

    // True when this block and `other` share one event-data object (no copy was made).
    bool sharesDataWith(const Block &other) const { return payload_ == other.payload_; }

private:
    struct Payload
    {
        Json eventData;
        BlockView view;
        // Keys of the object the block was read from, in order, with values for the unknown
        // ones; null for a block built here. Never changed once made; shared by the payloads
        // of later edits of the block.
        std::shared_ptr<Json> outer;

        Payload() = default;
        Payload(const Payload &) = delete;
        Payload &operator=(const Payload &) = delete;
        // Event data and unknown values come from files and may be large: they are taken
        // apart before they go (see json::dismantle).
        ~Payload();
    };
    std::shared_ptr<const Payload> payload_;

    void setWithView(Json eventData, const BlockView &view);
};

} // namespace vignetta::scene
