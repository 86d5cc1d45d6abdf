import QtQuick 2.15
import Vignetta.Scene 1.0 as Vig
import Vignetta.Timeline 1.0

// The markers (comment blocks of lane 0) as flags in the ruler band, 12 pixels high, scrolling
// with the lanes. A press selects the marker under the mouse (or none) and drags it; the
// controller places it on release by the marker-move rule.
Item {
    id: laneRoot

    property var controller: null
    property real scrollX: 0
    property real timelineWidth: 0
    // Height of the visible lanes below the marker lane, for the marker lines.
    property real lanesHeight: 0
    property int pixelPerFrame: 1
    property int windowFirstFrame: 0
    property int windowLastFrame: 0
    property bool enabled: true

    readonly property int checkedMarkerId: controller ? controller.checkedMarkerId : 0
    readonly property int pressedMarkerId: controller ? controller.pressedMarkerId : 0
    readonly property int draggedMarkerFrame: controller ? controller.draggedMarkerFrame : 0
    readonly property real laneRight: (Vig.TimelineDataManager.lastFrame) * pixelPerFrame
    readonly property alias count: markers.count

    signal markerPressed()
    signal contextMenuRequested()

    height: 12

    Item {
        id: content
        x: -laneRoot.scrollX
        Repeater {
            id: markers
            // The document keeps the markers latest first, so an earlier marker is drawn over
            // a later one where they crowd.
            model: BlockWindowModel {
                blocks: Vig.TimelineDataManager.markers
                firstFrame: laneRoot.windowFirstFrame
                lastFrame: laneRoot.windowLastFrame
            }
            delegate: Marker {
                markerLane: laneRoot
                blockId: model.blockId
                blockStart: model.blockStart
            }
        }
    }

    // The marker whose flag holds the point x of the visible width: the one drawn on top.
    function markerAt(x) {
        for (var i = markers.count - 1; i >= 0; --i) {
            var m = markers.itemAt(i)
            var left = m.x - scrollX + m.flagLeft
            if (x >= left && x < left + m.flagWidth)
                return m
        }
        return null
    }
    function itemOf(blockId) {
        for (var i = 0; i < markers.count; ++i)
            if (markers.itemAt(i).blockId === blockId)
                return markers.itemAt(i)
        return null
    }

    MouseArea {
        id: area
        width: laneRoot.timelineWidth
        height: laneRoot.height
        enabled: laneRoot.enabled
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        onPressed: {
            laneRoot.markerPressed()
            if (mouse.button === Qt.RightButton) {
                laneRoot.contextMenuRequested()
                return
            }
            var m = laneRoot.markerAt(mouse.x)
            laneRoot.controller.pressMarker(m ? m.blockId : 0, mouse.x + laneRoot.scrollX)
        }
        onPositionChanged: laneRoot.controller.moveMouse(mouse.x + laneRoot.scrollX, 0)
        onReleased: laneRoot.controller.releaseMouse()
        onCanceled: laneRoot.controller.cancelMouse()
    }
}
