#include "controls/dialog_placement.h"

#include <QCursor>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>

#include <cmath>

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

    // Then inside the screen; the top-left edge wins for a window larger than the screen.
    if (usable.width() > 0 && usable.height() > 0) {
        const int right = usable.x() + usable.width() - window.width();
        const int bottom = usable.y() + usable.height() - window.height();
        if (x >= right)
            x = right;
        if (x < usable.x())
            x = usable.x();
        if (y >= bottom)
            y = bottom;
        if (y < usable.y())
            y = usable.y();
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
    const QPoint cursor = QCursor::pos();
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().contains(cursor))
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
