#include "bridge/block_list_model.h"

#include <algorithm>
#include <unordered_set>

#include <QJSEngine>

#include "bridge/json_qt.h"
#include "scene/block_change.h"

namespace vignetta::bridge {

using scene::Block;


QVector<int> BlockListModel::changedRoles(const Block &before, const Block &after)
{
    const scene::BlockChange change = scene::blockChange(before, after);
    QVector<int> roles;
    if (change.lane)
        roles << LaneIdRole;
    if (change.start)
        roles << BlockStartRole;
    if (change.delay)
        roles << BlockDelayRole;
    if (change.start || change.delay)
        roles << BlockEndRole;
    if (change.mode)
        roles << BlockModeRole << ResizableRole << MinDelayRole << MaxDelayRole;
    if (change.imageName)
        roles << ImageNameRole;
    if (change.messageText)
        roles << MessageTextRole;
    if (change.comment)
        roles << CommentRole;
    if (change.eventData)
        roles << EventDataRole;
    return roles;
}

QVariant BlockListModel::roleValue(const Block &b, int role)
{
    switch (role) {
    case BlockIdRole:
        return b.blockId;
    case LaneIdRole:
        return b.laneId;
    case BlockStartRole:
        return b.start();
    case BlockDelayRole:
        return b.delay();
    case BlockEndRole:
        return b.end();
    case BlockModeRole:
        return b.mode();
    case ResizableRole:
        return scene::isResizable(b.mode());
    case MinDelayRole:
        return scene::resizeBounds(b.mode()).min;
    case MaxDelayRole:
        return scene::resizeBounds(b.mode()).max;
    case ImageNameRole:
        return QString::fromStdString(b.view().imageName);
    case MessageTextRole:
        return QString::fromStdString(b.view().messageText);
    case CommentRole:
        return QString::fromStdString(b.view().comment);
    default:
        return {};
    }
}

BlockListModel::BlockListModel(int laneId, QObject *parent)
    : QAbstractListModel(parent), laneId_(laneId)
{
}

int BlockListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant BlockListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= count())
        return {};
    const Block &b = blocks_[static_cast<std::size_t>(index.row())];
    if (role != EventDataRole)
        return roleValue(b, role);
    // A JavaScript object keeps the fields in the block's own order; a variant map would sort
    // them. Without an engine (C++ readers) the map is all there is.
    if (QJSEngine *engine = qjsEngine(this))
        return QVariant::fromValue(toJSValue(*engine, b.eventData()));
    return toVariant(b.eventData());
}

QHash<int, QByteArray> BlockListModel::roleNames() const
{
    return blockRoleNames();
}

QHash<int, QByteArray> BlockListModel::blockRoleNames()
{
    return {
        {BlockIdRole, "blockId"},         {LaneIdRole, "laneId"},
        {BlockStartRole, "blockStart"},   {BlockDelayRole, "blockDelay"},
        {BlockEndRole, "blockEnd"},       {BlockModeRole, "blockMode"},
        {ResizableRole, "resizable"},     {MinDelayRole, "minDelay"},
        {MaxDelayRole, "maxDelay"},       {ImageNameRole, "imageName"},
        {MessageTextRole, "messageText"}, {CommentRole, "comment"},
        {EventDataRole, "eventData"},
    };
}

int BlockListModel::rowOf(int blockId) const
{
    for (std::size_t i = 0; i < blocks_.size(); ++i)
        if (blocks_[i].blockId == blockId)
            return static_cast<int>(i);
    return -1;
}

int BlockListModel::blockIdAt(int row) const
{
    return row >= 0 && row < count() ? blocks_[static_cast<std::size_t>(row)].blockId : 0;
}

void BlockListModel::reset(const scene::Lane *lane)
{
    const int before = count();
    resetRows(lane);
    if (before != count())
        emit countChanged();
}

void BlockListModel::resetRows(const scene::Lane *lane)
{
    beginResetModel();
    blocks_ = lane ? lane->blocks : std::vector<Block>{};
    endResetModel();
}

void BlockListModel::sync(const scene::Lane *lane)
{
    static const std::vector<Block> none;
    const std::vector<Block> &target = lane ? lane->blocks : none;
    const int before = count();

    // 1. Rows whose block left the lane.
    std::unordered_set<int> wanted;
    for (const auto &b : target)
        wanted.insert(b.blockId);
    for (int row = count() - 1; row >= 0; --row) {
        if (wanted.count(blocks_[static_cast<std::size_t>(row)].blockId))
            continue;
        beginRemoveRows(QModelIndex(), row, row);
        blocks_.erase(blocks_.begin() + row);
        endRemoveRows();
    }

    // 2. The remaining rows must keep their relative order; otherwise start afresh.
    std::unordered_set<int> present;
    for (const auto &b : blocks_)
        present.insert(b.blockId);
    std::size_t k = 0;
    for (const auto &b : target) {
        if (!present.count(b.blockId))
            continue;
        if (blocks_[k].blockId != b.blockId) {
            resetRows(lane);
            if (before != count())
                emit countChanged();
            return;
        }
        ++k;
    }

    // 3. New blocks inserted where the lane has them; changed blocks reported.
    for (std::size_t i = 0; i < target.size(); ++i) {
        const Block &b = target[i];
        const int row = static_cast<int>(i);
        if (i >= blocks_.size() || blocks_[i].blockId != b.blockId) {
            beginInsertRows(QModelIndex(), row, row);
            blocks_.insert(blocks_.begin() + row, b);
            endInsertRows();
        } else if (blocks_[i] != b) {
            const QVector<int> roles = changedRoles(blocks_[i], b);
            blocks_[i] = b;
            // Only the outer keys differ when no role does: nothing a view shows has changed.
            if (!roles.isEmpty())
                emit dataChanged(index(row), index(row), roles);
        } else {
            blocks_[i] = b; // share the document's copy
        }
    }
    if (before != count())
        emit countChanged();
}

} // namespace vignetta::bridge
