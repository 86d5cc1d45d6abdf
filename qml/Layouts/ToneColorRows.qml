import QtQuick 2.15
import "../../components_fc/qml/BasicControls"
import "../ObjControls"

// Four slider rows and an 80-pixel preview box beside them, the frame the colour-tone and
// flash-colour layouts share. `rows` describes each row: {label, hint, minimum, maximum,
// tickSpacing}; `preview` is the box's contents.
Row {
    id: root

    property var rows: [{}, {}, {}, {}]
    property string previewHint: ""
    default property alias preview: previewArea.data
    readonly property bool pressed: r0.pressed || r1.pressed || r2.pressed || r3.pressed
    readonly property var values: [r0.value, r1.value, r2.value, r3.value]
    property Palette pal: Palette {}

    signal edited(int row, int value)

    function load(values) {
        var r = [r0, r1, r2, r3]
        for (var i = 0; i < 4; ++i)
            r[i].load(values[i])
    }

    spacing: 8

    Column {
        id: column
        spacing: 4
        ObjSliderSpinBox {
            id: r0
            objectName: "row0"
            label: root.rows[0].label || ""
            hint: root.rows[0].hint || ""
            minimumValue: root.rows[0].minimum || 0
            maximumValue: root.rows[0].maximum || 0
            stepSize: 17
            tickSpacing: root.rows[0].tickSpacing || 0
            pal: root.pal
            onEdited: root.edited(0, value)
        }
        ObjSliderSpinBox {
            id: r1
            objectName: "row1"
            label: root.rows[1].label || ""
            hint: root.rows[1].hint || ""
            minimumValue: root.rows[1].minimum || 0
            maximumValue: root.rows[1].maximum || 0
            stepSize: 17
            tickSpacing: root.rows[1].tickSpacing || 0
            pal: root.pal
            onEdited: root.edited(1, value)
        }
        ObjSliderSpinBox {
            id: r2
            objectName: "row2"
            label: root.rows[2].label || ""
            hint: root.rows[2].hint || ""
            minimumValue: root.rows[2].minimum || 0
            maximumValue: root.rows[2].maximum || 0
            stepSize: 17
            tickSpacing: root.rows[2].tickSpacing || 0
            pal: root.pal
            onEdited: root.edited(2, value)
        }
        ObjSliderSpinBox {
            id: r3
            objectName: "row3"
            label: root.rows[3].label || ""
            hint: root.rows[3].hint || ""
            minimumValue: root.rows[3].minimum || 0
            maximumValue: root.rows[3].maximum || 0
            stepSize: 17
            tickSpacing: root.rows[3].tickSpacing || 0
            pal: root.pal
            onEdited: root.edited(3, value)
        }
    }

    Rectangle {
        objectName: "previewBox"
        width: 80
        height: column.height
        color: root.enabled ? root.pal.normalBack1 : root.pal.window2
        border.color: root.pal.controlFrame

        Item {
            id: previewArea
            anchors.fill: parent
            anchors.margins: 2
            clip: true
        }
        HintArea {
            hintTitle: qsTr("Preview")
            hint: root.previewHint
        }
    }
}
