import QtQuick 2.15
import QtTest 1.2
import Vignetta.Audio 1.0
import "../../qml/Main"

// The audio preview as the main window sets it up: the window hands over its hidden view,
// opening a project loads the page from the project folder, and a project that fails to open
// leaves nothing playing.
TestCase {
    id: testCase
    name: "AudioPlayer"
    when: windowShown

    readonly property string sampleProject:
        Qt.resolvedUrl("../../sample/SampleProject/Sample.fabproject")

    Component {
        id: windowComponent
        MainWindow {}
    }

    // The value of a script expression in the audio page (undefined until it has answered).
    function pageValue(view, expression) {
        var answer = { value: undefined }
        view.runJavaScript(expression, function(result) { answer.value = result })
        tryVerify(function() { return answer.value !== undefined }, 5000, expression)
        return answer.value
    }

    function test_projectsLoadThePageOfTheWindowsView() {
        var window = windowComponent.createObject(null)
        var view = findChild(window.contentItem, "audioEngine")
        verify(view !== null)
        compare(AudioPlayer.engine, view)
        verify(!view.visible)
        compare(view.width, 0)
        compare(view.height, 0)
        verify(!AudioPlayer.pageReady)

        var manager = findChild(window.contentItem, "projectManager")
        verify(manager.openProject(sampleProject, false))
        tryCompare(AudioPlayer, "pageReady", true, 20000)
        compare(view.url.toString(), sampleProject.substring(0, sampleProject.lastIndexOf("/") + 1))

        AudioPlayer.play("bgm", { name: "Meadow_Theme", volume: 90, pitch: 100, pan: 0 })
        compare(AudioPlayer.lastPlayed.bgm.name, "Meadow_Theme")
        tryVerify(function() {
            return pageValue(view, "!!AudioManager._bgmBuffer && AudioManager._bgmBuffer.isPlaying()")
        }, 5000)
        AudioPlayer.stop("bgm")
        compare(AudioPlayer.getLastPlayed("bgm"), null)
        compare(pageValue(view, "AudioManager._bgmBuffer === null"), true)

        AudioPlayer.play("se", { name: "Chime", volume: 90, pitch: 100, pan: 0 })
        verify(!manager.openProject(sampleProject + ".missing", true))
        verify(!AudioPlayer.pageReady)
        compare(Object.keys(AudioPlayer.lastPlayed).length, 0)
        tryVerify(function() { return pageValue(view, "typeof AudioManager") === "undefined" },
                  5000)

        window.terminating = true
        window.destroy()
    }
}
