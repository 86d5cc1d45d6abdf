import QtQuick 2.15
import QtQuick.Window 2.15
import Vignetta.Controls 1.0

// A dialog window placed over its owner. Its contents (the default property, a component) are
// created each time the window opens and destroyed when it closes, so every opening starts
// fresh. Open it by emitting open(), close it by emitting close().
Item {
    id: root

    property string title: ""
    property bool windowVisible: false
    property int modality: Qt.ApplicationModal
    property Item locator: null
    property int offsetX: 0
    property int offsetY: 0
    property Item firstFocusItem: null
    property var ownerWindow: null
    readonly property Item activeFocusItem: ownerWindow ? ownerWindow.activeFocusItem : null
    property bool autoCloseOnYes: true
    property bool autoCloseOnNo: true
    property bool autoCloseOnOk: true
    property bool autoCloseOnCancel: true
    default property Component contents
    // The live contents while the window is shown, else null.
    readonly property Item contentItem: loader.item

    signal init()
    signal open()
    signal close()
    signal yes()
    signal no()
    signal ok()
    signal cancel()
    signal apply()

    visible: false
    width: 0
    height: 0

    onOpen: internal.show()
    onClose: internal.hide()
    onWindowVisibleChanged: {
        if (windowVisible !== dialogWindow.visible)
            windowVisible ? open() : close()
    }

    QtObject {
        id: internal
        property bool explicitClose: false

        function show() {
            if (dialogWindow.visible) {
                dialogWindow.raise()
                dialogWindow.requestActivate()
                return
            }
            root.init()
            // Contents left over from a close still waiting to be destroyed go first.
            loader.active = false
            loader.active = true
            dialogWindow.opacity = 0
            // Fresh contents start without hover, wherever the pointer was in the last visit.
            DialogPlacement.forgetPointer(dialogWindow)
            // A window stays over its owner; an owner not yet shown would keep it hidden.
            var owner = root.Window.window
            dialogWindow.transientParent = owner && owner.visible ? owner : null
            dialogWindow.show()
            root.windowVisible = true
            if (loader.item && typeof loader.item.init === "function")
                loader.item.init()
            placeTimer.restart()
        }

        function hide() {
            if (!dialogWindow.visible)
                return
            explicitClose = true
            dialogWindow.close()
            explicitClose = false
        }

        // Closes for a signal of the contents and, when that signal closes automatically,
        // passes it on.
        function answer(autoClose, signalFn) {
            if (!autoClose)
                return
            hide()
            signalFn()
        }

        function finishClose() {
            placeTimer.stop()
            showTimer.stop()
            root.windowVisible = false
            // The contents may be in the middle of the handler that closed the window.
            Qt.callLater(internal.destroyContents)
            root.close()
        }

        function destroyContents() {
            if (!dialogWindow.visible)
                loader.active = false
        }

        // The tab view nearest to the focus: an ancestor of the focused item named "tabview",
        // else the first such item along the focus chain.
        function findTabView() {
            var focus = dialogWindow.activeFocusItem
            for (var p = focus; p; p = p.parent) {
                if (p.objectName === "tabview")
                    return p
            }
            var start = focus || loader.item
            if (!start)
                return null
            var item = start
            for (var guard = 0; guard < 1000; ++guard) {
                for (var a = item; a; a = a.parent) {
                    if (a.objectName === "tabview")
                        return a
                }
                item = item.nextItemInFocusChain(true)
                if (!item || item === start)
                    break
            }
            return null
        }

        function switchTab(step) {
            var view = findTabView()
            if (!view || !(view.count > 0))
                return
            view.currentIndex = (view.currentIndex + step + view.count) % view.count
        }
    }

    // Where the window goes: over the locator's centre or the owner's, inside the owner when
    // it is smaller, and inside the usable area of the screen.
    function place() {
        var owner = root.Window.window
        var ownerRect, point, usable
        if (locator && locator.Window.window) {
            var lw = locator.Window.window
            ownerRect = Qt.rect(lw.x, lw.y, lw.width, lw.height)
            point = locator.mapToItem(null, locator.width / 2, locator.height / 2)
            usable = DialogPlacement.usableArea(null, locator)
        } else if (owner) {
            ownerRect = Qt.rect(owner.x, owner.y, owner.width, owner.height)
            point = Qt.point(owner.width / 2, owner.height / 2)
            usable = DialogPlacement.usableArea(owner, root)
        } else {
            console.warn("Owner of the ModalWindow is not specified")
            return
        }
        var pos = DialogPlacement.place(ownerRect, point, Qt.size(dialogWindow.width, dialogWindow.height),
                                        offsetX, offsetY, usable)
        dialogWindow.x = pos.x
        dialogWindow.y = pos.y
    }

    Timer {
        id: placeTimer
        interval: 1
        onTriggered: {
            root.place()
            showTimer.restart()
        }
    }
    Timer {
        id: showTimer
        interval: 10
        onTriggered: {
            dialogWindow.opacity = 1
            dialogWindow.requestActivate()
            var target = root.firstFocusItem
            if (!target && loader.item)
                target = loader.item.nextItemInFocusChain(true)
            if (target)
                target.forceActiveFocus(Qt.ActiveWindowFocusReason)
        }
    }

    // The top-level window itself. It is held by a property rather than declared as a child,
    // so that its visibility is not tied to the owner's: a child window would be hidden again
    // when the owner is first shown, and shown again when the owner reappears.
    readonly property Window window: Window {
        id: dialogWindow
        title: root.title
        modality: root.modality
        flags: Qt.platform.os === "osx"
               ? Qt.Window | Qt.CustomizeWindowHint | Qt.WindowTitleHint | Qt.WindowCloseButtonHint
               : Qt.Dialog | Qt.CustomizeWindowHint | Qt.WindowTitleHint | Qt.WindowCloseButtonHint
        width: loader.item ? Math.max(1, loader.item.width) : 1
        height: loader.item ? Math.max(1, loader.item.height) : 1
        minimumWidth: width
        maximumWidth: width
        minimumHeight: height
        maximumHeight: height
        visible: false

        onClosing: {
            if (!internal.explicitClose) {
                var item = loader.item
                if (item && typeof item.closing === "function") {
                    var request = { accepted: true }
                    item.closing(request)
                    if (!request.accepted) {
                        close.accepted = false
                        return
                    }
                }
                root.cancel()
            }
        }
        onVisibleChanged: {
            if (!visible && root.windowVisible)
                internal.finishClose()
        }

        Loader {
            id: loader
            active: false
            sourceComponent: root.contents
        }

        Connections {
            target: loader.item
            ignoreUnknownSignals: true
            function onYes() { internal.answer(root.autoCloseOnYes, root.yes) }
            function onNo() { internal.answer(root.autoCloseOnNo, root.no) }
            function onOk() { internal.answer(root.autoCloseOnOk, root.ok) }
            function onCancel() { internal.answer(root.autoCloseOnCancel, root.cancel) }
            function onApply() { root.apply() }
        }

        Shortcut {
            sequences: ["Alt+Tab"]
            context: Qt.WindowShortcut
            onActivated: internal.switchTab(1)
        }
        Shortcut {
            sequences: ["Alt+Shift+Tab", "Alt+Backtab"]
            context: Qt.WindowShortcut
            onActivated: internal.switchTab(-1)
        }
    }
}
