#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

class QQuickItem;
class QWindow;

namespace vignetta::controls {

// Where a modal window opens: centred on a reference point of its owner window, moved by an
// offset, kept inside the owner while it is smaller than the owner, then kept inside the
// usable area of the screen.
//   owner    the owner window's frame (global position and size)
//   point    the reference point in the owner's coordinates (its centre, or a locator's)
//   window   the size of the window being placed
//   usable   the usable area of the screen (ignored when empty)
QPoint placeModalWindow(const QRect &owner, const QPointF &point, const QSize &window,
                        const QPoint &offset, const QRect &usable);

// The usable screen area for a modal window: the screen showing `window`, else the screen of
// the window holding `item`, else the screen under the mouse cursor (or the primary screen).
QRect usableAreaFor(QWindow *window, QQuickItem *item);

// The usable area of the screen showing `point` (global coordinates), or of the primary screen
// when no screen does; empty without screens.
QRect availableGeometryAt(const QPoint &point);

// QML face of the two functions ("DialogPlacement" of the module Vignetta.Controls).
class DialogPlacement : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    Q_INVOKABLE QRect usableArea(QWindow *window, QQuickItem *item) const
    {
        return usableAreaFor(window, item);
    }
    Q_INVOKABLE QPoint place(const QRect &owner, const QPointF &point, const QSize &window,
                             int offsetX, int offsetY, const QRect &usable) const
    {
        return placeModalWindow(owner, point, window, QPoint(offsetX, offsetY), usable);
    }

    // Makes a window that is shown again forget where the pointer was during its last showing,
    // so that items appearing under that spot are not hovered until the pointer moves.
    Q_INVOKABLE void forgetPointer(QWindow *window) const;
};

} // namespace vignetta::controls
