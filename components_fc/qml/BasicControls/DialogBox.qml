import QtQuick 2.15
import QtQuick.Window 2.15
import "."

// The standard contents of a dialog: its own controls (the default property) above a
// right-aligned row of OK, Cancel, Apply and Close. Apply starts disabled and is enabled by a
// modification notice from any control inside (see Modification.js) or by setModified().
Rectangle {
    id: root

    property alias okEnabled: okButton.enabled
    property alias okVisible: okButton.visible
    property alias cancelEnabled: cancelButton.enabled
    property alias cancelVisible: cancelButton.visible
    property alias applyEnabled: applyButton.enabled
    property alias applyVisible: applyButton.visible
    property alias closeVisible: closeButton.visible
    property int margin: 8
    property alias ctrlReturnEnabled: buttonRow.ctrlReturnEnabled
    default property alias contents: contentArea.data
    property Palette pal: Palette {}

    signal init()
    signal ok()
    signal cancel()
    signal apply()
    signal closing(var close)

    function setModified() {
        applyButton.enabled = true
    }

    width: column.width + margin * 2
    height: column.height + margin * 2
    gradient: Gradient {
        GradientStop { position: 0; color: root.pal.window1 }
        GradientStop { position: 1; color: root.pal.window2 }
    }

    Column {
        id: column
        x: root.margin
        y: root.margin
        spacing: 8

        Column {
            id: contentArea
            // Controls inside report their changes here (Modification.notify).
            readonly property bool acceptsModificationNotice: true
            function notifyModified() { root.setModified() }
            spacing: 8
        }

        Item {
            width: Math.max(contentArea.width, buttonRow.width)
            height: buttonRow.height

            Row {
                id: buttonRow
                property bool ctrlReturnEnabled: true
                anchors.right: parent.right
                spacing: 8

                TextButton {
                    id: okButton
                    text: qsTranslate("Dialog Button", "OK")
                    hint: qsTranslate("Dialog Button", "Save all changes and close this window.")
                    isDefault: true
                    onClicked: root.ok()
                }
                TextButton {
                    id: cancelButton
                    text: qsTranslate("Dialog Button", "Cancel")
                    hint: qsTranslate("Dialog Button", "Close this window without saving any changes.")
                    onClicked: root.cancel()
                }
                TextButton {
                    id: applyButton
                    text: qsTranslate("Dialog Button", "Apply")
                    hint: qsTranslate("Dialog Button", "Save all changes without closing this window.")
                    enabled: false
                    onClicked: root.apply()
                }
                TextButton {
                    id: closeButton
                    text: qsTranslate("Dialog Button", "Close")
                    hint: qsTranslate("Dialog Button", "Close this window.")
                    visible: false
                    onClicked: root.cancel()
                }
            }
        }
    }

    // Left and right move between the visible buttons.
    function moveButtonFocus(step) {
        var buttons = [okButton, cancelButton, applyButton, closeButton].filter(function (b) {
            return b.visible && b.enabled
        })
        var i = buttons.indexOf(root.Window.activeFocusItem)
        if (i < 0 || buttons.length === 0)
            return false
        buttons[(i + step + buttons.length) % buttons.length].forceActiveFocus(Qt.TabFocusReason)
        return true
    }
    Keys.onLeftPressed: event.accepted = moveButtonFocus(-1)
    Keys.onRightPressed: event.accepted = moveButtonFocus(1)

    readonly property bool okAvailable: okButton.visible && okButton.enabled
    readonly property bool cancelAvailable: (cancelButton.visible && cancelButton.enabled) || closeButton.visible
    // A focused item that sets `wantsReturnKey` keeps Return for itself (multi-line text fields
    // get it anyway, as they take Return before shortcuts).
    readonly property bool focusWantsReturn: {
        var f = root.Window.activeFocusItem
        return !!f && f.wantsReturnKey === true
    }

    Shortcut {
        sequences: ["Return", "Enter"]
        enabled: root.okAvailable && !root.focusWantsReturn
        onActivated: root.ok()
    }
    Shortcut {
        sequences: ["Ctrl+Return", "Ctrl+Enter"]
        enabled: root.okAvailable && buttonRow.ctrlReturnEnabled
        onActivated: root.ok()
    }
    Shortcut {
        sequence: "Esc"
        enabled: root.cancelAvailable
        onActivated: root.cancel()
    }
    Shortcut {
        sequence: "Alt+A"
        enabled: applyButton.visible && applyButton.enabled
        onActivated: root.apply()
    }
}
