#pragma once

#include <string>

namespace vignetta::project {

// Whether a character image name carries the host's mark for a sheet that holds a single large
// character: any number of "!" followed by "$" at its start ("$Big", "!$Door").
bool isBigCharacter(const std::string &imageName);

} // namespace vignetta::project
