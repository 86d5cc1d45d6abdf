#include "common/version.h"

namespace vignetta::common {

const char *versionString()
{
    return VIGNETTA_VERSION;
}

} // namespace vignetta::common
