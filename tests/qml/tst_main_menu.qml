import QtQuick 2.15
import QtTest 1.2
import Vignetta.Project 1.0
import "../../qml/Main"

// Enabling rules, signals and zoom of the main menu's actions.
TestCase {
    id: testCase
    name: "MainMenu"
    width: 400
    height: 300
    visible: true
    when: windowShown

    Component {
        id: menuComponent
        MainMenu {}
    }

    property var menu: null

    readonly property var allActions: [
        "fileFCOpen", "fileNew", "fileImport", "fileExport", "fileExportPreset", "exit",
        "editUndo", "editRedo", "editCut", "editCopy", "editPaste", "editDelete",
        "editCopyAsEvent", "laneNew", "createPictureEvent", "createMessageEvent",
        "createScrollEvent", "createFadeEvent", "createScreenEvent", "createAudioEvent",
        "createAudioFadeEvent", "createCommentEvent", "openPresetSelector", "scaleZoomIn",
        "scaleZoomOut", "scaleActualSize", "shrink", "expand", "controlStart", "controlEnd",
        "controlNextFrame", "controlPrevFrame", "controlNextEvent", "controlPrevEvent",
        "playback", "pause", "toolOptions", "gameOpenFolder", "helpContents", "about"]

    function init() {
        DataManager.projectOpened = false
        menu = createTemporaryObject(menuComponent, testCase)
        verify(menu !== null)
    }

    function cleanup() {
        DataManager.projectOpened = false
    }

    function enabledActions() {
        var names = []
        for (var i = 0; i < allActions.length; ++i) {
            var action = menu.actions[allActions[i]]
            verify(action !== undefined, allActions[i])
            if (action.enabled)
                names.push(allActions[i])
        }
        return names.sort()
    }

    // Every block-state flag the timeline can push in, set to true.
    function setEverythingAvailable() {
        menu.undoEnabled = true
        menu.redoEnabled = true
        menu.cutEnabled = true
        menu.copyEnabled = true
        menu.pasteEnabled = true
        menu.deleteEnabled = true
        menu.copyAsEventEnabled = true
        menu.focusInTimeline = true
    }

    function test_withoutProject() {
        compare(enabledActions(),
                ["about", "exit", "fileFCOpen", "helpContents", "toolOptions"])
        // Block states alone do not enable project commands without a project...
        setEverythingAvailable()
        // ...except the clipboard commands, which only follow the selection.
        compare(enabledActions(), ["about", "editCopy", "editCut", "editDelete", "editPaste",
                                   "exit", "fileFCOpen", "helpContents", "toolOptions"])
    }

    function test_withProject() {
        DataManager.projectOpened = true
        // Fresh project: nothing selected, empty scene, nothing to undo, timeline unfocused.
        compare(enabledActions(), [
            "about", "createAudioEvent", "createAudioFadeEvent", "createCommentEvent",
            "createFadeEvent", "createMessageEvent", "createPictureEvent", "createScreenEvent",
            "createScrollEvent", "exit", "expand", "fileExport", "fileFCOpen", "fileImport",
            "fileNew", "gameOpenFolder", "helpContents", "laneNew", "openPresetSelector",
            "pause", "playback", "scaleZoomIn", "scaleZoomOut", "shrink", "toolOptions"])
        setEverythingAvailable()
        var expected = allActions.filter(function(n) { return n !== "scaleActualSize" })
        compare(enabledActions(), expected.sort())
        // The navigation keys belong to the timeline only while it has the focus.
        menu.focusInTimeline = false
        var navigation = ["controlStart", "controlEnd", "controlNextFrame", "controlPrevFrame",
                          "controlNextEvent", "controlPrevEvent"]
        navigation.forEach(function(n) {
            verify(!menu.actions[n].enabled, n)
        })
    }

    function test_duringPlayback() {
        DataManager.projectOpened = true
        setEverythingAvailable()
        menu.allowEdit = false
        menu.isPlayback = true
        compare(enabledActions(), ["about", "exit", "gameOpenFolder", "helpContents", "pause",
                                   "scaleZoomIn", "scaleZoomOut", "toolOptions"])
        verify(menu.actions.playback.checked)
        menu.isPlayback = false
        menu.allowEdit = true
        verify(!menu.actions.playback.checked)
        verify(menu.actions.playback.enabled)
    }

    function test_playCheckFollowsPlaybackNotClicks() {
        DataManager.projectOpened = true
        var spy = createTemporaryObject(spyComponent, testCase,
                                        { target: menu, signalName: "playback" })
        menu.actions.playback.trigger()
        compare(spy.count, 1)
        // Nothing started playback, so the action is not left checked by the click.
        verify(!menu.actions.playback.checked)
        menu.isPlayback = true
        verify(menu.actions.playback.checked)
        verify(!menu.actions.playback.enabled)
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function test_actionsEmitTheirSignals_data() {
        // Actions whose signal has the action's own name, then the renamed ones.
        var rows = ["fileFCOpen", "fileNew", "fileImport", "fileExport", "fileExportPreset", "exit",
                    "editUndo", "editRedo", "openPresetSelector", "pause", "toolOptions",
                    "gameOpenFolder", "helpContents", "about"].map(function(n) {
            return { tag: n, signal: n }
        })
        var renamed = { editCut: "cut", editCopy: "copy", editPaste: "paste",
                        editDelete: "deleteBlock", editCopyAsEvent: "copyAsEvent",
                        laneNew: "newLane", shrink: "shrinkTimeline",
                        controlStart: "toStartFrame", controlEnd: "toEndFrame",
                        controlNextFrame: "toNextFrame", controlPrevFrame: "toPrevFrame",
                        controlNextEvent: "toNextEvent", controlPrevEvent: "toPrevEvent" }
        for (var n in renamed)
            rows.push({ tag: n, signal: renamed[n] })
        return rows
    }

    function test_actionsEmitTheirSignals(data) {
        DataManager.projectOpened = true
        setEverythingAvailable()
        var spy = createTemporaryObject(spyComponent, testCase,
                                        { target: menu, signalName: data.signal })
        menu.actions[data.tag].trigger()
        compare(spy.count, 1)
    }

    function test_insertCommandsHandOverOneNewBlock_data() {
        return [
            { tag: "createPictureEvent", mode: 0 }, { tag: "createMessageEvent", mode: 1 },
            { tag: "createFadeEvent", mode: 2 }, { tag: "createAudioEvent", mode: 3 },
            { tag: "createScreenEvent", mode: 4 }, { tag: "createCommentEvent", mode: 5 },
            { tag: "createScrollEvent", mode: 7 }, { tag: "createAudioFadeEvent", mode: 8 }
        ]
    }

    function test_insertCommandsHandOverOneNewBlock(data) {
        DataManager.projectOpened = true
        var spy = createTemporaryObject(spyComponent, testCase,
                                        { target: menu, signalName: "eventSelected" })
        menu.actions[data.tag].trigger()
        compare(spy.count, 1)
        var blocks = spy.signalArguments[0][0]
        compare(blocks.length, 1)
        compare(blocks[0].eventData.blockMode, data.mode)
    }

    function test_zoomSteps() {
        DataManager.projectOpened = true
        compare(menu.screenScaleTable.length, 24)
        verify(!menu.actions.scaleActualSize.enabled)
        menu.actions.scaleZoomIn.trigger()
        compare(menu.screenScale, 54 / 48)
        verify(menu.actions.scaleActualSize.enabled)
        for (var i = 0; i < 10; ++i)
            menu.actions.scaleZoomIn.trigger()
        compare(menu.screenScale, 72 / 48)
        verify(!menu.actions.scaleZoomIn.enabled)
        for (i = 0; i < 30; ++i)
            menu.actions.scaleZoomOut.trigger()
        compare(menu.screenScale, 5 / 48)
        verify(!menu.actions.scaleZoomOut.enabled)
        verify(menu.actions.scaleZoomIn.enabled)
        menu.actions.scaleActualSize.trigger()
        compare(menu.screenScale, 1)
    }

    function test_shrinkAndExpandAreExclusive() {
        DataManager.projectOpened = true
        verify(menu.actions.expand.checked)
        verify(!menu.actions.shrink.checked)
        var expandSpy = createTemporaryObject(spyComponent, testCase,
                                              { target: menu, signalName: "expandTimeline" })
        menu.actions.shrink.trigger()
        verify(menu.actions.shrink.checked)
        verify(!menu.actions.expand.checked)
        menu.actions.expand.trigger()
        compare(expandSpy.count, 1)
        verify(menu.actions.expand.checked)
        verify(!menu.actions.shrink.checked)
    }

    function test_menuBarOrder() {
        var titles = []
        for (var i = 0; i < menu.menuBar.menus.length; ++i)
            titles.push(menu.menuBar.menus[i].title.replace("&", ""))
        compare(titles, ["File", "Edit", "Insert", "Scale", "Control", "Tools", "Game", "Help"])
        var edit = menu.menuBar.menus[1]
        var texts = []
        for (i = 0; i < edit.items.length; ++i)
            texts.push(edit.items[i].text === undefined ? "-" : edit.items[i].text)
        compare(texts, ["Undo", "Redo", "-", "Cut", "Copy", "Paste", "Delete", "-",
                        "Copy As Event"])
        compare(menu.timelineContextMenu.items.length, 4)
    }

    // Alt and the letter after "&" open a menu: every menu has a letter and no two share one.
    // A command's own text carries none, as the toolkit would make its Alt+letter a key of the
    // whole window, competing with the menus' letters.
    function test_menuMnemonicsAreDistinct() {
        var letters = []
        for (var i = 0; i < menu.menuBar.menus.length; ++i) {
            var title = menu.menuBar.menus[i].title
            var at = title.indexOf("&")
            verify(at >= 0 && at + 1 < title.length, title)
            var letter = title.charAt(at + 1).toUpperCase()
            verify(letters.indexOf(letter) < 0, title + " repeats " + letter)
            letters.push(letter)
        }
        for (var name of allActions)
            verify(menu.actions[name].text.indexOf("&") < 0, name)
    }

    function test_zoomKeys() {
        DataManager.projectOpened = true
        keyClick(Qt.Key_Equal, Qt.ControlModifier)      // the "+" key without Shift
        compare(menu.screenScale, 54 / 48)
        keyClick(Qt.Key_Plus, Qt.ControlModifier)
        compare(menu.screenScale, 60 / 48)
        keyClick(Qt.Key_Minus, Qt.ControlModifier)
        compare(menu.screenScale, 54 / 48)
        // At the largest step Ctrl+= does nothing, as Zoom In does.
        menu.screenScale = menu.maximumScreenScale
        keyClick(Qt.Key_Equal, Qt.ControlModifier)
        compare(menu.screenScale, menu.maximumScreenScale)
        // Without a project neither key zooms.
        DataManager.projectOpened = false
        menu.screenScale = 1
        keyClick(Qt.Key_Equal, Qt.ControlModifier)
        compare(menu.screenScale, 1)
    }

    function test_toolRowsForTheTimeline() {
        DataManager.projectOpened = true
        var insertRow = createTemporaryObject(menu.eventToolBar, testCase)
        var toolsRow = createTemporaryObject(menu.timelineToolBar, testCase)
        verify(insertRow !== null && toolsRow !== null)
        // Buttons and separators, in order; each button is its action with its theme icon.
        var expectInsert = ["createPictureEvent", "createMessageEvent", "createScrollEvent",
                            "createFadeEvent", "createScreenEvent", "createAudioEvent",
                            "createAudioFadeEvent", "createCommentEvent", "-", "openPresetSelector"]
        var expectTools = ["editUndo", "editRedo", "-", "laneNew", "playback", "pause", "shrink",
                           "expand", "-", "editCopyAsEvent"]
        function check(row, expected) {
            compare(row.children.length, expected.length)
            for (var i = 0; i < expected.length; ++i) {
                var item = row.children[i]
                if (expected[i] === "-") {
                    verify(item.action === undefined, "separator " + i)
                    continue
                }
                compare(item.action, menu.actions[expected[i]], expected[i])
                verify(/\/qml\/Images\/[a-z_-]+\.png$/.test(String(item.action.iconSource)),
                       expected[i])
            }
        }
        check(insertRow, expectInsert)
        check(toolsRow, expectTools)
    }
}
