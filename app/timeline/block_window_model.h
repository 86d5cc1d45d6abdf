#pragma once

#include <QPointer>
#include <QSortFilterProxyModel>

namespace vignetta::timeline {

// The blocks of one lane that lie in a window of frames: the lane creates block items only for
// these, so a long scene costs items only for what is near the visible part. The window is set
// by the view with some margin around what is shown; blocks move in and out of it as they are
// edited (the filter follows the lane model's changes). An inactive window (a lane scrolled
// far out of view) holds nothing.
class BlockWindowModel : public QSortFilterProxyModel
{
    Q_OBJECT
    // The lane's BlockListModel.
    Q_PROPERTY(QObject *blocks READ blocks WRITE setBlocks NOTIFY blocksChanged)
    // Frames firstFrame (included) to lastFrame (excluded); a block is in when it overlaps.
    Q_PROPERTY(int firstFrame READ firstFrame WRITE setFirstFrame NOTIFY windowChanged)
    Q_PROPERTY(int lastFrame READ lastFrame WRITE setLastFrame NOTIFY windowChanged)
    Q_PROPERTY(bool active READ active WRITE setActive NOTIFY windowChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    explicit BlockWindowModel(QObject *parent = nullptr);

    QObject *blocks() const { return source_; }
    void setBlocks(QObject *blocks);
    int firstFrame() const { return firstFrame_; }
    void setFirstFrame(int frame);
    int lastFrame() const { return lastFrame_; }
    void setLastFrame(int frame);
    bool active() const { return active_; }
    void setActive(bool active);
    int count() const { return rowCount(); }

signals:
    void blocksChanged();
    void windowChanged();
    void countChanged();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    void refilter();

    QPointer<QAbstractItemModel> source_;
    int firstFrame_ = 0;
    int lastFrame_ = 0;
    bool active_ = true;
    int startRole_ = -1;
    int endRole_ = -1;
};

} // namespace vignetta::timeline
