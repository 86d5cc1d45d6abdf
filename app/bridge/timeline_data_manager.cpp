#include "bridge/timeline_data_manager.h"

#include <cmath>
#include <optional>

#include <QJSEngine>
#include <QJSValueIterator>
#include <QtDebug>

#include "bridge/constants.h"
#include "bridge/json_qt.h"
#include "scene/builders.h"
#include "scene/editing.h"
#include "scene/placement.h"
#include "scene/scene_file.h"
#include "json/js_coerce.h"
#include "json/js_json.h"

namespace vignetta::bridge {

using json::Json;
using scene::Block;

namespace {

Json laneJson(const scene::Lane &lane)
{
    Json blocks = Json::array();
    for (const auto &b : lane.blocks)
        blocks.push_back(b.toJson());
    Json out = Json::object();
    out["laneId"] = lane.laneId;
    out["blocks"] = std::move(blocks);
    return out;
}

Json blocksJson(const std::vector<Block> &blocks)
{
    Json out = Json::array();
    for (const auto &b : blocks)
        out.push_back(b.toJson());
    return out;
}

// A block object from QML; nothing when it is not an object.
std::optional<Block> blockFrom(const QJSValue &value)
{
    const Json j = fromJSValue(value);
    if (!j.is_object())
        return std::nullopt;
    return Block::fromJson(j);
}

// A checked block array from QML (the rules of scene files); an empty vector when refused.
std::vector<Block> blockSetFrom(const QJSValue &value, const char *what)
{
    auto read = scene::readSceneValue(fromJSValue(value));
    if (!read.ok) {
        qWarning().noquote() << what << "refused:" << QString::fromStdString(read.error);
        return {};
    }
    return std::move(read.blocks);
}

} // namespace

TimelineDataManager::TimelineDataManager(QObject *parent)
    : QObject(parent), lanes_(new LaneListModel(this)), markers_(new BlockListModel(0, this)),
      screenWidth_(scene::defaultScreenWidth), screenHeight_(scene::defaultScreenHeight),
      pixelPerFrame_(Constants::pixelPerFrameAt(0)), laneHeight_(Constants::laneHeightAt(0))
{
    doc_.clearData();
    resetModels();
}

QVariant TimelineDataManager::out(const Json &value) const
{
    if (QJSEngine *engine = qjsEngine(this))
        return QVariant::fromValue(toJSValue(*engine, value));
    return toVariant(value);
}

QVariant TimelineDataManager::data() const
{
    Json lanes = Json::array();
    for (const auto &lane : doc_.lanes())
        lanes.push_back(laneJson(lane));
    Json doc = Json::object();
    doc["lanes"] = std::move(lanes);
    return out(doc);
}

void TimelineDataManager::setScreenWidth(int width)
{
    if (width == screenWidth_)
        return;
    screenWidth_ = width;
    emit screenWidthChanged();
}

void TimelineDataManager::setScreenHeight(int height)
{
    if (height == screenHeight_)
        return;
    screenHeight_ = height;
    emit screenHeightChanged();
}

void TimelineDataManager::setPixelPerFrameScale(int scale)
{
    if (scale == pixelPerFrameScale_ || scale < 0 || scale > 1)
        return;
    pixelPerFrameScale_ = scale;
    pixelPerFrame_ = Constants::pixelPerFrameAt(scale);
    laneHeight_ = Constants::laneHeightAt(scale);
    // The models hold frames, not pixels: views lay their items out again from the new zoom.
    emit pixelPerFrameScaleChanged();
}

// --- Builders ---

QVariant TimelineDataManager::createEmptyBlock() const
{
    return out(scene::createEmptyBlock(doc_).toJson());
}
QVariant TimelineDataManager::createEmptyPictureBlock() const
{
    return createEmptyBlockOfMode(scene::mode_picture);
}
QVariant TimelineDataManager::createEmptyMessageBlock() const
{
    return createEmptyBlockOfMode(scene::mode_message);
}
QVariant TimelineDataManager::createEmptyFadeBlock() const
{
    return createEmptyBlockOfMode(scene::mode_fade);
}
QVariant TimelineDataManager::createEmptySoundBlock() const
{
    return createEmptyBlockOfMode(scene::mode_sound);
}
QVariant TimelineDataManager::createEmptyScreenBlock() const
{
    return createEmptyBlockOfMode(scene::mode_screen);
}
QVariant TimelineDataManager::createEmptyCommentBlock() const
{
    return createEmptyBlockOfMode(scene::mode_comment);
}
QVariant TimelineDataManager::createEmptyOtherBlock() const
{
    return createEmptyBlockOfMode(scene::mode_other);
}
QVariant TimelineDataManager::createEmptyScrollBlock() const
{
    return createEmptyBlockOfMode(scene::mode_scroll);
}
QVariant TimelineDataManager::createEmptySoundFadeBlock() const
{
    return createEmptyBlockOfMode(scene::mode_sound_fade);
}
QVariant TimelineDataManager::createEmptyBlockOfMode(int mode) const
{
    return out(scene::createEmptyBlockOfMode(doc_, mode).toJson());
}
QVariant TimelineDataManager::createEmptyLane() const
{
    return out(laneJson(scene::createEmptyLane(doc_)));
}

QVariant TimelineDataManager::blockDeepCopy(const QJSValue &block) const
{
    const auto b = blockFrom(block);
    if (!b)
        return QVariant::fromValue(nullptr);
    return out(scene::blockDeepCopy(doc_, *b).toJson());
}

QVariant TimelineDataManager::dataDeepCopy(const QJSValue &value) const
{
    return out(fromJSValue(value));
}

// --- Queries ---

QVariant TimelineDataManager::getLaneByLaneId(int laneId) const
{
    const scene::Lane *lane = doc_.getLaneByLaneId(laneId);
    return lane ? out(laneJson(*lane)) : QVariant::fromValue(nullptr);
}

int TimelineDataManager::getBlockIndex(int blockId, const QJSValue &lane) const
{
    int laneId = -1;
    if (lane.isNumber())
        laneId = lane.toInt();
    else if (lane.isObject() && lane.property(QStringLiteral("laneId")).isNumber())
        laneId = lane.property(QStringLiteral("laneId")).toInt();
    return doc_.getBlockIndex(blockId, laneId);
}

QVariant TimelineDataManager::getBlock(int blockId) const
{
    const Block *b = doc_.getBlock(blockId);
    return b ? out(b->toJson()) : QVariant::fromValue(nullptr);
}

QVariant TimelineDataManager::getBlockField(int blockId, const QString &path) const
{
    const Block *b = doc_.getBlock(blockId);
    return b ? out(b->field(path.toStdString())) : QVariant::fromValue(nullptr);
}

QVariant TimelineDataManager::getContainsBlocks(double timelineX, double pixelPerFrame,
                                                bool includeEnd) const
{
    return out(blocksJson(doc_.getContainsBlocks(timelineX, pixelPerFrame, includeEnd)));
}

QStringList TimelineDataManager::getPictureList() const
{
    QStringList names;
    for (const auto &name : doc_.getPictureList())
        names.append(QString::fromStdString(name));
    return names;
}

QVariantList TimelineDataManager::getBlocksWithin(int startFrame, int endFrame, int firstLane,
                                                  int lastLane) const
{
    QVariantList ids;
    for (int id : doc_.getBlocksWithin(startFrame, endFrame, firstLane, lastLane))
        ids.append(id);
    return ids;
}

QVariant TimelineDataManager::unify() const
{
    return out(blocksJson(doc_.unify()));
}

QVariant TimelineDataManager::getFreeBoundingBox(const QJSValue &blocks, int startFrame,
                                                 int startLane, const QJSValue &ignoreBlocks) const
{
    std::vector<Block> set;
    const Json array = fromJSValue(blocks);
    if (!array.is_array())
        return QVariant::fromValue(nullptr);
    for (const auto &item : array)
        if (item.is_object())
            set.push_back(Block::fromJson(item));
    std::vector<int> ignore;
    const Json ignored = fromJSValue(ignoreBlocks);
    if (ignored.is_array())
        for (const auto &item : ignored) {
            if (item.is_number())
                ignore.push_back(json::toInt(item, 0));
            else if (item.is_object() && item.contains("blockId"))
                ignore.push_back(json::toInt(item["blockId"], 0));
        }
    const auto box = scene::getFreeBoundingBox(doc_, set, startFrame, startLane, ignore);
    if (!box)
        return QVariant::fromValue(nullptr);
    Json rect = Json::object();
    rect["x"] = box->offsetedRect.x;
    rect["y"] = box->offsetedRect.y;
    rect["width"] = box->offsetedRect.width;
    rect["height"] = box->offsetedRect.height;
    Json overlaps = Json::array();
    for (int id : box->backwardOverlaps)
        if (const Block *b = doc_.getBlock(id))
            overlaps.push_back(b->toJson());
    return out(Json::array(
        {rect, overlaps, box->surplusForward, box->forwardOffset, box->backwardOffset}));
}

// --- Plain mutators (no snapshot) ---

void TimelineDataManager::clearData()
{
    doc_.clearData();
    resetModels();
    emit documentReset();
    emit dataChanged();
}

bool TimelineDataManager::appendLane(const QJSValue &lane)
{
    const Json j = fromJSValue(lane);
    if (!j.is_object())
        return false;
    scene::Lane l;
    l.laneId = json::toInt(j.value("laneId", Json(-1)), -1);
    if (const auto blocks = j.find("blocks"); blocks != j.end() && blocks->is_array())
        for (const auto &b : *blocks)
            l.blocks.push_back(Block::fromJson(b));
    if (!doc_.appendLane(std::move(l)))
        return false;
    syncModels();
    emit dataChanged();
    return true;
}

bool TimelineDataManager::appendBlock(const QJSValue &block, int laneId)
{
    const auto b = blockFrom(block);
    if (!b || b->isMarker() != (laneId == 0) || !doc_.appendBlock(*b, laneId))
        return false;
    syncModels();
    emit dataChanged();
    return true;
}

bool TimelineDataManager::deleteBlock(int blockId, int laneId)
{
    if (!doc_.deleteBlock(blockId, laneId))
        return false;
    syncModels();
    emit dataChanged();
    return true;
}

// --- Editing operations ---

QVariantList TimelineDataManager::insertBlocks(const QJSValue &blocks, int frame, int laneId)
{
    const std::vector<Block> set = blockSetFrom(blocks, "insertBlocks:");
    QVariantList result;
    for (int id : insertBlockSet(set, frame, laneId))
        result.append(id);
    return result;
}

std::vector<int> TimelineDataManager::insertBlockSet(const std::vector<Block> &blocks, int frame,
                                                     int laneId)
{
    if (blocks.empty())
        return {};
    const std::vector<int> ids = scene::insertBlocks(doc_, blocks, frame, laneId);
    if (ids.empty())
        return {};
    syncModels();
    pushBuffer();
    QVariantList inserted;
    for (int id : ids)
        inserted.append(id);
    emit dataChanged();
    emit blocksInserted(inserted);
    return ids;
}

int TimelineDataManager::insertNewBlock(int mode, int frame, int laneId)
{
    if (!scene::isValidBlockMode(mode))
        return -1;
    const std::vector<int> ids =
        scene::insertBlocks(doc_, {scene::createEmptyBlockOfMode(doc_, mode)}, frame, laneId);
    if (ids.empty())
        return -1;
    syncModels();
    pushBuffer();
    emit dataChanged();
    emit blocksInserted({ids.front()});
    return ids.front();
}

bool TimelineDataManager::moveBlocks(const QJSValue &dragged, int startFrame, int startLane)
{
    const Json array = fromJSValue(dragged);
    if (!array.is_array())
        return false;
    std::vector<Block> set;
    for (const auto &item : array) {
        if (!item.is_object())
            return false;
        set.push_back(Block::fromJson(item));
    }
    return moveBlockSet(set, startFrame, startLane);
}

bool TimelineDataManager::moveBlockSet(const std::vector<Block> &dragged, int startFrame,
                                       int startLane)
{
    if (!scene::moveBlocks(doc_, dragged, startFrame, startLane))
        return false;
    syncModels();
    pushBuffer();
    emit dataChanged();
    return true;
}

bool TimelineDataManager::moveMarker(int blockId, int frame)
{
    if (!scene::moveMarker(doc_, blockId, frame))
        return false;
    syncModels();
    pushBuffer();
    emit dataChanged();
    return true;
}

int TimelineDataManager::deleteBlocks(const QVariantList &blockIds)
{
    std::vector<int> ids;
    for (const QVariant &v : blockIds) {
        bool ok = false;
        const int id = v.toInt(&ok);
        if (ok)
            ids.push_back(id);
    }
    const int removed = scene::deleteBlocks(doc_, ids);
    if (removed > 0) {
        syncModels();
        pushBuffer();
        emit dataChanged();
    }
    return removed;
}

int TimelineDataManager::addLane()
{
    const int id = scene::newLane(doc_);
    if (id < 0)
        return -1;
    syncModels();
    pushBuffer();
    emit dataChanged();
    return id;
}

// --- Field writes ---

bool TimelineDataManager::validFieldWrite(const std::string &path, const Json &value) const
{
    if (path == "blockStart" || path == "blockDelay" || path == "blockMode")
        return false;
    if (path == "imageIndex") {
        if (!value.is_number())
            return false;
        const double d = value.get<double>();
        return std::trunc(d) == d && d >= 0 && d <= scene::maxPictureNumber;
    }
    return true;
}

bool TimelineDataManager::setBlockField(int blockId, const QString &path, const QJSValue &value)
{
    Block *b = doc_.getBlock(blockId);
    const std::string p = path.toStdString();
    const Json v = fromJSValue(value);
    if (!b || value.isUndefined() || !validFieldWrite(p, v))
        return false;
    Block edited = *b;
    if (!edited.setField(p, v))
        return false;
    if (edited == *b)
        return true; // same value: nothing to report
    *b = std::move(edited);
    syncModels();
    emit blockChanged(blockId, path);
    emit dataChanged();
    return true;
}

bool TimelineDataManager::setBlockFields(int blockId, const QJSValue &fields)
{
    Block *b = doc_.getBlock(blockId);
    if (!b || !fields.isObject())
        return false;
    Block edited = *b;
    QStringList paths;
    QJSValueIterator it(fields);
    while (it.hasNext()) {
        it.next();
        const std::string p = it.name().toStdString();
        const Json v = fromJSValue(it.value());
        if (it.value().isUndefined() || !validFieldWrite(p, v) || !edited.setField(p, v))
            return false;
        paths.append(it.name());
    }
    if (edited == *b)
        return true;
    *b = std::move(edited);
    syncModels();
    for (const QString &p : paths)
        emit blockChanged(blockId, p);
    emit dataChanged();
    return true;
}

// --- Undo buffer ---

void TimelineDataManager::clearBuffer()
{
    buffer_.clearBuffer();
    emit undoStateChanged();
}

void TimelineDataManager::pushBuffer()
{
    buffer_.pushBuffer(doc_);
    emit undoStateChanged();
    emit documentCommitted();
}

bool TimelineDataManager::undo()
{
    if (!buffer_.undo(doc_))
        return false;
    // The models follow the snapshot with row signals for what differs from the current
    // document, so views keep the items of everything an undo leaves alone.
    syncModels();
    emit undoStateChanged();
    emit documentReset();
    emit dataChanged();
    emit documentCommitted();
    return true;
}

bool TimelineDataManager::redo()
{
    if (!buffer_.redo(doc_))
        return false;
    syncModels();
    emit undoStateChanged();
    emit documentReset();
    emit dataChanged();
    emit documentCommitted();
    return true;
}

void TimelineDataManager::replaceDocument(scene::Document doc)
{
    doc_ = std::move(doc);
    resetModels();
    emit documentReset();
    emit dataChanged();
    pushBuffer();
}

// --- Scene files ---

QString TimelineDataManager::sceneText() const
{
    return QString::fromStdString(scene::writeSceneText(doc_));
}

QVariant TimelineDataManager::parseSceneText(const QString &text) const
{
    const auto read = scene::readSceneText(text.toStdString());
    Json result = Json::object();
    result["ok"] = read.ok;
    result["error"] = read.error;
    result["blocks"] = read.ok ? scene::sceneToJson(read.blocks) : Json(nullptr);
    return out(result);
}

// --- Models ---

void TimelineDataManager::syncModels()
{
    lanes_->sync(doc_);
    markers_->sync(doc_.getLaneByLaneId(0));
}

void TimelineDataManager::resetModels()
{
    lanes_->reset(doc_);
    markers_->reset(doc_.getLaneByLaneId(0));
}

} // namespace vignetta::bridge
