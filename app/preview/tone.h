#pragma once

#include <QImage>

namespace vignetta::preview {

// The colour tone of a picture at one frame: each component already scaled by the block's
// progress ratio and truncated toward zero.
struct Tone
{
    int red = 0; // -255..255, added to (or, negative, taken from) the red channel
    int green = 0;
    int blue = 0;
    int gray = 0; // 0..255, how much of the gray copy is laid over the picture
};

// The tone reached at ratio r when the block ends at (addR, addG, addB, gray), each component
// kept within its range above (any int is accepted).
Tone toneAt(int addR, int addG, int addB, int gray, double ratio);

// Gray copy of a premultiplied ARGB32 picture: every pixel (a, r, g, b) becomes (a, v, v, v) with
// v = (b + 2r + 4g) / 7 on the stored (premultiplied) components, so the result is again a valid
// premultiplied pixel. Any other format is converted first. A null image when the memory for it
// cannot be had.
QImage makeGrayCopy(const QImage &picture);

// Writes the toned picture into `out` (resized and reformatted as needed, so that one buffer can
// be reused from frame to frame; `out` is null when its memory cannot be had). `picture` and
// `grayPicture` are premultiplied ARGB32 of the same size. The result equals, pixel for pixel, this
// sequence of painter operations on a copy P of the picture:
//   draw the gray copy over P at opacity gray / 255;
//   Plus-fill with the positive components, Difference-fill with white (inverting);
//   Plus-fill with the negated negative components, Difference-fill with white again;
//   DestinationIn with the original picture, which gives P back its own alpha.
// That is: each channel has the positive component added and the negative one taken off,
// saturating at 0 and 255, and the result is multiplied by the original alpha.
void applyTone(const QImage &picture, const QImage &grayPicture, const Tone &tone, QImage &out);

} // namespace vignetta::preview
