import QtQuick 2.15
import QtTest 1.2
import Vignetta.Project 1.0
import "../../qml/Controls"
import "../../qml/Dialogs"

// The two asset selectors over the test project: choosing a picture or a face cell, playing
// sounds, and a project that goes away while a selector is open.
Item {
    id: top
    width: 800
    height: 600

    readonly property string project: Qt.resolvedUrl("../data/property_project/")

    Dialog_ImageSelector { id: imageSelector }
    SignalSpy { id: imageOk; target: imageSelector; signalName: "ok" }

    Dialog_AudioSelector { id: audioSelector; player: fakePlayer }
    SignalSpy { id: audioOk; target: audioSelector; signalName: "ok" }

    // Records the calls the audio selector makes.
    QtObject {
        id: fakePlayer
        property var calls: []
        function play(channel, audio) {
            calls = calls.concat(["play " + channel + " " + audio.name + " " + audio.volume + " "
                                  + audio.pitch + " " + audio.pan])
        }
        function stop(channel) {
            calls = calls.concat(["stop " + channel])
        }
    }

    TestCase {
        name: "AssetSelectors"
        when: windowShown

        function init() {
            DataManager.projectUrl = top.project
            DataManager.projectOpened = true
            imageOk.clear()
            audioOk.clear()
            fakePlayer.calls = []
        }

        function cleanup() {
            imageSelector.close()
            audioSelector.close()
            tryVerify(function () { return !imageSelector.windowVisible && !audioSelector.windowVisible })
        }

        function rowTexts(l) {
            var out = []
            for (var i = 0; i < l.model.count; ++i)
                out.push(l.model.get(i).text)
            return out
        }

        function openDialog(dialog) {
            dialog.open()
            tryCompare(dialog.window, "opacity", 1)
            dialog.window.requestActivate()
            tryVerify(function () { return dialog.window.active })
        }

        function test_imageSelectorChoosesAPicture() {
            imageSelector.folder = top.project + "img/pictures"
            imageSelector.imageName = "Door10"
            imageSelector.imageIndex = 0
            openDialog(imageSelector)
            var l = findChild(imageSelector.contentItem, "fileList")
            var view = findChild(imageSelector.contentItem, "imageView")
            tryCompare(l, "currentBaseName", "Door10")
            verify(view.source.toString().indexOf("/img/pictures/Door10.png") > 0)
            verify(!view.gridShown)
            // The name with a space, '#' and '%' is shown from the right file.
            l.selectName("a b#c%")
            tryCompare(findChild(view, "picture"), "status", Image.Ready)
            compare(findChild(view, "picture").implicitWidth, 30)
            l.forceActiveFocus()
            keyClick(Qt.Key_Up)
            keyClick(Qt.Key_Return)
            tryVerify(function () { return !imageSelector.windowVisible })
            compare(imageOk.count, 1)
            compare(imageSelector.imageName, "Door10")

            // "(None)" stands for no picture; Cancel changes nothing.
            imageSelector.imageName = "Door2"
            openDialog(imageSelector)
            l = findChild(imageSelector.contentItem, "fileList")
            tryCompare(l, "currentBaseName", "Door2")
            l.currentIndex = 0
            keyClick(Qt.Key_Escape)
            tryVerify(function () { return !imageSelector.windowVisible })
            compare(imageOk.count, 1)
            openDialog(imageSelector)
            l = findChild(imageSelector.contentItem, "fileList")
            tryCompare(l, "currentBaseName", "Door2")
            l.currentIndex = 0
            imageSelector.contentItem.ok()
            compare(imageOk.count, 2)
            compare(imageSelector.imageName, "")
        }

        function test_faceSelectorPicksACell() {
            imageSelector.folder = top.project + "img/faces"
            imageSelector.imageName = "Face Sheet"
            imageSelector.imageIndex = 5
            imageSelector.imageScale = 2 / 3
            imageSelector.fixedFrameWidth = 144
            imageSelector.fixedFrameHeight = 144
            imageSelector.fixedMaxColumns = 4
            openDialog(imageSelector)
            var view = findChild(imageSelector.contentItem, "imageView")
            tryCompare(findChild(view, "picture"), "status", Image.Ready)
            tryVerify(function () { return view.gridShown })
            var cursor = findChild(view, "cellCursor")
            compare(cursor.x, 96)
            compare(cursor.y, 96)
            compare(cursor.width, 96)
            view.forceActiveFocus()
            keyClick(Qt.Key_Right)
            keyClick(Qt.Key_Right)
            compare(view.imageIndex, 7)
            keyClick(Qt.Key_Right)                       // the last column
            compare(view.imageIndex, 7)
            keyClick(Qt.Key_Up)
            compare(view.imageIndex, 3)
            // A press picks the cell under the pointer: (0, 1) is 4.
            var picture = findChild(view, "picture")
            mousePress(picture, 20, 120)
            mouseRelease(picture, 20, 120)
            compare(view.imageIndex, 4)
            mouseDoubleClickSequence(picture, 200, 20)    // cell 2, and accept
            tryVerify(function () { return !imageSelector.windowVisible })
            compare(imageOk.count, 1)
            compare(imageSelector.imageIndex, 2)
            compare(imageSelector.imageName, "Face Sheet")
            imageSelector.imageScale = 1
            imageSelector.fixedFrameWidth = 0
            imageSelector.fixedFrameHeight = 0
            imageSelector.fixedMaxColumns = 0
        }

        function test_audioSelectorPlaysAndTakesParameters() {
            audioSelector.subFolder = "se"
            audioSelector.audioName = "Bell"
            audioSelector.volume = 90
            audioSelector.pitch = 100
            audioSelector.pan = 0
            openDialog(audioSelector)
            var selector = findChild(audioSelector.contentItem, "audioSelector")
            var l = findChild(selector, "fileList")
            // Only Ogg files, with a capitalised suffix marked; m4a is not listed.
            compare(rowTexts(l), ["(None)", "Bell", "Chime"])
            verify(l.model.get(2).hasIssues)
            tryCompare(l, "currentBaseName", "Bell")

            mouseClick(findChild(selector, "playButton"))
            compare(fakePlayer.calls, ["stop se", "play se Bell 90 100 0"])
            // Another effect: the one playing stops first.
            l.currentIndex = 2
            mouseClick(findChild(selector, "playButton"))
            compare(fakePlayer.calls.slice(2), ["stop se", "play se Chime 90 100 0"])
            // A new volume replays the file last played.
            var volume = findChild(findChild(selector, "volumeGroup"), "spinBox")
            volume.forceActiveFocus()
            keyClick(Qt.Key_Down)
            compare(fakePlayer.calls.slice(4), ["stop se", "play se Chime 85 100 0"])
            mouseClick(findChild(selector, "stopButton"))
            compare(fakePlayer.calls[fakePlayer.calls.length - 1], "stop se")
            // With nothing playing, a parameter change plays nothing.
            var count = fakePlayer.calls.length
            var pan = findChild(findChild(selector, "panGroup"), "spinBox")
            pan.forceActiveFocus()
            keyClick(Qt.Key_Up)
            compare(fakePlayer.calls.length, count)
            audioSelector.contentItem.ok()
            tryVerify(function () { return !audioSelector.windowVisible })
            compare(audioOk.count, 1)
            compare(audioSelector.audioName, "Chime")
            compare(audioSelector.volume, 85)
            compare(audioSelector.pan, 20)
            // Closing does not stop a sound.
            compare(fakePlayer.calls[fakePlayer.calls.length - 1], "stop se")
        }

        function test_bgmReplaysWithNewParametersWithoutStopping() {
            audioSelector.subFolder = "bgm"
            audioSelector.audioName = "Theme2"
            audioSelector.volume = 90
            audioSelector.pitch = 100
            audioSelector.pan = 0
            openDialog(audioSelector)
            var selector = findChild(audioSelector.contentItem, "audioSelector")
            tryCompare(findChild(selector, "fileList"), "currentBaseName", "Theme2")
            mouseClick(findChild(selector, "playButton"))
            var pitch = findChild(findChild(selector, "pitchGroup"), "spinBox")
            pitch.forceActiveFocus()
            keyClick(Qt.Key_Up)
            compare(fakePlayer.calls, ["play bgm Theme2 90 100 0", "play bgm Theme2 90 110 0"])
        }

        function test_projectClosedWhileASelectorIsOpen() {
            imageSelector.folder = top.project + "img/pictures"
            imageSelector.imageName = "Door2"
            openDialog(imageSelector)
            audioSelector.subFolder = "se"
            DataManager.projectOpened = false
            tryVerify(function () { return !imageSelector.windowVisible })
            compare(imageOk.count, 0)
            DataManager.projectOpened = true
            openDialog(audioSelector)
            DataManager.projectUrl = top.project + "img/"
            tryVerify(function () { return !audioSelector.windowVisible })
            compare(audioOk.count, 0)
        }
    }
}
