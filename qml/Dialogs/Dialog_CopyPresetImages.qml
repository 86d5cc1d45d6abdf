import QtQuick 2.15
import Vignetta.Scene 1.0 as Vig
import "../../components_fc/qml/BasicControls"
import "../../components_fc/qml/BasicLayouts"

// Asks before files are copied: a warning with the message, the files in use and OK and
// Cancel. OK closes the window and emits ok() 1 ms later, so that the owner's next window
// opens after this one is gone; Cancel closes it and nothing follows.
ModalWindow {
    id: root

    // Relative paths of the files to copy ("/img/pictures/Bird.png", ...).
    property var assetsList: []
    property string message: ""

    title: Vig.Constants.applicationTitle
    autoCloseOnOk: false

    readonly property Timer okTimer: Timer {
        interval: 1
        onTriggered: root.ok()
    }

    DialogBox {
        id: box
        applyVisible: false

        Row {
            spacing: 12
            Image {
                source: "../../components_fc/qml/Images/warning.png"
                anchors.verticalCenter: parent.verticalCenter
            }
            Text {
                objectName: "messageText"
                text: root.message
                width: Math.min(400, implicitWidth)
                wrapMode: Text.WordWrap
                textFormat: Text.PlainText
                color: box.pal.normalText
                font.family: box.pal.normalFont
                font.pixelSize: box.pal.fontSize
                renderType: box.pal.renderType
                anchors.verticalCenter: parent.verticalCenter
            }
        }

        GroupBox {
            title: qsTr("Resource in use")
            hint: qsTr("List of resource in use.")
            TextListBox {
                objectName: "assetList"
                width: 400
                height: 160
                title: qsTr("Resource in use")
                model: root.assetsList
            }
        }

        onOk: {
            root.close()
            root.okTimer.restart()
        }
    }
}
