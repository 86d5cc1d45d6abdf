#include "controls/dialog_placement.h"

#include <QtTest>

using vignetta::controls::placeModalWindow;

class TestDialogPlacement : public QObject
{
    Q_OBJECT
private slots:
    void centresOnTheOwner()
    {
        const QRect owner(100, 50, 1200, 720);
        const QRect screen(0, 0, 1920, 1040);
        // Owner centre: 100 + 600 - 200 = 500, 50 + 360 - 150 = 260.
        QCOMPARE(placeModalWindow(owner, QPointF(600, 360), QSize(400, 300), QPoint(), screen),
                 QPoint(500, 260));
        QCOMPARE(
            placeModalWindow(owner, QPointF(600, 360), QSize(400, 300), QPoint(30, -20), screen),
            QPoint(530, 240));
        // A locator's centre replaces the owner's.
        QCOMPARE(placeModalWindow(owner, QPointF(300, 200), QSize(200, 100), QPoint(), screen),
                 QPoint(300, 200));
        // Odd sizes round towards the top-left, as integer window positions must.
        QCOMPARE(placeModalWindow(owner, QPointF(600, 360), QSize(401, 301), QPoint(), screen),
                 QPoint(499, 259));
    }

    void staysInsideTheOwner()
    {
        const QRect owner(100, 50, 1200, 720);
        const QRect screen(0, 0, 1920, 1040);
        const QSize size(400, 300);
        // A locator near the owner's corners or a large offset would push the window out.
        QCOMPARE(placeModalWindow(owner, QPointF(0, 0), size, QPoint(), screen), QPoint(100, 50));
        QCOMPARE(placeModalWindow(owner, QPointF(1200, 720), size, QPoint(), screen),
                 QPoint(900, 470));
        QCOMPARE(placeModalWindow(owner, QPointF(600, 360), size, QPoint(5000, -5000), screen),
                 QPoint(900, 50));
        // A window as wide as the owner is not clamped on that axis (only the screen applies).
        QCOMPARE(placeModalWindow(owner, QPointF(0, 360), QSize(1200, 300), QPoint(), screen),
                 QPoint(0, 260));
    }

    void staysInsideTheScreen()
    {
        const QRect screen(0, 0, 1920, 1040);
        const QSize size(400, 300);
        // An owner hanging off the right and bottom edges: the dialog is pulled back on screen.
        const QRect offRight(1700, 900, 1200, 720);
        QCOMPARE(placeModalWindow(offRight, QPointF(600, 360), size, QPoint(), screen),
                 QPoint(1520, 740));
        // Off the left and top edges.
        const QRect offLeft(-1100, -600, 1200, 720);
        QCOMPARE(placeModalWindow(offLeft, QPointF(600, 360), size, QPoint(), screen),
                 QPoint(0, 0));
        // A second screen to the left, with a task bar at its top.
        const QRect left(-1280, 40, 1280, 984);
        QCOMPARE(
            placeModalWindow(QRect(-1400, -100, 600, 400), QPointF(300, 200), size, QPoint(), left),
            QPoint(-1280, 40));
        // Larger than the screen: the top-left corner, with the title bar, stays reachable.
        QCOMPARE(placeModalWindow(QRect(0, 0, 800, 600), QPointF(400, 300), QSize(2400, 1400),
                                  QPoint(), screen),
                 QPoint(0, 0));
        // No usable area known: only the owner rule applies.
        QCOMPARE(placeModalWindow(offRight, QPointF(600, 360), size, QPoint(), QRect()),
                 QPoint(2100, 1110));
    }
};

QTEST_GUILESS_MAIN(TestDialogPlacement)
#include "tst_dialog_placement.moc"
