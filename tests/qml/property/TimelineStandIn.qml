import QtQuick 2.15
import Vignetta.Scene 1.0 as Vig

// What the property panel sees of the timeline view, as the interface between the two areas
// describes it: the selected block items, the playback state, the selection signals and
// propertyChange, which acts only with exactly one selected block and records an undo step
// for every kind but the message cursor line.
Item {
    id: timeline

    property var checkedBlocks: []
    property bool isPlayback: false
    property var mainView: null
    // The change kinds propertyChange acted on, in order (for the tests).
    property var appliedKinds: []

    signal checkedBlockChanged()
    signal commentBlockChecked(var block)
    signal propertyChanged(var changer)

    function item(id) {
        var b = Vig.TimelineDataManager.getBlock(id)
        return { blockId: id, laneId: b.laneId, blockMode: b.eventData.blockMode,
                 object: b }
    }

    function select(ids) {
        checkedBlocks = ids.map(item)
        checkedBlockChanged()
    }

    function selectMarker(id) {
        checkedBlocks = []
        checkedBlockChanged()
        commentBlockChecked(Vig.TimelineDataManager.getBlock(id))
    }

    function propertyChange(changer) {
        if (checkedBlocks.length !== 1)
            return
        propertyChanged(changer)
        appliedKinds = appliedKinds.concat([changer.changedProperty])
        if (changer.changedProperty === "messageLineIndex")
            return
        Vig.TimelineDataManager.pushBuffer()
    }
}
