#include "bridge/timeline_data_manager.h"

#include "scene/conversion.h"

namespace vignetta::bridge {

QVariant TimelineDataManager::convertData2Event() const
{
    return out(scene::convertData2Event(doc_));
}

QString TimelineDataManager::convertData2EventText() const
{
    return QString::fromStdString(json::stringify(scene::convertData2Event(doc_)));
}

} // namespace vignetta::bridge
