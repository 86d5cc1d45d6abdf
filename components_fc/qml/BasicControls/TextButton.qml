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
    border.width: activeFocus || isDefault ? 2 : 1
    border.color: activeFocus ? pal.focusFrame : pal.buttonFrame
    // A disabled button keeps its frame and text but not its fill, so it reads as disabled in
    // every theme without fading its text into the dark themes' backgrounds.
    color: "transparent"
    gradient: enabled ? fill : null
    Gradient {
        id: fill
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
        // Inside the button's own area: hover reaches an item and its parents, never a
        // sibling underneath, so a hint area beside it would keep the button from lighting up.
        HintArea { hint: root.hint }
    }

    // Return or the keypad's Enter on a focused button presses that button, not the dialog's
    // default one. The keypad's keys carry the keypad modifier, which is not a modifier the user
    // holds.
    function plainKey(event) {
        return (event.modifiers & ~Qt.KeypadModifier) === Qt.NoModifier
    }
    Keys.onShortcutOverride: event.accepted = (event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
                                               && plainKey(event)
    Keys.onPressed: {
        if ((event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
                && !event.isAutoRepeat && plainKey(event)) {
            event.accepted = true
            if (root.enabled)
                root.clicked()
        }
    }
}
