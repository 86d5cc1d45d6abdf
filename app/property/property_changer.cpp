#include "property/property_changer.h"

namespace vignetta::property {

void PropertyChanger::clear()
{
    changedProperty_.clear();
    message_.clear();
    assignedImageName_.clear();
    currentLineIndex_ = 0;
    comment_.clear();
    screenWidth_ = defaultScreenWidth;
    screenHeight_ = defaultScreenHeight;
    emit changed();
}

} // namespace vignetta::property
