import QtQuick 2.15
import QtQuick.Controls.Styles 1.4
import "../../components_fc/qml/BasicControls"

// The look of the property editors' combo boxes, in the theme's colours.
ComboBoxStyle {
    id: fieldStyle
    property Palette pal: Palette {}

    textColor: pal.normalText
    selectionColor: pal.selectedBack
    selectedTextColor: pal.selectedText
    font.family: pal.normalFont
    font.pixelSize: pal.labelFontSize
    renderType: pal.renderType
    background: Rectangle {
        implicitHeight: fieldStyle.pal.controlHeight
        radius: 3
        opacity: control.enabled ? 1 : fieldStyle.pal.disabledOpacity
        border.color: control.activeFocus ? fieldStyle.pal.focusFrame : fieldStyle.pal.controlFrame
        border.width: control.activeFocus ? 2 : 1
        gradient: Gradient {
            GradientStop { position: 0; color: control.hovered ? fieldStyle.pal.hotButton1 : fieldStyle.pal.button1 }
            GradientStop { position: 1; color: control.hovered ? fieldStyle.pal.hotButton2 : fieldStyle.pal.button2 }
        }
        Image {
            anchors.right: parent.right
            anchors.rightMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            source: "../../components_fc/qml/Images/" + fieldStyle.pal.arrowDownImage
        }
    }
    label: Text {
        text: control.currentIndex >= 0 ? control.currentText : ""
        color: control.enabled ? fieldStyle.pal.normalText : fieldStyle.pal.disabledText
        font.family: fieldStyle.pal.normalFont
        font.pixelSize: fieldStyle.pal.labelFontSize
        renderType: fieldStyle.pal.renderType
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
}
