#include "scene/scene_file.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <sstream>
#include <system_error>
#include <unordered_set>

#include "common/file_read.h"
#include "common/file_write.h"
#include "scene/overlap.h"
#include "json/js_json.h"
#include "json/json_scan.h"

namespace vignetta::scene {

namespace {

// Number of elements of a top-level array, counted without parsing (commas at depth 1); stops
// counting once `limit` is passed. Returns 0 when the text does not start with '['.
std::size_t countTopLevelElements(std::string_view text, std::size_t limit)
{
    std::size_t i = 0;
    if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF")
        i = 3;
    while (i < text.size() &&
           (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r'))
        ++i;
    if (i >= text.size() || text[i] != '[')
        return 0;
    std::size_t count = 0;
    bool any = false;
    bool tooMany = false;
    int depth = 0;
    json::scanOutsideStrings(text, i, [&](std::size_t, char c) {
        switch (c) {
        case '[':
        case '{':
            if (depth == 1)
                any = true;
            ++depth;
            break;
        case ']':
        case '}':
            --depth;
            break;
        case ',':
            if (depth == 1 && ++count > limit)
                tooMany = true;
            break;
        default: // the opening quote of a string, or a literal's character
            if (depth == 1 && c != ' ' && c != '\t' && c != '\n' && c != '\r')
                any = true;
            break;
        }
        return !tooMany && depth != 0;
    });
    if (tooMany)
        return count + 1;
    return any ? count + 1 : 0;
}

// A JSON number holding a whole value within [lo, hi].
std::optional<long long> wholeNumber(const Json &v, long long lo, long long hi)
{
    long long n;
    // Unsigned first: the library counts unsigned numbers as integers too.
    if (v.is_number_unsigned()) {
        const auto u = v.get<unsigned long long>();
        if (u > static_cast<unsigned long long>(std::numeric_limits<long long>::max()))
            return std::nullopt;
        n = static_cast<long long>(u);
    } else if (v.is_number_integer()) {
        n = v.get<long long>();
    } else if (v.is_number_float()) {
        const double d = v.get<double>();
        if (!std::isfinite(d) || std::trunc(d) != d || d < lo || d > hi)
            return std::nullopt;
        n = static_cast<long long>(d);
    } else {
        return std::nullopt;
    }
    if (n < lo || n > hi)
        return std::nullopt;
    return n;
}

std::string describe(const Json &v)
{
    if (v.is_string())
        return "the text " + json::quoteString(v.get_ref<const std::string &>().substr(0, 40));
    if (v.is_object())
        return "an object";
    if (v.is_array())
        return "an array";
    return json::stringify(v);
}

// Checks one element; returns an empty string when it is a usable block.
std::string checkElement(const Json &e, std::size_t index)
{
    const std::string where = "block " + std::to_string(index + 1);
    if (!e.is_object())
        return where + " is " + describe(e) + ", not an object";
    const auto id = e.find("blockId");
    if (id == e.end())
        return where + " has no blockId";
    if (!wholeNumber(*id, 1, std::numeric_limits<int>::max()))
        return where + " has blockId " + describe(*id) + "; a whole number from 1 to " +
               std::to_string(std::numeric_limits<int>::max()) + " is needed";
    const std::string named = where + " (blockId " + json::stringify(*id) + ")";
    const auto lane = e.find("laneId");
    if (lane == e.end())
        return named + " has no laneId";
    if (!wholeNumber(*lane, 0, maxLanes))
        return named + " has laneId " + describe(*lane) + "; a whole number from 0 to " +
               std::to_string(maxLanes) + " is needed";
    const auto data = e.find("eventData");
    if (data == e.end() || !data->is_object())
        return named + " has no eventData object";

    long long start = 0, delay = 60, mode = 0;
    if (const auto v = data->find("blockStart"); v != data->end()) {
        const auto n = wholeNumber(*v, 0, maxDuration);
        if (!n)
            return named + " starts at " + describe(*v) + "; a whole frame from 0 to " +
                   std::to_string(maxDuration - 1) + " is needed";
        start = *n;
    }
    if (const auto v = data->find("blockDelay"); v != data->end()) {
        const auto n = wholeNumber(*v, 1, maxDuration);
        if (!n)
            return named + " has blockDelay " + describe(*v) +
                   "; a whole number of frames from 1 to " + std::to_string(maxDuration) +
                   " is needed";
        delay = *n;
    }
    if (start + delay > maxDuration)
        return named + " ends at frame " + std::to_string(start + delay) +
               ", past the end of the timeline (" + std::to_string(maxDuration) + ")";
    if (const auto v = data->find("blockMode"); v != data->end()) {
        const auto n = wholeNumber(*v, firstBlockMode, lastBlockMode);
        if (!n)
            return named + " has blockMode " + describe(*v) +
                   "; a whole number from 0 to 8 is needed";
        mode = *n;
    }
    if (mode == mode_picture) {
        if (const auto v = data->find("imageIndex"); v != data->end())
            if (!wholeNumber(*v, 0, maxPictureNumber))
                return named + " has picture number " + describe(*v) +
                       "; a whole number from 0 to " + std::to_string(maxPictureNumber) +
                       " is needed";
    }
    return {};
}

} // namespace

namespace {

// Refuses text of too many blocks before it is parsed; otherwise parses it. On failure the
// refusal is in `result`.
std::optional<Json> parseSceneJson(std::string_view text, SceneReadResult &result)
{
    if (countTopLevelElements(text, maxNumBlock) > static_cast<std::size_t>(maxNumBlock)) {
        result.error = "the scene holds more than " + std::to_string(maxNumBlock) + " blocks";
        return std::nullopt;
    }
    json::ParseResult parsed = json::parseJson(text);
    if (!parsed) {
        result.error = "not valid JSON: " + parsed.error;
        result.position = parsed.position;
        result.hasPosition = true;
        return std::nullopt;
    }
    return std::move(parsed.value);
}

// The checks of readSceneValue on the whole array; an empty string when every element is a
// usable block.
std::string checkRoot(const Json &root)
{
    if (!root.is_array())
        return "the top level is " + describe(root) + ", not an array of blocks";
    if (root.empty())
        return "the scene holds no blocks";
    if (root.size() > static_cast<std::size_t>(maxNumBlock))
        return "the scene holds more than " + std::to_string(maxNumBlock) + " blocks";
    // The acceptance rule proper: the first element has a blockId that is present and not 0.
    const Json &first = root.front();
    if (!first.is_object() || !first.contains("blockId") || first["blockId"] == 0)
        return "the first block has no blockId";
    for (std::size_t i = 0; i < root.size(); ++i) {
        std::string problem = checkElement(root[i], i);
        if (!problem.empty())
            return problem;
    }
    return {};
}

// Refuses a set whose blocks overlap on one lane; true when it did.
bool refuseOverlap(SceneReadResult &result)
{
    const auto overlap = firstOverlap(result.blocks);
    if (!overlap)
        return false;
    auto describeBlock = [&result](std::size_t i) {
        const Block &b = result.blocks[i];
        return "block " + std::to_string(i + 1) + " (blockId " + std::to_string(b.blockId) +
               ", frames " + std::to_string(b.start()) + " to " + std::to_string(b.end()) + ")";
    };
    result.error = describeBlock(overlap->first) + " and " + describeBlock(overlap->second) +
                   " overlap on lane " + std::to_string(result.blocks[overlap->first].laneId) +
                   "; blocks on one lane must not overlap";
    result.blocks.clear();
    return true;
}

} // namespace

SceneReadResult readSceneText(std::string_view text)
{
    SceneReadResult result;
    std::optional<Json> root = parseSceneJson(text, result);
    if (!root)
        return result;
    return readSceneValue(std::move(*root));
}

SceneReadResult readSceneValue(const Json &root)
{
    SceneReadResult result;
    result.error = checkRoot(root);
    if (!result.error.empty())
        return result;
    result.blocks.reserve(root.size());
    for (const auto &e : root)
        result.blocks.push_back(Block::fromJson(e));
    result.ok = !refuseOverlap(result);
    return result;
}

SceneReadResult readSceneValue(Json &&root)
{
    const json::DismantleOnExit consumed(root);
    SceneReadResult result;
    result.error = checkRoot(root);
    if (!result.error.empty())
        return result;
    result.blocks.reserve(root.size());
    for (auto &e : root) {
        result.blocks.push_back(Block::fromJson(std::move(e)));
        e = nullptr; // what is left of the element goes now, not with the whole array
    }
    result.ok = !refuseOverlap(result);
    return result;
}

SceneReadResult readSceneFile(const std::filesystem::path &path)
{
    SceneReadResult result;
    files::FileReadResult read = files::readRegularFile(path, files::maxSceneFileBytes);
    if (!read) {
        result.error = path.string() + " " + read.error;
        return result;
    }
    std::optional<Json> root = parseSceneJson(read.bytes, result);
    // The text goes before the blocks are made: reading never holds text, tree and blocks at once.
    std::string().swap(read.bytes);
    if (!root)
        return result;
    return readSceneValue(std::move(*root));
}

SceneDocumentResult documentFromBlocks(const std::vector<Block> &blocks)
{
    SceneDocumentResult result;
    std::unordered_set<int> ids;
    int lastLane = 1;
    for (const auto &b : blocks) {
        const std::string named = "block " + std::to_string(b.blockId);
        if (!ids.insert(b.blockId).second) {
            result.error = "two blocks have blockId " + std::to_string(b.blockId);
            return result;
        }
        if (b.blockId < 1 || b.laneId < 0 || b.laneId > maxLanes) {
            result.error = named + " has an unusable id or lane";
            return result;
        }
        if (b.isMarker() && b.laneId != 0) {
            result.error = named + " is a marker on lane " + std::to_string(b.laneId) +
                           "; markers belong on lane 0";
            return result;
        }
        if (!b.isMarker() && b.laneId == 0) {
            result.error = named + " is on the marker lane (0) but is not a marker";
            return result;
        }
        lastLane = std::max(lastLane, b.laneId);
    }
    Document doc;
    for (int id = 0; id <= lastLane; ++id)
        doc.appendLane(Lane{id, {}});
    for (const auto &b : blocks)
        doc.appendBlock(b, b.laneId);
    doc.sortMarkers();
    result.document = std::move(doc);
    result.ok = true;
    return result;
}

SceneDocumentResult readSceneDocument(std::string_view text)
{
    auto read = readSceneText(text);
    if (!read) {
        SceneDocumentResult result;
        result.error = read.error;
        return result;
    }
    return documentFromBlocks(read.blocks);
}

Json sceneToJson(const std::vector<Block> &blocks)
{
    Json out = Json::array();
    for (const auto &b : blocks)
        out.push_back(b.toJson());
    return out;
}

Json sceneToJson(const Document &doc)
{
    return sceneToJson(doc.unify());
}

std::string writeSceneText(const Document &doc)
{
    std::string out = "[";
    bool first = true;
    for (const auto &b : doc.unify()) {
        if (!first)
            out += ',';
        first = false;
        b.writeJson(out);
    }
    out += ']';
    return out;
}

bool writeSceneFile(const std::filesystem::path &path, const Document &doc, std::string *error)
{
    auto fail = [&](const std::string &message) {
        if (error)
            *error = message;
        return false;
    };
    const std::string text = writeSceneText(doc);
    const files::FileWriteResult written = files::writeFileReplacing(path, text);
    if (!written)
        return fail(path.string() + " " + written.error);
    return true;
}

} // namespace vignetta::scene
