import QtQuick 2.15
import "."

// The label in front of a control.
Text {
    property Palette pal: Palette {}
    color: enabled ? pal.normalText : pal.disabledText
    font.family: pal.normalFont
    font.pixelSize: pal.labelFontSize
    renderType: pal.renderType
    verticalAlignment: Text.AlignVCenter
    height: pal.controlHeight
}
