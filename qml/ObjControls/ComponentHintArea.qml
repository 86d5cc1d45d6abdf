import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import "../../components_fc/qml/BasicControls"

// Shows a hint made of items (a component) beside its parent while the mouse rests on it.
// Fills its parent and takes no clicks.
MouseArea {
    id: root

    property Component hintComponent: null
    property Palette pal: Palette {}

    anchors.fill: parent
    hoverEnabled: hintComponent !== null
    acceptedButtons: Qt.NoButton

    QQC2.ToolTip {
        id: tip
        visible: root.containsMouse && root.hintComponent !== null
        delay: 700
        timeout: -1
        padding: 8
        contentItem: Loader {
            sourceComponent: tip.visible ? root.hintComponent : null
        }
        background: Rectangle {
            color: root.pal.normalBack1
            border.color: root.pal.controlFrame
        }
    }
}
