import QtQuick 2.15
import Vignetta.Scene 1.0 as Vig
import "../Controls" as Vig

// One block of a lane, placed by its frames (x = start x pixels per frame, width = length x
// pixels per frame) from the lane's block model. A grip at each edge resizes a resizable kind
// (the controller decides); the body moves the selection. A press is reported to the view and
// then left to the lane area beneath, which follows the mouse until the release.
Item {
    id: block

    property Item view: null
    // The model row's values (see BlockListModel's roles).
    property int blockId: 0
    property int laneId: 0
    property int blockStart: 0
    property int blockDelay: 0
    property int blockMode: 0
    property bool resizable: false
    property int minDelay: 0
    property int maxDelay: 0
    property string imageName: ""
    property string messageText: ""
    // A drag ghost, drawn as an outline only.
    property bool dummyMode: false

    readonly property int pixelPerFrame: view ? view.pixelPerFrame : 1
    readonly property real blockRight: x + width
    readonly property real minWidth: minDelay * pixelPerFrame
    readonly property real maxWidth: maxDelay * pixelPerFrame
    readonly property bool allowEdit: view ? view.allowEdit : false
    readonly property bool hasThumb: blockMode === Vig.TimelineDataManager.mode_picture
                                     && imageName !== "" && !!(view && view.mainView)
    readonly property string iconSource: view ? view.blockIconSource(blockMode) : ""
    readonly property alias style: style
    readonly property alias control: control
    // Grip width: 8 pixels on blocks wider than 23, 2 above 5, else 1.
    readonly property real mouseareaGap: width > 23 ? 8 : width > 5 ? 2 : 1

    x: blockStart * pixelPerFrame
    y: 0
    width: blockDelay * pixelPerFrame
    height: view ? view.laneHeight : 0
    opacity: control.dragging ? 0.5 : 1

    TimelineBlockControl {
        id: control
        hovered: tipArea.containsMouse || bodyArea.containsMouse || tailArea.containsMouse
        checked: !!block.view && block.view.selectionRevision >= 0
                 && block.view.isBlockChecked(block.blockId)
        dragging: !block.dummyMode && checked && !!block.view && block.view.dragMode !== 0
    }

    TimelineBlockStyle {
        id: style
        block: block
        anchors.fill: parent
    }

    // A snapshot {blockId, laneId, eventData} of the block; the document itself is read and
    // written through TimelineDataManager.
    function getObject() {
        return Vig.TimelineDataManager.getBlock(blockId)
    }

    function press(grip, mouse, area) {
        block.view.blockPressed(block.blockId, grip, mouse, area)
        // The lane area beneath takes the press and follows the mouse.
        mouse.accepted = false
    }

    MouseArea {
        id: tipArea
        enabled: !block.dummyMode && !!block.view && block.view.blockInputEnabled
        x: 0
        width: block.mouseareaGap
        height: parent.height
        hoverEnabled: true
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        cursorShape: block.resizable ? Qt.SizeHorCursor : Qt.OpenHandCursor
        onPressed: block.press(2, mouse, tipArea)
    }
    MouseArea {
        id: bodyArea
        enabled: tipArea.enabled
        x: block.mouseareaGap
        width: Math.max(0, parent.width - 2 * block.mouseareaGap)
        height: parent.height
        hoverEnabled: true
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        cursorShape: Qt.OpenHandCursor
        onPressed: block.press(1, mouse, bodyArea)
    }
    MouseArea {
        id: tailArea
        enabled: tipArea.enabled
        x: Math.max(block.mouseareaGap, parent.width - block.mouseareaGap)
        width: block.mouseareaGap
        height: parent.height
        hoverEnabled: true
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        cursorShape: block.resizable ? Qt.SizeHorCursor : Qt.OpenHandCursor
        onPressed: block.press(3, mouse, tailArea)
    }
}
