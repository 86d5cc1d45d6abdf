import QtQuick 2.15
import "../../components_fc/qml/BasicControls"

// Stands in for a pane's contents while no project is open: it says how to open one, with the
// keys that lead there, centred in the theme's colours. It covers the pane and takes the mouse,
// so that nothing of a project-less editor can be reached through it.
Rectangle {
    id: root

    // The keys that reach the command, as the platform spells them; no key line when empty.
    property string keys: ""
    // The pane's own background, from top to bottom.
    property color topColor: palette.outsideArea
    property color bottomColor: topColor

    readonly property alias text: message.text

    gradient: Gradient {
        GradientStop { position: 0; color: root.topColor }
        GradientStop { position: 1; color: root.bottomColor }
    }
    clip: true

    Palette { id: palette }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        hoverEnabled: true
        onWheel: wheel.accepted = true
    }

    Column {
        anchors.centerIn: parent
        width: Math.max(0, parent.width - 40)
        spacing: 10

        Text {
            id: message
            objectName: "emptyPaneText"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: qsTr("Open a Fablecraft project with File > Open FC Project…")
            color: palette.normalText
            font.family: palette.normalFont
            font.pixelSize: palette.fontSize
            renderType: palette.renderType
        }

        // The keys, drawn as a key cap.
        Rectangle {
            objectName: "emptyPaneKeys"
            anchors.horizontalCenter: parent.horizontalCenter
            visible: root.keys !== ""
            width: keyText.implicitWidth + 16
            height: keyText.implicitHeight + 6
            radius: 3
            color: palette.normalBack1
            border.color: palette.controlFrame

            Text {
                id: keyText
                objectName: "emptyPaneKeyText"
                anchors.centerIn: parent
                text: root.keys
                color: palette.normalText
                font.family: palette.normalFont
                font.pixelSize: palette.labelFontSize
                renderType: palette.renderType
            }
        }
    }
}
