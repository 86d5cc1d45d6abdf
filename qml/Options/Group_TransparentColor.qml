import QtQuick 2.15
import "../../components_fc/qml/BasicControls"
import "../../components_fc/qml/BasicLayouts"
import "../Controls"

// The colour of the checkerboard behind transparent images, with a live preview.
GroupBox {
    id: root

    property alias red: redRow.value
    property alias green: greenRow.value
    property alias blue: blueRow.value

    title: qsTr("Transparent Color")
    hint: qsTr("Set the color to use as the transparency background in the editor.")

    Row {
        spacing: 12

        Column {
            id: rows
            spacing: 4

            SliderSpinBox {
                id: redRow
                objectName: "redRow"
                label: qsTr("Red")
                hint: qsTr("R value of the transparent color.")
                minimumValue: 0
                maximumValue: 255
                stepSize: 17
                controlWidth: 170
                labelWidth: 70
            }
            SliderSpinBox {
                id: greenRow
                objectName: "greenRow"
                label: qsTr("Green")
                hint: qsTr("G value of the transparent color.")
                minimumValue: 0
                maximumValue: 255
                stepSize: 17
                controlWidth: 170
                labelWidth: 70
            }
            SliderSpinBox {
                id: blueRow
                objectName: "blueRow"
                label: qsTr("Blue")
                hint: qsTr("B value of the transparent color.")
                minimumValue: 0
                maximumValue: 255
                stepSize: 17
                controlWidth: 170
                labelWidth: 70
            }
        }

        Rectangle {
            id: previewFrame
            width: 90
            height: rows.height
            color: "transparent"
            border.color: root.pal.controlFrame

            Item {
                anchors.fill: parent
                anchors.margins: 2
                clip: true

                CheckerBoard2 {
                    objectName: "previewBoard"
                    red: root.red
                    green: root.green
                    blue: root.blue
                }
            }
            HintArea {
                hintTitle: qsTr("Preview")
                hint: qsTr("Show what the transparent color looks like.")
            }
        }
    }
}
