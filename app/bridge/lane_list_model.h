#pragma once

#include <vector>

#include <QAbstractListModel>

#include "bridge/block_list_model.h"
#include "scene/document.h"

namespace vignetta::bridge {

// The lanes of the timeline from lane 1 on (the marker lane has its own block model), each row
// carrying the block model of its lane. Lanes that come or go at the end (a new lane, an undo
// or redo) are row insertions and removals; edits inside a lane go to that lane's block model
// and update the row's blockCount and laneEnd; clear resets the model. A lane's block model
// lives as long as its row.
class LaneListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Role {
        LaneIdRole = Qt::UserRole + 1, // "laneId": int, 1 for the first row, then 2, 3, ...
        BlocksRole,                    // "blocks": BlockListModel of the lane's blocks
        BlockCountRole,                // "blockCount": int, number of blocks on the lane
        LaneEndRole,                   // "laneEnd": int, latest end frame on the lane (0 if none)
    };
    Q_ENUM(Role)

    explicit LaneListModel(QObject *parent = nullptr);

    int count() const { return static_cast<int>(lanes_.size()); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // The block model of a lane (1 and up), or null.
    Q_INVOKABLE vignetta::bridge::BlockListModel *blocksOf(int laneId) const;

    // Follows an edit of the document with row and data signals.
    void sync(const scene::Document &doc);
    // Rebuilds every row and every lane's blocks (model reset).
    void reset(const scene::Document &doc);

signals:
    void countChanged();

private:
    struct Row
    {
        int laneId;
        BlockListModel *blocks;
        int blockCount;
        int laneEnd;
    };
    std::vector<Row> lanes_;

    static int laneEnd(const scene::Lane &lane);
};

} // namespace vignetta::bridge
