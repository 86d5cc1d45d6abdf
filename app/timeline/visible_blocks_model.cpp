#include "timeline/visible_blocks_model.h"

#include <algorithm>

#include "bridge/block_list_model.h"
#include "bridge/timeline_data_manager.h"

namespace vignetta::timeline {

namespace {

using bridge::BlockListModel;

// The lane model's roles this model leaves out: blocks of lanes 1 and up carry no comment, and
// the event data would copy every field of every visible block.
bool shown(int role)
{
    return role != BlockListModel::CommentRole && role != BlockListModel::EventDataRole;
}

QVector<int> changedRoles(const scene::Block &before, const scene::Block &after)
{
    QVector<int> roles = BlockListModel::changedRoles(before, after);
    roles.erase(std::remove_if(roles.begin(), roles.end(), [](int r) { return !shown(r); }),
                roles.end());
    return roles;
}

} // namespace

VisibleBlocksModel::VisibleBlocksModel(QObject *parent) : QAbstractListModel(parent) {}

void VisibleBlocksModel::setDataManager(bridge::TimelineDataManager *manager)
{
    if (manager == manager_)
        return;
    if (manager_)
        disconnect(manager_, nullptr, this, nullptr);
    manager_ = manager;
    if (manager_)
        connect(manager_, &bridge::TimelineDataManager::dataChanged, this,
                &VisibleBlocksModel::refresh);
    refresh();
    emit dataManagerChanged();
}

void VisibleBlocksModel::setWindowValue(int &field, int value)
{
    if (value == field)
        return;
    field = value;
    refresh();
    emit windowChanged();
}

void VisibleBlocksModel::setFirstFrame(int frame)
{
    setWindowValue(firstFrame_, frame);
}

void VisibleBlocksModel::setLastFrame(int frame)
{
    setWindowValue(lastFrame_, frame);
}

void VisibleBlocksModel::setFirstLane(int lane)
{
    setWindowValue(firstLane_, lane);
}

void VisibleBlocksModel::setLastLane(int lane)
{
    setWindowValue(lastLane_, lane);
}

int VisibleBlocksModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant VisibleBlocksModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= count())
        return {};
    const scene::Block &b = rows_[static_cast<std::size_t>(index.row())];
    return shown(role) ? BlockListModel::roleValue(b, role) : QVariant();
}

QHash<int, QByteArray> VisibleBlocksModel::roleNames() const
{
    QHash<int, QByteArray> names = BlockListModel::blockRoleNames();
    names.remove(BlockListModel::CommentRole);
    names.remove(BlockListModel::EventDataRole);
    return names;
}

int VisibleBlocksModel::rowOf(int blockId) const
{
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].blockId == blockId)
            return static_cast<int>(i);
    return -1;
}

void VisibleBlocksModel::refresh()
{
    // What the window holds now, by id.
    std::unordered_map<int, const scene::Block *> wanted;
    std::vector<const scene::Block *> order;
    if (manager_) {
        for (const auto &lane : manager_->document().lanes()) {
            if (lane.laneId < std::max(1, firstLane_) || lane.laneId > lastLane_)
                continue;
            for (const auto &b : lane.blocks)
                if (b.end() > firstFrame_ && b.start() < lastFrame_) {
                    wanted.emplace(b.blockId, &b);
                    order.push_back(&b);
                }
        }
    }
    const int before = count();

    // 1. Rows whose block left the window (or the document), as contiguous runs from the end.
    for (int row = count() - 1; row >= 0;) {
        if (wanted.count(rows_[static_cast<std::size_t>(row)].blockId)) {
            --row;
            continue;
        }
        int first = row;
        while (first > 0 && !wanted.count(rows_[static_cast<std::size_t>(first - 1)].blockId))
            --first;
        beginRemoveRows(QModelIndex(), first, row);
        rows_.erase(rows_.begin() + first, rows_.begin() + row + 1);
        endRemoveRows();
        row = first - 1;
    }

    // 2. Rows that stay: changed blocks (moved, resized, edited, on another lane) report so.
    std::unordered_map<int, std::size_t> present;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const scene::Block &target = *wanted.at(rows_[i].blockId);
        present.emplace(rows_[i].blockId, i);
        const QVector<int> roles = changedRoles(rows_[i], target);
        rows_[i] = target;
        if (!roles.isEmpty())
            emit dataChanged(index(static_cast<int>(i)), index(static_cast<int>(i)), roles);
    }

    // 3. Blocks that came into the window, appended in lane then block order.
    std::vector<const scene::Block *> added;
    for (const scene::Block *b : order)
        if (!present.count(b->blockId))
            added.push_back(b);
    if (!added.empty()) {
        beginInsertRows(QModelIndex(), count(), count() + static_cast<int>(added.size()) - 1);
        for (const scene::Block *b : added)
            rows_.push_back(*b);
        endInsertRows();
    }
    if (before != count())
        emit countChanged();
}

} // namespace vignetta::timeline
