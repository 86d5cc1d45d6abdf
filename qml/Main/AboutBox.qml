import QtQuick 2.15
import Kivra.fab 1.0
import Vignetta.Scene 1.0 as Vig
import "../../components_fc/qml/BasicControls"

// The about box: the application image, its version and the copyright line.
ModalWindow {
    id: root
    title: qsTr("About %1").arg(Vig.Constants.applicationTitle)

    DialogBox {
        id: box
        okVisible: false
        cancelVisible: false
        applyVisible: false
        closeVisible: true

        Item {
            width: 480
            height: 188

            Image {
                id: appImage
                anchors { left: parent.left; verticalCenter: parent.verticalCenter }
                source: KivraAPI.locale() === "ja_JP" ? "../Images/app_ja.png" : "../Images/app.png"
            }
            Column {
                anchors { left: appImage.right; leftMargin: 16; right: parent.right
                          verticalCenter: parent.verticalCenter }
                spacing: 12
                Text {
                    objectName: "versionText"
                    text: qsTr("Version ") + Qt.application.version
                    font.family: box.pal.mediumFont
                    font.pixelSize: 16
                    color: box.pal.normalText
                    renderType: box.pal.renderType
                }
                Text {
                    objectName: "copyrightText"
                    width: parent.width
                    wrapMode: Text.WordWrap
                    text: KivraAPI.copyright()
                    font.family: box.pal.normalFont
                    font.pixelSize: 10
                    color: box.pal.normalText
                    renderType: box.pal.renderType
                }
            }
        }
    }
}
