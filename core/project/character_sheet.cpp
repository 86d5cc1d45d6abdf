#include "project/character_sheet.h"

namespace vignetta::project {

bool isBigCharacter(const std::string &imageName)
{
    const size_t firstOther = imageName.find_first_not_of('!');
    return firstOther != std::string::npos && imageName[firstOther] == '$';
}

} // namespace vignetta::project
