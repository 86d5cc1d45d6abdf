import QtQuick 2.15
import QtTest 1.2
import "../../components_fc/qml/BasicControls"

Item {
    id: top
    width: 640
    height: 480

    MessageBox {
        id: box
        title: "Vignetta"
    }
    SignalSpy { id: yesSpy; target: box; signalName: "yes" }
    SignalSpy { id: noSpy; target: box; signalName: "no" }
    SignalSpy { id: okSpy; target: box; signalName: "ok" }
    SignalSpy { id: cancelSpy; target: box; signalName: "cancel" }
    SignalSpy { id: initSpy; target: box; signalName: "init" }
    SignalSpy { id: closeSpy; target: box; signalName: "close" }

    TestCase {
        name: "MessageBox"
        when: windowShown

        function init() {
            box.message = "Are you sure you want to delete all Events in the timeline?"
            box.iconType = "warning"
            box.useYesNo = false
            box.useCancel = false
            for (var spy of [yesSpy, noSpy, okSpy, cancelSpy, initSpy, closeSpy])
                spy.clear()
        }

        function cleanup() {
            box.close()
            tryVerify(function () { return box.contentItem === null })
        }

        function openBox() {
            box.open()
            verify(box.window.visible)
            // The window appears at full opacity once it has been placed.
            tryCompare(box.window, "opacity", 1)
            box.window.requestActivate()
            tryVerify(function () { return box.window.active })
        }

        function button(name) {
            return findChild(box.contentItem, name)
        }

        function test_buttonsShown_data() {
            return [
                { tag: "ok", yesNo: false, cancel: false, shown: ["okButton"] },
                { tag: "ok cancel", yesNo: false, cancel: true, shown: ["okButton", "cancelButton"] },
                { tag: "yes no", yesNo: true, cancel: false, shown: ["yesButton", "noButton"] },
                { tag: "yes no cancel", yesNo: true, cancel: true,
                  shown: ["yesButton", "noButton", "cancelButton"] },
            ]
        }

        function test_buttonsShown(data) {
            box.useYesNo = data.yesNo
            box.useCancel = data.cancel
            openBox()
            for (var name of ["yesButton", "noButton", "okButton", "cancelButton"])
                compare(button(name).visible, data.shown.indexOf(name) >= 0, name)
        }

        function test_eachButtonEmitsOnlyItsSignal_data() {
            return [
                { tag: "yes", yesNo: true, cancel: true, button: "yesButton", spy: yesSpy },
                { tag: "no", yesNo: true, cancel: true, button: "noButton", spy: noSpy },
                { tag: "ok", yesNo: false, cancel: true, button: "okButton", spy: okSpy },
                { tag: "cancel", yesNo: false, cancel: true, button: "cancelButton", spy: cancelSpy },
            ]
        }

        function test_eachButtonEmitsOnlyItsSignal(data) {
            box.useYesNo = data.yesNo
            box.useCancel = data.cancel
            openBox()
            mouseClick(button(data.button))
            compare(data.spy.count, 1)
            compare(yesSpy.count + noSpy.count + okSpy.count + cancelSpy.count, 1)
            verify(!box.window.visible)
            compare(closeSpy.count, 1)
            verify(!box.windowVisible)
        }

        function test_keys() {
            box.useYesNo = true
            openBox()
            keyClick(Qt.Key_Escape)        // no Cancel in a Yes/No box: nothing happens
            verify(box.window.visible)
            compare(cancelSpy.count, 0)
            keyClick(Qt.Key_N)
            compare(noSpy.count, 1)
            verify(!box.window.visible)

            box.useCancel = true
            openBox()
            keyClick(Qt.Key_Y)
            compare(yesSpy.count, 1)
            compare(cancelSpy.count, 0)

            openBox()
            keyClick(Qt.Key_Escape)
            compare(cancelSpy.count, 1)
            verify(!box.window.visible)

            // An OK box: Esc cancels even though no Cancel button is shown.
            box.useYesNo = false
            box.useCancel = false
            openBox()
            keyClick(Qt.Key_Y)
            compare(yesSpy.count, 1)
            keyClick(Qt.Key_Escape)
            compare(cancelSpy.count, 2)
        }

        // The keypad's Enter is Return: it presses the focused button, OK when it has the focus.
        function test_keypadEnterPressesTheFocusedButton() {
            box.useCancel = true
            openBox()
            verify(button("okButton").activeFocus)
            keyClick(Qt.Key_Enter, Qt.KeypadModifier)
            compare(okSpy.count, 1)
            verify(!box.window.visible)

            openBox()
            keyClick(Qt.Key_Tab)
            verify(button("cancelButton").activeFocus)
            keyClick(Qt.Key_Enter, Qt.KeypadModifier)
            compare(cancelSpy.count, 1)
            compare(okSpy.count, 1)

            // With the focus on no button, Return presses OK, the default button.
            openBox()
            box.contentItem.forceActiveFocus()
            keyClick(Qt.Key_Return)
            compare(okSpy.count, 2)

            box.useYesNo = true
            openBox()
            verify(button("yesButton").activeFocus)
            keyClick(Qt.Key_Enter, Qt.KeypadModifier)
            compare(yesSpy.count, 1)
        }

        function test_closeButtonCancels() {
            box.useYesNo = true
            openBox()
            box.window.close()
            compare(cancelSpy.count, 1)
            compare(closeSpy.count, 1)
            verify(!box.window.visible)
        }

        function test_contentsLiveOnlyWhileShown() {
            openBox()
            var first = box.contentItem
            verify(first !== null)
            box.open()                      // already open: raised, not re-initialised
            compare(initSpy.count, 1)
            compare(box.contentItem, first)
            box.close()
            tryVerify(function () { return box.contentItem === null })
            openBox()
            compare(initSpy.count, 2)
            verify(box.contentItem !== null)
        }

        function test_layout() {
            box.message = "Hi"
            box.iconType = ""
            openBox()
            var area = box.contentItem.children[0]
            compare(area.width, 200)
            compare(area.height, 88)
            compare(box.window.width, box.contentItem.width)
            box.close()

            box.message = "Copied the timeline to the clipboard as an event. This line is long enough to wrap."
            box.iconType = "check"
            openBox()
            var text = findChild(box.contentItem, "messageText")
            compare(text.width, 200)
            verify(text.lineCount > 1)
            area = box.contentItem.children[0]
            compare(area.width, 32 + 12 + 200 + 60)
            compare(area.height, Math.max(88, text.height + 20))
        }
    }
}
