import QtQuick 2.15
import QtTest 1.2
import Kivra.fab 1.0
import Vignetta.Scene 1.0 as Vig
import "../../qml/Main"

// Crash recovery as the main window wires it: opening the project again offers its scene back
// (the reset of the scene is never written over it), the question's text, a question closed
// without an answer, and Yes. (No, Exit and New Timeline: the whole-program test.)
TestCase {
    id: testCase
    name: "RecoveryPrompt"
    when: windowShown

    readonly property string sampleProject:
        Qt.resolvedUrl("../../sample/SampleProject/Sample.fabproject")

    Component {
        id: windowComponent
        MainWindow {}
    }

    property var window: null
    property var projectManager: null
    property var prompt: null
    property var recovery: null
    property var box: null
    property string folder: ""

    function initTestCase() {
        window = windowComponent.createObject(null)
        verify(window !== null)
        projectManager = findChild(window.contentItem, "projectManager")
        prompt = findChild(window.contentItem, "recoveryPrompt")
        recovery = prompt.manager
        box = findChild(prompt, "restoreBox")
        folder = KivraAPI.getTemporaryDir()
        verify(folder !== "")
        recovery.folder = folder
    }

    function cleanupTestCase() {
        recovery.discard()
        window.terminating = true
        window.destroy()
        KivraAPI.removeDir(folder)
    }

    function fileExists() {
        return recovery.recoveryFile !== "" && KivraAPI.isFileExists(KivraAPI.pathToUrl(recovery.recoveryFile))
    }

    function editAndWrite() {
        Vig.TimelineDataManager.insertBlocks([Vig.TimelineDataManager.createEmptyPictureBlock()], 0, 1)
        Vig.TimelineDataManager.insertBlocks([Vig.TimelineDataManager.createEmptyCommentBlock()], 30, 1)
        recovery.flush()
    }

    function test_reopeningOffersTheSceneAndYesBringsItBack() {
        verify(projectManager.openProject(sampleProject, false))
        tryVerify(function() { return recovery.recoveryFile !== "" })
        verify(!box.windowVisible)
        editAndWrite()
        verify(fileExists())
        var before = Vig.TimelineDataManager.sceneText()

        // Opening the project again resets the scene; the file keeps the scene before it.
        verify(projectManager.openProject(sampleProject, false))
        compare(Vig.TimelineDataManager.blockCount, 0)
        tryVerify(function() { return box.windowVisible })
        verify(/^Restore the scene that was open when Vignetta last stopped\? \(\d{4}-\d\d-\d\d \d\d:\d\d, 2 blocks\)$/
               .test(box.message), box.message)
        compare(box.iconType, "question")

        // Closed by its window's button: neither answer, so the question comes again.
        box.close()
        box.cancel()
        tryVerify(function() { return box.windowVisible })

        box.yes()
        tryCompare(Vig.TimelineDataManager, "blockCount", 2)
        compare(Vig.TimelineDataManager.sceneText(), before)
        verify(Vig.TimelineDataManager.canUndo)
        verify(!recovery.restorePending)
    }
}
