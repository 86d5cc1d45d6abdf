#pragma once

#include <QVariantMap>

#include "preview/frame_sampling.h"

namespace vignetta::preview {

// A sampled frame as the main view reads it from QML:
//   "frame"        the frame number
//   "displayList"  the display-list text for PreviewBody.updateDisplayList
//   "fade"         brightness 0-255, the second argument of updateDisplayList
//   "blendColor"   [red, green, blue, alpha] for PreviewBody.setBlendColor
//   "shake"        the whole-pixel offset for PreviewBody.setShake
//   "text"         the message or scrolling-text block's event data with "blockId", or null
//   "textBlockId"  its id, -1 for none
//   "sounds"       [{"channel": "se", "audio": {"name", "volume", "pitch", "pan"}}, ...]
//   "fadeOut"      {"channel": "bgm", "seconds": 1.5}, or null
// "text"'s "blockMode" tells the message window (1) from the scrolling text (7).
QVariantMap frameSampleToVariant(const FrameSample &sample);

} // namespace vignetta::preview
