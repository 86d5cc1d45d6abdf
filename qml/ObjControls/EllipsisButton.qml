import QtQuick 2.15
import "../../components_fc/qml/BasicControls"

// A button that shows a value and opens a chooser for it: the text at the left, "..." at
// the right. Space, Return and Enter press it while it has the focus.
Rectangle {
    id: root

    property string text: ""
    property string hint: ""
    property string hintTitle: ""
    readonly property bool hovered: mouse.containsMouse
    readonly property bool pressed: mouse.pressed && mouse.containsMouse
    property Palette pal: Palette {}

    signal clicked()

    implicitWidth: 200
    implicitHeight: pal.controlHeight
    radius: 3
    activeFocusOnTab: true
    opacity: enabled ? 1 : pal.disabledOpacity
    border.width: activeFocus ? 2 : 1
    border.color: activeFocus ? pal.focusFrame : pal.buttonFrame
    gradient: Gradient {
        GradientStop {
            position: 0
            color: root.pressed ? root.pal.pressedButton1 : (root.hovered ? root.pal.hotButton1 : root.pal.button1)
        }
        GradientStop {
            position: 1
            color: root.pressed ? root.pal.pressedButton2 : (root.hovered ? root.pal.hotButton2 : root.pal.button2)
        }
    }

    Text {
        id: label
        objectName: "label"
        anchors.left: parent.left
        anchors.leftMargin: 8
        anchors.right: dots.left
        anchors.rightMargin: 4
        anchors.verticalCenter: parent.verticalCenter
        text: root.text
        elide: Text.ElideRight
        color: root.enabled ? root.pal.normalText : root.pal.disabledText
        font.family: root.pal.normalFont
        font.pixelSize: root.pal.labelFontSize
        renderType: root.pal.renderType
    }
    Text {
        id: dots
        anchors.right: parent.right
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        text: "..."
        color: label.color
        font.family: root.pal.normalFont
        font.pixelSize: root.pal.labelFontSize
        renderType: root.pal.renderType
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            root.forceActiveFocus(Qt.MouseFocusReason)
            if (root.enabled)
                root.clicked()
        }
    }
    HintArea { hint: root.hint; hintTitle: root.hintTitle }

    Keys.onPressed: {
        if ((event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
                && !event.isAutoRepeat && event.modifiers === Qt.NoModifier) {
            event.accepted = true
            if (root.enabled)
                root.clicked()
        }
    }
}
