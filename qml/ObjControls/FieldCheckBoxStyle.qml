import QtQuick 2.15
import QtQuick.Controls.Styles 1.4
import "../../components_fc/qml/BasicControls"

// The look of the property editors' check boxes, in the theme's colours.
CheckBoxStyle {
    id: fieldStyle
    property Palette pal: Palette {}

    spacing: 6
    indicator: Rectangle {
        implicitWidth: 16
        implicitHeight: 16
        radius: 2
        color: control.enabled ? fieldStyle.pal.normalBack1 : fieldStyle.pal.window2
        border.color: control.activeFocus ? fieldStyle.pal.focusFrame : fieldStyle.pal.controlFrame
        border.width: control.activeFocus ? 2 : 1
        Text {
            anchors.centerIn: parent
            visible: control.checked
            text: "\u2713"
            color: control.enabled ? fieldStyle.pal.checkMark : fieldStyle.pal.disabledText
            font.pixelSize: 14
            font.bold: true
        }
    }
    label: Text {
        text: control.text
        color: control.enabled ? fieldStyle.pal.normalText : fieldStyle.pal.disabledText
        font.family: fieldStyle.pal.normalFont
        font.pixelSize: fieldStyle.pal.labelFontSize
        renderType: fieldStyle.pal.renderType
        verticalAlignment: Text.AlignVCenter
    }
}
