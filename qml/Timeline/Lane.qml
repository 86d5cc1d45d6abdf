import QtQuick 2.15
import Vignetta.Timeline 1.0

// One lane (1 and up): its row and the items of its blocks near the visible part. Items exist
// only for blocks inside the view's item window; the rest of the lane costs nothing.
Item {
    id: lane

    property Item view: null
    property int laneId: 0
    // The lane's BlockListModel.
    property var blocks: null
    readonly property bool checked: !!view && view.checkedLaneId === laneId
    // Row within the lanes' area when scrolled to the top.
    readonly property real rowTop: (laneId - 1) * (view ? view.laneHeight : 0)
    // Near enough to the visible lanes to hold items.
    readonly property bool nearView: !!view && rowTop + height > view.scrollY - view.lanesViewHeight
                                     && rowTop < view.scrollY + 2 * view.lanesViewHeight

    y: rowTop
    height: view ? view.laneHeight : 0

    LaneBG {
        x: lane.view ? lane.view.scrollX : 0
        width: lane.view ? lane.view.viewportWidth : 0
        height: parent.height
        checked: lane.checked
    }

    Repeater {
        id: blockItems
        model: BlockWindowModel {
            blocks: lane.blocks
            firstFrame: lane.view ? lane.view.windowFirstFrame : 0
            lastFrame: lane.view ? lane.view.windowLastFrame : 0
            active: lane.nearView
        }
        delegate: EventBlock {
            view: lane.view
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
        }
    }

    // The item of a block of this lane, or null when it has none (out of the item window).
    function blockElement(blockId) {
        for (var i = 0; i < blockItems.count; ++i) {
            var item = blockItems.itemAt(i)
            if (item && item.blockId === blockId)
                return item
        }
        return null
    }
    readonly property int itemCount: blockItems.count
}
