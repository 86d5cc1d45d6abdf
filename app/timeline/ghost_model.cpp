#include "timeline/ghost_model.h"

namespace vignetta::timeline {

GhostModel::GhostModel(QObject *parent) : QAbstractListModel(parent) {}

int GhostModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant GhostModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= count())
        return {};
    const Ghost &g = ghosts_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case BlockIdRole:
        return g.blockId;
    case LaneIdRole:
        return g.laneId;
    case XRole:
        return g.x;
    case WidthRole:
        return g.width;
    case BlockModeRole:
        return g.mode;
    default:
        return {};
    }
}

QHash<int, QByteArray> GhostModel::roleNames() const
{
    return {{BlockIdRole, "blockId"},
            {LaneIdRole, "laneId"},
            {XRole, "x"},
            {WidthRole, "width"},
            {BlockModeRole, "blockMode"}};
}

void GhostModel::build(const scene::Document &doc, const std::vector<int> &blockIds,
                       int pixelPerFrame)
{
    const int before = count();
    beginResetModel();
    ghosts_.clear();
    for (int id : blockIds) {
        const scene::Block *b = doc.getBlock(id);
        if (!b)
            continue;
        const double x = static_cast<double>(b->start()) * pixelPerFrame;
        const double w = static_cast<double>(b->delay()) * pixelPerFrame;
        ghosts_.push_back({id, b->laneId, b->mode(), x, w, b->laneId, x});
    }
    endResetModel();
    if (before != count())
        emit countChanged();
}

void GhostModel::follow(const scene::DragSession &session)
{
    if (ghosts_.empty())
        return;
    const auto &r = session.constrained();
    const bool move = session.mode() == scene::middleDrag;
    const double dx = r.x - session.startRect().x;
    for (auto &g : ghosts_) {
        if (move) {
            g.x = g.startX + dx;
            g.laneId = g.startLane + session.laneShift();
        } else {
            g.x = r.x;
            g.width = r.width;
        }
    }
    emit dataChanged(index(0), index(count() - 1), {LaneIdRole, XRole, WidthRole});
}

void GhostModel::clear()
{
    if (ghosts_.empty())
        return;
    beginResetModel();
    ghosts_.clear();
    endResetModel();
    emit countChanged();
}

} // namespace vignetta::timeline
