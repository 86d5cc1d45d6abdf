#include "scene/block.h"

#include "scene/event_data.h"
#include "json/js_coerce.h"

namespace vignetta::scene {

namespace {

std::shared_ptr<Json> noOuter()
{
    return nullptr;
}

} // namespace

Block::Payload::~Payload()
{
    json::dismantle(eventData);
    if (outer && outer.use_count() == 1)
        json::dismantle(*outer);
}

Block::Block()
{
    static const auto shared = [] {
        auto p = std::make_shared<Payload>();
        p->eventData = defaultEventData();
        p->view = readBlockView(p->eventData);
        return std::shared_ptr<const Payload>(p);
    }();
    payload_ = shared;
}

Block::Block(int id, int lane, Json data) : blockId(id), laneId(lane)
{
    setEventData(std::move(data));
}

void Block::setEventData(Json data)
{
    if (!data.is_object())
        data = Json::object();
    const BlockView view = readBlockView(data);
    setWithView(std::move(data), view);
}

void Block::setWithView(Json data, const BlockView &view)
{
    auto p = std::make_shared<Payload>();
    p->eventData = std::move(data);
    p->view = view;
    p->outer = payload_ ? payload_->outer : noOuter();
    payload_ = std::move(p);
}

namespace {

// Splits "a.b.c" at dots; empty parts make the path invalid.
bool splitPath(std::string_view path, std::vector<std::string> &parts)
{
    parts.clear();
    if (path.empty())
        return false;
    std::size_t from = 0;
    while (true) {
        const auto dot = path.find('.', from);
        const auto part = path.substr(from, dot == std::string_view::npos ? dot : dot - from);
        if (part.empty())
            return false;
        parts.emplace_back(part);
        if (dot == std::string_view::npos)
            return true;
        from = dot + 1;
    }
}

} // namespace

bool Block::setField(std::string_view path, const Json &value)
{
    std::vector<std::string> parts;
    if (!splitPath(path, parts))
        return false;
    // Check the path before copying anything.
    const Json *at = &payload_->eventData;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        const auto it = at->find(parts[i]);
        if (it == at->end())
            break;
        if (!it->is_object())
            return false;
        at = &*it;
    }
    editEventData([&](Json &data) {
        Json *node = &data;
        for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
            Json &child = (*node)[parts[i]];
            if (child.is_null())
                child = Json::object();
            node = &child;
        }
        (*node)[parts.back()] = value;
    });
    return true;
}

Json Block::field(std::string_view path) const
{
    std::vector<std::string> parts;
    if (!splitPath(path, parts))
        return nullptr;
    const Json *node = &payload_->eventData;
    for (const auto &part : parts) {
        if (!node->is_object())
            return nullptr;
        const auto it = node->find(part);
        if (it == node->end())
            return nullptr;
        node = &*it;
    }
    return *node;
}

void Block::setStart(int frame)
{
    if (start() == frame && payload_->eventData.contains("blockStart"))
        return;
    Json data = payload_->eventData;
    data["blockStart"] = frame;
    BlockView view = payload_->view;
    view.blockStart = frame;
    setWithView(std::move(data), view);
}

void Block::setDelay(int frames)
{
    if (delay() == frames && payload_->eventData.contains("blockDelay"))
        return;
    Json data = payload_->eventData;
    data["blockDelay"] = frames;
    BlockView view = payload_->view;
    view.blockDelay = frames;
    setWithView(std::move(data), view);
}

Json Block::toJson() const
{
    Json out = Json::object();
    if (!payload_->outer) {
        out["blockId"] = blockId;
        out["laneId"] = laneId;
        out["eventData"] = payload_->eventData;
        return out;
    }
    for (const auto &item : payload_->outer->items()) {
        const auto &key = item.key();
        if (key == "blockId")
            out[key] = blockId;
        else if (key == "laneId")
            out[key] = laneId;
        else if (key == "eventData")
            out[key] = payload_->eventData;
        else
            out[key] = item.value();
    }
    return out;
}

void Block::writeJson(std::string &out) const
{
    if (payload_->outer) {
        json::stringifyTo(toJson(), out);
        return;
    }
    out += "{\"blockId\":";
    out += std::to_string(blockId);
    out += ",\"laneId\":";
    out += std::to_string(laneId);
    out += ",\"eventData\":";
    json::stringifyTo(payload_->eventData, out);
    out += '}';
}

Block Block::fromJson(const Json &object)
{
    return fromJson(Json(object));
}

Block Block::fromJson(Json &&object)
{
    Block b;
    if (!object.is_object())
        return b;
    const auto id = object.find("blockId");
    const auto lane = object.find("laneId");
    const auto data = object.find("eventData");
    b.blockId = id != object.end() ? json::toInt(*id, 0) : 0;
    b.laneId = lane != object.end() ? json::toInt(*lane, 0) : 0;
    auto p = std::make_shared<Payload>();
    if (data != object.end() && data->is_object())
        p->eventData = std::move(*data);
    else
        p->eventData = Json::object();
    p->view = readBlockView(p->eventData);
    // Only a block whose outer object differs from the usual three keys needs its layout kept.
    const bool usual = object.size() == 3 && object.begin().key() == "blockId" &&
                       std::next(object.begin()).key() == "laneId" &&
                       std::next(object.begin(), 2).key() == "eventData";
    if (!usual) {
        // Keys the block always writes come first when the object lacked them; the values of
        // the known keys are written from the block itself.
        Json outer = Json::object();
        auto &members = outer.get_ref<Json::object_t &>();
        members.reserve(object.size() + 3);
        for (const char *k : {"blockId", "laneId", "eventData"})
            if (!object.contains(k))
                members.emplace_back(k, nullptr);
        for (auto &item : object.items()) {
            const bool known =
                item.key() == "blockId" || item.key() == "laneId" || item.key() == "eventData";
            members.emplace_back(item.key(), known ? Json() : std::move(item.value()));
        }
        p->outer = std::make_shared<Json>(std::move(outer));
    }
    b.payload_ = std::move(p);
    return b;
}

bool Block::operator==(const Block &other) const
{
    if (blockId != other.blockId || laneId != other.laneId)
        return false;
    if (payload_ == other.payload_)
        return true;
    if (payload_->eventData != other.payload_->eventData)
        return false;
    // ordered_json compares objects element by element in order, so key order counts too.
    const Json none;
    const Json &a = payload_->outer ? *payload_->outer : none;
    const Json &b = other.payload_->outer ? *other.payload_->outer : none;
    return a == b;
}

} // namespace vignetta::scene
