// Which OpenGL renderers are processor rasterizers, for which the editor draws with the scene
// graph's software renderer instead.

#include <gtest/gtest.h>

#include "frame/renderer_choice.h"

using vignetta::frame::isSoftwareOpenGL;

TEST(RendererChoice, ProcessorRasterizersAreToldFromGraphicsHardware)
{
    EXPECT_TRUE(isSoftwareOpenGL("llvmpipe (LLVM 15.0.6, 256 bits)"));
    EXPECT_TRUE(isSoftwareOpenGL("Gallium 0.4 on softpipe"));
    EXPECT_TRUE(isSoftwareOpenGL("Software Rasterizer"));
    EXPECT_TRUE(isSoftwareOpenGL("Mesa DRI swrast"));
    EXPECT_TRUE(isSoftwareOpenGL("GDI Generic"));
    EXPECT_TRUE(isSoftwareOpenGL("LLVMPIPE"));

    EXPECT_FALSE(isSoftwareOpenGL("Mesa Intel(R) UHD Graphics 620 (KBL GT2)"));
    EXPECT_FALSE(isSoftwareOpenGL("NVIDIA GeForce RTX 3060/PCIe/SSE2"));
    EXPECT_FALSE(isSoftwareOpenGL("AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49)"));
    EXPECT_FALSE(isSoftwareOpenGL(""));
}
