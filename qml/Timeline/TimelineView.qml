import QtQuick 2.15
import QtQuick.Window 2.15
import Vignetta.Frame 1.0
import Vignetta.Scene 1.0 as Vig
import Vignetta.Timeline 1.0
import Vignetta.Audio 1.0
import "../Controls" as Vig
import "../Singletons" as Vig
import "../../components_fc/qml/BasicControls"
import "../../components_fc/qml/Singletons"

// The timeline: a frame ruler with the cursor and the marker lane, and below it the lanes of
// the scene with their blocks, scrolled only by the scroll bars. The state and the rules live in
// the TimelineController; the blocks come from TimelineDataManager's lane models. This item
// lays them out, forwards the mouse and keys, and carries the names the other views use.
FocusScope {
    id: root

    // --- Set by the window ------------------------------------------------------------------
    property var mainView: null
    property var mainMenu: null
    // False until a project is open: the ruler and the marker lane ignore the mouse.
    property bool previewEnabled: false
    // Set by the preview while a message or scrolling text holds the playback clock.
    property bool playbackPause: false

    // --- State ------------------------------------------------------------------------------
    readonly property alias controller: controller
    readonly property int pixelPerFrame: Vig.TimelineDataManager.pixelPerFrame
    readonly property int laneHeight: Vig.TimelineDataManager.laneHeight
    readonly property real timelineX: controller.cursorFrame * pixelPerFrame
    readonly property var checkedBlocks: internalSelection.checkedBlocks
    readonly property var pressedBlocks: internalSelection.pressedIds
    readonly property Item checkedLane: laneRepeater.count >= 0 && controller.checkedLaneId > 0
                                        ? getLane(controller.checkedLaneId) : null
    readonly property int checkedLaneId: controller.checkedLaneId
    readonly property rect selectionRange: controller.selectionRange
    readonly property int dragMode: controller.dragMode
    readonly property bool dragging: controller.dragging
    readonly property rect constrainRect: controller.constrainRect
    readonly property int dragStartLane: controller.dragStartLane
    readonly property int draggingCurrentLane: controller.draggingCurrentLane
    readonly property bool isPlayback: controller.isPlayback
    readonly property bool allowEdit: controller.allowEdit
    readonly property int selectionRevision: selectionRevision_
    property int selectionRevision_: 0
    readonly property bool blockInputEnabled: !controller.inserting
    // Raised to make picture thumbnails and kind icons be fetched again.
    property int thumbnailRevision: 0
    property int iconRevision: 0

    // Menu states.
    readonly property bool cutEnabled: controller.selectedCount > 0
    readonly property bool copyEnabled: controller.selectedCount > 0
    readonly property bool pasteEnabled: controller.checkedLaneId > 0 && Clipboard.format === "timeline"
    readonly property bool deleteEnabled: controller.selectedCount > 0 || controller.checkedMarkerId > 0
    readonly property bool copyAsEventEnabled: Vig.TimelineDataManager.blockCount > 0

    // --- Geometry ---------------------------------------------------------------------------
    readonly property int rulerHeight: 28
    readonly property real maxRight: Vig.TimelineDataManager.maxDuration * pixelPerFrame
    // Right edge of the rightmost block or marker.
    readonly property real lanesRight: Vig.TimelineDataManager.lastFrame * pixelPerFrame
    readonly property int laneCount: Vig.TimelineDataManager.lanes.count
    readonly property real lanesHeight: laneCount * laneHeight
    readonly property real viewportWidth: Math.max(0, width - vScrollBar.width)
    readonly property real viewportHeight: Math.max(0, height - hScrollBar.height)
    readonly property real lanesViewHeight: Math.max(0, viewportHeight - rulerHeight)
    // The scrollable width reaches one visible width past the content or the cursor, so that
    // the cursor can be put beyond the last block; never past the end of the timeline.
    readonly property real contentWidth: Math.min(maxRight,
                                                  Math.max(lanesRight, timelineX) + viewportWidth)
    readonly property real contentHeight: rulerHeight + lanesHeight
    readonly property real maxScrollX: Math.max(0, contentWidth - viewportWidth)
    readonly property real maxScrollY: Math.max(0, lanesHeight - lanesViewHeight)
    property real scrollX: 0
    property real scrollY: 0
    onMaxScrollXChanged: if (scrollX > maxScrollX) scrollX = maxScrollX
    onMaxScrollYChanged: if (scrollY > maxScrollY) scrollY = maxScrollY
    // Block items exist only for frames around the visible part (half a visible width either
    // side at least); the window moves half a width at a time, so most scroll steps create no
    // items.
    readonly property real windowStep: Math.max(128, Math.ceil(viewportWidth / 2))
    readonly property int windowIndex: Math.floor(scrollX / windowStep)
    readonly property int windowFirstFrame: Math.floor((windowIndex - 1) * windowStep / pixelPerFrame)
    readonly property int windowLastFrame: Math.ceil((windowIndex + 4) * windowStep / pixelPerFrame)
    // ... and for the lanes around the visible ones (half a visible height either side).
    readonly property int windowFirstLane: Math.max(1, Math.floor((scrollY - lanesViewHeight / 2) / laneHeight) + 1)
    readonly property int windowLastLane: Math.floor((scrollY + 1.5 * lanesViewHeight) / laneHeight) + 1

    // --- Signals ----------------------------------------------------------------------------
    signal checkedBlockChanged()
    signal commentBlockChecked(var block)
    signal blockDraged()
    signal blockDragEnd()
    signal blockDeleted()
    signal propertyChanged(var changer)
    signal updateMenuItems()
    signal undone()
    signal playbackStart()
    signal blockInserted()
    signal copyAsEventCompleted(bool success)
    signal inputTriggerd()
    signal inputReleased()

    TimelineController {
        id: controller
        dataManager: Vig.TimelineDataManager
        playbackPause: root.playbackPause
        onSelectionChanged: {
            internalSelection.checkedBlocks = checkedBlocks
            internalSelection.pressedIds = pressedIds
            root.selectionRevision_++
            root.checkedBlockChanged()
            root.updateMenuItems()
        }
        onMarkerChecked: {
            root.updateMenuItems()
            root.commentBlockChecked(block)
        }
        onCheckedMarkerIdChanged: root.updateMenuItems()
        onCheckedLaneIdChanged: root.updateMenuItems()
        onBlockDraged: root.blockDraged()
        onBlockDragEnd: root.blockDragEnd()
        onBlockDeleted: root.blockDeleted()
        onBlockInserted: {
            root.blockInserted()
            root.updateMenuItems()
        }
        onUndone: root.undone()
        onPlaybackStart: root.playbackStart()
        onIsPlaybackChanged: if (!isPlayback) root.stopAudio()
        onCursorFrameChanged: if (isPlayback) root.followCursor()
    }

    // The selection as the receivers of checkedBlockChanged() read it: taken from the controller
    // before the signal goes out (a binding to the controller would still hold the previous
    // selection while the signal's handlers run).
    QtObject {
        id: internalSelection
        property var checkedBlocks: []
        property var pressedIds: []
    }

    // Playback stopped: every sound stops with it.
    function stopAudio() {
        AudioPlayer.stopAll()
    }

    // --- Operations -------------------------------------------------------------------------
    function playback() {
        forceActiveFocus()
        controller.playback()
    }
    function pause() { controller.pause() }
    function clear() {
        controller.clear()
        scrollX = 0
        scrollY = 0
        updateMenuItems()
    }
    function addLane() { return controller.addLane() }
    // Inserts a block array at the cursor on the selected lane; true when it was accepted.
    function insertBlocks(blocks) { return controller.insertBlocks(blocks) }
    function pressedByView(blockId) { controller.pressedByView(blockId) }
    function loadedPictures() { thumbnailRevision++ }
    function refreshIconSource() { iconRevision++ }
    function getLane(laneId) {
        return laneId >= 1 && laneId <= laneRepeater.count ? laneRepeater.itemAt(laneId - 1) : null
    }
    // The item of a block or marker, or null (also for a block far from the visible part,
    // which has none).
    function getBlockElement(blockId) {
        var row = visibleBlocks.rowOf(blockId)
        return row >= 0 ? blockRepeater.itemAt(row) : markerLane.itemOf(blockId)
    }
    function isBlockChecked(blockId) { return controller.isChecked(blockId) }
    // The kind icons of the current theme, by blockMode.
    readonly property var blockIcons: {
        var names = ["event_picture_16", "event_message_16", "event_fade_16", "event_audio_16",
                     "event_screen_16", "event_comment_16", "event_stamp_16", "event_scroll_16",
                     "event_audio_fade_16"]
        var urls = []
        for (var i = 0; i < names.length; ++i)
            urls.push(iconRevision >= 0 && Vig.ThemeManager.currentTheme
                      ? Vig.ThemeManager.iconUrl(names[i]) : "")
        return urls
    }
    function blockIconSource(mode) {
        return mode >= 0 && mode < blockIcons.length ? blockIcons[mode] : ""
    }
    // The block backgrounds, shared by every block item.
    readonly property Gradient blockGradient: Gradient {
        GradientStop { position: 0; color: ThemeManager.currentTheme.toolBar1 }
        GradientStop { position: 1; color: ThemeManager.currentTheme.toolBar2 }
    }
    readonly property Gradient hoverGradient: Gradient {
        GradientStop { position: 0; color: ThemeManager.currentTheme.hotButton1 }
        GradientStop { position: 1; color: ThemeManager.currentTheme.hotButton2 }
    }
    function setCursorFrame(frame) { controller.cursorFrame = frame }

    // A property edit of the one selected block (or the selected marker's comment).
    function propertyChange(changer) {
        if (!controller.acceptsPropertyChange())
            return
        propertyChanged(changer)
        controller.recordPropertyChange(changer ? changer.changedProperty : "")
    }

    // --- Edit commands ----------------------------------------------------------------------
    function copy() {
        var text = controller.copyText()
        if (text !== "")
            Clipboard.setData("timeline", text)
    }
    function cut() {
        if (!allowEdit || controller.selectedCount === 0)
            return
        copy()
        deleteBlock()
    }
    function paste() {
        if (!allowEdit || !pasteEnabled)
            return
        controller.pasteText(Clipboard.getData("timeline"))
    }
    function deleteBlock() {
        if (!allowEdit)
            return
        controller.deleteSelection()
        updateMenuItems()
    }
    function undo() {
        if (controller.undo())
            thumbnailRevision++
    }
    function redo() {
        if (controller.redo())
            thumbnailRevision++
    }
    function shrink() { controller.setZoom(1) }
    function expand() { controller.setZoom(0) }

    HeavyProcessTimer { id: heavyProcessTimer }
    function copyAsEvent() {
        heavyProcessTimer.run(function() {
            var text = Vig.TimelineDataManager.convertData2EventText()
            if (text === "") {
                root.copyAsEventCompleted(false)
                return
            }
            Vig.ClipboardFC.setData("EventCommand", text)
            root.copyAsEventCompleted(true)
        })
    }

    // --- Cursor -----------------------------------------------------------------------------
    function toStartFrame() { if (controller.toStartFrame()) centreCursor() }
    function toEndFrame() { if (controller.toEndFrame()) centreCursor() }
    function toNextFrame() { controller.toNextFrame() }
    function toPrevFrame() { controller.toPrevFrame() }
    function toNextEvent() { if (controller.toNextEvent()) centreCursor() }
    function toPrevEvent() { if (controller.toPrevEvent()) centreCursor() }
    // After one event-loop turn, the cursor in the middle of the visible width.
    function centreCursor() {
        Qt.callLater(function() {
            root.scrollX = Math.max(0, Math.min(root.maxScrollX,
                                                Math.floor(root.timelineX - root.viewportWidth / 2)))
        })
    }
    // During playback the view pages along with the cursor.
    function followCursor() {
        var x = timelineX - scrollX
        if (x < 0 || x >= viewportWidth - 8)
            scrollX = Math.max(0, Math.min(maxScrollX, timelineX - 8))
    }

    // --- Keys -------------------------------------------------------------------------------
    function isInputKey(key) {
        return key === Qt.Key_Z || key === Qt.Key_X || key === Qt.Key_Enter || key === Qt.Key_Return
    }
    Keys.onPressed: {
        if (event.key === Qt.Key_Escape
                && (controller.dragMode !== 0 || controller.pressedMarkerId !== 0)) {
            controller.cancelMouse()
            event.accepted = true
        } else if (isInputKey(event.key) && !event.isAutoRepeat) {
            inputTriggerd()
            event.accepted = true
        }
    }
    Keys.onReleased: {
        if (isInputKey(event.key) && !event.isAutoRepeat) {
            inputReleased()
            event.accepted = true
        }
    }
    // A window that loses the mouse in the middle of a drag ends the drag without a change.
    Connections {
        target: root.Window.window
        function onActiveChanged() {
            if (root.Window.window && !root.Window.window.active)
                controller.cancelMouse()
        }
    }
    onPixelPerFrameChanged: centreCursor()

    // --- Layout -----------------------------------------------------------------------------
    Rectangle {
        anchors.fill: parent
        color: ThemeManager.currentTheme.outsideArea
    }

    Item {
        id: lanesViewport
        objectName: "lanesViewport"
        x: 0
        y: root.rulerHeight
        width: root.viewportWidth
        height: root.lanesViewHeight
        clip: true

        // Presses on empty lane space, and every press on a block once the block has reported
        // it: this area holds the mouse until the release.
        MouseArea {
            id: laneArea
            objectName: "laneArea"
            anchors.fill: parent
            enabled: !controller.inserting
            acceptedButtons: Qt.LeftButton | Qt.RightButton
            onPressed: {
                root.forceActiveFocus()
                if (controller.dragMode !== 0)
                    return
                if (mouse.button === Qt.RightButton) {
                    controller.pause()
                    root.openContextMenu()
                    return
                }
                var y = mouse.y + root.scrollY
                var laneId = Math.floor(y / root.laneHeight) + 1
                controller.pressLane(laneId <= root.laneCount ? laneId : -1)
            }
            onPositionChanged: controller.moveMouse(mouse.x + root.scrollX, mouse.y + root.scrollY)
            onReleased: controller.releaseMouse()
            onCanceled: controller.cancelMouse()
            onWheel: root.wheelScroll(wheel)
        }

        Item {
            id: lanesContent
            objectName: "lanesContent"
            x: -root.scrollX
            y: -root.scrollY
            width: root.contentWidth
            height: root.lanesHeight

            // Behind the blocks, as wide as the content. Only about the visible part is painted,
            // from a whole pair of squares on, so that the pattern scrolls with the blocks.
            Vig.CheckerBoard2 {
                anchors.fill: undefined
                x: Math.floor(Math.max(0, root.scrollX) / 32) * 32
                y: Math.floor(Math.max(0, root.scrollY) / 32) * 32
                width: Math.max(0, Math.min(root.lanesRight - x, root.viewportWidth + 32))
                height: Math.max(0, Math.min(root.lanesHeight - y, root.lanesViewHeight + 32))
                visible: width > 0 && height > 0
            }

            Repeater {
                id: laneRepeater
                model: Vig.TimelineDataManager.lanes
                delegate: Lane {
                    view: root
                    laneId: model.laneId
                }
            }

            Repeater {
                id: blockRepeater
                model: VisibleBlocksModel {
                    id: visibleBlocks
                    dataManager: Vig.TimelineDataManager
                    firstFrame: root.windowFirstFrame
                    lastFrame: root.windowLastFrame
                    firstLane: root.windowFirstLane
                    lastLane: root.windowLastLane
                }
                delegate: EventBlock {
                    view: root
                    blockId: model.blockId
                    laneId: model.laneId
                    blockStart: model.blockStart
                    blockDelay: model.blockDelay
                    blockMode: model.blockMode
                    resizable: model.resizable
                    minDelay: model.minDelay
                    maxDelay: model.maxDelay
                    imageName: model.imageName
                    messageText: model.messageText
                    y: (model.laneId - 1) * root.laneHeight
                }
            }

            // Drag ghosts: where the dragged blocks would land.
            Repeater {
                id: ghostRepeater
                model: controller.ghosts
                delegate: Rectangle {
                    objectName: "ghost"
                    x: model.x
                    y: (model.laneId - 1) * root.laneHeight
                    width: model.width
                    height: root.laneHeight
                    z: 10
                    color: "transparent"
                    border.width: 2
                    border.color: ThemeManager.currentTheme.focusFrame
                }
            }
        }

        // The cursor line.
        Rectangle {
            objectName: "cursorLine"
            x: Math.floor(root.timelineX - root.scrollX)
            y: 0
            width: 1
            height: Math.max(0, Math.min(parent.height, root.lanesHeight - root.scrollY))
            color: "#00FF00"
            visible: x >= 0 && x < parent.width
        }
    }

    Ruler {
        id: ruler
        objectName: "ruler"
        width: root.viewportWidth
        controller: controller
        scrollX: root.scrollX
        pixelPerFrame: root.pixelPerFrame
        timelineX: root.timelineX
        enabled: root.previewEnabled
        onPressed: root.forceActiveFocus()
    }

    // The marker lane and its lines over the lanes, clipped to the visible area.
    Item {
        id: markerLayer
        y: 16
        width: root.viewportWidth
        height: Math.max(0, root.viewportHeight - y)
        clip: true

        MarkerLane {
            id: markerLane
            objectName: "markerLane"
            controller: controller
            scrollX: root.scrollX
            timelineWidth: root.viewportWidth
            lanesHeight: Math.max(0, Math.min(root.lanesViewHeight, root.lanesHeight - root.scrollY))
            pixelPerFrame: root.pixelPerFrame
            windowFirstFrame: root.windowFirstFrame
            windowLastFrame: root.windowLastFrame
            width: root.viewportWidth
            enabled: root.previewEnabled && !controller.inserting
            onMarkerPressed: {
                root.forceActiveFocus()
                controller.pause()
            }
            onContextMenuRequested: root.openContextMenu()
        }
    }

    TimelineScrollBar {
        id: hScrollBar
        objectName: "hScrollBar"
        horizontal: true
        anchors { left: parent.left; bottom: parent.bottom }
        width: root.viewportWidth
        height: 14
        total: root.contentWidth
        pageSize: root.viewportWidth
        position: root.scrollX
        onMoved: root.scrollX = Math.round(position)
    }
    TimelineScrollBar {
        id: vScrollBar
        objectName: "vScrollBar"
        horizontal: false
        anchors { right: parent.right; top: parent.top }
        height: root.viewportHeight
        width: root.lanesHeight > root.lanesViewHeight ? 14 : 0
        visible: width > 0
        total: root.lanesHeight
        pageSize: root.lanesViewHeight
        position: root.scrollY
        onMoved: root.scrollY = Math.round(position)
    }

    function wheelScroll(wheel) {
        var horizontal = wheel.angleDelta.x !== 0 || (wheel.modifiers & Qt.ShiftModifier)
        var delta = (wheel.angleDelta.x !== 0 ? wheel.angleDelta.x : wheel.angleDelta.y) / 120 * 48
        if (horizontal)
            scrollX = Math.max(0, Math.min(maxScrollX, scrollX - delta))
        else
            scrollY = Math.max(0, Math.min(maxScrollY, scrollY - delta))
    }

    function openContextMenu() {
        if (mainMenu && mainMenu.timelineContextMenu)
            mainMenu.timelineContextMenu.popup()
    }

    // Called by a block's grips before the press reaches the lane area.
    function blockPressed(blockId, grip, mouse, area) {
        forceActiveFocus()
        var p = area.mapToItem(lanesContent, mouse.x, mouse.y)
        var button = mouse.button === Qt.RightButton ? TimelineController.RightButton
                                                      : TimelineController.LeftButton
        controller.pressBlock(blockId, grip, mouse.modifiers, button, p.x, p.y)
    }
}
