#include "bridge/timeline_data_manager.h"

#include "scene/conversion.h"

namespace vignetta::bridge {

QVariant TimelineDataManager::convertData2Event() const
{
    scene::ConversionResult converted = scene::convertScene(doc_, scene::ConversionOutput::list);
    if (!converted) {
        qWarning("Copy As Event refused: %s", converted.error.c_str());
        return QVariant::fromValue(nullptr);
    }
    return out(converted.commands);
}

QString TimelineDataManager::convertData2EventText() const
{
    const scene::ConversionResult converted =
        scene::convertScene(doc_, scene::ConversionOutput::text);
    if (!converted) {
        qWarning("Copy As Event refused: %s", converted.error.c_str());
        return QString();
    }
    return QString::fromStdString(converted.text);
}

} // namespace vignetta::bridge
