#include "timeline/selected_block.h"

#include <QJSEngine>

#include "bridge/json_qt.h"
#include "bridge/timeline_data_manager.h"

namespace vignetta::timeline {

SelectedBlock::SelectedBlock(bridge::TimelineDataManager *manager, const scene::Block &block,
                             QObject *parent)
    : QObject(parent), manager_(manager), block_(block)
{
}

QVariant SelectedBlock::object() const
{
    const json::Json value = block_.toJson();
    if (QJSEngine *engine = qjsEngine(manager_))
        return QVariant::fromValue(bridge::toJSValue(*engine, value));
    return bridge::toVariant(value);
}

void SelectedBlock::refresh(const scene::Block &block)
{
    if (block == block_ && block.laneId == block_.laneId)
        return;
    block_ = block;
    emit objectChanged();
}

} // namespace vignetta::timeline
