import QtQuick 2.15
import QtTest 1.2
import Vignetta.Project 1.0
import Vignetta.Frame 1.0
import Vignetta.Scene 1.0 as Vig
import "../../qml/Main"
import "../../components_fc/qml/BasicControls"

// The main window with the real engine: a project resets the scene, an import is inserted,
// message boxes are not replaced while showing, New Timeline asks first. (The close question
// and a failed project load are checked by the whole-program test; rejected event files by the
// project manager's.)
TestCase {
    id: testCase
    name: "MainWindow"
    when: windowShown

    readonly property string sampleProject:
        Qt.resolvedUrl("../../sample/SampleProject/Sample.fabproject")
    readonly property string demoScene: Qt.resolvedUrl("../../sample/SampleProject/scenes/demo.json")

    Component {
        id: windowComponent
        MainWindow {}
    }

    property var window: null
    property var manager: null

    function child(name) {
        var found = findChild(window.contentItem, name)
        verify(found !== null, name)
        return found
    }

    function initTestCase() {
        window = windowComponent.createObject(null)
        verify(window !== null)
        manager = child("projectManager")
        // No recovery files here: their own test covers them, and a scene left by this test
        // must not be offered back to the next run.
        child("recoveryPrompt").manager.folder = ""
    }

    function cleanupTestCase() {
        window.terminating = true
        window.destroy()
    }

    function closeBoxes() {
        child("successBox").close();
        child("errorBox").close();
        findChild(manager, "clearBox").close();
        findChild(manager, "closeBox").close();
        tryVerify(function() { return !child("successBox").windowVisible && !child("errorBox").windowVisible })
    }

    // Until a project opens, the preview, the property panel and the lanes say how to open
    // one, with the keys that lead there, in the current theme's colours.
    function test_0_emptyPanesExplainHowToOpen() {
        verify(!DataManager.projectOpened)
        var menu = child("mainMenu")
        // "Open FC Project" has no shortcut of its own: the File menu's Alt key leads there.
        verify(!menu.actions.fileFCOpen.shortcut)
        compare(menu.fileFCOpenKeys, "Alt+F")
        compare(menu.menuKey("&File"), "Alt+F")
        compare(menu.menuKey("R&&D &tools"), "Alt+T")
        compare(menu.menuKey("R&&D"), "")

        var panes = { previewHint: child("mainView"), propertyHint: child("propertyView"),
                      timelineHint: child("timelineView") }
        for (var name in panes) {
            var hint = child(name)
            verify(hint.visible, name)
            // It covers its pane's contents exactly.
            var pane = panes[name]
            var corner = pane.mapToItem(null, 0, 0)
            var hintCorner = hint.mapToItem(null, 0, 0)
            compare(Qt.point(hintCorner.x, hintCorner.y), Qt.point(corner.x, corner.y), name)
            compare(Qt.size(hint.width, hint.height), Qt.size(pane.width, pane.height), name)
            var text = findChild(hint, "emptyPaneText")
            compare(text.text, "Open a Fablecraft project with File > Open FC Project…")
            compare(text.horizontalAlignment, Text.AlignHCenter)
            compare(findChild(hint, "emptyPaneKeyText").text, menu.fileFCOpenKeys)
            verify(findChild(hint, "emptyPaneKeys").visible)
        }
        // The lanes' hint leaves the tool rows above it free.
        var bar = child("insertBar")
        verify(child("timelineHint").mapToItem(null, 0, 0).y
               >= bar.mapToItem(null, 0, bar.height).y)

        // The texts follow a change of theme.
        var text = findChild(child("propertyHint"), "emptyPaneText")
        for (var theme of ["dark", "highContrastBlack", "default"]) {
            ThemeManager.setTheme(theme)
            verify(Qt.colorEqual(text.color, ThemeManager.currentTheme.normalText), theme)
            verify(Qt.colorEqual(child("previewHint").gradient.stops[0].color,
                                 ThemeManager.currentTheme.outsideArea), theme)
        }
    }

    function test_1_openingProjectResetsScene() {
        // Leftovers from an earlier scene must go when a project opens.
        Vig.TimelineDataManager.insertBlocks([Vig.TimelineDataManager.createEmptyPictureBlock()], 0, 1)
        verify(manager.openProject(sampleProject, false))
        compare(window.title, "Meadow Morning - Vignetta")
        compare(Vig.TimelineDataManager.blockCount, 0)
        verify(!Vig.TimelineDataManager.canUndo)
        compare(Vig.TimelineDataManager.bufferIndex, 0)
        // The panes show the project, not the hint.
        verify(!child("previewHint").visible)
        verify(!child("propertyHint").visible)
        verify(!child("timelineHint").visible)
    }

    function test_2_importInsertsAndConfirms() {
        manager.openEvent(demoScene)
        compare(Vig.TimelineDataManager.blockCount, 39)
        verify(Vig.TimelineDataManager.canUndo)
        var box = child("successBox")
        tryVerify(function() { return box.windowVisible })
        compare(box.message, "Import succeeded.")
        // A box already showing keeps its message.
        window.showSuccess("Copied the timeline to the clipboard as an event.")
        compare(box.message, "Import succeeded.")
        // Editing resumes once the timeline has shown the inserted blocks.
        tryVerify(function() { return child("mainMenu").actions.editCopyAsEvent.enabled })
        closeBoxes()
    }

    function test_3_importThatDoesNotFitIsAFailure() {
        var before = Vig.TimelineDataManager.sceneText()
        window.timelineView.setCursorFrame(9990)
        manager.openEvent(demoScene)
        window.timelineView.setCursorFrame(0)
        var box = child("errorBox")
        tryVerify(function() { return box.windowVisible })
        compare(box.message, "The import has failed.")
        verify(!child("successBox").windowVisible)
        compare(Vig.TimelineDataManager.sceneText(), before)
        closeBoxes()
    }

    function test_4_newTimelineAsksThenClears() {
        verify(Vig.TimelineDataManager.blockCount > 0)
        child("mainMenu").actions.fileNew.trigger()
        var box = findChild(manager, "clearBox")
        tryVerify(function() { return box.windowVisible })
        compare(box.message, "Are you sure you want to delete all Events in the timeline?")
        box.no()
        wait(20)
        verify(Vig.TimelineDataManager.blockCount > 0)

        child("mainMenu").actions.fileNew.trigger()
        tryVerify(function() { return box.windowVisible })
        box.yes()
        tryCompare(Vig.TimelineDataManager, "blockCount", 0)
        verify(!Vig.TimelineDataManager.canUndo)
    }

    // With no program to open them (none is, offscreen), Help > Contents and Game > Open Folder
    // say which file or folder could not be opened.
    function test_5_unopenableUrlsNameTheirPath() {
        closeBoxes()
        var box = child("errorBox")
        child("mainMenu").actions.helpContents.trigger()
        tryVerify(function() { return box.windowVisible })
        compare(box.message, "No program could be started to open "
                + FileNames.applicationDataFolder("Help") + "/index.html.")
        closeBoxes()

        verify(DataManager.projectOpened)
        child("mainMenu").actions.gameOpenFolder.trigger()
        tryVerify(function() { return box.windowVisible })
        var folder = decodeURIComponent(DataManager.projectUrl.replace(/^file:\/\//, ""))
        compare(box.message, "No program could be started to open " + folder + ".")
        closeBoxes()
    }

    // The about box writes its version and copyright in the theme's font families.
    function test_6_aboutBoxUsesTheThemeFonts() {
        var about = child("aboutBox")
        child("mainMenu").actions.about.trigger()
        tryVerify(function() { return about.contentItem !== null })
        var version = findChild(about.contentItem, "versionText")
        var copyright = findChild(about.contentItem, "copyrightText")
        compare(version.text, "Version 1.0.0")
        compare(version.font.family, FontManager.mediumFontName)
        compare(copyright.font.family, FontManager.normalFontName)
        verify(copyright.text.indexOf("VignettaWorks") >= 0)
        about.close()
    }
}
