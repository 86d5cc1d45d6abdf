import QtQuick 2.15
import QtTest 1.2
import Vignetta.Scene 1.0 as Vig
import Vignetta.Project 1.0
import "../../qml/PropertyView"
import "property"

// The property panel over the real document: which editor shows, the loading guard, one
// undo step per burst of edits, and what reaches the timeline and the preview.
Item {
    id: top
    width: 600
    height: 900

    TimelineStandIn { id: timeline; mainView: mainView }
    MainViewStandIn { id: mainView }
    PropertyView {
        id: panel
        width: 506
        height: 900
        timelineView: timeline
        mainView: mainView
    }

    TestCase {
        id: testCase
        name: "PropertyView"
        when: windowShown

        property var tdm: Vig.TimelineDataManager

        function editor(name) { return findChild(panel, name) }
        function control(editorName, controlName) {
            var c = findChild(editor(editorName), controlName)
            verify(c !== null, controlName)
            return c
        }
        function spin(editorName, controlName) { return findChild(control(editorName, controlName), "spinBox") }

        // A fresh scene with one block of each kind on lane 1 and a marker; returns the ids.
        function scene() {
            tdm.clearData()
            tdm.clearBuffer()
            tdm.pushBuffer()
            var ids = {}
            var frame = 0
            var modes = { picture: 0, message: 1, fade: 2, sound: 3, screen: 4, other: 6,
                          scroll: 7, soundFade: 8 }
            for (var k in modes) {
                ids[k] = tdm.insertNewBlock(modes[k], frame, 1)
                verify(ids[k] > 0, k)
                frame += 100
            }
            ids.marker = tdm.insertNewBlock(5, 50, 1)
            verify(ids.marker > 0)
            timeline.select([])
            return ids
        }

        function waitLoaded(name) {
            tryCompare(editor(name), "dataLoading", false)
        }

        function waitApplied(n) {
            tryVerify(function () { return timeline.appliedKinds.length === n },
                      1000, "applied " + n)
        }

        // Edits are applied 10 ms after the last one: wait until nothing is pending.
        function settle() {
            wait(40)
        }

        function undoIndex() { return tdm.bufferIndex }
        function field(id, path) { return tdm.getBlockField(id, path) }

        function test_loadingGuardShowsClampedValuesAndWritesNothing() {
            var ids = scene()
            // Out of range, of the wrong type, and missing altogether.
            verify(tdm.setBlockFields(ids.picture, { "startScale.width": 2500, "endOpacity": 300,
                                                     "startPosition": 5, "rotateSpeed": "fast",
                                                     "startOpacity": "128" }))
            verify(tdm.setBlockField(ids.screen, "shakePower", 12))
            tdm.pushBuffer()
            var before = tdm.sceneText()
            var index = undoIndex()

            timeline.select([ids.picture])
            waitLoaded("pictureProperty")
            compare(spin("pictureProperty", "startWidth").value, 2000)
            compare(spin("pictureProperty", "endOpacity").value, 255)
            compare(spin("pictureProperty", "startX").value, 0)
            compare(spin("pictureProperty", "rotateSpeed").value, 0)
            // A number written as text reads as that number, as the preview and the
            // conversion read it.
            compare(spin("pictureProperty", "startOpacity").value, 128)
            timeline.select([ids.screen])
            waitLoaded("screenProperty")
            compare(findChild(control("screenProperty", "shakePower"), "spinBox").value, 9)
            settle()
            compare(tdm.sceneText(), before)
            compare(undoIndex(), index)
            compare(timeline.appliedKinds.length, 0)

            // The next change of a field writes the value shown, changed.
            timeline.select([ids.picture])
            waitLoaded("pictureProperty")
            var w = spin("pictureProperty", "startWidth")
            w.forceActiveFocus()
            keyClick(Qt.Key_Down)
            waitApplied(1)
            compare(field(ids.picture, "startScale.width"), 1999)
            compare(timeline.appliedKinds[0], "startScale")
            compare(undoIndex(), index + 1)
            // A part of a position stored as no object is written with the rest shown.
            var x = spin("pictureProperty", "startX")
            x.forceActiveFocus()
            keyClick(Qt.Key_Up)
            waitApplied(2)
            compare(JSON.stringify(field(ids.picture, "startPosition")), '{"x":1,"y":0}')
            compare(field(ids.picture, "endOpacity"), 300)
        }

        function test_aTypedNumberIsOneEdit() {
            var ids = scene()
            timeline.select([ids.picture])
            waitLoaded("pictureProperty")
            var index = undoIndex()
            var x = spin("pictureProperty", "endX")
            x.forceActiveFocus()
            keyClick(Qt.Key_A, Qt.ControlModifier)
            // Keys as slow as a person types, each well after the edits have been applied.
            keyClick(Qt.Key_4); settle()
            keyClick(Qt.Key_0); settle()
            keyClick(Qt.Key_0); settle()
            compare(undoIndex(), index)
            compare(timeline.appliedKinds.length, 0)
            keyClick(Qt.Key_Return)
            waitApplied(1)
            compare(JSON.stringify(field(ids.picture, "endPosition")), '{"x":400,"y":0}')
            compare(undoIndex(), index + 1)
            // An arrow key takes what was typed and steps at once; typing that ends with the
            // focus leaving counts too.
            keyClick(Qt.Key_End)
            keyClick(Qt.Key_Backspace); settle()
            compare(field(ids.picture, "endPosition.x"), 400)
            keyClick(Qt.Key_Up)
            tryVerify(function () { return field(ids.picture, "endPosition.x") === 41 })
            settle()
            compare(undoIndex(), index + 2)
            keyClick(Qt.Key_End)
            keyClick(Qt.Key_5); settle()
            compare(field(ids.picture, "endPosition.x"), 41)
            spin("pictureProperty", "endY").forceActiveFocus()
            tryVerify(function () { return field(ids.picture, "endPosition.x") === 415 })
            settle()
            compare(undoIndex(), index + 3)
            verify(tdm.undo())
            compare(field(ids.picture, "endPosition.x"), 41)
        }

        function test_missingFieldsShowDefaults() {
            scene()
            var ids = tdm.insertBlocks([{ blockId: 1, laneId: 1,
                                          eventData: { blockStart: 0, blockDelay: 60, blockMode: 4 } }],
                                       2000, 1)
            compare(ids.length, 1)
            var before = tdm.sceneText()
            timeline.select([ids[0]])
            waitLoaded("screenProperty")
            verify(!control("screenProperty", "flashEnabled").checked)
            compare(findChild(control("screenProperty", "flashColor"), "row3").value, 170)
            compare(findChild(control("screenProperty", "shakeSpeed"), "spinBox").value, 5)
            settle()
            compare(tdm.sceneText(), before)
        }

        function test_sliderDragIsOneUndoStep() {
            var ids = scene()
            tdm.setBlockField(ids.screen, "flashEnabled", true)
            timeline.select([ids.screen])
            waitLoaded("screenProperty")
            var index = undoIndex()
            var row = findChild(control("screenProperty", "flashColor"), "row0")
            var slider = findChild(row, "slider")
            // A drag that takes longer than the burst wait: held, it stays one edit.
            mousePress(slider, slider.width - 4, slider.height / 2)
            for (var i = 1; i <= 20; ++i) {
                mouseMove(slider, slider.width - 4 - i * 7, slider.height / 2)
                wait(10)
            }
            mouseRelease(slider, slider.width - 4 - 140, slider.height / 2)
            waitApplied(1)
            settle()
            compare(undoIndex(), index + 1)
            compare(timeline.appliedKinds[0], "flashColor")
            verify(field(ids.screen, "flashColor.R") < 255)
            compare(field(ids.screen, "flashColor.R"), row.value)

            // Values following one another quicker than the wait, without a press, are one
            // burst too.
            var speedRow = control("screenProperty", "shakeSpeed")
            tdm.setBlockField(ids.screen, "shakeEnabled", true)
            tryCompare(speedRow, "enabled", true)
            waitLoaded("screenProperty")
            index = undoIndex()
            var speedSlider = findChild(speedRow, "slider")
            for (var v = 1; v <= 9; ++v)
                speedSlider.value = v
            waitApplied(2)
            settle()
            compare(undoIndex(), index + 1)
            compare(field(ids.screen, "shakeSpeed"), 9)
        }

        function test_quickToneIsOneStep() {
            var ids = scene()
            timeline.select([ids.picture])
            waitLoaded("pictureProperty")
            var index = undoIndex()
            mouseClick(findChild(control("pictureProperty", "colorTone"), "tone_2"))   // Sepia
            waitApplied(1)
            settle()
            compare(JSON.stringify(field(ids.picture, "endColor")), '{"R":34,"G":-34,"B":-68,"S":170}')
            compare(undoIndex(), index + 1)
            compare(timeline.appliedKinds[0], "endColor")
            // The same tone again changes nothing and records nothing.
            mouseClick(findChild(control("pictureProperty", "colorTone"), "tone_2"))
            settle()
            compare(undoIndex(), index + 1)
            // Undo brings the old tone back into the editor.
            verify(tdm.undo())
            compare(findChild(control("pictureProperty", "colorTone"), "row3").value, 0)
        }

        function test_sceneSizeRecordsNoUndoStep() {
            scene()
            tdm.screenWidth = 816
            tdm.screenHeight = 624
            timeline.select([])
            waitLoaded("sceneProperty")
            var index = undoIndex()
            var calls = mainView.screenSizeCalls
            var w = spin("sceneProperty", "screenWidth")
            var isDefault = control("sceneProperty", "defaultSize")
            verify(isDefault.checked)
            verify(!isDefault.enabled)
            w.forceActiveFocus()
            keyClick(Qt.Key_A, Qt.ControlModifier)
            keyClick(Qt.Key_1)
            keyClick(Qt.Key_0)
            keyClick(Qt.Key_0)
            keyClick(Qt.Key_0)
            keyClick(Qt.Key_Return)
            tryCompare(tdm, "screenWidth", 1000)
            verify(!isDefault.checked)
            verify(isDefault.enabled)
            compare(tdm.screenHeight, 624)
            verify(mainView.screenSizeCalls > calls)
            compare(undoIndex(), index)
            compare(timeline.appliedKinds.length, 0)
            // The bounds hold: 1920 is the widest, and the height stays at 624 at least.
            keyClick(Qt.Key_A, Qt.ControlModifier)
            keyClick(Qt.Key_1)
            keyClick(Qt.Key_9)
            keyClick(Qt.Key_2)
            keyClick(Qt.Key_0)
            keyClick(Qt.Key_Up)
            tryCompare(tdm, "screenWidth", 1920)
            var h = spin("sceneProperty", "screenHeight")
            h.forceActiveFocus()
            keyClick(Qt.Key_Down)
            compare(h.value, 624)
            // "Default" puts the default size back and cannot be taken off again.
            mouseClick(isDefault)
            tryCompare(tdm, "screenWidth", 816)
            compare(w.value, 816)
            verify(isDefault.checked)
            verify(!isDefault.enabled)
            compare(undoIndex(), index)
        }

        function test_messageCursorLineReachesThePreview() {
            var ids = scene()
            tdm.setBlockField(ids.message, "messageText", "one\ntwo\nthree")
            tdm.pushBuffer()
            timeline.select([ids.message])
            waitLoaded("messageProperty")
            var index = undoIndex()
            var seen = []
            var record = function (changer) {
                seen.push(changer.changedProperty + ":" + changer.currentLineIndex)
            }
            timeline.propertyChanged.connect(record)
            var area = findChild(control("messageProperty", "messageText"), "textArea")
            area.forceActiveFocus()
            area.cursorPosition = 0
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            tryVerify(function () { return seen.length > 0 && seen[seen.length - 1] === "messageLineIndex:2" })
            settle()
            compare(undoIndex(), index)       // a cursor move is no edit
            // Typing a line break: the text and the line move fall into one burst, applied as
            // the line move for the preview, and the text change still gets its undo step.
            keyClick(Qt.Key_End)
            keyClick(Qt.Key_Return)
            tryVerify(function () { return seen.length >= 2 })
            settle()
            compare(field(ids.message, "messageText"), "one\ntwo\nthree\n")
            compare(seen[seen.length - 1], "messageLineIndex:3")
            compare(undoIndex(), index + 1)
            timeline.propertyChanged.disconnect(record)
            verify(tdm.undo())
            compare(findChild(control("messageProperty", "messageText"), "textArea").text,
                    "one\ntwo\nthree")
        }

        function test_markerCommentIsUndoable() {
            var ids = scene()
            timeline.selectMarker(ids.marker)
            waitLoaded("commentProperty")
            var index = undoIndex()
            var area = findChild(control("commentProperty", "comment"), "textArea")
            area.forceActiveFocus()
            area.insert(0, "hi")
            compare(field(ids.marker, "comment"), "hi")
            settle()
            compare(undoIndex(), index + 1)
            // The timeline holds no selected block: it is not asked to apply anything.
            compare(timeline.appliedKinds.length, 0)
            verify(tdm.undo())
            compare(field(ids.marker, "comment"), "")
            compare(area.text, "")
        }

        function test_commentKeepsSixLines() {
            var ids = scene()
            timeline.selectMarker(ids.marker)
            waitLoaded("commentProperty")
            var area = findChild(control("commentProperty", "comment"), "textArea")
            var lines = []
            for (var i = 1; i <= 10; ++i)
                lines.push("line " + i)
            area.insert(0, lines.join("\n"))
            compare(area.lineCount, 6)
            compare(field(ids.marker, "comment"), lines.slice(0, 6).join("\n"))
            // Long lines wrap and count as lines too; the cut falls at the end of the sixth.
            area.remove(0, area.length)
            var longText = ""
            for (var j = 0; j < 60; ++j)
                longText += "word" + j + " "
            area.insert(0, longText)
            compare(area.lineCount, 6)
            verify(area.text.length < longText.length)
            compare(longText.indexOf(area.text), 0)
            compare(field(ids.marker, "comment"), area.text)
        }

        function test_playbackDisablesAllButTheComment() {
            var ids = scene()
            timeline.select([ids.picture])
            timeline.isPlayback = true
            verify(!findChild(editor("pictureProperty"), "pictureGroup").enabled)
            timeline.selectMarker(ids.marker)
            verify(findChild(editor("commentProperty"), "commentGroup").enabled)
            timeline.isPlayback = false
            timeline.select([ids.picture])
            verify(findChild(editor("pictureProperty"), "pictureGroup").enabled)
        }

        function test_soundChannelChangeResetsTheSound() {
            var ids = scene()
            tdm.setBlockFields(ids.sound, { "audioName": "Theme", "volume": 50, "pitch": 120,
                                            "pan": -40 })
            timeline.select([ids.sound])
            waitLoaded("audioProperty")
            var box = control("audioProperty", "audioName")
            compare(box.volume, 50)
            compare(box.subFolder, "bgm")
            var index = undoIndex()
            var combo = findChild(control("audioProperty", "audioType"), "comboBox")
            combo.currentIndex = 3      // the user picks SE
            combo.activated(3)
            waitApplied(1)
            settle()
            compare(field(ids.sound, "audioType"), "se")
            compare(field(ids.sound, "audioName"), "")
            compare(field(ids.sound, "volume"), 90)
            compare(field(ids.sound, "pitch"), 100)
            compare(field(ids.sound, "pan"), 0)
            compare(box.subFolder, "se")
            compare(box.audioName, "")
            compare(box.pan, 0)
            compare(undoIndex(), index + 1)

            // A channel the program does not know shows BGM; a fade-out likewise.
            tdm.setBlockField(ids.sound, "audioType", "voice")
            timeline.select([ids.sound])
            compare(findChild(control("audioProperty", "audioType"), "comboBox").currentIndex, 0)
            compare(box.subFolder, "bgm")
            tdm.setBlockField(ids.soundFade, "fadeoutAudioType", 7)
            timeline.select([ids.soundFade])
            compare(findChild(control("fadeoutAudioProperty", "fadeoutAudioType"), "comboBox").currentIndex, 0)
        }

        function test_framesDraggedOnThePreview() {
            var ids = scene()
            tdm.setBlockFields(ids.picture, { "startScale.width": 150, "endScale.height": 1500 })
            timeline.select([ids.picture])
            waitLoaded("pictureProperty")
            var index = undoIndex()
            mainView.changer.startPosition = Qt.point(10, 20)
            mainView.changer.endPosition = Qt.point(300.4, -40)
            mainView.changer.startScale = Qt.point(2, 1)
            mainView.changer.endScale = Qt.point(1, 2)
            mainView.changed()
            compare(JSON.stringify(field(ids.picture, "startPosition")), '{"x":10,"y":20}')
            compare(JSON.stringify(field(ids.picture, "endPosition")), '{"x":300,"y":-40}')
            compare(field(ids.picture, "startScale.width"), 300)
            // Kept within the editor's range.
            compare(field(ids.picture, "endScale.height"), 2000)
            compare(spin("pictureProperty", "startWidth").value, 300)
            compare(spin("pictureProperty", "endX").value, 300)
            waitApplied(1)
            settle()
            compare(undoIndex(), index + 1)
            compare(timeline.appliedKinds[0], "")
        }

        function test_selectionChangeAppliesThePendingEdit() {
            var ids = scene()
            timeline.select([ids.fade])
            waitLoaded("fadeProperty")
            var index = undoIndex()
            var combo = findChild(control("fadeProperty", "fadeType"), "comboBox")
            combo.forceActiveFocus()
            keyClick(Qt.Key_Down)
            compare(field(ids.fade, "fadeType"), 1)
            // Another block is selected before the wait runs out: the edit gets its step.
            timeline.select([ids.picture, ids.message])
            compare(undoIndex(), index + 1)
            verify(editor("sceneProperty").visible)
        }

        function init() {
            timeline.isPlayback = false
            timeline.appliedKinds = []
        }

        function openSelector(box) {
            var dialog = box.selector
            mouseClick(findChild(box, "ellipsisButton") || findChild(box, "imageBox"))
            tryCompare(dialog.window, "opacity", 1)
            return dialog
        }

        function test_pictureChoiceTakesItsSize() {
            DataManager.projectUrl = Qt.resolvedUrl("../data/property_project/")
            DataManager.projectOpened = true
            var ids = scene()
            timeline.select([ids.picture])
            waitLoaded("pictureProperty")
            var index = undoIndex()
            var box = control("pictureProperty", "imageName")
            var dialog = openSelector(box)
            var list = findChild(dialog.contentItem, "fileList")
            tryCompare(list, "currentIndex", 0)              // no picture yet: "(None)"
            list.currentIndex = list.model.indexOfBaseName("Door2")
            dialog.contentItem.ok()
            tryVerify(function () { return !dialog.windowVisible })
            compare(field(ids.picture, "imageName"), "Door2")
            // The main view loaded it and reported its size.
            compare(mainView.loadedNames[mainView.loadedNames.length - 1], "Door2")
            compare(field(ids.picture, "width"), 320)
            compare(field(ids.picture, "height"), 240)
            compare(findChild(box, "ellipsisButton").text, "Door2")
            waitApplied(1)
            compare(timeline.appliedKinds[0], "imageName")
            compare(undoIndex(), index + 1)

            // "(None)": no picture, and the size the main view gives for no name.
            dialog = openSelector(box)
            list = findChild(dialog.contentItem, "fileList")
            tryCompare(list, "currentBaseName", "Door2")
            list.currentIndex = 0
            dialog.contentItem.ok()
            tryVerify(function () { return !dialog.windowVisible })
            compare(field(ids.picture, "imageName"), "")
            compare(field(ids.picture, "width"), 0)
            waitApplied(2)
            compare(undoIndex(), index + 2)
        }

        function test_faceChoiceMovesTheGuide() {
            DataManager.projectUrl = Qt.resolvedUrl("../data/property_project/")
            DataManager.projectOpened = true
            var ids = scene()
            timeline.select([ids.message])
            waitLoaded("messageProperty")
            var guide = findChild(control("messageProperty", "messageText"), "guideLine")
            var without = guide.x
            var face = control("messageProperty", "face")
            face.imageBox.forceActiveFocus()
            keyPress(Qt.Key_Space)
            keyRelease(Qt.Key_Space)
            var dialog = face.selector
            tryCompare(dialog.window, "opacity", 1)
            compare(dialog.fixedFrameWidth, 144)
            compare(dialog.fixedMaxColumns, 4)
            var list = findChild(dialog.contentItem, "fileList")
            list.currentIndex = list.model.indexOfBaseName("Face Sheet")
            findChild(dialog.contentItem, "imageView").imageIndex = 6
            dialog.contentItem.ok()
            tryVerify(function () { return !dialog.windowVisible })
            compare(field(ids.message, "messageImageName"), "Face Sheet")
            compare(field(ids.message, "messageImageIndex"), 6)
            // The guide stands at 43 characters instead of 55.
            verify(guide.x < without)
            compare(Math.round((guide.x - 4) * 55 / 43), Math.round(without - 4))
            // The well shows cell (2, 1) of the sheet.
            compare(face.framePosition, Qt.point(2, 1))
            waitApplied(1)
            compare(timeline.appliedKinds[0], "messageImageName")
        }

        function test_editorByKind() {
            var ids = scene()
            verify(editor("sceneProperty").visible)
            var expected = { picture: "pictureProperty", message: "messageProperty",
                             fade: "fadeProperty", sound: "audioProperty", screen: "screenProperty",
                             scroll: "scrollProperty", soundFade: "fadeoutAudioProperty" }
            var all = ["pictureProperty", "messageProperty", "fadeProperty", "audioProperty",
                       "screenProperty", "commentProperty", "scrollProperty",
                       "fadeoutAudioProperty", "sceneProperty"]
            for (var k in expected) {
                timeline.select([ids[k]])
                for (var i = 0; i < all.length; ++i)
                    compare(editor(all[i]).visible, all[i] === expected[k], k + " " + all[i])
            }
            // Kind 6: nothing.
            timeline.select([ids.other])
            for (var j = 0; j < all.length; ++j)
                verify(!editor(all[j]).visible, all[j])
            compare(panel.currentEditor, null)
            // Two blocks: the scene editor.
            timeline.select([ids.picture, ids.message])
            verify(editor("sceneProperty").visible)
            verify(!editor("pictureProperty").visible)
            // A marker.
            timeline.selectMarker(ids.marker)
            verify(editor("commentProperty").visible)
            verify(!editor("sceneProperty").visible)
        }
    }
}
