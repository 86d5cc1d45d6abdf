#include "frame/renderer_choice.h"

#include <algorithm>
#include <cctype>

namespace vignetta::frame {

bool isSoftwareOpenGL(const std::string &renderer)
{
    std::string name = renderer;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const char *software :
         {"llvmpipe", "softpipe", "swrast", "software rasterizer", "gdi generic"}) {
        if (name.find(software) != std::string::npos)
            return true;
    }
    return false;
}

} // namespace vignetta::frame
