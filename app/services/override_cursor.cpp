#include "services/override_cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace vignetta::services {

namespace {

bool hasGuiApplication()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
}

} // namespace

void pushOverrideCursor(Qt::CursorShape shape)
{
    if (hasGuiApplication())
        QGuiApplication::setOverrideCursor(QCursor(shape));
}

void popOverrideCursor()
{
    if (hasGuiApplication() && QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

} // namespace vignetta::services
