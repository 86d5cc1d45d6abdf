import QtQuick 2.15
import Vignetta.Property 1.0

// A hue/lightness gradient seen through a colour tone: red, green and blue (-1 to 1) are
// added to every colour, gray (0 to 1) turns the colours toward their luminance.
ColorTonePreviewPainter {
    objectName: "colorTonePreview"
}
