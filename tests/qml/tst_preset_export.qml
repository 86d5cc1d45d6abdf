import QtQuick 2.15
import QtTest 1.2
import Kivra.fab 1.0
import Vignetta.Scene 1.0 as Vig
import "../../qml/Dialogs"

// "Add Preset": the category list, the checks of the names with their messages, the copy of
// the scene's files into the collection, and a collection file that cannot be read.
Item {
    id: top
    width: 800
    height: 600

    Dialog_ExportPreset { id: dialog }

    TestCase {
        id: testCase
        name: "ExportPreset"
        when: windowShown

        property string dir: ""
        property string dirUrl: ""
        readonly property string userFile: dirUrl + "/Presets/presets.json"
        readonly property var userText: JSON.stringify([
            { name: "Intro", presets: [{ name: "Dawn", data: [] }] },
            { name: "Tab\there", presets: [] }
        ])

        function block(id, mode, fields) {
            var b = Vig.TimelineDataManager.createEmptyBlockOfMode(mode)
            b.blockId = id
            b.laneId = id // one lane each: blocks never overlap on a lane
            for (var key in fields)
                b.eventData[key] = fields[key]
            return b
        }

        function init() {
            dir = KivraAPI.getTemporaryDir()
            dirUrl = KivraAPI.pathToUrl(dir).toString()
            verify(KivraAPI.createDirectories(dirUrl + "/Presets"))
            verify(KivraAPI.writeFile(userFile, userText))
            verify(KivraAPI.createDirectories(dirUrl + "/Project/img/pictures"))
            verify(KivraAPI.copyFile(Qt.resolvedUrl("../../sample/SampleProject/img/pictures/Bird.png"),
                                     dirUrl + "/Project/img/pictures/Bird.png"))
            dialog.path = dir + "/Presets"
            dialog.projectFileUrl = dirUrl + "/Project/Game.fabproject"
            dialog.data = [block(1, 2, {})]
            dialog.hasError = false
        }

        function cleanup() {
            for (var w of [dialog.warningBox, dialog.copying, dialog.confirmation, dialog])
                w.close()
            tryVerify(function () { return dialog.contentItem === null })
            KivraAPI.removeDir(dir)
        }

        function child(name) { return findChild(dialog.contentItem, name) }
        function openDialog() {
            dialog.open()
            tryCompare(dialog.window, "opacity", 1)
            tryVerify(function () { return child("categoryCombo").model.length === 3 ||
                                            dialog.userFileProblem !== "" })
        }
        // Fills the fields as the user would and presses OK.
        function submit(row, newCategory, name) {
            child("categoryCombo").currentIndex = row
            child("newCategoryField").text = newCategory
            child("nameField").text = name
            dialog.contentItem.ok()
        }
        function expectRefusal(message) {
            tryVerify(function () { return dialog.warningBox.windowVisible })
            compare(dialog.warningBox.message, message)
            verify(dialog.windowVisible)
            verify(dialog.hasError)
            verify(!dialog.doExport)
            compare(KivraAPI.readFile(userFile), userText)
            dialog.warningBox.close()
            tryVerify(function () { return !dialog.warningBox.windowVisible })
        }

        function test_categoryListAndFields() {
            openDialog()
            var combo = child("categoryCombo")
            compare(combo.model, ["- New Category -", "Intro", "Tab\\u0009here"])
            compare(combo.currentIndex, 0)
            compare(child("newCategoryField").text, "")
            compare(child("nameField").text, "")
            verify(child("newCategoryField").enabled)
            combo.currentIndex = 2
            verify(!child("newCategoryField").enabled)
            // The chosen category is the name as it stands in the file.
            compare(child("presetSettings").categoryName, "Tab\there")
        }

        function test_namesAreChecked_data() {
            return [
                { tag: "both empty", row: 0, category: "", name: "",
                  message: "Category name or preset name is incorrect." },
                { tag: "no preset name", row: 1, category: "", name: "",
                  message: "Category name or preset name is incorrect." },
                { tag: "blanks only", row: 0, category: "   ", name: "Rain",
                  message: "Category name or preset name is incorrect." },
                { tag: "control character", row: 0, category: "Weather", name: "Ra\u0007in",
                  message: "Category name or preset name is incorrect." },
                { tag: "ten thousand characters", row: 0, category: new Array(10001).join("w"),
                  name: "Rain", message: "Category name or preset name is incorrect." },
                { tag: "new category named like an existing one", row: 0, category: "Intro",
                  name: "Rain", message: "Category name already exists." },
                { tag: "preset name taken in that category", row: 1, category: "", name: "Dawn",
                  message: "Preset name already exists." }
            ]
        }
        function test_namesAreChecked(data) {
            openDialog()
            submit(data.row, data.category, data.name)
            expectRefusal(data.message)
        }

        function test_acceptedNames_data() {
            return [
                { tag: "category differing only in case", row: 0, category: "intro", name: "Dawn" },
                { tag: "quotes and slashes", row: 0, category: "a/b \"c\" ../d", name: "<x>" },
                { tag: "same preset name in another category", row: 2, category: "", name: "Dawn" }
            ]
        }
        function test_acceptedNames(data) {
            openDialog()
            submit(data.row, data.category, data.name)
            tryVerify(function () { return !dialog.windowVisible })
            verify(!dialog.hasError)
            verify(dialog.doExport)
            compare(dialog.makeNewCategory, data.row === 0)
            compare(dialog.presetName, data.name)
            compare(dialog.categoryName, data.row === 0 ? data.category : "Tab\there")
            verify(!dialog.confirmation.windowVisible)
        }

        function test_theScenesFilesAreCopiedIntoTheCollection() {
            dialog.data = [block(1, 0, { imageName: "Bird" }),
                           block(2, 0, { imageName: "Bird", blockStart: 60 })]
            openDialog()
            submit(0, "Birds", "Flight")
            tryVerify(function () { return dialog.confirmation.windowVisible })
            compare(dialog.confirmation.message,
                    "The following files are copied to the preset folder and overwritten.\nIs it OK?")
            compare(dialog.confirmation.assetsList, ["/img/pictures/Bird.png"])
            dialog.confirmation.contentItem.ok()
            tryVerify(function () { return !dialog.windowVisible }, 5000)
            verify(dialog.doExport)
            compare(KivraAPI.getFileMD5Hash(dir + "/Presets/img/pictures/Bird.png"),
                    KivraAPI.getFileMD5Hash(dir + "/Project/img/pictures/Bird.png"))
        }

        function test_aMissingProjectFileStopsTheExport() {
            dialog.data = [block(1, 3, { audioType: "bgm", audioName: "Gone" })]
            openDialog()
            submit(0, "Music", "Gone")
            tryVerify(function () { return dialog.confirmation.windowVisible })
            dialog.confirmation.contentItem.ok()
            tryVerify(function () { return dialog.warningBox.windowVisible }, 5000)
            compare(dialog.warningBox.message, "The file could not be copied.\n/audio/bgm/Gone.m4a")
            verify(dialog.windowVisible)
            verify(!dialog.doExport)
        }

        function test_aSceneNamingAFileOutsideTheProjectIsRefused() {
            dialog.data = [block(1, 1, { messageImageName: "../../../etc/passwd" })]
            openDialog()
            submit(0, "Faces", "Escape")
            tryVerify(function () { return dialog.warningBox.windowVisible })
            verify(dialog.warningBox.message.indexOf("The scene cannot be added as a preset.\n") === 0)
            verify(!dialog.confirmation.windowVisible)
            verify(!dialog.doExport)
        }

        function test_anUnreadableCollectionFileIsLeftAlone() {
            var broken = "[{\"name\":\"Intro\",\"presets\":["
            verify(KivraAPI.writeFile(userFile, broken))
            openDialog()
            compare(child("categoryCombo").model, ["- New Category -"])
            verify(dialog.hasError)
            submit(0, "Weather", "Rain")
            tryVerify(function () { return dialog.warningBox.windowVisible })
            verify(dialog.warningBox.message.indexOf(
                       "The preset file cannot be read, so nothing is added to it.\n") === 0)
            verify(!dialog.doExport)
            compare(KivraAPI.readFile(userFile), broken)
        }
    }
}
