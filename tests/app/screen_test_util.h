#pragma once

// Helpers shared by the tests that draw QML items offscreen: settings kept in a folder of the
// test's own, and the pixels of an item.

#include <QCoreApplication>
#include <QImage>
#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QSettings>
#include <QSharedPointer>
#include <QSignalSpy>
#include <QString>

namespace screen_test {

// The test program's settings go to `folder`, never to the user's.
inline void isolateSettings(const char *application, const QString &folder)
{
    QCoreApplication::setOrganizationName(QStringLiteral("VignettaTests"));
    QCoreApplication::setApplicationName(QString::fromLatin1(application));
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

// The item as drawn, or a null image when it cannot be grabbed within five seconds.
inline QImage grab(QQuickItem *item, QImage::Format format = QImage::Format_RGB32)
{
    QSharedPointer<QQuickItemGrabResult> result = item->grabToImage();
    if (!result)
        return QImage();
    QSignalSpy ready(result.data(), &QQuickItemGrabResult::ready);
    if (!ready.wait(5000))
        return QImage();
    return result->image().convertToFormat(format);
}

} // namespace screen_test
