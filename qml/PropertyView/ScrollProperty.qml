import QtQuick 2.15
import Vignetta.Scene 1.0 as Vig
import "../../components_fc/qml/BasicControls"
import "../../components_fc/qml/BasicLayouts"
import "../ObjControls"
import "../Event"

// The editor of a scrolling-text block: the text, its speed, and whether the player may
// fast-forward it.
PropertyEditor {
    id: editor

    kind: Vig.TimelineDataManager.mode_scroll

    readonly property Palette pal: Palette {}

    onLoadValues: {
        textArea.load(values.messageText)
        speed.load(values.scrollSpeed)
        noFast.load(values.scrollNoFast)
    }

    Component.onCompleted: speed.load(2)

    GroupBox {
        objectName: "scrollGroup"
        title: qsTr("Scrolling Text")
        hint: qsTr("Text to scroll display.")
        enabled: editor.editEnabled

        Column {
            spacing: 8

            ObjTextArea {
                id: textArea
                objectName: "scrollText"
                label: qsTr("Text")
                hint: qsTr("Text to display.")
                controlWidth: 440
                visibleLines: 8
                fontFamily: editor.pal.fixedFont
                guideColumns: 55
                hintComponent: Component { ControlCharactersHint { full: false } }
                onEdited: {
                    if (editor.writeField("messageText", text, "scrollingText"))
                        editor.changer.message = text
                }
            }

            Row {
                spacing: 20
                ObjSpinBox {
                    id: speed
                    objectName: "scrollSpeed"
                    label: qsTr("Speed")
                    hint: qsTr("Speed at which text scrolls.")
                    labelBeside: true
                    controlWidth: 80
                    minimumValue: 1
                    maximumValue: 8
                    onEdited: editor.writeField("scrollSpeed", value)
                }
                ObjCheckBox {
                    id: noFast
                    objectName: "scrollNoFast"
                    text: qsTr("No Fast Forward")
                    hint: qsTr("Disable the fast-scrolling feature when the OK button is pressed.")
                    onEdited: editor.writeField("scrollNoFast", checked)
                }
            }
        }
    }
}
