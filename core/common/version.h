#pragma once

namespace vignetta {

// The program's version, shared by the editor and the command-line tool.
const char *versionString();

} // namespace vignetta
