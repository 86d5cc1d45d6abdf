#include "frame/screen_zoom.h"

#include "frame/screen_scale.h"

namespace vignetta::app {

ScreenZoom::ScreenZoom(QObject *parent) : QObject(parent) {}

QVariantList ScreenZoom::screenScaleTable() const
{
    QVariantList table;
    for (double step : frame::screenScaleSteps())
        table.append(step);
    return table;
}

double ScreenZoom::minimumScreenScale() const
{
    return frame::minimumScreenScale();
}

double ScreenZoom::maximumScreenScale() const
{
    return frame::maximumScreenScale();
}

double ScreenZoom::zoomIn(double scale) const
{
    return frame::zoomedIn(scale);
}

double ScreenZoom::zoomOut(double scale) const
{
    return frame::zoomedOut(scale);
}

} // namespace vignetta::app
