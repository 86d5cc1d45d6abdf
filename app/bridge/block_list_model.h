#pragma once

#include <vector>

#include <QAbstractListModel>

#include "scene/lane.h"

namespace vignetta::bridge {

// The blocks of one lane, in the lane's order, for a timeline lane (or the marker lane) to
// bind its delegates to. Rows follow the document: an edit emits row insertions, removals and
// dataChanged for exactly the blocks it touched (an undo or redo too); clear resets the model. A
// block is
// identified by its stable blockId; rows shift when blocks come and go.
class BlockListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int laneId READ laneId CONSTANT)
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Role {
        BlockIdRole = Qt::UserRole + 1, // "blockId": int, unique and stable within the document
        LaneIdRole,                     // "laneId": int, the lane that holds the block
        BlockStartRole,                 // "blockStart": int, first frame
        BlockDelayRole,                 // "blockDelay": int, length in frames
        BlockEndRole,                   // "blockEnd": int, blockStart + blockDelay
        BlockModeRole,                  // "blockMode": int, the kind (TimelineDataManager.mode_*)
        ResizableRole,                  // "resizable": bool, the kind's length may be dragged
        MinDelayRole,                   // "minDelay": int, shortest length a resize may give
        MaxDelayRole,                   // "maxDelay": int, longest length a resize may give
        ImageNameRole,                  // "imageName": string, picture of a picture block
        MessageTextRole,                // "messageText": string, text of a message or scroll block
        CommentRole,                    // "comment": string, text of a marker
        EventDataRole,                  // "eventData": object, every field (read-only copy)
    };
    Q_ENUM(Role)

    explicit BlockListModel(int laneId, QObject *parent = nullptr);

    int laneId() const { return laneId_; }
    int count() const { return static_cast<int>(blocks_.size()); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // A block's value under a role, for every role but EventDataRole (which needs the model's
    // script engine); the other block models show blocks through this too.
    static QVariant roleValue(const scene::Block &block, int role);
    // The roles whose values differ between two versions of a block.
    static QVector<int> changedRoles(const scene::Block &before, const scene::Block &after);
    // The names of the roles, as QML delegates read them.
    static QHash<int, QByteArray> blockRoleNames();

    // Row of the block with that id, or -1.
    Q_INVOKABLE int rowOf(int blockId) const;
    // Id of the block in that row, or 0.
    Q_INVOKABLE int blockIdAt(int row) const;

    // Brings the rows in step with the lane (nullptr: no blocks) by the smallest set of row
    // signals: removals, insertions and dataChanged; a reordering of remaining rows resets.
    void sync(const scene::Lane *lane);
    // Replaces every row (model reset).
    void reset(const scene::Lane *lane);

signals:
    void countChanged();

private:
    void resetRows(const scene::Lane *lane);

    int laneId_;
    std::vector<scene::Block> blocks_;
};

} // namespace vignetta::bridge
