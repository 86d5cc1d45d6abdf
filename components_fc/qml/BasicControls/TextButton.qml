import QtQuick 2.15
import "."

// A push button drawn with the theme's button colours. Space, Return and Enter press it while
// it has the focus; `isDefault` draws the heavier frame of a dialog's default button.
Rectangle {
    id: root

    property string text: ""
    property string hint: ""
    property bool isDefault: false
    readonly property bool hovered: mouse.containsMouse
    readonly property bool pressed: mouse.pressed && mouse.containsMouse
    property Palette pal: Palette {}

    signal clicked()

    implicitWidth: Math.max(80, label.implicitWidth + 24)
    implicitHeight: pal.controlHeight
    width: implicitWidth
    height: implicitHeight
    radius: 3
    activeFocusOnTab: true
    opacity: enabled ? 1 : pal.disabledOpacity
    border.width: activeFocus || isDefault ? 2 : 1
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
        anchors.centerIn: parent
        text: root.text
        color: !root.enabled ? root.pal.disabledText
              : root.pressed ? root.pal.pressedButtonText
              : root.hovered ? root.pal.hotButtonText : root.pal.normalText
        font.family: root.pal.normalFont
        font.pixelSize: root.pal.labelFontSize
        renderType: root.pal.renderType
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            if (root.enabled)
                root.clicked()
        }
    }
    HintArea { hint: root.hint }

    // Return on a focused button presses that button, not the dialog's default one.
    Keys.onShortcutOverride: event.accepted = (event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
                                               && event.modifiers === Qt.NoModifier
    Keys.onPressed: {
        if ((event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
                && !event.isAutoRepeat && event.modifiers === Qt.NoModifier) {
            event.accepted = true
            if (root.enabled)
                root.clicked()
        }
    }
}
