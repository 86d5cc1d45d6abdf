#pragma once

namespace vignetta::app {

// Chooses how Qt Quick draws the windows, before the first window exists: the software
// renderer when OpenGL is missing or is itself a processor rasterizer (a machine without a
// graphics driver, a virtual display), else OpenGL. A backend named in the environment
// (QT_QUICK_BACKEND, QMLSCENE_DEVICE) is left as it is. Needs the application object.
void chooseSceneGraphBackend();

} // namespace vignetta::app
