#pragma once

#include <string>

namespace vignetta::frame {

// Whether an OpenGL renderer name (GL_RENDERER) is a rasterizer running on the processor
// (Mesa's llvmpipe, softpipe and swrast, Windows' GDI Generic). Drawing the whole window with
// such a rasterizer on every frame costs more than the scene graph's own software renderer,
// which repaints only what changed: the preview then plays at full rate.
bool isSoftwareOpenGL(const std::string &renderer);

} // namespace vignetta::frame
