#include "services/display_device.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>

namespace vignetta::services {

bool isBlackListedAdapterName(const QString &name)
{
    return name.contains(QLatin1String("Intel(R)")) &&
           (name.contains(QLatin1String("Express Chipset")) ||
            name.endsWith(QLatin1String("HD Graphics")));
}

std::optional<DisplayAdapter> queryDisplayAdapter()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return std::nullopt;
    QOpenGLContext context;
    if (!context.create())
        return std::nullopt;
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface))
        return std::nullopt;
    QOpenGLFunctions *gl = context.functions();
    const auto *renderer = reinterpret_cast<const char *>(gl->glGetString(GL_RENDERER));
    const auto *version = reinterpret_cast<const char *>(gl->glGetString(GL_VERSION));
    std::optional<DisplayAdapter> adapter;
    if (renderer && version)
        adapter = DisplayAdapter{QString::fromLatin1(renderer), QString::fromLatin1(version)};
    context.doneCurrent();
    return adapter;
}

bool isBlackListedDisplayDevice()
{
    const auto adapter = queryDisplayAdapter();
    return adapter && isBlackListedAdapterName(adapter->name);
}

} // namespace vignetta::services
