import QtQuick 2.15
import QtQuick.Controls.Styles 1.4
import "../../components_fc/qml/BasicControls"

// The look of the property editors' text areas, in the theme's colours.
TextAreaStyle {
    id: fieldStyle
    property Palette pal: Palette {}
    property string fontFamily: pal.normalFont

    textColor: control.enabled ? pal.normalText : pal.disabledText
    selectionColor: pal.selectedBack
    selectedTextColor: pal.selectedText
    backgroundColor: control.enabled ? pal.normalBack1 : pal.window2
    font.family: fontFamily
    font.pixelSize: pal.fontSize
    renderType: pal.renderType
    // Scroll bars as every scroll view draws them.
    property ThemeScrollViewStyle bars: ThemeScrollViewStyle {}
    transientScrollBars: false
    handleOverlap: 0
    scrollBarBackground: bars.scrollBarBackground
    handle: bars.handle
    incrementControl: bars.incrementControl
    decrementControl: bars.decrementControl
    corner: bars.corner
    frame: Rectangle {
        color: "transparent"
        border.color: control.activeFocus ? fieldStyle.pal.focusFrame : fieldStyle.pal.controlFrame
        border.width: control.activeFocus ? 2 : 1
    }
}
