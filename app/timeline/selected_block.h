#pragma once

#include <QObject>
#include <QVariant>

#include "scene/block.h"

namespace vignetta::bridge {
class TimelineDataManager;
}

namespace vignetta::timeline {

// One entry of the timeline's `checkedBlocks`, as the property view and the preview read it:
// the block's id, lane and kind, and `object`, a snapshot {blockId, laneId, eventData} of the
// block that is replaced (objectChanged) whenever the block changes. The document stays in
// TimelineDataManager: writes go through its setBlockField(s), never into `object`.
class SelectedBlock : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int blockId READ blockId CONSTANT)
    Q_PROPERTY(int laneId READ laneId NOTIFY objectChanged)
    Q_PROPERTY(int blockMode READ blockMode NOTIFY objectChanged)
    Q_PROPERTY(QVariant object READ object NOTIFY objectChanged)

public:
    SelectedBlock(bridge::TimelineDataManager *manager, const scene::Block &block,
                  QObject *parent = nullptr);

    int blockId() const { return block_.blockId; }
    int laneId() const { return block_.laneId; }
    int blockMode() const { return block_.mode(); }
    QVariant object() const;

    // Takes the document's current state of the block; emits objectChanged when it differs.
    void refresh(const scene::Block &block);

signals:
    void objectChanged();

private:
    bridge::TimelineDataManager *manager_;
    scene::Block block_;
};

} // namespace vignetta::timeline
