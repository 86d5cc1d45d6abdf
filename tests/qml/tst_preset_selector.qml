import QtQuick 2.15
import QtTest 1.2
import Kivra.fab 1.0
import Vignetta.Scene 1.0 as Vig
import "../../qml/Dialogs"

// The preset selector over collections made for each test: listing, choosing, the copy of the
// files a preset uses (with its confirmation and failures) and what the owner gets on close.
Item {
    id: top
    width: 800
    height: 600

    Dialog_PresetSelector { id: selector }
    SignalSpy { id: closeSpy; target: selector; signalName: "close" }

    TestCase {
        id: testCase
        name: "PresetSelector"
        when: windowShown

        property string dir: ""
        property string dirUrl: ""
        readonly property string sample: Qt.resolvedUrl("../../sample/SampleProject/")

        function block(id, mode, fields) {
            var b = Vig.TimelineDataManager.createEmptyBlockOfMode(mode)
            b.blockId = id
            b.laneId = id // one lane each: blocks never overlap on a lane
            for (var key in fields)
                b.eventData[key] = fields[key]
            return b
        }
        function picture(id, name) { return block(id, 0, { imageName: name }) }
        function folderOf(url) { return url.substring(0, url.lastIndexOf("/")) }
        function write(relative, value) {
            var url = dirUrl + "/" + relative
            verify(KivraAPI.createDirectories(folderOf(url)))
            verify(KivraAPI.writeFile(url, typeof value === "string" ? value : JSON.stringify(value)))
        }
        function copyIn(sampleRelative, relative) {
            var to = dirUrl + "/" + relative
            verify(KivraAPI.createDirectories(folderOf(to)))
            verify(KivraAPI.copyFile(sample + sampleRelative, to))
        }
        function exists(relative) { return KivraAPI.isFileExists(dirUrl + "/" + relative) }

        function init() {
            dir = KivraAPI.getTemporaryDir()
            dirUrl = KivraAPI.pathToUrl(dir).toString()
            write("app/Presets/presets.json", [
                { name: "Basics", presets: [
                    { name: "Plain fade", data: [block(1, 2, { fadeType: 1 })] },
                    { name: "Escape", data: [picture(1, "../../secret")] },
                    { name: "Too long", data: [block(1, 2, { blockDelay: 20000 })] } ] },
                { name: "Sounds", presets: [
                    { name: "Theme", data: [block(1, 3, { audioType: "bgm", audioName: "Theme" }),
                                            block(2, 0, { imageName: "Bird", blockStart: 600 })] } ] }
            ])
            copyIn("img/pictures/Bird.png", "app/Presets/img/pictures/Bird.png")
            // The theme exists only as .ogg: a sound needs both files.
            copyIn("audio/bgm/Dusk_Theme.ogg", "app/Presets/audio/bgm/Theme.ogg")
            write("data/Presets/presets.json", [
                { name: "Mine", presets: [{ name: "My bird", data: [picture(1, "UserBird")] }] }
            ])
            copyIn("img/pictures/Cloud.png", "data/Presets/img/pictures/UserBird.png")
            write("Project/Game.fabproject", "{}")

            selector.collections.builtInFolder = dir + "/app/Presets"
            selector.collections.userFolder = dir + "/data/Presets"
            selector.projectFileUrl = dirUrl + "/Project/Game.fabproject"
            closeSpy.clear()
        }

        function cleanup() {
            for (var w of [selector.warningBox, selector.copying, selector.confirmation, selector])
                w.close()
            tryVerify(function () { return selector.contentItem === null })
            KivraAPI.removeDir(dir)
        }

        function openSelector() {
            selector.open()
            tryCompare(selector.window, "opacity", 1)
            tryVerify(function () { return selector.presetData !== null })
        }
        function list(name) { return findChild(selector.contentItem, name) }
        function choose(group, preset) {
            list("groupList").choose(group)
            tryCompare(selector, "groupIndex", group)
            list("presetList").choose(preset)
        }
        function confirmCopy() {
            tryVerify(function () { return selector.confirmation.windowVisible })
            selector.confirmation.contentItem.ok()
        }

        function test_listsBuiltInCategoriesThenTheUsers() {
            openSelector()
            compare(list("groupList").model, ["Basics", "Sounds", "Mine"])
            compare(list("presetList").model, [])
            verify(!selector.contentItem.okEnabled)
            choose(2, 0)
            compare(list("presetList").model, ["My bird"])
            verify(selector.contentItem.okEnabled)
            compare(selector.data[0].eventData.imageName, "UserBird")
            // Another category starts without a chosen preset.
            list("groupList").choose(0)
            tryCompare(list("presetList"), "model", ["Plain fade", "Escape", "Too long"])
            verify(!selector.contentItem.okEnabled)
            compare(selector.data, null)
        }

        function test_aPresetWithoutFilesIsHandedOverAtOnce() {
            openSelector()
            choose(0, 0)
            selector.contentItem.ok()
            tryVerify(function () { return !selector.windowVisible })
            verify(!selector.confirmation.windowVisible)
            verify(selector.doImport)
            compare(selector.data.length, 1)
            compare(selector.data[0].eventData.fadeType, 1)
        }

        function test_filesComeFromTheFolderOfTheirCollection() {
            openSelector()
            choose(2, 0)
            selector.contentItem.ok()
            tryVerify(function () { return selector.confirmation.windowVisible })
            compare(selector.confirmation.assetsList, ["/img/pictures/UserBird.png"])
            compare(selector.confirmation.message,
                    "The following files are copied to the project folder and overwritten.\nIs it OK?")
            verify(!selector.doImport)
            selector.confirmation.contentItem.ok()
            tryVerify(function () { return !selector.windowVisible }, 5000)
            verify(selector.doImport)
            compare(KivraAPI.getFileMD5Hash(dir + "/Project/img/pictures/UserBird.png"),
                    KivraAPI.getFileMD5Hash(dir + "/data/Presets/img/pictures/UserBird.png"))
        }

        function test_cancelledConfirmationCopiesNothing() {
            openSelector()
            choose(2, 0)
            selector.contentItem.ok()
            tryVerify(function () { return selector.confirmation.windowVisible })
            selector.confirmation.contentItem.cancel()
            tryVerify(function () { return !selector.confirmation.windowVisible })
            wait(50)
            verify(selector.windowVisible)
            verify(!selector.copying.windowVisible)
            verify(!exists("Project/img/pictures/UserBird.png"))
        }

        function test_aMissingFileStopsTheCopyAndNamesIt() {
            openSelector()
            choose(1, 0)
            selector.contentItem.ok()
            tryVerify(function () { return selector.confirmation.windowVisible })
            compare(selector.confirmation.assetsList,
                    ["/img/pictures/Bird.png", "/audio/bgm/Theme.m4a", "/audio/bgm/Theme.ogg"])
            selector.confirmation.contentItem.ok()
            tryVerify(function () { return selector.warningBox.windowVisible }, 5000)
            compare(selector.warningBox.message, "The file could not be copied.\n/audio/bgm/Theme.m4a")
            verify(selector.windowVisible)
            verify(!selector.doImport)
            // What was copied before the failure stays; nothing after it was tried.
            verify(exists("Project/img/pictures/Bird.png"))
            verify(!exists("Project/audio/bgm/Theme.m4a"))
            verify(!exists("Project/audio/bgm/Theme.ogg"))
        }

        function test_presetsThatCannotBeInsertedAreRefused_data() {
            return [
                { tag: "a file outside the collection", preset: 1, reason: "climbs out of its folder" },
                { tag: "a block past the last frame", preset: 2, reason: "block 1" }
            ]
        }
        function test_presetsThatCannotBeInsertedAreRefused(data) {
            openSelector()
            choose(0, data.preset)
            selector.contentItem.ok()
            tryVerify(function () { return selector.warningBox.windowVisible })
            verify(selector.warningBox.message.indexOf("The preset cannot be used.\n") === 0)
            verify(selector.warningBox.message.indexOf(data.reason) > 0, selector.warningBox.message)
            verify(!selector.confirmation.windowVisible)
            verify(selector.windowVisible)
            verify(!selector.doImport)
        }

        function test_aBrokenBuiltInFileListsNothing() {
            write("app/Presets/presets.json", "[{\"name\":")
            openSelector()
            compare(list("groupList").model, [])
            tryVerify(function () { return selector.warningBox.windowVisible })
            verify(selector.warningBox.message.indexOf("Failed to load preset data.\n") === 0)
        }

        function test_namesAreShownWithoutTheirControlCharacters() {
            write("data/Presets/presets.json", [{ name: "Line\nbreak", presets: [
                { name: "Tab\there", data: [] }, { name: new Array(10001).join("x"), data: [] }] }])
            openSelector()
            compare(list("groupList").model[2], "Line\\u000abreak")
            list("groupList").choose(2)
            tryCompare(list("presetList"), "count", 2)
            compare(list("presetList").model[0], "Tab\\u0009here")
            // A very long name is cut to the list's width.
            verify(list("presetList").childrenRect.width <= list("presetList").width)
        }
    }
}
