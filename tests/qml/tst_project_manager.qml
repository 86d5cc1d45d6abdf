import QtQuick 2.15
import QtTest 1.2
import Kivra.fab 1.0
import Vignetta.Project 1.0
import Vignetta.Scene 1.0 as Vig
import "../../qml/Main"

// Opening projects, importing and exporting scene files, and the failure messages.
TestCase {
    id: testCase
    name: "ProjectManager"
    when: windowShown

    readonly property string fixtures: Qt.resolvedUrl("../data/frame_projects/")
    readonly property string sampleProject:
        Qt.resolvedUrl("../../sample/SampleProject/Sample.fabproject")
    readonly property string demoScene: Qt.resolvedUrl("../../sample/SampleProject/scenes/demo.json")

    Component {
        id: managerComponent
        ProjectManager {}
    }
    Component {
        id: spyComponent
        SignalSpy {}
    }

    property var manager: null
    property var errors: null
    property var successes: null
    property var imports: null
    property var closedDialog: null

    function init() {
        manager = createTemporaryObject(managerComponent, testCase)
        manager.clear()
        errors = createTemporaryObject(spyComponent, testCase, { target: manager, signalName: "error" })
        successes = createTemporaryObject(spyComponent, testCase, { target: manager, signalName: "success" })
        imports = createTemporaryObject(spyComponent, testCase, { target: manager, signalName: "imported" })
    }

    function cleanup() {
        manager.clear()
    }

    function test_opensSampleProject() {
        verify(manager.openProject(sampleProject, false))
        compare(errors.count, 0)
        verify(DataManager.projectOpened)
        compare(DataManager.gameTitle, "Meadow Morning")
        compare(manager.projectFileUrl, sampleProject)
        compare(DataManager.projectUrl,
                sampleProject.substring(0, sampleProject.lastIndexOf("/") + 1))
    }

    function test_failedOpenLeavesNoProject_data() {
        return [
            { tag: "missing system table", url: "without_system/Game.fabproject",
              message: "Unable to load file System.json." },
            { tag: "missing plugin list", url: "without_plugins/Game.fabproject",
              message: "Unable to load file plugins.js." },
            { tag: "missing project file", url: "nowhere/Gone.fabproject",
              message: "Unable to load file Gone.fabproject." }
        ]
    }

    function test_failedOpenLeavesNoProject(data) {
        // A project that was open before is closed by the failed attempt.
        verify(manager.openProject(sampleProject, false))
        verify(!manager.openProject(fixtures + data.url, false))
        compare(errors.count, 1)
        compare(errors.signalArguments[0][0], data.message)
        verify(!DataManager.projectOpened)
        compare(DataManager.gameTitle, "")
        compare(DataManager.projectUrl, "")
        compare(manager.projectFileUrl, "")
    }

    function test_silentReopenOfDeletedProjectSaysNothing() {
        manager.projectFileUrl = fixtures + "nowhere/Gone.fabproject"
        verify(!manager.openProject(manager.projectFileUrl, true))
        compare(errors.count, 0)
        compare(manager.projectFileUrl, "")
        verify(!DataManager.projectOpened)
    }

    function test_rejectsEventFilesThatAreNotBlockLists_data() {
        return [
            { tag: "not JSON", file: "not_json.json" },
            { tag: "object", file: "object.json" },
            { tag: "empty array", file: "empty_array.json" },
            { tag: "no blockId", file: "no_block_id.json" },
            { tag: "missing file", file: "absent.json" }
        ]
    }

    function test_rejectsEventFilesThatAreNotBlockLists(data) {
        manager.openEvent(fixtures + "event_files/" + data.file)
        compare(imports.count, 0)
        compare(errors.count, 1)
        compare(errors.signalArguments[0][0], "The import has failed.")
    }

    // Open, Import and Export each start in the folder they last chose a file in (the project
    // folder until then), each time in a new dialog: the file one command chose is never
    // offered to another.
    function test_fileDialogsKeepTheirOwnFolders() {
        verify(manager.openProject(sampleProject, false))
        var projectFolder = DataManager.projectUrl
        for (var kind of ["open", "import", "export"])
            compare(manager.folderFor(kind), projectFolder, kind)

        manager.fileImport()
        tryVerify(function() { return manager.fileDialog !== null })
        closedDialog = manager.fileDialog
        compare(closedDialog.title, "Choose Event JSON File")
        compare(String(closedDialog.fileUrl), "")
        closedDialog.reject()
        tryCompare(manager, "fileDialog", null)
        // Gone with its selection, not kept for the next command.
        tryCompare(testCase, "closedDialog", null)

        manager.fileChosen("import", fixtures + "event_files/object.json", function() {})
        compare(manager.folderFor("import"), fixtures + "event_files/")
        compare(manager.folderFor("export"), projectFolder)
        compare(manager.folderFor("open"), projectFolder)

        manager.fileExport()
        tryVerify(function() { return manager.fileDialog !== null })
        compare(manager.fileDialog.title, "Export Event")
        compare(String(manager.fileDialog.fileUrl), "")
        manager.fileDialog.reject()
        tryCompare(manager, "fileDialog", null)

        // A project that opens sends every command back to its folder.
        verify(manager.openProject(sampleProject, false))
        compare(manager.folderFor("import"), projectFolder)
    }

    function test_importsDemoScene() {
        manager.openEvent(demoScene)
        compare(errors.count, 0)
        compare(imports.count, 1)
        compare(imports.signalArguments[0][0], "Import succeeded.")
        compare(manager.importedData.length, 39)
        compare(manager.importedData[0].blockId, 1)
    }

    function test_exportWritesSceneFileOrReportsFailure() {
        verify(manager.openProject(sampleProject, false))
        Vig.TimelineDataManager.clearData()
        var blocks = [Vig.TimelineDataManager.createEmptyPictureBlock()]
        compare(Vig.TimelineDataManager.insertBlocks(blocks, 30, 1).length, 1)

        // A folder nobody can create files in, not even an administrator.
        manager.seveEvent("file:///proc/vignetta-export.json")
        compare(errors.count, 1)
        compare(errors.signalArguments[0][0], "The export has failed.")
        compare(successes.count, 0)

        var dir = KivraAPI.getTemporaryDir()
        var dirUrl = KivraAPI.pathToUrl(dir).toString()
        verify(KivraAPI.createDirectories(dirUrl))
        // A name typed without a suffix gets ".json".
        manager.seveEvent(dirUrl + "/scene")
        compare(successes.count, 1)
        compare(successes.signalArguments[0][0], "The export has succeeded.")
        var text = KivraAPI.readFile(dirUrl + "/scene.json")
        KivraAPI.removeDir(dir)
        var saved = JSON.parse(text)
        compare(saved.length, 1)
        compare(saved[0].eventData.blockStart, 30)
        compare(text.indexOf("\n"), -1)
    }

    function test_addPresetToNewAndExistingCategory() {
        var dir = KivraAPI.getTemporaryDir()
        var url = KivraAPI.pathToUrl(dir + "/Presets/presets.json").toString()
        var scene = [{ blockId: 1, laneId: 1, eventData: { blockStart: 0 } }]
        function dialog(category, preset, makeNew) {
            return { data: scene, categoryName: category, presetName: preset,
                     makeNewCategory: makeNew }
        }
        // The folder does not exist yet: it is created.
        manager.presetDialog = dialog("Openings", "Dawn", true)
        manager.saveNewPreset(url)
        compare(successes.count, 1)
        compare(successes.signalArguments[0][0], "The add preset has succeeded.")

        manager.presetDialog = dialog("Weather", "Rain", true)
        manager.saveNewPreset(url)
        var saved = JSON.parse(KivraAPI.readFile(url))
        compare(saved.length, 2)
        compare(saved[1].name, "Weather")
        compare(saved[1].presets[0].name, "Rain")
        compare(saved[1].presets[0].data[0].blockId, 1)

        // Into an existing category: appended after the presets it holds.
        manager.presetDialog = dialog("Openings", "Dusk", false)
        manager.saveNewPreset(url)
        saved = JSON.parse(KivraAPI.readFile(url))
        compare(saved[0].presets.length, 2)
        compare(saved[0].presets[1].name, "Dusk")
        compare(successes.count, 3)

        // An unknown category writes nothing and says nothing.
        var before = KivraAPI.readFile(url)
        manager.presetDialog = dialog("Nowhere", "Lost", false)
        manager.saveNewPreset(url)
        compare(successes.count, 3)
        compare(errors.count, 0)
        compare(KivraAPI.readFile(url), before)

        // A file that cannot be read is reported and left as it was.
        verify(KivraAPI.writeFile(url, "[{\"name\":"))
        manager.presetDialog = dialog("Weather", "Snow", true)
        manager.saveNewPreset(url)
        compare(errors.count, 1)
        compare(errors.signalArguments[0][0], "The add preset has failed.")
        compare(KivraAPI.readFile(url), "[{\"name\":")
        KivraAPI.removeDir(dir)
        manager.presetDialog = null
    }
}
