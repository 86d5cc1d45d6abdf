import QtQuick 2.15
import QtQuick.Controls 1.4 as QQC1
import "../../components_fc/qml/BasicControls"
import "../../components_fc/qml/BasicLayouts"

// The problems found with one asset file, one group per issue, with a Close button.
ModalWindow {
    id: root

    property string fileName: ""
    // [{title, description, buttons: [{text, title, hint, action}]}]
    property var issues: []

    title: qsTr("Issues with \u201c%1\u201d").arg(fileName)

    DialogBox {
        id: box
        okVisible: false
        cancelVisible: false
        applyVisible: false
        closeVisible: true

        QQC1.ScrollView {
            id: scroll
            readonly property bool needsBar: list.height > height
            width: list.width + (needsBar ? 28 : 0)
            height: Math.max(100, Math.min(600, list.height))
            horizontalScrollBarPolicy: Qt.ScrollBarAlwaysOff
            style: ThemeScrollViewStyle {}

            Column {
                id: list
                spacing: 12
                Repeater {
                    model: root.issues
                    GroupBox {
                        objectName: "issueGroup"
                        title: modelData.title
                        pal: box.pal
                        Column {
                            spacing: 8
                            Text {
                                width: 400
                                text: modelData.description
                                wrapMode: Text.WordWrap
                                color: box.pal.normalText
                                font.family: box.pal.normalFont
                                font.pixelSize: box.pal.labelFontSize
                                renderType: box.pal.renderType
                            }
                            Row {
                                anchors.right: parent.right
                                spacing: 8
                                Repeater {
                                    model: modelData.buttons || []
                                    TextButton {
                                        text: modelData.text
                                        hint: modelData.hint || ""
                                        pal: box.pal
                                        onClicked: if (typeof modelData.action === "function")
                                                       modelData.action()
                                    }
                                }
                            }
                        }
                    }
                }
            }
        }
    }
}
