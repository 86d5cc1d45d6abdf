#include "controls/dialog_placement.h"

#include <QCursor>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>

#include <cmath>

#include "frame/window_placement.h"

namespace vignetta::controls {

QPoint placeModalWindow(const QRect &owner, const QPointF &point, const QSize &window,
                        const QPoint &offset, const QRect &usable)
{
    int x = owner.x() + static_cast<int>(std::floor(point.x() - window.width() / 2.0)) + offset.x();
    int y =
        owner.y() + static_cast<int>(std::floor(point.y() - window.height() / 2.0)) + offset.y();

    // Inside the owner, on each axis where the window is smaller than it.
    if (window.width() < owner.width()) {
        const int last = owner.x() + owner.width() - window.width();
        if (x < owner.x())
            x = owner.x();
        else if (x >= last)
            x = last;
    }
    if (window.height() < owner.height()) {
        const int last = owner.y() + owner.height() - window.height();
        if (y < owner.y())
            y = owner.y();
        else if (y >= last)
            y = last;
    }

    // Then inside the screen, by the rule that keeps every window on the desktop; a modal
    // window keeps its size, and its top-left edge wins where it is larger than the screen.
    if (usable.width() > 0 && usable.height() > 0) {
        const frame::Rect kept = frame::adjustedWindowRect(
            {x, y, window.width(), window.height()},
            {usable.x(), usable.y(), usable.width(), usable.height()});
        x = kept.x;
        y = kept.y;
    }
    return QPoint(x, y);
}

QRect usableAreaFor(QWindow *window, QQuickItem *item)
{
    if (window && window->screen()) {
        const QRect r = window->screen()->availableGeometry();
        if (!r.isEmpty())
            return r;
    }
    if (item && item->window() && item->window()->screen()) {
        const QRect r = item->window()->screen()->availableGeometry();
        if (!r.isEmpty())
            return r;
    }
    return availableGeometryAt(QCursor::pos());
}

QRect availableGeometryAt(const QPoint &point)
{
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().contains(point))
            return screen->availableGeometry();
    }
    QScreen *primary = QGuiApplication::primaryScreen();
    return primary ? primary->availableGeometry() : QRect();
}

void DialogPlacement::forgetPointer(QWindow *window) const
{
    // A Qt Quick window keeps the last pointer position it saw and hovers whatever lies under
    // it, even after being hidden and shown again; a leave event clears it.
    if (window) {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(window, &leave);
    }
}

} // namespace vignetta::controls
