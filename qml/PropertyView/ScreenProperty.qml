import QtQuick 2.15
import Vignetta.Scene 1.0 as Vig
import "../../components_fc/qml/BasicControls"
import "../../components_fc/qml/BasicLayouts"
import "../ObjControls"
import "../Layouts"

// The editor of a screen-effect block: an optional flash in a colour and an optional shake.
// Turning an effect off keeps its settings for when it is turned on again.
PropertyEditor {
    id: editor

    kind: Vig.TimelineDataManager.mode_screen
    holdApply: flashColor.pressed || power.pressed || speed.pressed

    onLoadValues: {
        flashEnabled.load(values.flashEnabled)
        flashColor.load([Math.round(values.flashColor.R), Math.round(values.flashColor.G),
                         Math.round(values.flashColor.B), Math.round(values.flashColor.P)])
        shakeEnabled.load(values.shakeEnabled)
        power.load(values.shakePower)
        speed.load(values.shakeSpeed)
    }

    Component.onCompleted: {
        flashColor.load([255, 255, 255, 170])
        power.load(5)
        speed.load(5)
    }

    GroupBox {
        objectName: "flashGroup"
        width: 460
        title: qsTr("Flash Color")
        hint: qsTr("Specify what color to flash with.")
        enabled: editor.editEnabled

        Column {
            spacing: 8
            ObjCheckBox {
                id: flashEnabled
                objectName: "flashEnabled"
                text: qsTr("Enable Flash")
                hint: qsTr("Enable screen flash.")
                onEdited: editor.writeField("flashEnabled", checked, "flashColor")
            }
            Layout_FlashColor {
                id: flashColor
                objectName: "flashColor"
                readonly property var paths: ["flashColor.R", "flashColor.G", "flashColor.B", "flashColor.P"]
                enabled: flashEnabled.checked
                onValueEdited: editor.writeField(paths[row], value, "flashColor")
            }
        }
    }

    GroupBox {
        objectName: "shakeGroup"
        width: 460
        title: qsTr("Shake")
        hint: qsTr("Specify how the screen should shake.")
        enabled: editor.editEnabled

        Column {
            spacing: 8
            ObjCheckBox {
                id: shakeEnabled
                objectName: "shakeEnabled"
                text: qsTr("Enable Shake")
                hint: qsTr("Enable screen shake.")
                onEdited: editor.writeField("shakeEnabled", checked, "flashColor")
            }
            ObjSliderSpinBox {
                id: power
                objectName: "shakePower"
                label: qsTr("Power")
                hint: qsTr("Power of the shake.")
                minimumValue: 1
                maximumValue: 9
                stepSize: 1
                tickSpacing: 1
                enabled: shakeEnabled.checked
                onEdited: editor.writeField("shakePower", value, "shake")
            }
            ObjSliderSpinBox {
                id: speed
                objectName: "shakeSpeed"
                label: qsTr("Speed")
                hint: qsTr("Speed of the shake.")
                minimumValue: 1
                maximumValue: 9
                stepSize: 1
                tickSpacing: 1
                enabled: shakeEnabled.checked
                onEdited: editor.writeField("shakeSpeed", value, "shake")
            }
        }
    }
}
