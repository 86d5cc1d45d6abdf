import QtQuick 2.15
import Vignetta.Scene 1.0 as Vig
import Vignetta.Property 1.0
import "../../components_fc/qml/BasicControls"
import "../../components_fc/qml/BasicLayouts"
import "../ObjControls"

// The size of the scene screen, shown while no single block is selected. "Default" is checked
// exactly at 816 x 624; checking it sets that size, and it cannot be unchecked by hand. A size
// change is passed to the preview and records no undo step.
PropertyEditor {
    id: editor

    kind: sceneKind

    readonly property int defaultWidth: 816   // 48 x 17
    readonly property int defaultHeight: 624  // 48 x 13

    function sizeEdited() {
        isDefault.load(sceneWidth.value === defaultWidth && sceneHeight.value === defaultHeight)
        if (report("screenSize")) {
            changer.screenWidth = sceneWidth.value
            changer.screenHeight = sceneHeight.value
        }
    }

    onLoadValues: {
        sceneWidth.load(Vig.TimelineDataManager.screenWidth)
        sceneHeight.load(Vig.TimelineDataManager.screenHeight)
        isDefault.load(sceneWidth.value === defaultWidth && sceneHeight.value === defaultHeight)
    }

    Component.onCompleted: {
        sceneWidth.load(Vig.TimelineDataManager.screenWidth)
        sceneHeight.load(Vig.TimelineDataManager.screenHeight)
        isDefault.load(sceneWidth.value === defaultWidth && sceneHeight.value === defaultHeight)
    }

    GroupBox {
        objectName: "sceneGroup"
        width: 460
        title: qsTr("Scene")
        hint: qsTr("Change the size of the scene screen.") + "\n"
              + qsTr("Please match the size of the game screen.")

        Row {
            spacing: 8
            ObjSpinBox {
                id: sceneWidth
                objectName: "screenWidth"
                label: qsTr("Width")
                hint: qsTr("Set the width of the scene.")
                controlWidth: 80
                minimumValue: 816
                maximumValue: 1920
                enabled: editor.editEnabled
                onEdited: editor.sizeEdited()
            }
            ObjSpinBox {
                id: sceneHeight
                objectName: "screenHeight"
                label: qsTr("Height")
                hint: qsTr("Set the height of the scene.")
                controlWidth: 80
                minimumValue: 624
                maximumValue: 1080
                enabled: editor.editEnabled
                onEdited: editor.sizeEdited()
            }
            Item {
                width: 2
                height: 1
            }
            ObjCheckBox {
                id: isDefault
                objectName: "defaultSize"
                anchors.bottom: parent.bottom
                text: qsTr("Default")
                hint: qsTr("Reset to the default size.")
                enabled: editor.editEnabled && !checked
                onEdited: {
                    if (!checked)
                        return
                    sceneWidth.load(editor.defaultWidth)
                    sceneHeight.load(editor.defaultHeight)
                    editor.sizeEdited()
                }
            }
        }
    }
}
