import QtQuick 2.15
import QtQuick.Controls 1.4 as QQC1
import Kivra.append 1.0
import Vignetta.Scene 1.0 as Vig
import Vignetta.Project 1.0
import Vignetta.Audio 1.0
import Vignetta.MainView 1.0
import "../Event"
import "../../components_fc/qml/BasicControls"

// The upper-left pane of the main window: the game screen at the timeline's cursor frame with
// the message window, the scrolling text and the frames of the selected picture over it. It
// follows the timeline: every cursor move and every edit samples the scene again (in C++,
// MainViewController.sample) and hands the result to the preview and the text previews. During
// playback it does the same once a frame, starts the sounds, and holds the timeline while a
// message or scrolling text is being read.
//
// A click on a picture selects its block; the name tag and the handle of the selected picture's
// frames move and resize it (Shift keeps one axis, Alt moves only the frame grabbed). A drag
// writes nothing itself: it fills `changer` and reports changed(), and the property panel writes
// the new placement into the block.
FocusScope {
    id: root

    // --- Set by the window ------------------------------------------------------------------
    property var mainMenu: null
    property var timelineView: null

    // --- State ------------------------------------------------------------------------------
    readonly property ViewChanger changer: ViewChanger {}
    // False while a frame is being dragged.
    readonly property bool allowEdit: !controller.dragging
    // The start and end frames of the selected picture are shown.
    property bool frameVisible: false
    // The picture block whose frames are shown.
    property int pressedBlockId: -1
    property bool playbackMode: false
    // Holds the timeline while a message or scrolling text plays.
    property bool playbackPause: false
    readonly property int pixelPerFrame: Vig.TimelineDataManager.pixelPerFrame
    readonly property real screenScale: mainMenu ? mainMenu.screenScale : 1
    readonly property int screenWidth: Vig.TimelineDataManager.screenWidth
    readonly property int screenHeight: Vig.TimelineDataManager.screenHeight
    // The message window's position (0 top, 1 middle, 2 bottom).
    property int messagePosition: 2
    // The frame last sampled for playback (-1: none since playback started).
    property int playbackFrame: -1
    // For tests and tools: the preview item, the text previews and the frames.
    readonly property alias preview: preview
    readonly property alias textPreview: textPreview
    readonly property alias scrollTextPreview: scrollTextPreview
    readonly property alias startFrame: startFrame
    readonly property alias endFrame: endFrame
    readonly property alias controller: controller

    signal checkedBlockChanged()
    // A frame drag ended; the new placement is in `changer`.
    signal changed()
    // A click selected a block (-1: none).
    signal pressed(int blockId)
    signal loadedPictures()
    signal inputPressed()
    signal inputReleased()

    MainViewController {
        id: controller
        dataManager: Vig.TimelineDataManager
    }

    // --- Functions --------------------------------------------------------------------------
    // The timeline's cursor frame.
    function currentFrame() {
        if (!timelineView)
            return 0
        if (timelineView.controller)
            return timelineView.controller.cursorFrame
        return Math.floor(timelineView.timelineX / pixelPerFrame)
    }

    // Shows the scene at the cursor frame for editing. With a property changer that moved the
    // message cursor ("messageLineIndex"), the message window shows that line's page.
    function updatePreview(propertyChanger) {
        playbackPause = false
        var line = propertyChanger && propertyChanger.changedProperty === "messageLineIndex"
                ? propertyChanger.currentLineIndex : -1
        var sample = controller.sample(currentFrame(), false, line)
        showScreen(sample)
        showText(sample.window, false)
    }

    // Shows the scene at the cursor frame as the game would play it: texts start playing and
    // hold the timeline, sounds start at their first frame.
    function updatePlayback() {
        playbackFrame = currentFrame()
        var sample = controller.sample(playbackFrame, true)
        showScreen(sample)
        showText(sample.window, true)
        for (var i = 0; i < sample.sounds.length; ++i)
            AudioPlayer.play(sample.sounds[i].channel, sample.sounds[i].audio)
        if (sample.fadeOut)
            AudioPlayer.fadeOut(sample.fadeOut.channel, sample.fadeOut.seconds)
    }

    function stopPlayback() {
        if (scrollTextPreview.running)
            scrollTextPreview.terminateMessage()
        updatePreview()
    }

    function playbackInitialize() {
        playbackFrame = -1
        AudioPlayer.stopAll()
        updatePlayback()
    }

    // Loads the picture of every picture block (each file once; cached names cost nothing).
    function loadPictures() {
        var names = Vig.TimelineDataManager.getPictureList()
        for (var i = 0; i < names.length; ++i)
            preview.loadPicture(names[i])
        updatePreview()
        loadedPictures()
    }
    function loadPicture(name) { return preview.loadPicture(name) }
    function getPicture(name) { return preview.getPicture(name) }
    function getPictureSize(name) { return preview.getPictureSize(name) }

    function setScreenSize(w, h) {
        Vig.TimelineDataManager.screenWidth = w
        Vig.TimelineDataManager.screenHeight = h
        updatePreview()
    }

    function clearImageList() {
        preview.clearPictureList()
        updatePreview()
    }

    function getMessageLines(text, index) {
        return controller.messageLines(text, index)
    }

    // Places the frames of the one selected picture block (not during playback).
    function updateFrame() {
        if (!timelineView || playbackMode)
            return
        var blocks = timelineView.checkedBlocks
        if (!blocks || blocks.length !== 1)
            return
        if (controller.placeFrames(blocks[0].blockId, screenScale)) {
            startFrame.requestPaint()
            endFrame.requestPaint()
        }
    }

    function relocateMessage() {
        textPreview.y = textPreview.positions[messagePosition] * screenScale
    }

    function showScreen(sample) {
        preview.setBlendColor(sample.blendColor)
        preview.setShake(sample.shake)
        preview.updateDisplayList(sample.displayList, sample.fade, sample.frame)
    }

    function hideText(item) {
        if (item.running)
            item.terminateMessage()
        item.visible = false
        item.blockId = -1
    }

    // Shows the text window of a sample (null: none) in the message window or the scrolling
    // text, or hides both. In playback the shown text holds the timeline until it ends; the
    // hold is set before the text starts, as a text that ends at once releases it at once.
    function showText(shown, playback) {
        var message = !!shown && shown.kind === "message" && textPreview.ready
        var scroll = !!shown && shown.kind === "scroll" && scrollTextPreview.ready
        // The text that goes away is ended first, so that its end cannot release the hold of
        // the one that comes.
        if (!message)
            hideText(textPreview)
        if (!scroll)
            hideText(scrollTextPreview)
        if (message) {
            textPreview.blockId = shown.blockId
            messagePosition = shown.position
            relocateMessage()
            textPreview.background = shown.background
            textPreview.faceImageName = shown.faceName
            textPreview.faceImageIndex = shown.faceIndex
            textPreview.playbackMode = playback
            textPreview.text = shown.text
            textPreview.visible = true
            if (playback)
                playbackPause = true
            textPreview.requestPaint()
        } else if (scroll) {
            scrollTextPreview.blockId = shown.blockId
            scrollTextPreview.y = 0
            scrollTextPreview.background = 2
            scrollTextPreview.text = shown.text
            scrollTextPreview.playbackMode = playback
            scrollTextPreview.scrollSpeedRate = shown.scrollSpeed
            scrollTextPreview.scrollNoFast = shown.scrollNoFast
            // Played, the text comes up from below the screen.
            scrollTextPreview.scrollY = playback ? preview.height : 0
            scrollTextPreview.visible = true
            if (playback)
                playbackPause = true
            scrollTextPreview.requestPaint()
        }
    }

    // --- Reactions --------------------------------------------------------------------------
    onScreenScaleChanged: {
        updateFrame()
        relocateMessage()
    }
    // (During playback the cursor keeps its frame through a zoom change: a text playing goes on.)
    onPixelPerFrameChanged: {
        if (!playbackMode && Vig.TimelineDataManager.lanes.count > 0)
            updatePreview()
    }
    onPlaybackPauseChanged: {
        if (timelineView)
            timelineView.playbackPause = playbackPause
    }
    onCheckedBlockChanged: {
        var blocks = timelineView ? timelineView.checkedBlocks : []
        if (blocks && blocks.length === 1 && blocks[0].blockMode === Vig.TimelineDataManager.mode_picture) {
            pressedBlockId = blocks[0].blockId
            updateFrame()
            frameVisible = true
        } else {
            frameVisible = false
        }
    }
    onInputPressed: {
        if (playbackMode) {
            textPreview.press()
            scrollTextPreview.press()
        }
    }
    onInputReleased: {
        if (playbackMode)
            scrollTextPreview.release()
    }
    // The timeline selects the block clicked and refreshes its thumbnails.
    onPressed: if (timelineView) timelineView.pressedByView(blockId)
    onLoadedPictures: if (timelineView) timelineView.loadedPictures()

    Connections {
        target: root.timelineView
        ignoreUnknownSignals: true
        // In playback only a new frame is played: a zoom change moves the cursor's pixels but
        // must not start the frame's sounds and texts again.
        function onTimelineXChanged() {
            if (!root.playbackMode)
                root.updatePreview()
            else if (root.currentFrame() !== root.playbackFrame)
                root.updatePlayback()
        }
        function onBlockDraged() { root.updatePreview() }
        function onBlockDragEnd() { root.updatePreview() }
        function onUndone() { root.updatePreview() }
        function onBlockDeleted() { root.updatePreview() }
        function onPropertyChanged(changer) { root.updatePreview(changer) }
        function onIsPlaybackChanged() {
            root.playbackMode = root.timelineView.isPlayback
            if (!root.playbackMode)
                root.stopPlayback()
        }
        function onPlaybackStart() { root.playbackInitialize() }
        function onBlockInserted() { root.loadPictures() }
        function onCheckedBlockChanged() { root.checkedBlockChanged() }
        function onInputTriggerd() { root.inputPressed() }
        function onInputReleased() { root.inputReleased() }
    }
    // A scene brought back whole (undo, redo, a restored scene) may name pictures not loaded yet.
    Connections {
        target: Vig.TimelineDataManager
        function onDocumentReset() { root.loadPictures() }
    }

    // --- Keys: the player's decision button -------------------------------------------------
    function isInputKey(key) {
        return key === Qt.Key_Z || key === Qt.Key_X || key === Qt.Key_Enter || key === Qt.Key_Return
    }
    Keys.onPressed: {
        if (event.key === Qt.Key_Escape && controller.dragging) {
            // The frames go back; the block was never touched.
            controller.cancelDrag()
            event.accepted = true
        } else if (isInputKey(event.key) && !event.isAutoRepeat) {
            inputPressed()
            event.accepted = true
        }
    }
    Keys.onReleased: {
        if (isInputKey(event.key) && !event.isAutoRepeat) {
            inputReleased()
            event.accepted = true
        }
    }

    // --- Layout -----------------------------------------------------------------------------
    Palette { id: palette }

    Rectangle {
        anchors.fill: parent
        color: palette.outsideArea
    }

    QQC1.ScrollView {
        id: scrollView
        objectName: "previewScroll"
        anchors.fill: parent
        style: ThemeScrollViewStyle {}

        Item {
            id: content
            readonly property real viewWidth: scrollView.viewport.width
            readonly property real viewHeight: scrollView.viewport.height
            width: Math.max(viewWidth, screenRect.width + 2)
            height: Math.max(viewHeight, screenRect.height + 2)

            // The game screen, centred in a larger pane; its border lies one pixel outside it.
            Rectangle {
                id: screenRect
                objectName: "screenRect"
                width: preview.width * root.screenScale
                height: preview.height * root.screenScale
                x: content.viewWidth > width + 2 ? Math.trunc(content.viewWidth / 2 - width / 2) : 1
                y: content.viewHeight > height + 2 ? Math.trunc(content.viewHeight / 2 - height / 2) : 1
                color: "#000000"

                Rectangle {
                    x: -1
                    y: -1
                    width: parent.width + 2
                    height: parent.height + 2
                    color: "transparent"
                    border.width: 1
                    border.color: palette.highlight
                }

                PreviewBody {
                    id: preview
                    objectName: "previewBody"
                    width: root.screenWidth
                    height: root.screenHeight
                    scale: root.screenScale
                    transformOrigin: Item.TopLeft
                    projectUrl: DataManager.projectUrl
                    fade: 255
                    onUpdated: root.updateFrame()
                }

                TextPreview {
                    id: textPreview
                    objectName: "textPreview"
                    x: 8 * root.screenScale
                    scale: root.screenScale
                    transformOrigin: Item.TopLeft
                    screenWidth: preview.width
                    screenHeight: preview.height
                    onTerminate: root.playbackPause = false
                }

                TextPreview {
                    id: scrollTextPreview
                    objectName: "scrollTextPreview"
                    scroll: true
                    scale: root.screenScale
                    transformOrigin: Item.TopLeft
                    screenWidth: preview.width
                    screenHeight: preview.height
                    onTerminate: root.playbackPause = false
                }

                Frame {
                    id: startFrame
                    objectName: "startFrame"
                    frameColor: "#990099"
                    x: controller.startRect.x
                    y: controller.startRect.y
                    width: controller.startRect.width
                    height: controller.startRect.height
                    text: controller.tagText
                    origin: controller.origin
                    visible: root.frameVisible && !root.playbackMode
                }

                Frame {
                    id: endFrame
                    objectName: "endFrame"
                    frameColor: "#009900"
                    textColor: "#009900"
                    x: controller.endRect.x
                    y: controller.endRect.y
                    width: controller.endRect.width
                    height: controller.endRect.height
                    rotation: controller.endRotation
                    text: controller.tagText
                    origin: controller.origin
                    visible: root.frameVisible && !root.playbackMode
                }
            }
        }
    }

    // Over the visible part of the scroll view (not its scroll bars); it does not scroll.
    MouseArea {
        id: mouseArea
        objectName: "previewMouseArea"
        x: 0
        y: 0
        width: scrollView.viewport.width
        height: scrollView.viewport.height
        hoverEnabled: true

        function inside(point, x, y, width, height) {
            return x <= point.x && point.x <= x + width && y <= point.y && point.y <= y + height
        }

        onPressed: {
            root.forceActiveFocus()
            var p = mapToItem(screenRect, mouse.x, mouse.y)
            var g = Qt.point(p.x / root.screenScale, p.y / root.screenScale)
            root.changer.clear()
            if (root.frameVisible && !root.playbackMode) {
                var t = preview.transformedPoint(g, root.pressedBlockId)
                if (t.x !== preview.int32max) {
                    var part = controller.partAt(p, t, root.screenScale, endFrame.textRect(),
                                                 startFrame.textRect())
                    if (part !== "" && controller.beginDrag(part, mouse.x, mouse.y, mouse.modifiers)) {
                        root.changer.changedProperty = part
                        return
                    }
                }
            }
            if (textPreview.visible
                    && inside(p, textPreview.x, textPreview.y, textPreview.width * root.screenScale,
                              textPreview.height * root.screenScale)) {
                if (root.playbackMode)
                    textPreview.press()
                else
                    root.pressed(textPreview.blockId)
                return
            }
            if (scrollTextPreview.visible
                    && inside(p, 0, 0, screenRect.width, screenRect.height)) {
                if (root.playbackMode)
                    scrollTextPreview.press()
                else
                    root.pressed(scrollTextPreview.blockId)
                return
            }
            if (!root.playbackMode) {
                var hit = preview.pictureByPoint(g)
                if (hit.blockId === -1)
                    root.pressedBlockId = -1
                root.pressed(hit.blockId)
            }
        }
        onPositionChanged: controller.moveMouse(mouse.x, mouse.y, mouse.modifiers)
        onReleased: {
            if (root.playbackMode && scrollTextPreview.visible)
                scrollTextPreview.release()
            if (!controller.dragging)
                return
            // Shift and Alt count as they are when the button is let go.
            controller.moveMouse(mouse.x, mouse.y, mouse.modifiers)
            var placed = controller.endDrag(root.screenScale)
            root.changer.changedProperty = placed.changedProperty
            root.changer.startPosition = placed.startPosition
            root.changer.endPosition = placed.endPosition
            root.changer.startScale = placed.startScale
            root.changer.endScale = placed.endScale
            root.changed()
            // The frames show what the block holds now (the new placement once the property
            // panel has written it, the old one when nothing took the change).
            root.updateFrame()
        }
        onCanceled: controller.cancelDrag()
    }
}
