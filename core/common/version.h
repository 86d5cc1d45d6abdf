#pragma once

namespace vignetta::common {

// The program's version, shared by the editor and the command-line tool.
const char *versionString();

} // namespace vignetta::common
