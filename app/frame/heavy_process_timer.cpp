#include "frame/heavy_process_timer.h"

#include <QCursor>
#include <QGuiApplication>
#include <QtDebug>

namespace vignetta::app {

HeavyProcessTimer::HeavyProcessTimer(QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(1);
    connect(&m_timer, &QTimer::timeout, this, &HeavyProcessTimer::fire);
}

HeavyProcessTimer::~HeavyProcessTimer()
{
    // A window closed while an operation waits must not leave the cursor busy for good.
    popCursor();
}

void HeavyProcessTimer::run(const QJSValue &callback)
{
    if (m_timer.isActive()) {
        m_timer.stop();
        popCursor();
    }
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    m_cursorPushed = true;
    m_callback = callback;
    m_timer.start();
    emit pendingChanged();
}

void HeavyProcessTimer::fire()
{
    // The callback may itself ask for the next long step (an open dialog that then opens the
    // project): that request pushes its own cursor, so ours is popped only after the call.
    QJSValue callback = m_callback;
    m_callback = QJSValue();
    const bool ownCursor = m_cursorPushed;
    m_cursorPushed = false;

    if (callback.isCallable()) {
        const QJSValue result = callback.call();
        if (result.isError()) {
            qWarning().noquote() << "Deferred operation failed:" << result.toString() << "at line"
                                 << result.property("lineNumber").toInt();
        }
    }
    if (ownCursor)
        QGuiApplication::restoreOverrideCursor();
    emit pendingChanged();
}

void HeavyProcessTimer::popCursor()
{
    if (m_cursorPushed) {
        QGuiApplication::restoreOverrideCursor();
        m_cursorPushed = false;
    }
}

} // namespace vignetta::app
