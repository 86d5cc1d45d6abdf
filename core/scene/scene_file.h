#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "scene/document.h"

namespace vignetta::scene {

// The scene file ("event JSON file"): one compact JSON array of every block of the document, in
// unify order, each block an object with blockId, laneId and eventData. Lanes are implied by
// laneId; there is no header.

struct SceneReadResult
{
    bool ok = false;
    // The blocks in file order, each keeping its file's key order and unknown keys.
    std::vector<Block> blocks;
    // One English line naming the problem; for malformed JSON it names the byte offset, which
    // is also in `position` (hasPosition true).
    std::string error;
    std::size_t position = 0;
    bool hasPosition = false;

    explicit operator bool() const { return ok; }
};

// Reads scene-file text. Accepted when it parses as JSON, its top level is a non-empty array
// and its first element has a blockId that is present and not 0; then every element must be a
// usable block, or the whole text is refused with a message naming the element:
//  - an object with a whole-number blockId >= 1 and laneId 0..maxLanes, and an eventData object;
//  - blockStart (default 0) a whole number >= 0, blockDelay (default 60) a whole number >= 1,
//    ending no later than maxDuration; blockMode (default 0) a whole number 0..8;
//  - a picture block's imageIndex (default 0) a whole number 0..maxPictureNumber, so that every
//    picture of a read scene can be converted to a host picture command;
//  - at most maxNumBlock elements (counted before the text is parsed);
//  - no two blocks of one laneId overlapping in time (the message names both): the editor never
//    makes such a scene, and one could make the conversion's output grow with the square of
//    its blocks.
// Other fields are not checked; they are read with the usual coercions (block_view.h).
// Duplicate blockIds are allowed here: an imported set receives new ids anyway.
SceneReadResult readSceneText(std::string_view text);

// The same checks on a value that has already been parsed (a pasted or preset block array).
// The second form takes the value apart into the blocks instead of copying it.
SceneReadResult readSceneValue(const Json &root);
SceneReadResult readSceneValue(Json &&root);

// Reads a scene file from disk; a file that cannot be read (missing, no regular file, larger
// than 256 MB) gives an error naming the path. Reading takes at most about ten times the file's
// size in memory: the JSON reader's bound, with the text released before the blocks are made.
SceneReadResult readSceneFile(const std::filesystem::path &path);

struct SceneDocumentResult
{
    bool ok = false;
    Document document;
    std::string error;

    explicit operator bool() const { return ok; }
};

// Makes a document from file blocks the simple way: lanes 0 to max(laneId, 1) exist and each
// block is appended to its own lane in file order (the marker lane then sorted latest first).
// Refused when two blocks share a blockId, or a marker is not on lane 0, or another kind is.
SceneDocumentResult documentFromBlocks(const std::vector<Block> &blocks);

// readSceneText followed by documentFromBlocks.
SceneDocumentResult readSceneDocument(std::string_view text);

// The document in file form: unify() order, each block via Block::toJson().
Json sceneToJson(const Document &doc);
Json sceneToJson(const std::vector<Block> &blocks);
// The file text: compact, byte for byte what a browser's JSON.stringify writes.
std::string writeSceneText(const Document &doc);

// Writes the scene file, UTF-8 without byte-order mark, through a temporary file beside it that
// is renamed over the target, so an existing file is never left half written. On failure returns
// false with a message in *error.
bool writeSceneFile(const std::filesystem::path &path, const Document &doc,
                    std::string *error = nullptr);

} // namespace vignetta::scene
