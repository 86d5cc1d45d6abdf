import QtQuick 2.15

// A marker: a flag centred on its frame in the marker lane and a 1-pixel magenta line down
// through the visible lanes. A marker held by the mouse is shown at the frame it is dragged to.
Item {
    id: marker

    property Item markerLane: null
    property int blockId: 0
    property int blockStart: 0
    readonly property int pixelPerFrame: markerLane ? markerLane.pixelPerFrame : 1
    readonly property bool held: !!markerLane && markerLane.pressedMarkerId === blockId
    readonly property int frame: held ? markerLane.draggedMarkerFrame : blockStart
    readonly property real markerRight: x + 1
    readonly property bool checked: !!markerLane && markerLane.checkedMarkerId === blockId
    // The pressable rectangle, in the marker's own coordinates.
    readonly property real flagLeft: flag.x
    readonly property real flagWidth: flag.width

    x: frame * pixelPerFrame
    width: 1
    height: 12

    Rectangle {
        x: 0
        y: marker.height
        width: 1
        height: marker.markerLane ? marker.markerLane.lanesHeight : 0
        color: "#FF00FF"
    }
    Image {
        id: flag
        x: -Math.floor(width / 2)
        y: 0
        source: marker.checked ? "Images/marker_checked.png" : "Images/marker.png"
    }
}
