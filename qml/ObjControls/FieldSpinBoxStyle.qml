import QtQuick 2.15
import QtQuick.Controls.Styles 1.4
import "../../components_fc/qml/BasicControls"

// The look of the property editors' spin boxes, in the theme's colours.
SpinBoxStyle {
    id: fieldStyle
    property Palette pal: Palette {}

    textColor: control.enabled ? pal.normalText : pal.disabledText
    selectionColor: pal.selectedBack
    selectedTextColor: pal.selectedText
    font.family: pal.normalFont
    font.pixelSize: pal.labelFontSize
    renderType: pal.renderType
    horizontalAlignment: Qt.AlignRight
    background: Rectangle {
        implicitHeight: fieldStyle.pal.controlHeight
        color: control.enabled ? fieldStyle.pal.normalBack1 : fieldStyle.pal.window2
        border.color: control.activeFocus ? fieldStyle.pal.focusFrame : fieldStyle.pal.controlFrame
        border.width: control.activeFocus ? 2 : 1
    }
    incrementControl: Item {
        implicitWidth: 14
        Text {
            anchors.fill: parent
            text: "\u25b4"
            color: control.enabled ? fieldStyle.pal.normalText : fieldStyle.pal.disabledText
            font.pixelSize: 10
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignBottom
        }
    }
    decrementControl: Item {
        implicitWidth: 14
        Text {
            anchors.fill: parent
            text: "\u25be"
            color: control.enabled ? fieldStyle.pal.normalText : fieldStyle.pal.disabledText
            font.pixelSize: 10
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignTop
        }
    }
}
