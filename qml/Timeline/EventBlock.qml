import QtQuick 2.15
import Kivra.append 1.0
import Vignetta.Scene 1.0 as Vig
import "../Controls" as Vig
import "../Event"
import "../../components_fc/qml/BasicControls"

// One block of a lane, placed by its frames (x = start x pixels per frame, width = length x
// pixels per frame) from the lane's block model, and drawn in layers: the frame, the background
// (plain, hovered or selected), and on blocks wider than 20 pixels the picture thumbnail or the
// text excerpt of expanded lanes and the kind icon. A grip at each edge (mouseareaGap wide)
// resizes a resizable kind (the controller decides); the body moves the selection. A press is
// reported to the view and then left to the lane area beneath, which follows the mouse until the
// release. The item is kept light: a long scene shows many of them.
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

    readonly property int pixelPerFrame: view ? view.pixelPerFrame : 1
    readonly property real blockRight: x + width
    readonly property real minWidth: minDelay * pixelPerFrame
    readonly property real maxWidth: maxDelay * pixelPerFrame
    readonly property bool allowEdit: view ? view.allowEdit : false
    readonly property bool hasThumb: thumbnailBox.status === Loader.Ready && imageName !== ""
                                     && !!view && !!view.mainView
    readonly property string iconSource: view ? view.blockIconSource(blockMode) : ""
    // Look state.
    readonly property bool hovered: area.containsMouse
    readonly property bool checked: !!view && view.selectionRevision >= 0
                                    && view.isBlockChecked(blockId)
    readonly property bool dragging: checked && !!view && view.dragMode !== 0
    readonly property bool expanded: height > 32
    readonly property bool showContents: width > 20
    // Grip width: 8 pixels on blocks wider than 23, 2 above 5, else 1.
    readonly property real mouseareaGap: width > 23 ? 8 : width > 5 ? 2 : 1

    x: blockStart * pixelPerFrame
    width: blockDelay * pixelPerFrame
    height: view ? view.laneHeight : 0
    opacity: dragging ? 0.5 : 1

    // 1. Frame.
    Rectangle {
        width: parent.width
        height: parent.height - 1
        color: ThemeManager.currentTheme.controlFrame
        opacity: block.dragging ? 0.75 : 1
    }
    // 2. Background: the view's shared gradients, flat when selected.
    Rectangle {
        x: parent.width > 2 ? 1 : 0
        y: 1
        width: parent.width > 2 ? parent.width - 2 : parent.width
        height: parent.height - 2
        color: ThemeManager.currentTheme.hotButton1
        gradient: block.checked || !block.view ? null
                  : block.hovered ? block.view.hoverGradient : block.view.blockGradient
    }
    // 3. Contents: the thumbnail of a picture ...
    Loader {
        id: thumbnailBox
        x: 4
        y: 4
        width: block.height - 10
        height: width
        active: block.showContents && block.expanded && block.blockMode === 0
        sourceComponent: Rectangle {
            id: box
            objectName: "thumbnailBox"
            color: "transparent"
            border.color: ThemeManager.currentTheme.controlFrame
            Vig.CheckerBoard2 { anchors.margins: 1 }
            Thumbnail {
                id: thumbnail
                objectName: "thumbnail"
                anchors.centerIn: parent
                width: 50
                height: 50
            }
            // The image comes from the preview's picture cache, once it has loaded the picture.
            function refresh() {
                var view = block.view
                if (view && view.mainView && block.imageName !== "")
                    thumbnail.setImage(view.mainView.getPicture(block.imageName))
                else
                    thumbnail.clear(0, 0)
            }
            Connections {
                target: block
                function onImageNameChanged() { box.refresh() }
            }
            Connections {
                target: block.view
                function onThumbnailRevisionChanged() { box.refresh() }
                function onMainViewChanged() { box.refresh() }
            }
            Component.onCompleted: refresh()
        }
    }
    // ... the first characters of a message or scrolling text, at the bottom left ...
    MessagePreview {
        id: messageExcerpt
        objectName: "messageExcerpt"
        visible: block.showContents && block.expanded
                 && (block.blockMode === 1 || block.blockMode === 7)
        x: 2
        y: block.height - height - 2
        width: block.height - 10
        message: visible ? block.messageText : ""
    }
    // ... and the kind icon.
    Image {
        visible: block.showContents
        x: 6
        y: 6
        width: 16
        height: 16
        source: block.iconSource
    }

    // A snapshot {blockId, laneId, eventData} of the block; the document itself is read and
    // written through TimelineDataManager.
    function getObject() {
        return Vig.TimelineDataManager.getBlock(blockId)
    }

    // The part of the block under x: its left grip (2), its right grip (3) or its body (1).
    function gripAt(x) {
        if (x < mouseareaGap)
            return 2
        if (x >= width - mouseareaGap)
            return 3
        return 1
    }

    MouseArea {
        id: area
        anchors.fill: parent
        enabled: !!block.view && block.view.blockInputEnabled
        hoverEnabled: true
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        cursorShape: block.resizable && block.gripAt(mouseX) !== 1 ? Qt.SizeHorCursor
                                                                   : Qt.OpenHandCursor
        onPressed: {
            block.view.blockPressed(block.blockId, block.gripAt(mouse.x), mouse, area)
            // The lane area beneath takes the press and follows the mouse.
            mouse.accepted = false
        }
    }
}
