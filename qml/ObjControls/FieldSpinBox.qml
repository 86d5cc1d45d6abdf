import QtQuick 2.15
import QtQuick.Controls 1.4 as QQC1

// The spin box of the editors. A number being typed is one change, not one per key: while the
// user types, `holdsTypedValue` is true and the owner leaves the value changes alone; when the
// typing ends (Return, Enter, Tab or the focus leaving) `typingFinished()` reports the value once,
// if it changed. Arrow keys, Page Up/Down, the wheel and the arrow buttons change the value at
// once, as before any typing.
QQC1.SpinBox {
    id: spin

    readonly property bool holdsTypedValue: typing && activeFocus
    property bool typing: false
    property bool typedChange: false

    signal typingFinished()

    function finishTyping() {
        var changed = typedChange
        typing = false
        typedChange = false
        if (changed)
            typingFinished()
    }

    // The spin box steps on Up and Down itself (these handlers run after its own); other keys
    // reach onPressed.
    Keys.onUpPressed: finishTyping()
    Keys.onDownPressed: finishTyping()
    Keys.onPressed: {
        switch (event.key) {
        case Qt.Key_PageUp: case Qt.Key_PageDown:
            finishTyping()
            break
        case Qt.Key_Return: case Qt.Key_Enter: case Qt.Key_Tab: case Qt.Key_Backtab:
        case Qt.Key_Escape:
            break
        default:
            if (event.text !== "" || event.key === Qt.Key_Backspace
                    || event.key === Qt.Key_Delete)
                typing = true
        }
    }
    onValueChanged: if (holdsTypedValue) typedChange = true
    onEditingFinished: finishTyping()
    onActiveFocusChanged: if (!activeFocus) finishTyping()
}
