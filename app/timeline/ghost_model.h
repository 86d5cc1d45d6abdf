#pragma once

#include <vector>

#include <QAbstractListModel>

#include "scene/document.h"
#include "scene/drag_step.h"

namespace vignetta::timeline {

// The drag ghosts: one outline per dragged block, where the block would land if dropped now.
// Built when a drag is prepared, moved at every step, emptied when the drag ends.
class GhostModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Role {
        BlockIdRole = Qt::UserRole + 1, // "blockId": int, the block the ghost stands for
        LaneIdRole,                     // "laneId": int, the lane it would land on
        XRole,                          // "x": real, left edge in timeline pixels
        WidthRole,                      // "width": real, in pixels
        BlockModeRole,                  // "blockMode": int, the block's kind
    };
    Q_ENUM(Role)

    explicit GhostModel(QObject *parent = nullptr);

    int count() const { return static_cast<int>(ghosts_.size()); }
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // One ghost over each block of `blockIds`, at the block's own place.
    void build(const scene::Document &doc, const std::vector<int> &blockIds, int pixelPerFrame);
    // Puts the ghosts where the session's constrained rectangle takes them.
    void follow(const scene::DragSession &session);
    void clear();

signals:
    void countChanged();

private:
    struct Ghost
    {
        int blockId;
        int laneId;
        int mode;
        double x;
        double width;
        int startLane; // at the press
        double startX;
    };
    std::vector<Ghost> ghosts_;
};

} // namespace vignetta::timeline
