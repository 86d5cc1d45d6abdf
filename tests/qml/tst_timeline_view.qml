import QtQuick 2.15
import QtTest 1.2
import Kivra.append 1.0
import Vignetta.Scene 1.0 as Vig
import "../../qml/Timeline"
import "../../components_fc/qml/Singletons"

// The timeline view with its models and the real document: ruler, cursor, zoom, mouse on
// blocks and markers, the clipboard commands' states, thumbnails and keys. Positions are in
// the view: lanes start 28 pixels down; 4 pixels a frame and 64-pixel lanes unless shrunk.
TestCase {
    id: testCase
    name: "TimelineView"
    width: 1000
    height: 360
    visible: true
    when: windowShown

    // A stand-in for the main view: pictures from a real preview body.
    QtObject {
        id: mainViewStandIn
        property var requested: []
        function getPicture(name) {
            requested.push(name)
            return pictures.getPicture(name)
        }
    }
    PreviewBody {
        id: pictures
        width: 1
        height: 1
        projectUrl: Qt.resolvedUrl("../data/render_project/")
    }

    TimelineView {
        id: view
        width: 1000
        height: 360
        previewEnabled: true
    }

    SignalSpy { id: insertedSpy; target: view; signalName: "blockInserted" }
    SignalSpy { id: commentSpy; target: view; signalName: "commentBlockChecked" }
    SignalSpy { id: triggeredSpy; target: view; signalName: "inputTriggerd" }
    SignalSpy { id: releasedSpy; target: view; signalName: "inputReleased" }
    SignalSpy { id: dragEndSpy; target: view; signalName: "blockDragEnd" }

    readonly property var tdm: Vig.TimelineDataManager

    function init() {
        view.mainView = null
        view.controller.setZoom(0)
        view.clear()
        tdm.clearBuffer()
        tdm.pushBuffer()
        view.setCursorFrame(0)
        insertedSpy.clear()
        commentSpy.clear()
        dragEndSpy.clear()
    }

    // Inserts a new block of the kind at `frame` on `lane` and waits until it is shown.
    function insert(block, frame, lane) {
        while (tdm.getLastLaneId() < lane)
            view.addLane()
        view.controller.checkedLaneId = lane
        view.setCursorFrame(frame)
        var count = insertedSpy.count
        verify(view.insertBlocks([block]))
        tryCompare(insertedSpy, "count", count + 1)
        return view.checkedBlocks.length === 1 ? view.checkedBlocks[0].blockId
                                                : view.controller.checkedMarkerId
    }
    function start(id) { return tdm.getBlockField(id, "blockStart") }
    function laneY(lane) { return 28 + (lane - 1) * view.laneHeight + view.laneHeight / 2 }
    function frameX(frame) { return frame * view.pixelPerFrame - view.scrollX }
    function ruler() { return findChild(view, "rulerScale") }

    function test_rulerLabelsInBothZooms() {
        var labels = ruler().labels()
        compare(labels[0].frame, 0)
        compare(labels[0].x, 4)
        compare(labels[1].frame, 10)
        compare(labels[2].x - labels[1].x, 40)
        view.shrink()
        labels = ruler().labels()
        compare([labels[0].frame, labels[1].frame, labels[2].frame], [0, 100, 200])
        compare(labels[2].x - labels[1].x, 100)
        // At the end of the timeline, nothing past frame 10000.
        view.setCursorFrame(9999)
        view.scrollX = view.maxScrollX
        labels = ruler().labels()
        compare(labels[labels.length - 1].frame, 10000)
    }

    function test_frameCommandsAndZoomKeepTheCursorFrame() {
        view.setCursorFrame(9999)
        view.toNextFrame()
        compare(view.timelineX, 0)
        view.toPrevFrame()
        compare(view.timelineX, 0)

        view.setCursorFrame(250)
        compare(view.timelineX, 1000)
        view.shrink()
        compare(view.timelineX, 250)
        view.expand()
        compare(view.timelineX, 1000)
        // The ruler moves the cursor to the frame under the mouse.
        mouseClick(view, 81, 5)
        compare(view.timelineX, 80)
    }

    function test_pasteNeedsASelectedLane() {
        var id = insert(tdm.createEmptyPictureBlock(), 0, 1)
        view.copy()
        compare(Clipboard.format, "timeline")
        view.controller.clearSelection()
        view.controller.checkedLaneId = -1
        verify(!view.pasteEnabled)
        // A click on empty lane space selects that lane.
        mouseClick(view, 600, laneY(1))
        compare(view.checkedLaneId, 1)
        verify(view.checkedLane !== null)
        verify(view.pasteEnabled)
        // Below the last lane: no lane.
        mouseClick(view, 600, laneY(3))
        compare(view.checkedLane, null)
        verify(!view.pasteEnabled)
    }

    function test_clickSelectsWithoutSnapshotAndDragMovesWithOne() {
        var id = insert(tdm.createEmptyPictureBlock(), 10, 1)
        view.addLane()
        view.controller.clearSelection()
        var snapshots = tdm.bufferIndex
        mouseClick(view, frameX(20), laneY(1))
        compare(view.checkedBlocks.length, 1)
        compare(view.checkedBlocks[0].blockId, id)
        compare(view.checkedBlocks[0].object.eventData.blockStart, 10)
        compare(tdm.bufferIndex, snapshots)

        // 40 pixels right and one lane down, in steps, as a hand would.
        var x = frameX(20), y = laneY(1)
        mousePress(view, x, y)
        verify(!view.allowEdit)
        for (var i = 1; i <= 8; ++i) {
            mouseMove(view, x + i * 5, y + i * 8)
            wait(20)
        }
        verify(view.dragging)
        compare(findChild(view, "lanesContent").children.length > 0, true)
        mouseRelease(view, x + 40, y + 64)
        compare(start(id), 20)
        compare(tdm.getBlock(id).laneId, 2)
        compare(tdm.bufferIndex, snapshots + 1)
        compare(dragEndSpy.count, 1)
        verify(view.allowEdit)
        compare(view.controller.ghosts.count, 0)
        compare(view.checkedBlocks[0].laneId, 2)
        verify(view.getBlockElement(id) !== null)
        compare(view.getBlockElement(id).x, 80)
    }

    function test_escapeEndsADragWithoutChange() {
        var id = insert(tdm.createEmptyPictureBlock(), 10, 1)
        var before = tdm.sceneText()
        var x = frameX(20), y = laneY(1)
        mousePress(view, x, y)
        for (var i = 1; i <= 5; ++i) {
            mouseMove(view, x + i * 20, y)
            wait(20)
        }
        verify(view.controller.ghosts.count > 0)
        keyClick(Qt.Key_Escape)
        compare(view.controller.ghosts.count, 0)
        mouseRelease(view, x + 100, y)
        compare(tdm.sceneText(), before)
        verify(view.allowEdit)

        // The lane area losing the mouse in the middle of a drag ends it the same way.
        mousePress(view, x, y)
        for (i = 1; i <= 5; ++i) {
            mouseMove(view, x + i * 20, y + i * 10)
            wait(20)
        }
        verify(view.dragging)
        var area = findChild(view, "laneArea")
        area.visible = false
        area.visible = true
        compare(view.controller.ghosts.count, 0)
        verify(view.allowEdit)
        mouseRelease(view, x + 100, y + 50)
        compare(tdm.sceneText(), before)
    }

    function test_markerSelectionIsExclusive() {
        var block = insert(tdm.createEmptyPictureBlock(), 0, 1)
        var marker = insert(tdm.createEmptyCommentBlock(), 100, 1)
        verify(marker > 0)
        compare(view.checkedBlocks.length, 0)
        view.controller.checkMarker(0)
        commentSpy.clear()
        // The flag stands in the ruler band, 16 to 28 pixels down.
        mouseClick(view, frameX(100), 22)
        compare(commentSpy.count, 1)
        compare(commentSpy.signalArguments[0][0].blockId, marker)
        verify(view.deleteEnabled)
        mouseClick(view, frameX(30), laneY(1))
        compare(view.controller.checkedMarkerId, 0)
        compare(view.checkedBlocks.length, 1)
        // A marker dragged to the left end stops at frame 0.
        mousePress(view, frameX(100), 22)
        for (var i = 1; i <= 5; ++i) {
            mouseMove(view, frameX(100) - i * 200, 22)
            wait(20)
        }
        mouseRelease(view, frameX(100) - 1000, 22)
        compare(start(marker), 0)
    }

    function test_thumbnailComesFromTheMainView() {
        verify(pictures.loadPicture("red"))
        var id = insert(tdm.createEmptyPictureBlock(), 0, 1)
        verify(tdm.setBlockField(id, "imageName", "red"))
        view.mainView = mainViewStandIn
        view.loadedPictures()
        var thumb = findChild(view.getBlockElement(id), "thumbnail")
        verify(thumb !== null)
        verify(mainViewStandIn.requested.indexOf("red") >= 0)
        // A new picture name is fetched at once.
        verify(pictures.loadPicture("white"))
        verify(tdm.setBlockField(id, "imageName", "white"))
        compare(mainViewStandIn.requested[mainViewStandIn.requested.length - 1], "white")
        // In the shrunk view lanes are 32 pixels: no thumbnail.
        view.shrink()
        tryVerify(function() { return findChild(view.getBlockElement(id), "thumbnail") === null })
    }

    function test_inputKeys() {
        view.forceActiveFocus()
        triggeredSpy.clear()
        releasedSpy.clear()
        keyPress(Qt.Key_Z)
        keyRelease(Qt.Key_Z)
        keyClick(Qt.Key_Return)
        compare(triggeredSpy.count, 2)
        compare(releasedSpy.count, 2)
    }

    function test_itemsExistOnlyNearTheVisiblePart() {
        var far = insert(tdm.createEmptyScreenBlock(), 9000, 1)
        compare(view.getBlockElement(far), null)
        view.setCursorFrame(9000)
        view.scrollX = 9000 * 4 - 100
        verify(view.getBlockElement(far) !== null)
        mouseClick(view, 120, laneY(1))
        compare(view.checkedBlocks.length, 1)
        compare(view.checkedBlocks[0].blockId, far)
    }
}
