import QtQuick 2.15
import "."

// A horizontal bar filled in the proportion value / maximum.
Rectangle {
    id: root

    property real value: 0
    property real maximum: 1
    property Palette pal: Palette {}

    implicitWidth: 200
    implicitHeight: 16
    radius: 3
    color: pal.normalBack1
    border.color: pal.controlFrame

    Rectangle {
        objectName: "fill"
        x: 2
        y: 2
        height: parent.height - 4
        radius: 2
        width: root.maximum > 0
               ? (parent.width - 4) * Math.max(0, Math.min(1, root.value / root.maximum)) : 0
        color: root.pal.progressBar
    }
}
