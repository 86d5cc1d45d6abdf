#pragma once

#include <QObject>
#include <QVariantList>

namespace vignetta::app {

// The preview's zoom steps for the main menu to bind to: the table of scales, its ends, and
// the next step up or down from a scale.
class ScreenZoom : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariantList screenScaleTable READ screenScaleTable CONSTANT)
    Q_PROPERTY(double minimumScreenScale READ minimumScreenScale CONSTANT)
    Q_PROPERTY(double maximumScreenScale READ maximumScreenScale CONSTANT)

public:
    explicit ScreenZoom(QObject *parent = nullptr);

    QVariantList screenScaleTable() const;
    double minimumScreenScale() const;
    double maximumScreenScale() const;

    Q_INVOKABLE double zoomIn(double scale) const;
    Q_INVOKABLE double zoomOut(double scale) const;
};

} // namespace vignetta::app
