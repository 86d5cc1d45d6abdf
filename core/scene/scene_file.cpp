#include "scene/scene_file.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <optional>
#include <sstream>
#include <system_error>
#include <unordered_set>

#include "json/js_json.h"
#include "json/json_scan.h"

namespace vignetta::scene {

namespace {

constexpr std::uintmax_t kMaxFileBytes = 256u * 1024u * 1024u;

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
    if (v.is_number_integer()) {
        n = v.get<long long>();
    } else if (v.is_number_unsigned()) {
        const auto u = v.get<unsigned long long>();
        if (u > static_cast<unsigned long long>(std::numeric_limits<long long>::max()))
            return std::nullopt;
        n = static_cast<long long>(u);
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

SceneReadResult readSceneText(std::string_view text)
{
    SceneReadResult result;
    if (countTopLevelElements(text, maxNumBlock) > static_cast<std::size_t>(maxNumBlock)) {
        result.error = "the scene holds more than " + std::to_string(maxNumBlock) + " blocks";
        return result;
    }
    auto parsed = json::parseJson(text);
    if (!parsed) {
        result.error = "not valid JSON: " + parsed.error;
        result.position = parsed.position;
        result.hasPosition = true;
        return result;
    }
    return readSceneValue(parsed.value);
}

SceneReadResult readSceneValue(const Json &root)
{
    SceneReadResult result;
    if (!root.is_array()) {
        result.error = "the top level is " + describe(root) + ", not an array of blocks";
        return result;
    }
    if (root.empty()) {
        result.error = "the scene holds no blocks";
        return result;
    }
    if (root.size() > static_cast<std::size_t>(maxNumBlock)) {
        result.error = "the scene holds more than " + std::to_string(maxNumBlock) + " blocks";
        return result;
    }
    // The acceptance rule proper: the first element has a blockId that is present and not 0.
    const Json &first = root.front();
    if (!first.is_object() || !first.contains("blockId") || first["blockId"] == 0)
        return result.error = "the first block has no blockId", result;
    for (std::size_t i = 0; i < root.size(); ++i) {
        std::string problem = checkElement(root[i], i);
        if (!problem.empty()) {
            result.error = std::move(problem);
            return result;
        }
    }
    result.blocks.reserve(root.size());
    for (const auto &e : root)
        result.blocks.push_back(Block::fromJson(e));
    result.ok = true;
    return result;
}

SceneReadResult readSceneFile(const std::filesystem::path &path)
{
    SceneReadResult result;
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) {
        result.error = "cannot read " + path.string() + ": " + ec.message();
        return result;
    }
    if (size > kMaxFileBytes) {
        result.error = path.string() + " is too large for a scene file";
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.error = "cannot read " + path.string();
        return result;
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    in.read(text.data(), static_cast<std::streamsize>(size));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return readSceneText(text);
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
    std::filesystem::path temp = path;
    temp += ".tmp-write";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return fail("cannot write " + path.string());
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            return fail("cannot write " + path.string());
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return fail("cannot replace " + path.string());
    }
    return true;
}

} // namespace vignetta::scene
