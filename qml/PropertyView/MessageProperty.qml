import QtQuick 2.15
import Vignetta.Scene 1.0 as Vig
import "../../components_fc/qml/BasicControls"
import "../../components_fc/qml/BasicLayouts"
import "../ObjControls"
import "../Event"

// The editor of a message block: the face beside the text, the text, the window background
// and position. Moving the cursor to another line of the text lets the preview show that part
// of the message.
PropertyEditor {
    id: editor

    kind: Vig.TimelineDataManager.mode_message

    readonly property Palette pal: Palette {}

    onLoadValues: {
        face.imageName = values.messageImageName
        face.imageIndex = values.messageImageIndex
        textArea.load(values.messageText)
        background.load(values.messageBackground)
        position.load(values.messagePosition)
    }

    Component.onCompleted: {
        background.load(0)
        position.load(2)
    }

    GroupBox {
        objectName: "messageGroup"
        title: qsTr("Message")
        hint: qsTr("Text to display.")
        enabled: editor.editEnabled

        Column {
            spacing: 8

            FaceImageBox {
                id: face
                objectName: "face"
                label: qsTr("Face")
                hint: qsTr("Face image to be displayed to the left of the message.")
                onModified: editor.writeFields({
                    "messageImageName": imageName,
                    "messageImageIndex": imageIndex
                }, "messageImageName")
            }

            ObjTextArea {
                id: textArea
                objectName: "messageText"
                label: qsTr("Text")
                hint: qsTr("Text to display.")
                controlWidth: 440
                visibleLines: 4
                fontFamily: editor.pal.fixedFont
                // Characters a line of the message window holds, with and without a face.
                guideColumns: face.imageName !== "" ? 43 : 55
                hintComponent: Component { ControlCharactersHint { full: true } }
                onEdited: {
                    if (editor.writeField("messageText", text, "messageText"))
                        editor.changer.message = text
                }
                onCursorMovedToLine: {
                    if (editor.report("messageLineIndex"))
                        editor.changer.currentLineIndex = index
                }
            }

            Row {
                spacing: 12
                ObjComboBox {
                    id: background
                    objectName: "messageBackground"
                    label: qsTr("Background")
                    hint: qsTr("Background type of the message.")
                    controlWidth: 120
                    model: Vig.Constants.messageBackgroundArray
                    onEdited: editor.writeField("messageBackground", index, "messageBackground")
                }
                ObjComboBox {
                    id: position
                    objectName: "messagePosition"
                    label: qsTr("Window Position")
                    hint: qsTr("Position to display the message on the screen.")
                    controlWidth: 120
                    model: Vig.Constants.messagePositionTypeArray
                    onEdited: editor.writeField("messagePosition", index, "messagePosition")
                }
            }
        }
    }
}
