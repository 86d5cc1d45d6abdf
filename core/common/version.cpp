#include "common/version.h"

namespace vignetta {

const char *versionString()
{
    return VIGNETTA_VERSION;
}

} // namespace vignetta
