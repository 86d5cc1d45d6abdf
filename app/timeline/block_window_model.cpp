#include "timeline/block_window_model.h"

namespace vignetta::timeline {

BlockWindowModel::BlockWindowModel(QObject *parent) : QSortFilterProxyModel(parent)
{
    setDynamicSortFilter(true);
    auto counted = [this] { emit countChanged(); };
    connect(this, &QAbstractItemModel::rowsInserted, this, counted);
    connect(this, &QAbstractItemModel::rowsRemoved, this, counted);
    connect(this, &QAbstractItemModel::modelReset, this, counted);
    connect(this, &QAbstractItemModel::layoutChanged, this, counted);
}

void BlockWindowModel::setBlocks(QObject *blocks)
{
    auto *model = qobject_cast<QAbstractItemModel *>(blocks);
    if (model == source_)
        return;
    source_ = model;
    startRole_ = endRole_ = -1;
    if (model) {
        const auto names = model->roleNames();
        startRole_ = names.key("blockStart", -1);
        endRole_ = names.key("blockEnd", -1);
        // The lane model names the roles an edit changed, and a proxy may skip the filter when
        // its filter role is not among them. A move or a resize always reports blockEnd.
        if (endRole_ >= 0)
            setFilterRole(endRole_);
    }
    setSourceModel(model);
    emit blocksChanged();
}

void BlockWindowModel::setFirstFrame(int frame)
{
    if (frame == firstFrame_)
        return;
    firstFrame_ = frame;
    refilter();
}

void BlockWindowModel::setLastFrame(int frame)
{
    if (frame == lastFrame_)
        return;
    lastFrame_ = frame;
    refilter();
}

void BlockWindowModel::setActive(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    refilter();
}

void BlockWindowModel::refilter()
{
    invalidateFilter();
    emit windowChanged();
}

bool BlockWindowModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (!active_ || !source_ || startRole_ < 0 || endRole_ < 0)
        return false;
    const QModelIndex i = source_->index(sourceRow, 0, sourceParent);
    const int start = source_->data(i, startRole_).toInt();
    const int end = source_->data(i, endRole_).toInt();
    return end > firstFrame_ && start < lastFrame_;
}

} // namespace vignetta::timeline
