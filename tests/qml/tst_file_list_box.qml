import QtQuick 2.15
import QtTest 1.2
import QtQuick.Window 2.15
import Vignetta.Project 1.0
import "../../qml/Controls"

// The asset file list over the pictures of the test project: order, the mark of a suffix in
// the wrong case and its explanation, type-ahead, and a folder that is not there.
Item {
    id: top
    width: 400
    height: 500

    readonly property string project: Qt.resolvedUrl("../data/property_project/")

    FileListBox {
        id: list
        width: 200
        height: 402
        allowedSuffixes: ["png"]
    }

    TestCase {
        name: "FileListBox"
        when: windowShown

        function rowTexts(l) {
            var out = []
            for (var i = 0; i < l.model.count; ++i)
                out.push(l.model.get(i).text)
            return out
        }

        function issuesDialog() {
            for (var k = 0; k < list.children.length; ++k) {
                if (list.children[k].fileName !== undefined)
                    return list.children[k]
            }
            return null
        }

        function cleanup() {
            issuesDialog().close()
            tryVerify(function () { return !issuesDialog().windowVisible })
            // Without a window manager the closed dialog keeps the keyboard: give it back.
            top.Window.window.requestActivate()
            wait(20)
        }

        function test_listOrderMarksAndTyping() {
            list.folder = top.project + "img/pictures"
            compare(rowTexts(list), ["(None)", "Door2", "Door10", "a b#c%", "bell", "\u00c9lan",
                                     "!Door2", "$Lamp"])
            var bell = list.model.get(4)
            verify(bell.hasIssues)
            verify(!list.model.get(1).hasIssues)

            list.currentIndex = 0
            list.forceActiveFocus()
            keyClick(Qt.Key_D)
            compare(list.currentBaseName, "Door2")
            keyClick(Qt.Key_D)
            compare(list.currentBaseName, "Door10")
            keyClick(Qt.Key_D)
            compare(list.currentBaseName, "Door2")       // round again
            keyClick(Qt.Key_Down)
            compare(list.currentBaseName, "Door10")
            compare(list.currentName, "Door10.png")

            list.selectName("!Door2")
            compare(list.currentIndex, 6)
            compare(list.currentPrefix, "!")
            list.selectName("nothing of that name")
            compare(list.currentIndex, 6)                // an unknown name keeps the row

            // A folder that is not there lists only "(None)".
            list.folder = top.project + "img/nothing"
            compare(rowTexts(list), ["(None)"])
            list.selectName("Door2")
            compare(list.currentIndex, 0)
        }

        function test_issueIconExplainsTheMark() {
            list.folder = top.project + "img/pictures"
            list.selectName("bell")
            var lv = findChild(list, "fileList")
            var icon = null
            tryVerify(function () {
                var row = lv.itemAtIndex(list.currentIndex)
                icon = row ? findChild(row, "issueIcon") : null
                return icon !== null && icon.visible
            })
            mousePress(icon, 8, 8)
            mouseRelease(icon, 8, 8)
            var issues = issuesDialog()
            tryVerify(function () { return issues.windowVisible })
            compare(issues.title, "Issues with \u201cbell.PNG\u201d")
            compare(issues.issues.length, 1)
            compare(issues.issues[0].title, "File Extension Name")
            verify(issues.issues[0].description.indexOf("\u201c.png\u201d instead of \u201c.PNG\u201d") > 0)
            compare(list.currentBaseName, "bell")
            issues.close()
            tryVerify(function () { return !issues.windowVisible })
        }
    }
}
