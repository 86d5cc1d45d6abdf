import QtQuick 2.15
import "../../components_fc/qml/BasicControls"
import "../Controls"

// The colour of a screen flash: red, green, blue and intensity (0 to 255), with a preview of
// the colour laid over the neutral gradient. A row changed by the user emits
// valueEdited(row, value). Disabled, the preview shows no gradient.
ToneColorRows {
    id: root

    readonly property int value1: values[0]
    readonly property int value2: values[1]
    readonly property int value3: values[2]
    readonly property int value4: values[3]

    signal valueEdited(int row, int value)

    previewHint: qsTr("Show how the flash color will be applied.")
    rows: [
        { label: qsTr("Red"), hint: qsTr("R value of the flash color."), minimum: 0, maximum: 255, tickSpacing: 17 },
        { label: qsTr("Green"), hint: qsTr("G value of the flash color."), minimum: 0, maximum: 255, tickSpacing: 17 },
        { label: qsTr("Blue"), hint: qsTr("B value of the flash color."), minimum: 0, maximum: 255, tickSpacing: 17 },
        { label: qsTr("Intensity"), hint: qsTr("Intensity of the flash color."), minimum: 0, maximum: 255, tickSpacing: 17 }
    ]
    onEdited: valueEdited(row, value)

    ColorTonePreview {
        objectName: "flashGradient"
        anchors.fill: parent
        visible: root.enabled
    }
    Rectangle {
        objectName: "flashCover"
        anchors.fill: parent
        visible: root.enabled
        color: Qt.rgba(root.value1 / 255, root.value2 / 255, root.value3 / 255, 1)
        opacity: root.value4 / 255
    }
}
