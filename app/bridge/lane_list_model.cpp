#include "bridge/lane_list_model.h"

#include <algorithm>

namespace vignetta::bridge {

LaneListModel::LaneListModel(QObject *parent) : QAbstractListModel(parent) {}

int LaneListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant LaneListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= count())
        return {};
    const Row &row = lanes_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case LaneIdRole:
        return row.laneId;
    case BlocksRole:
        return QVariant::fromValue(static_cast<QObject *>(row.blocks));
    case BlockCountRole:
        return row.blockCount;
    case LaneEndRole:
        return row.laneEnd;
    default:
        return {};
    }
}

QHash<int, QByteArray> LaneListModel::roleNames() const
{
    return {{LaneIdRole, "laneId"},
            {BlocksRole, "blocks"},
            {BlockCountRole, "blockCount"},
            {LaneEndRole, "laneEnd"}};
}

BlockListModel *LaneListModel::blocksOf(int laneId) const
{
    for (const auto &row : lanes_)
        if (row.laneId == laneId)
            return row.blocks;
    return nullptr;
}

int LaneListModel::laneEnd(const scene::Lane &lane)
{
    int end = 0;
    for (const auto &b : lane.blocks)
        end = std::max(end, b.end());
    return end;
}

void LaneListModel::sync(const scene::Document &doc)
{
    std::vector<const scene::Lane *> target;
    for (const auto &lane : doc.lanes())
        if (lane.laneId > 0)
            target.push_back(&lane);
    // Lanes only come and go at the end (a new lane, its undo); anything else starts afresh.
    const std::size_t common = std::min(target.size(), lanes_.size());
    for (std::size_t i = 0; i < common; ++i)
        if (lanes_[i].laneId != target[i]->laneId) {
            reset(doc);
            return;
        }
    if (target.size() < lanes_.size()) {
        beginRemoveRows(QModelIndex(), static_cast<int>(target.size()), count() - 1);
        for (std::size_t i = target.size(); i < lanes_.size(); ++i)
            lanes_[i].blocks->deleteLater();
        lanes_.resize(target.size());
        endRemoveRows();
        emit countChanged();
    }
    for (std::size_t i = 0; i < lanes_.size(); ++i) {
        Row &row = lanes_[i];
        row.blocks->sync(target[i]);
        const int blockCount = static_cast<int>(target[i]->blocks.size());
        const int end = laneEnd(*target[i]);
        if (blockCount != row.blockCount || end != row.laneEnd) {
            row.blockCount = blockCount;
            row.laneEnd = end;
            const QModelIndex at = index(static_cast<int>(i));
            emit dataChanged(at, at, {BlockCountRole, LaneEndRole});
        }
    }
    if (target.size() > lanes_.size()) {
        const int first = count();
        const int last = static_cast<int>(target.size()) - 1;
        beginInsertRows(QModelIndex(), first, last);
        for (std::size_t i = lanes_.size(); i < target.size(); ++i) {
            auto *blocks = new BlockListModel(target[i]->laneId, this);
            blocks->reset(target[i]);
            lanes_.push_back({target[i]->laneId, blocks, static_cast<int>(target[i]->blocks.size()),
                              laneEnd(*target[i])});
        }
        endInsertRows();
        emit countChanged();
    }
}

void LaneListModel::reset(const scene::Document &doc)
{
    const int before = count();
    beginResetModel();
    std::vector<Row> old;
    old.swap(lanes_);
    for (const auto &lane : doc.lanes()) {
        if (lane.laneId <= 0)
            continue;
        // Keep a lane's block model when the lane survives, so bindings to it stay valid.
        BlockListModel *blocks = nullptr;
        for (auto &row : old)
            if (row.blocks && row.laneId == lane.laneId) {
                blocks = row.blocks;
                row.blocks = nullptr;
                break;
            }
        if (!blocks)
            blocks = new BlockListModel(lane.laneId, this);
        blocks->reset(&lane);
        lanes_.push_back(
            {lane.laneId, blocks, static_cast<int>(lane.blocks.size()), laneEnd(lane)});
    }
    endResetModel();
    for (auto &row : old)
        if (row.blocks)
            row.blocks->deleteLater();
    if (before != count())
        emit countChanged();
}

} // namespace vignetta::bridge
