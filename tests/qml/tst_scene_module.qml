import QtQuick 2.15
import QtTest 1.2
import Vignetta.Scene 1.0 as Vig

// The scene module as the timeline's QML uses it: delegates bound to the lane and block models
// follow edits and undo; block objects cross in field order. (The marker model and zoom are
// covered by the bridge's own tests.)
Item {
    id: root
    width: 400
    height: 300

    Repeater {
        id: laneRepeater
        model: Vig.TimelineDataManager.lanes
        delegate: Item {
            property int lane: laneId
            property alias blockRepeater: blockItems
            Repeater {
                id: blockItems
                model: blocks
                delegate: Item {
                    property int bid: blockId
                    property int start: blockStart
                    property string text: messageText
                    property var fields: eventData
                }
            }
        }
    }

    TestCase {
        name: "SceneModule"
        when: windowShown

        readonly property var tdm: Vig.TimelineDataManager

        function init() {
            tdm.pixelPerFrameScale = 0
            tdm.clearData()
            tdm.clearBuffer()
            tdm.pushBuffer()
        }

        function blockItem(laneRow, row) {
            return laneRepeater.itemAt(laneRow).blockRepeater.itemAt(row)
        }

        function test_delegatesFollowEdits() {
            compare(laneRepeater.count, 1)
            var first = tdm.insertNewBlock(tdm.mode_picture, 30, 1)
            verify(first > 0)
            compare(laneRepeater.itemAt(0).blockRepeater.count, 1)
            compare(blockItem(0, 0).start, 30)

            // A message inserted at the same frame pushes the picture later.
            var second = tdm.insertNewBlock(tdm.mode_message, 30, 1)
            compare(blockItem(0, 0).start, 46)
            compare(blockItem(0, 1).bid, second)

            verify(tdm.setBlockField(second, "messageText", "Hello"))
            compare(blockItem(0, 1).text, "Hello")

            compare(tdm.addLane(), 2)
            compare(laneRepeater.count, 2)
            compare(laneRepeater.itemAt(1).lane, 2)

            verify(tdm.undo())
            compare(laneRepeater.count, 1)
            verify(tdm.undo())
            compare(laneRepeater.itemAt(0).blockRepeater.count, 1)
            compare(blockItem(0, 0).start, 30)
            verify(tdm.redo())
            compare(blockItem(0, 0).start, 46)
        }

        function test_blockObjectsAreCopiesInFieldOrder() {
            var b = tdm.createEmptyMessageBlock()
            var keys = Object.keys(b.eventData)
            compare(keys[0], "blockStart")
            compare(keys[keys.length - 1], "reset")
            b.eventData.messageText = "from a copy"
            b.eventData.startPosition.x = 12.5
            b.eventData.future = {"b": 2, "a": [1, ""]}
            var ids = tdm.insertBlocks([b], 0, 1)
            compare(ids.length, 1)
            var stored = tdm.getBlock(ids[0])
            // Every field comes back as it went in: fractions, empty strings, unknown keys, order.
            compare(JSON.stringify(stored.eventData), JSON.stringify(b.eventData))
            // The delegates' eventData role keeps the block's own key order too.
            compare(JSON.stringify(blockItem(0, 0).fields), JSON.stringify(stored.eventData))
            stored.eventData.messageText = "changed only here"
            compare(tdm.getBlock(ids[0]).eventData.messageText, "from a copy")
            compare(JSON.stringify(tdm.unify()), tdm.sceneText())
        }
    }
}
