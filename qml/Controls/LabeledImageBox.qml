import QtQuick 2.15
import "../../components_fc/qml/BasicControls"

// An image well with its label on top.
Column {
    id: root

    property string label: ""
    property string hint: ""
    property alias imageBox: box
    property alias source: box.source
    property alias framePosition: box.framePosition
    property alias frameSize: box.frameSize
    property alias imageScale: box.imageScale
    property alias boxWidth: box.width
    property alias boxHeight: box.height
    property Palette pal: Palette {}

    signal triggered()

    spacing: 2

    ControlLabel {
        text: root.label
        pal: root.pal
        height: implicitHeight
        HintArea { hint: root.hint; hintTitle: root.label }
    }

    ImageBox {
        id: box
        objectName: "imageBox"
        width: 104
        height: 104
        title: root.label
        hint: root.hint
        pal: root.pal
        onTriggered: root.triggered()
    }
}
