import QtQuick 2.15
import "../../components_fc/qml/BasicControls"
import "../Controls"

// The colour tone of a picture: red, green and blue (-255 to 255) and gray (0 to 255) with a
// preview, and buttons for the predefined tones. A row changed by the user emits
// valueEdited(row, value); a predefined tone sets all four at once and emits toneEdited().
Column {
    id: root

    readonly property int value1: rows.values[0]
    readonly property int value2: rows.values[1]
    readonly property int value3: rows.values[2]
    readonly property int value4: rows.values[3]
    readonly property bool pressed: rows.pressed
    property Palette pal: Palette {}

    readonly property var presets: [
        { text: qsTr("Normal"), tone: [0, 0, 0, 0] },
        { text: qsTr("Dark"), tone: [-68, -68, -68, 0] },
        { text: qsTr("Sepia"), tone: [34, -34, -68, 170] },
        { text: qsTr("Sunset"), tone: [68, -34, -34, 0] },
        { text: qsTr("Night"), tone: [-68, -68, 0, 68] }
    ]

    signal valueEdited(int row, int value)
    signal toneEdited()

    // Shows [red, green, blue, gray] without reporting a change.
    function load(tone) {
        rows.load(tone)
    }

    // Sets [red, green, blue, gray] as the user's choice.
    function setup(tone) {
        rows.load(tone)
        toneEdited()
    }

    spacing: 8

    ToneColorRows {
        id: rows
        objectName: "toneRows"
        pal: root.pal
        previewHint: qsTr("Show how the color tone will be applied.")
        rows: [
            { label: qsTr("Red"), hint: qsTr("R value of the color tone."), minimum: -255, maximum: 255, tickSpacing: 34 },
            { label: qsTr("Green"), hint: qsTr("G value of the color tone."), minimum: -255, maximum: 255, tickSpacing: 34 },
            { label: qsTr("Blue"), hint: qsTr("B value of the color tone."), minimum: -255, maximum: 255, tickSpacing: 34 },
            { label: qsTr("Gray"), hint: qsTr("Intensity of the grayscale."), minimum: 0, maximum: 255, tickSpacing: 17 }
        ]
        onEdited: root.valueEdited(row, value)

        ColorTonePreview {
            anchors.fill: parent
            visible: root.enabled
            red: root.value1 / 255
            green: root.value2 / 255
            blue: root.value3 / 255
            gray: root.value4 / 255
        }
    }

    Rectangle {
        width: rows.width
        height: 1
        color: root.pal.controlFrame
    }

    Row {
        spacing: 5
        Repeater {
            model: root.presets
            TextButton {
                objectName: "tone_" + index
                width: 80
                text: modelData.text
                hint: qsTr("Call a predefined color tone.")
                pal: root.pal
                onClicked: root.setup(modelData.tone)
            }
        }
    }
}
