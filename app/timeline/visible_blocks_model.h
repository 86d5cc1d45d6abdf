#pragma once

#include <unordered_map>
#include <vector>

#include <QAbstractListModel>
#include <QPointer>

#include "scene/block.h"

namespace vignetta::bridge {
class TimelineDataManager;
}

namespace vignetta::timeline {

// The blocks of lanes 1 and up that lie in a window of frames and lanes: the timeline creates
// block items only for these, so a long scene costs items only for what is near the visible
// part. Rows are keyed by blockId and follow the document with the smallest set of row signals:
// a block that moves to another lane or elsewhere within the window keeps its row (and so its
// item); blocks that leave or enter the window are row removals and insertions. Row order is not
// the document's order. Blocks show under the roles of the lane model (BlockListModel) but
// for the marker comment and the event data.
class VisibleBlocksModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(vignetta::bridge::TimelineDataManager *dataManager READ dataManager WRITE
                   setDataManager NOTIFY dataManagerChanged)
    // Frames firstFrame (included) to lastFrame (excluded); a block is in when it overlaps them.
    Q_PROPERTY(int firstFrame READ firstFrame WRITE setFirstFrame NOTIFY windowChanged)
    Q_PROPERTY(int lastFrame READ lastFrame WRITE setLastFrame NOTIFY windowChanged)
    // Lanes firstLane to lastLane, both included.
    Q_PROPERTY(int firstLane READ firstLane WRITE setFirstLane NOTIFY windowChanged)
    Q_PROPERTY(int lastLane READ lastLane WRITE setLastLane NOTIFY windowChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    explicit VisibleBlocksModel(QObject *parent = nullptr);

    bridge::TimelineDataManager *dataManager() const { return manager_; }
    void setDataManager(bridge::TimelineDataManager *manager);
    int firstFrame() const { return firstFrame_; }
    void setFirstFrame(int frame);
    int lastFrame() const { return lastFrame_; }
    void setLastFrame(int frame);
    int firstLane() const { return firstLane_; }
    void setFirstLane(int lane);
    int lastLane() const { return lastLane_; }
    void setLastLane(int lane);
    int count() const { return static_cast<int>(rows_.size()); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Row of the block with that id, or -1 when it is outside the window.
    Q_INVOKABLE int rowOf(int blockId) const;

signals:
    void dataManagerChanged();
    void windowChanged();
    void countChanged();

private:
    void refresh();
    void setWindowValue(int &field, int value);

    QPointer<bridge::TimelineDataManager> manager_;
    int firstFrame_ = 0;
    int lastFrame_ = 0;
    int firstLane_ = 1;
    int lastLane_ = 0;
    std::vector<scene::Block> rows_;
};

} // namespace vignetta::timeline
