import QtQuick 2.15

// The row of one lane (1 and up) across the visible width. The lane's blocks are items of the
// view (they keep their item when dragged to another lane).
Item {
    id: lane

    property Item view: null
    property int laneId: 0
    readonly property bool checked: !!view && view.checkedLaneId === laneId

    y: (laneId - 1) * (view ? view.laneHeight : 0)
    height: view ? view.laneHeight : 0

    LaneBG {
        x: lane.view ? lane.view.scrollX : 0
        width: lane.view ? lane.view.viewportWidth : 0
        height: parent.height
        checked: lane.checked
    }
}
