import QtQuick 2.15
import QtTest 1.2
import Vignetta.Scene 1.0 as Vig
import Vignetta.Project 1.0
import Vignetta.Audio 1.0
import "../../qml/MainView"
import "../../qml/Timeline"

// The main view over a real preview and the real timeline, on the bundled sample project: what
// the preview shows at the cursor, the picture frames and their drag, clicks, and playback with
// its message hold, input and sounds.
TestCase {
    id: testCase
    name: "MainView"
    width: 900
    height: 760
    visible: true
    when: windowShown

    readonly property var tdm: Vig.TimelineDataManager
    readonly property string sampleUrl: Qt.resolvedUrl("../../sample/SampleProject/")

    QtObject {
        id: menu
        property real screenScale: 1
    }
    // What the audio player needs to take calls: a page that never finishes loading.
    QtObject { id: pageStandIn }

    MainView {
        id: mainView
        width: 900
        height: 680
        mainMenu: menu
        timelineView: timeline
    }
    TimelineView {
        id: timeline
        y: 680
        width: 900
        height: 80
        previewEnabled: true
        mainView: mainView
    }

    // Reads pixels of grabbed items.
    Canvas {
        id: probe
        width: 4
        height: 4
        renderStrategy: Canvas.Immediate
    }
    Image { id: probeImage; visible: false; cache: false; asynchronous: false }

    SignalSpy { id: updatedSpy; target: mainView.preview; signalName: "updated" }
    SignalSpy { id: changedSpy; target: mainView; signalName: "changed" }
    SignalSpy { id: insertedSpy; target: timeline; signalName: "blockInserted" }

    function initTestCase() {
        DataManager.projectUrl = sampleUrl
        verify(DataManager.loadDatabase())
        DataManager.projectOpened = true
        AudioPlayer.setWebEngine(pageStandIn)
    }

    function init() {
        if (timeline.isPlayback)
            timeline.pause()
        menu.screenScale = 1
        timeline.controller.setZoom(0)
        timeline.clear()
        tdm.clearBuffer()
        tdm.pushBuffer()
        timeline.setCursorFrame(0)
        changedSpy.clear()
    }

    // Inserts a block of `mode` with `fields` (eventData keys) at `frame` on `lane` through the
    // timeline, as the insert commands do; returns its id.
    function insert(mode, frame, lane, fields) {
        var block = tdm.createEmptyBlockOfMode(mode)
        for (var key in fields)
            block.eventData[key] = fields[key]
        while (tdm.getLastLaneId() < lane)
            timeline.addLane()
        timeline.controller.checkedLaneId = lane
        timeline.setCursorFrame(frame)
        var count = insertedSpy.count
        verify(timeline.insertBlocks([block]))
        tryCompare(insertedSpy, "count", count + 1)
        return timeline.checkedBlocks[0].blockId
    }
    function picture(frame, lane, name, number, x, y, more) {
        var fields = {blockDelay: 61, imageName: name, imageIndex: number,
                      startPosition: {x: x, y: y}, endPosition: {x: x, y: y}}
        var size = mainView.getPictureSize(name)
        fields.width = size.width
        fields.height = size.height
        for (var key in more)
            fields[key] = more[key]
        return insert(tdm.mode_picture, frame, lane, fields)
    }
    // Moves the cursor and waits for the preview to draw the frame.
    function showFrame(frame) {
        updatedSpy.clear()
        timeline.setCursorFrame(frame)
        tryVerify(function() { return updatedSpy.count > 0 })
    }
    function select(blockId) {
        timeline.pressedByView(blockId)
        compare(timeline.checkedBlocks.length, 1)
        compare(timeline.checkedBlocks[0].blockId, blockId)
    }
    // [red, green, blue] of the item's pixel (x, y), as drawn. The grab lives only while its
    // callback runs: the image is taken over there.
    function pixel(item, x, y) {
        var grabbed = false
        probeImage.source = ""
        item.grabToImage(function(result) {
            probeImage.source = result.url
            grabbed = true
        })
        tryVerify(function() { return grabbed })
        compare(probeImage.status, Image.Ready)
        var ctx = probe.getContext("2d")
        ctx.clearRect(0, 0, 4, 4)
        ctx.drawImage(probeImage, -x, -y)
        var data = ctx.getImageData(0, 0, 1, 1).data
        return [data[0], data[1], data[2]]
    }
    function screenRect() { return findChild(mainView, "screenRect") }
    // A point of the game screen (in screen pixels) in the main view's coordinates.
    function viewPoint(x, y) { return screenRect().mapToItem(mainView, x, y) }

    function test_theCursorFrameIsShownAndOnePictureNumberShowsTheLaterBlock() {
        verify(mainView.loadPicture("Star"))
        verify(mainView.loadPicture("Cloud"))
        var star = picture(0, 1, "Star", 1, 100, 100)
        var cloud = picture(0, 2, "Cloud", 1, 100, 100)
        var later = picture(100, 1, "Star", 2, 500, 300)
        showFrame(30)
        // Cloud replaced Star at picture number 1: only Cloud was drawn.
        compare(mainView.preview.pictureByPoint(Qt.point(150, 150)).blockId, cloud)
        compare(mainView.preview.transformedPoint(Qt.point(0, 0), star).x,
                mainView.preview.int32max)
        compare(mainView.preview.pictureByPoint(Qt.point(550, 350)).blockId, -1)
        showFrame(120)
        compare(mainView.preview.pictureByPoint(Qt.point(550, 350)).blockId, later)
        compare(mainView.preview.pictureByPoint(Qt.point(150, 150)).blockId, -1)
    }

    function test_fadeAndFlashReachThePreview() {
        insert(tdm.mode_fade, 0, 1, {blockDelay: 61, fadeType: 0})
        insert(tdm.mode_screen, 100, 1, {blockDelay: 61, flashEnabled: true,
                                         flashColor: {R: 255, G: 255, B: 255, P: 170}})
        showFrame(30)
        compare(mainView.preview.fade, 127)
        showFrame(130)
        compare(mainView.preview.fade, 255)
        // White at alpha 85 over the black screen.
        var p = pixel(screenRect(), 400, 300)
        fuzzyCompare(p[0], 85, 1)
        fuzzyCompare(p[2], 85, 1)
    }

    function test_framesOfTheSelectedPicture() {
        // A picture that is not loaded still has its frames; its name is shortened in the tags.
        var id = insert(tdm.mode_picture, 0, 1, {
            blockDelay: 61, imageName: "A_name_of_twenty_chars", imageIndex: 1, origin: 1,
            width: 40, height: 20, startPosition: {x: 100, y: 100}, endPosition: {x: 300, y: 200},
            startScale: {width: 50, height: 50}, rotateSpeed: 3})
        select(id)
        verify(mainView.frameVisible)
        compare(mainView.pressedBlockId, id)
        var start = mainView.startFrame
        var end = mainView.endFrame
        verify(start.visible && end.visible)
        compare(start.text, "A_name_of_twenty...")
        compare(end.text, "A_name_of_twenty...")
        compare(Qt.rect(start.x, start.y, start.width, start.height), Qt.rect(90, 95, 20, 10))
        compare(Qt.rect(end.x, end.y, end.width, end.height), Qt.rect(280, 190, 40, 20))
        compare(end.rotation, 90)
        var tag = start.textRect()
        compare(Qt.point(tag.x, tag.y), Qt.point(90, 95))
        compare(tag.height, 18)
        verify(tag.width >= 10)
        compare(end.resizeRect(), Qt.rect(314, 204, 12, 12))

        // At double scale the frames double.
        menu.screenScale = 2
        compare(Qt.rect(start.x, start.y, start.width, start.height), Qt.rect(180, 190, 40, 20))

        // Playback hides them; a selection that is not one picture too.
        menu.screenScale = 1
        var message = insert(tdm.mode_message, 100, 1, {messageText: "Hi"})
        verify(!mainView.frameVisible)
        select(id)
        verify(mainView.frameVisible)
        timeline.playback()
        verify(!start.visible)
        timeline.pause()
        verify(start.visible)
    }

    function test_aPressOnTheTagOfAPictureNotLoadedSelectsTheOneBeneath() {
        verify(mainView.loadPicture("Meadow"))
        var meadow = picture(0, 1, "Meadow", 1, 0, 0)
        var missing = insert(tdm.mode_picture, 0, 2, {
            blockDelay: 61, imageName: "NoSuchPicture", imageIndex: 2, width: 100, height: 100,
            startPosition: {x: 200, y: 200}, endPosition: {x: 200, y: 200}})
        showFrame(10)
        select(missing)
        var p = viewPoint(202, 202)
        mousePress(mainView, p.x, p.y)
        verify(!mainView.controller.dragging)
        mouseRelease(mainView, p.x, p.y)
        compare(timeline.checkedBlocks.length, 1)
        compare(timeline.checkedBlocks[0].blockId, meadow)
        compare(mainView.changer.changedProperty, "")

        // A press beside every picture selects nothing.
        var outside = viewPoint(-20, 300)
        mousePress(mainView, outside.x, outside.y)
        mouseRelease(mainView, outside.x, outside.y)
        compare(timeline.checkedBlocks.length, 0)
        compare(mainView.pressedBlockId, -1)
    }

    function test_dragsFillTheChangerAndWriteNothingThemselves() {
        verify(mainView.loadPicture("Star"))
        var star = picture(0, 1, "Star", 1, 100, 120, {endPosition: {x: 400, y: 300}})
        showFrame(10)
        select(star)
        var before = JSON.stringify(tdm.getBlock(star))
        var undoIndex = tdm.bufferIndex

        // Shift: a drag of (30, 10) on the start tag moves both frames by (30, 0).
        var p = viewPoint(104, 124)
        mousePress(mainView, p.x, p.y, Qt.LeftButton, Qt.ShiftModifier)
        verify(mainView.controller.dragging)
        verify(!mainView.allowEdit)
        mouseMove(mainView, p.x + 15, p.y + 5)
        mouseMove(mainView, p.x + 30, p.y + 10)
        tryCompare(mainView.startFrame, "x", 130)
        mouseRelease(mainView, p.x + 30, p.y + 10, Qt.LeftButton, Qt.ShiftModifier)
        compare(changedSpy.count, 1)
        compare(mainView.changer.changedProperty, "position_start")
        compare(mainView.changer.startPosition, Qt.point(130, 120))
        compare(mainView.changer.endPosition, Qt.point(430, 300))
        compare(mainView.changer.startScale, Qt.point(1, 1))
        verify(mainView.allowEdit)
        // Nobody took the change: the block and the undo history stay, the frames go back.
        compare(JSON.stringify(tdm.getBlock(star)), before)
        compare(tdm.bufferIndex, undoIndex)
        compare(mainView.startFrame.x, 100)

        // Alt on the end frame's handle: only the end frame, half as wide.
        var corner = viewPoint(400 + 128, 300 + 128)
        mousePress(mainView, corner.x, corner.y, Qt.LeftButton, Qt.AltModifier)
        mouseMove(mainView, corner.x - 64, corner.y)
        mouseRelease(mainView, corner.x - 64, corner.y, Qt.LeftButton, Qt.AltModifier)
        compare(mainView.changer.changedProperty, "scale_end")
        compare(mainView.changer.endScale, Qt.point(0.5, 1))
        compare(mainView.changer.startScale, Qt.point(1, 1))
        compare(mainView.changer.endPosition, Qt.point(400, 300))

        // Escape ends a drag without a result.
        changedSpy.clear()
        mousePress(mainView, p.x, p.y)
        mouseMove(mainView, p.x + 40, p.y + 40)
        tryCompare(mainView.startFrame, "x", 140)
        keyClick(Qt.Key_Escape)
        verify(!mainView.controller.dragging)
        compare(mainView.startFrame.x, 100)
        mouseRelease(mainView, p.x + 40, p.y + 40)
        compare(changedSpy.count, 0)

        mainView.changer.clear()
        compare(mainView.changer.changedProperty, "")
        compare(mainView.changer.startPosition, Qt.point(0, 0))
        compare(mainView.changer.endPosition, Qt.point(0, 0))
        compare(mainView.changer.startScale, Qt.point(1, 1))
        compare(mainView.changer.endScale, Qt.point(1, 1))
    }

    function test_textsWhileEditing() {
        var message = insert(tdm.mode_message, 0, 1, {
            blockDelay: 30, messageText: "one\ntwo\nthree\nfour\nfive\nsix", messagePosition: 0})
        showFrame(5)
        var text = mainView.textPreview
        verify(text.visible)
        compare(text.blockId, message)
        compare(text.y, 8)
        compare(text.text, "one\ntwo\nthree\nfour\nfive\nsix")
        // The message cursor on line 5 shows the second page.
        mainView.updatePreview({changedProperty: "messageLineIndex", currentLineIndex: 5})
        compare(text.text, "five\nsix\n")
        // A click on the window selects its block.
        timeline.controller.clearSelection()
        var p = viewPoint(400, 40)
        mouseClick(mainView, p.x, p.y)
        compare(timeline.checkedBlocks[0].blockId, message)

        // A scrolling text after it replaces the window.
        var scroll = insert(tdm.mode_scroll, 0, 2, {blockDelay: 30, messageText: "up"})
        showFrame(5)
        verify(!text.visible)
        verify(mainView.scrollTextPreview.visible)
        compare(mainView.scrollTextPreview.blockId, scroll)
        showFrame(40)
        verify(!mainView.scrollTextPreview.visible)
        compare(mainView.scrollTextPreview.blockId, -1)
    }

    function test_playbackHoldsAtAMessageUntilTheButton() {
        insert(tdm.mode_sound, 2, 2, {audioName: "Chime", audioType: "se", volume: 80,
                                      pitch: 110, pan: -20})
        var message = insert(tdm.mode_message, 5, 1, {blockDelay: 16, messageText: "Hi"})
        insert(tdm.mode_picture, 0, 3, {blockDelay: 40})
        timeline.setCursorFrame(0)
        timeline.playback()
        verify(mainView.playbackMode)
        tryCompare(timeline.controller, "cursorFrame", 5)
        verify(mainView.textPreview.visible)
        verify(mainView.textPreview.playbackMode)
        verify(timeline.playbackPause)
        // The sound block started at its first frame.
        compare(AudioPlayer.lastPlayed.se.name, "Chime")
        compare(AudioPlayer.lastPlayed.se.pitch, 110)
        // The text has ended and waits for the button; the timeline stays.
        tryCompare(mainView.textPreview.textCanvas, "pause", true)
        // A zoom change moves the cursor's pixels, not its frame: the message plays on.
        timeline.controller.setZoom(1)
        verify(timeline.playbackPause)
        verify(mainView.textPreview.playbackMode)
        verify(mainView.textPreview.textCanvas.pause)
        wait(100)
        compare(timeline.controller.cursorFrame, 5)
        keyClick(Qt.Key_Z)
        tryVerify(function() { return timeline.controller.cursorFrame > 5 })
        verify(!timeline.playbackPause)
        // Past its first frame the message is gone.
        verify(!mainView.textPreview.visible)
        timeline.pause()
        verify(!mainView.playbackMode)
        // Back to editing at the frame where playback stopped.
        compare(mainView.textPreview.playbackMode, false)
    }

    function test_aScrollingTextHoldsUntilItHasLeftTheScreen() {
        var scroll = insert(tdm.mode_scroll, 0, 1, {blockDelay: 16, messageText: "up",
                                                    scrollSpeed: 8, scrollNoFast: false})
        timeline.setCursorFrame(0)
        timeline.playback()
        var text = mainView.scrollTextPreview
        verify(text.visible)
        verify(text.running)
        compare(text.scrollSpeedRate, 8)
        verify(timeline.playbackPause)
        compare(timeline.controller.cursorFrame, 0)
        // Holding the button speeds it up; the release reaches it too.
        mainView.inputPressed()
        mainView.inputReleased()
        tryVerify(function() { return timeline.controller.cursorFrame > 0 }, 10000)
        verify(!text.running)
        // Pausing in the middle of a scroll ends it.
        timeline.pause()
        timeline.setCursorFrame(0)
        timeline.playback()
        verify(text.running)
        timeline.pause()
        verify(!text.running)
        verify(!timeline.playbackPause)
    }
}
