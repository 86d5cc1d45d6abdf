import QtQuick 2.15
import QtQuick.Controls 1.4 as QQC1
import QtTest 1.2
import QtQuick.Window 2.15
import "../../components_fc/qml/BasicControls"
import "../../components_fc/qml/BasicControls/Modification.js" as Modification

Item {
    id: top
    width: 800
    height: 600

    ModalWindow {
        id: dialog
        title: "Dialog"
        property bool refuseClosing: false
        property int contentInits: 0

        DialogBox {
            id: box
            objectName: "box"
            onInit: dialog.contentInits++
            onClosing: close.accepted = !dialog.refuseClosing

            Item {
                objectName: "nested"
                width: 300
                height: 30
                Rectangle {
                    objectName: "editor"
                    width: 100
                    height: 20
                    // Reports a change the way every control of the library does.
                    function edit() { Modification.notify(this) }
                }
            }
            TextEdit {
                objectName: "multiLine"
                width: 300
                height: 40
                text: "one"
            }
            TextInput {
                objectName: "singleLine"
                width: 300
                height: 20
            }
            QQC1.TabView {
                objectName: "tabview"
                width: 300
                height: 60
                QQC1.Tab { title: "A"; Item {} }
                QQC1.Tab { title: "B"; Item {} }
                QQC1.Tab { title: "C"; Item {} }
            }
        }
    }
    SignalSpy { id: okSpy; target: dialog; signalName: "ok" }
    SignalSpy { id: cancelSpy; target: dialog; signalName: "cancel" }
    SignalSpy { id: applySpy; target: dialog; signalName: "apply" }
    SignalSpy { id: initSpy; target: dialog; signalName: "init" }

    TestCase {
        name: "DialogBox"
        when: windowShown

        function init() {
            dialog.autoCloseOnOk = true
            dialog.refuseClosing = false
            dialog.contentInits = 0
            for (var spy of [okSpy, cancelSpy, applySpy, initSpy])
                spy.clear()
            dialog.open()
            tryCompare(dialog.window, "opacity", 1)
            dialog.window.requestActivate()
            tryVerify(function () { return dialog.window.active })
        }

        function cleanup() {
            dialog.refuseClosing = false
            dialog.close()
            tryVerify(function () { return dialog.contentItem === null })
        }

        function child(name) {
            return name === "box" ? dialog.contentItem : findChild(dialog.contentItem, name)
        }
        function buttonText(t) {
            var row = child("box").children[0].children[1].children[0]
            for (var i = 0; i < row.children.length; ++i) {
                if (row.children[i].text === t)
                    return row.children[i]
            }
            return null
        }

        function test_initialState() {
            compare(initSpy.count, 1)
            compare(dialog.contentInits, 1)
            var box = child("box")
            verify(box.okEnabled && box.okVisible)
            verify(box.cancelEnabled && box.cancelVisible)
            verify(box.applyVisible)
            verify(!box.applyEnabled)
            verify(!box.closeVisible)
            // The window is exactly as large as its contents.
            compare(dialog.window.width, box.width)
            compare(dialog.window.height, box.height)
            compare(dialog.window.maximumWidth, box.width)
            compare(dialog.window.minimumHeight, box.height)
            // Focus starts on the first focusable item of the contents.
            verify(dialog.window.activeFocusItem !== null)
        }

        function test_applyFollowsModificationNotice() {
            var box = child("box")
            keyClick(Qt.Key_A, Qt.AltModifier)
            compare(applySpy.count, 0)              // disabled: Alt+A does nothing
            child("editor").edit()
            verify(box.applyEnabled)
            keyClick(Qt.Key_A, Qt.AltModifier)
            compare(applySpy.count, 1)
            verify(dialog.window.visible)           // Apply never closes
            mouseClick(buttonText("Apply"))
            compare(applySpy.count, 2)
            // A notice from outside any dialog reaches nobody.
            verify(!Modification.notify(top))
        }

        function test_returnAndCtrlReturn() {
            child("multiLine").forceActiveFocus()
            keyClick(Qt.Key_Return)
            compare(okSpy.count, 0)
            verify(child("multiLine").text.indexOf("\n") >= 0)
            keyClick(Qt.Key_Return, Qt.ControlModifier)
            compare(okSpy.count, 1)
            verify(!dialog.window.visible)
        }

        function test_returnInSingleLineFieldPressesOk() {
            child("singleLine").forceActiveFocus()
            keyClick(Qt.Key_Enter)
            compare(okSpy.count, 1)
            compare(cancelSpy.count, 0)
        }

        function test_escapeCancels() {
            keyClick(Qt.Key_Escape)
            compare(cancelSpy.count, 1)
            compare(okSpy.count, 0)
            verify(!dialog.window.visible)
        }

        function test_returnOnFocusedButtonPressesIt() {
            buttonText("Cancel").forceActiveFocus()
            keyClick(Qt.Key_Right)              // Apply is disabled and skipped: back to OK
            verify(buttonText("OK").activeFocus)
            keyClick(Qt.Key_Left)
            verify(buttonText("Cancel").activeFocus)
            keyClick(Qt.Key_Return)
            compare(cancelSpy.count, 1)
            compare(okSpy.count, 0)
        }

        function test_keypadEnterActsLikeReturn() {
            buttonText("Cancel").forceActiveFocus()
            keyClick(Qt.Key_Enter, Qt.KeypadModifier)
            compare(cancelSpy.count, 1)
            compare(okSpy.count, 0)
            dialog.open()
            tryCompare(dialog.window, "opacity", 1)
            child("singleLine").forceActiveFocus()
            keyClick(Qt.Key_Enter, Qt.KeypadModifier)
            compare(okSpy.count, 1)
        }

        // A dialog opened again shows fresh contents that the pointer has not yet touched: the
        // button under the pointer's last position in the earlier visit is not hovered, and
        // shows no hint, until the pointer moves.
        function test_reopenedDialogStartsWithoutHover() {
            var ok = buttonText("OK")
            mouseMove(ok, ok.width / 2, ok.height / 2)
            tryVerify(function () { return ok.hovered })
            mouseClick(ok)
            verify(!dialog.window.visible)
            tryVerify(function () { return dialog.contentItem === null })
            dialog.open()
            tryCompare(dialog.window, "opacity", 1)
            ok = buttonText("OK")
            wait(900)                       // some frames, and longer than a hint's delay
            verify(!ok.hovered)
            verify(findChild(dialog.contentItem, "hintToolTip") === null)
            mouseMove(ok, ok.width / 2 + 1, ok.height / 2)
            tryVerify(function () { return ok.hovered })
        }

        // A hint showing over a button leaves Esc to the dialog.
        function test_escapeCancelsWhileAHintShows() {
            var ok = buttonText("OK")
            mouseMove(ok, ok.width / 2, ok.height / 2)
            tryVerify(function () {
                var tip = findChild(dialog.contentItem, "hintToolTip")
                return tip !== null && tip.opened
            }, 3000)
            keyClick(Qt.Key_Escape)
            compare(cancelSpy.count, 1)
            verify(!dialog.window.visible)
        }

        function test_okWithoutAutoClose() {
            dialog.autoCloseOnOk = false
            mouseClick(buttonText("OK"))
            compare(okSpy.count, 0)
            verify(dialog.window.visible)
        }

        function test_closeButtonAsksTheContents() {
            dialog.refuseClosing = true
            dialog.window.close()
            verify(dialog.window.visible)
            compare(cancelSpy.count, 0)
            dialog.refuseClosing = false
            dialog.window.close()
            verify(!dialog.window.visible)
            compare(cancelSpy.count, 1)
            // Closing from code is explicit: no cancel.
            dialog.open()
            tryCompare(dialog.window, "opacity", 1)
            dialog.close()
            compare(cancelSpy.count, 1)
        }

        function test_closeOnlyDialog() {
            var box = child("box")
            box.okVisible = false
            box.cancelVisible = false
            box.applyVisible = false
            box.closeVisible = true
            keyClick(Qt.Key_Return)                 // no OK: nothing
            compare(okSpy.count, 0)
            mouseClick(buttonText("Close"))
            compare(cancelSpy.count, 1)
            verify(!dialog.window.visible)
        }

        function test_freshContentsAtEachOpening() {
            child("editor").edit()
            verify(child("box").applyEnabled)
            dialog.close()
            tryVerify(function () { return dialog.contentItem === null })
            dialog.open()
            verify(!child("box").applyEnabled)
            compare(dialog.contentInits, 2)     // init runs once per opening
        }

        function test_placedOverTheOwner() {
            var owner = top.Window.window
            var w = dialog.window
            compare(w.x, owner.x + Math.floor(owner.width / 2 - w.width / 2))
            compare(w.y, owner.y + Math.floor(owner.height / 2 - w.height / 2))
            // (Offsets and the owner's and screen's edges: the placement function's own tests.)
        }

        function test_altTabSwitchesPages() {
            var tabs = child("tabview")
            child("singleLine").forceActiveFocus()
            compare(tabs.currentIndex, 0)
            keyClick(Qt.Key_Tab, Qt.AltModifier)
            compare(tabs.currentIndex, 1)
            keyClick(Qt.Key_Backtab, Qt.AltModifier | Qt.ShiftModifier)
            keyClick(Qt.Key_Backtab, Qt.AltModifier | Qt.ShiftModifier)
            compare(tabs.currentIndex, 2)
        }
    }
}
