import QtQuick 2.15
import "."

// A modal window with one message, an icon ("warning", "check", "question" or none) and the
// buttons Yes/No (useYesNo) or OK, plus Cancel (useCancel). Each button emits only its own
// signal and closes the box; closing by the window's close button emits cancel().
ModalWindow {
    id: box

    property string message: ""
    property string iconType: ""
    property bool useYesNo: false
    property bool useCancel: false

    Column {
        id: content
        property Palette pal: Palette {}

        signal yes()
        signal no()
        signal ok()
        signal cancel()

        readonly property bool cancelEnabled: !box.useYesNo || box.useCancel

        width: Math.max(messageArea.neededWidth, band.neededWidth)

        Rectangle {
            id: messageArea
            readonly property int neededWidth: Math.max(200, line.width + 60)
            width: parent.width
            height: Math.max(88, line.height + 20)
            color: content.pal.normalBack1

            Row {
                id: line
                anchors.centerIn: parent
                spacing: 12

                Image {
                    id: icon
                    visible: box.iconType !== ""
                    source: box.iconType !== "" ? "../Images/" + box.iconType + ".png" : ""
                    anchors.verticalCenter: parent.verticalCenter
                }
                Text {
                    id: messageText
                    objectName: "messageText"
                    text: box.message
                    width: Math.min(200, implicitWidth)
                    wrapMode: Text.WordWrap
                    color: content.pal.normalText
                    font.family: content.pal.normalFont
                    font.pixelSize: content.pal.fontSize
                    renderType: content.pal.renderType
                    anchors.verticalCenter: parent.verticalCenter
                }
            }
        }

        Rectangle {
            id: band
            readonly property int neededWidth: buttons.width + 20 + 28
            width: parent.width
            height: buttons.height + 24
            gradient: Gradient {
                GradientStop { position: 0; color: content.pal.window1 }
                GradientStop { position: 1; color: content.pal.window2 }
            }

            Row {
                id: buttons
                anchors.right: parent.right
                anchors.rightMargin: 10
                anchors.verticalCenter: parent.verticalCenter
                spacing: 8

                TextButton {
                    objectName: "yesButton"
                    text: qsTranslate("Dialog Button", "Yes")
                    visible: box.useYesNo
                    enabled: box.useYesNo
                    onClicked: content.yes()
                }
                TextButton {
                    objectName: "noButton"
                    text: qsTranslate("Dialog Button", "No")
                    visible: box.useYesNo
                    enabled: box.useYesNo
                    onClicked: content.no()
                }
                TextButton {
                    objectName: "okButton"
                    text: qsTranslate("Dialog Button", "OK")
                    visible: !box.useYesNo
                    enabled: !box.useYesNo
                    isDefault: true
                    onClicked: content.ok()
                }
                TextButton {
                    objectName: "cancelButton"
                    text: qsTranslate("Dialog Button", "Cancel")
                    visible: box.useCancel
                    enabled: content.cancelEnabled
                    onClicked: content.cancel()
                }
            }
        }

        // Return and Enter press the default button, OK, when no button has the focus (a
        // focused button takes them itself).
        Shortcut {
            sequences: ["Return", "Enter"]
            enabled: !box.useYesNo
            onActivated: content.ok()
        }
        Shortcut {
            sequence: "Y"
            enabled: box.useYesNo
            onActivated: content.yes()
        }
        Shortcut {
            sequence: "N"
            enabled: box.useYesNo
            onActivated: content.no()
        }
        Shortcut {
            sequence: "Esc"
            enabled: content.cancelEnabled
            onActivated: content.cancel()
        }
    }
}
