import QtQuick 2.15
import QtQuick.Controls.Styles 1.4
import "../../components_fc/qml/BasicControls"

// The look of the property editors' sliders, in the theme's colours; tick marks every
// `tickSpacing` values when it is above 0.
SliderStyle {
    id: fieldStyle
    property Palette pal: Palette {}
    property real tickSpacing: 0

    groove: Rectangle {
        implicitHeight: 6
        radius: 3
        color: fieldStyle.pal.normalBack2
        border.color: fieldStyle.pal.controlFrame
        opacity: control.enabled ? 1 : fieldStyle.pal.disabledOpacity
        Rectangle {
            width: styleData.handlePosition
            height: parent.height
            radius: 3
            color: control.enabled ? fieldStyle.pal.selectedBack : fieldStyle.pal.controlFrame
        }
    }
    handle: Rectangle {
        implicitWidth: 12
        implicitHeight: 20
        radius: 3
        opacity: control.enabled ? 1 : fieldStyle.pal.disabledOpacity
        border.color: control.activeFocus ? fieldStyle.pal.focusFrame : fieldStyle.pal.buttonFrame
        border.width: control.activeFocus ? 2 : 1
        gradient: Gradient {
            GradientStop { position: 0; color: control.hovered ? fieldStyle.pal.hotButton1 : fieldStyle.pal.button1 }
            GradientStop { position: 1; color: control.hovered ? fieldStyle.pal.hotButton2 : fieldStyle.pal.button2 }
        }
    }
    tickmarks: Repeater {
        id: ticks
        readonly property real range: control.maximumValue - control.minimumValue
        model: fieldStyle.tickSpacing > 0 && range > 0 ? Math.floor(range / fieldStyle.tickSpacing) + 1 : 0
        Rectangle {
            width: 1
            height: 4
            y: control.height - height
            color: fieldStyle.pal.controlFrame
            x: 6 + (control.width - 12) * index * fieldStyle.tickSpacing / ticks.range
        }
    }
}
