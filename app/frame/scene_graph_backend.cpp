#include "frame/scene_graph_backend.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>
#include <QSGRendererInterface>

#include "frame/renderer_choice.h"

namespace vignetta::app {

namespace {

// GL_RENDERER of a context made for the purpose; empty when none can be made.
std::string openGLRenderer()
{
    QOpenGLContext context;
    if (!context.create())
        return {};
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface))
        return {};
    const auto *name =
        reinterpret_cast<const char *>(context.functions()->glGetString(GL_RENDERER));
    std::string renderer = name ? name : "";
    context.doneCurrent();
    return renderer;
}

} // namespace

void chooseSceneGraphBackend()
{
    if (qEnvironmentVariableIsSet("QT_QUICK_BACKEND") ||
        qEnvironmentVariableIsSet("QMLSCENE_DEVICE"))
        return;
    const std::string renderer = openGLRenderer();
    if (renderer.empty() || frame::isSoftwareOpenGL(renderer))
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
}

} // namespace vignetta::app
