import QtQuick 2.15
import "../../components_fc/qml/BasicControls"
import "../ObjControls"

// The framed image well of the property editors: a cell of an image sheet over the
// checkerboard. It takes the focus on Tab and on a press; a double-click, or Space pressed and
// released (auto-repeat ignored), emits triggered(). Disabled, it shows its frame only.
FocusScope {
    id: root

    property string title: ""
    property string hint: ""
    property Component hintComponent: null
    property alias source: clip.source
    property alias sourceSize: clip.sourceSize
    property alias framePosition: clip.framePosition
    property alias frameSize: clip.frameSize
    property alias imageScale: clip.imageScale
    property alias imageHue: clip.imageHue
    property alias autoScale: clip.autoScale
    readonly property alias imageClip: clip
    property Palette pal: Palette {}

    signal triggered()

    activeFocusOnTab: true
    implicitWidth: 104
    implicitHeight: 104

    Rectangle {
        id: outerFrame
        anchors.fill: parent
        color: root.enabled ? root.pal.normalBack1 : root.pal.window2
        border.color: root.pal.controlFrame
        border.width: 1

        Rectangle {
            anchors.fill: parent
            anchors.margins: 1
            color: "transparent"
            border.color: root.pal.highlight
            border.width: 1
        }
    }

    Item {
        id: well
        anchors.fill: parent
        anchors.margins: 4
        clip: true
        visible: root.enabled

        CheckerBoard2 {}

        ImageClip {
            id: clip
            anchors.centerIn: parent
            imClipboxWidth: well.width
            imClipboxHeight: well.height
        }
    }

    Rectangle {
        objectName: "focusFrame"
        anchors.fill: parent
        color: "transparent"
        border.color: root.pal.focusFrame
        border.width: 2
        visible: root.activeFocus
    }

    MouseArea {
        anchors.fill: parent
        anchors.margins: 2
        onPressed: root.forceActiveFocus(Qt.MouseFocusReason)
        onDoubleClicked: root.triggered()
    }

    HintArea { hint: root.hintComponent === null ? root.hint : ""; hintTitle: root.title }
    ComponentHintArea { hintComponent: root.hintComponent; pal: root.pal }

    QtObject {
        id: space
        property bool held: false
    }
    Keys.onPressed: {
        if (event.key !== Qt.Key_Space)
            return
        event.accepted = true
        if (!event.isAutoRepeat)
            space.held = true
    }
    Keys.onReleased: {
        if (event.key !== Qt.Key_Space)
            return
        event.accepted = true
        if (event.isAutoRepeat || !space.held)
            return
        space.held = false
        root.triggered()
    }
    onActiveFocusChanged: if (!activeFocus) space.held = false
}
