import QtQuick 2.15
import QtQuick.Dialogs 1.2
import Qt.labs.settings 1.0
import Kivra.fab 1.0
import Kivra.append 1.0
import Vignetta.Frame 1.0
import Vignetta.Presets 1.0
import Vignetta.Scene 1.0 as Vig
import Vignetta.Project 1.0
import Vignetta.Audio 1.0
import "../../components_fc/qml/BasicControls"

// Opens a Fablecraft project, imports and exports scene files, adds the scene to the user's
// presets and asks before the timeline is cleared or the program is closed. Failures end in
// `error(message)`, successes in `success(message)` or `imported(message)`; the window shows
// them.
Item {
    id: root

    property Item mainMenu: null
    property string projectFileUrl: ""
    property var importedData: null
    // The preset dialog hands its choices over here; see doExportPreset.
    property var presetDialog: null

    signal fileFCOpen()
    signal load()
    signal fileImport()
    signal fileExport()
    signal fileExportPreset()
    signal success(string message)
    signal error(string message)
    signal confirmClose(var callback)
    signal confirmTimelineClear(var callback)
    signal imported(string message)

    readonly property bool isWindows: Qt.platform.os === "windows"

    // The project to open at start, under "projectFileUrl". Written only when it changes: a
    // Settings object with declared properties would write the empty key at a first start.
    Settings { id: settings }
    property bool projectFileUrlRestored: false
    onProjectFileUrlChanged: {
        if (projectFileUrlRestored
                && String(settings.value("projectFileUrl", "")) !== projectFileUrl)
            settings.setValue("projectFileUrl", projectFileUrl)
    }

    HeavyProcessTimer { id: heavyProcessTimer }

    Component.onCompleted: {
        var stored = settings.value("projectFileUrl", "")
        projectFileUrl = typeof stored === "string" ? stored : ""
        projectFileUrlRestored = true
        heavyProcessTimer.run(function() {
            if (root.projectFileUrl !== "")
                root.openProject(root.projectFileUrl, true)
        })
    }

    Connections {
        target: root.mainMenu
        ignoreUnknownSignals: true
        function onFileFCOpen() { root.fileFCOpen() }
        function onFileImport() { root.fileImport() }
        function onFileExport() { root.fileExport() }
        function onFileExportPreset() { root.fileExportPreset() }
    }

    // --- File dialogs of open, import and export -----------------------------------------
    // Each command keeps its own last folder, and every opening gets a new dialog, so the name
    // field starts empty rather than offering a file another command chose.
    // The user's documents until a project is opened, then the project folder.
    property string dialogFolder: KivraAPI.pathToUrl(KivraAPI.standardDocumentsLocation())
    // The folder each command last chose a file in ("open", "import", "export"); a project
    // that opens sends them all back to its own folder.
    property var lastFolders: ({})
    // The dialog while it is open, else null.
    property var fileDialog: null

    function folderFor(kind) {
        return lastFolders[kind] || dialogFolder
    }

    // A file chosen for `kind`: its folder is where that command starts next time.
    function rememberFolder(kind, url) {
        var folders = lastFolders
        folders[kind] = FileNames.projectFolderUrl(url)
        lastFolders = folders
    }

    Component {
        id: fileDialogComponent
        FileDialog {
            selectMultiple: false
            selectFolder: false
        }
    }

    function openDialog(kind, title, filter, existing, action) {
        heavyProcessTimer.run(function() {
            if (root.fileDialog)
                root.fileDialog.destroy()
            var dialog = fileDialogComponent.createObject(root, {
                title: title, nameFilters: [filter], selectExisting: existing })
            dialog.accepted.connect(function() {
                var url = dialog.fileUrl.toString()
                root.closeDialog(dialog)
                root.fileChosen(kind, url, action)
            })
            dialog.rejected.connect(function() { root.closeDialog(dialog) })
            root.fileDialog = dialog
            dialog.open()
            // The toolkit's dialog takes a start folder only once it is showing.
            dialog.folder = root.folderFor(kind)
        })
    }

    // A file chosen in the dialog of `kind`: remembered, then handed to the command.
    function fileChosen(kind, url, action) {
        rememberFolder(kind, url)
        action(url)
    }

    function closeDialog(dialog) {
        if (fileDialog === dialog)
            fileDialog = null
        dialog.destroy()
    }

    onFileFCOpen: openDialog("open", qsTr("Open FC Project"), Vig.Constants.projectFilter, true,
                             doOpen)
    onFileImport: openDialog("import", qsTr("Choose Event JSON File"), Vig.Constants.eventFilter,
                             true, doImport)
    onFileExport: {
        if (isWindows) {
            var url = KivraAPI.getSaveFileUrl(qsTr("Export Event"), folderFor("export"),
                                              Vig.Constants.eventFilter).toString()
            if (url !== "")
                fileChosen("export", url, doExport)
            return
        }
        openDialog("export", qsTr("Export Event"), Vig.Constants.eventFilter, false, doExport)
    }
    onFileExportPreset: {
        if (presetDialog) {
            presetDialog.data = Vig.TimelineDataManager.unify()
            presetDialog.projectFileUrl = projectFileUrl
            presetDialog.path = AppendAPI.standardDataLocation() + KivraAPI.directorySeparator()
                    + "Presets"
            presetDialog.open()
        }
    }
    // The dialog closes with doExport set once its files are in the collection.
    Connections {
        // Tests hand the manager a plain object for the dialog; only a real one has signals.
        target: root.presetDialog && root.presetDialog.objectName !== undefined
                ? root.presetDialog : null
        ignoreUnknownSignals: true
        function onClose() {
            var dialog = root.presetDialog
            if (!dialog.hasError && dialog.doExport) {
                dialog.doExport = false
                root.doExportPreset()
            }
        }
    }
    PresetCollections { id: presetStore }

    // --- Project --------------------------------------------------------------------------
    function clear() {
        projectFileUrl = ""
        DataManager.projectUrl = ""
        DataManager.gameTitle = ""
        DataManager.projectOpened = false
        // No project, no sounds: the audio preview stops and its page goes blank.
        AudioPlayer.setFolder("")
        KivraAPI.collectGarbage()
        KivraAPI.clearImageCache()
    }

    function doOpen(url) { heavyProcessTimer.run(function() { openProject(url, false) }) }
    function doImport(url) { heavyProcessTimer.run(function() { openEvent(url) }) }
    function doExport(url) { heavyProcessTimer.run(function() { seveEvent(url) }) }
    function doExportPreset() {
        heavyProcessTimer.run(function() {
            var sep = KivraAPI.directorySeparator()
            saveNewPreset(KivraAPI.pathToUrl(presetDialog.path + sep + "presets.json").toString())
        })
    }

    function displayName(url) {
        var name = FileNames.urlFileName(url)
        try {
            return decodeURIComponent(name)
        } catch (e) {
            return name
        }
    }

    function openProject(url, silent) {
        url = url.toString()
        var content = KivraAPI.readFile(url)
        if (!content) {
            if (!silent)
                error(qsTr("Unable to load file %1.").arg(displayName(url)))
            clear()
            return false
        }
        clear()

        projectFileUrl = url
        var folder = FileNames.projectFolderUrl(url)
        DataManager.projectUrl = folder
        dialogFolder = folder
        AudioPlayer.setFolder(folder)
        lastFolders = {}

        if (!DataManager.loadDatabase()) {
            error(qsTr("Unable to load file %1.").arg(DataManager.errorFileName))
            clear()
            return false
        }
        if (!DataManager.loadPlugins()) {
            error(qsTr("Unable to load file %1.").arg("plugins.js"))
            clear()
            return false
        }
        load()
        return true
    }

    onLoad: {
        DataManager.updateGameTitle()
        DataManager.projectOpened = false
        DataManager.projectOpened = true
        KivraAPI.collectGarbage()
        KivraAPI.clearImageCache()
    }

    // --- Scene files ----------------------------------------------------------------------
    // The file is read once, through the guarded reader, and checked by the scene-file rules
    // the insertion applies; only blocks those rules accept reach the window.
    function openEvent(url) {
        var read = Vig.TimelineDataManager.parseSceneText(KivraAPI.readFile(url))
        importedData = read.ok ? read.blocks : null
        if (!read.ok) {
            console.warn("Event file refused: " + read.error)
            error(qsTr("The import has failed."))
            return
        }
        imported(qsTr("Import succeeded."))
    }

    function seveEvent(url) {
        url = url.toString()
        // A name typed without a suffix gets the event file's one.
        if (FileNames.urlFileName(url).indexOf(".") < 0)
            url += ".json"
        var text = Vig.TimelineDataManager.sceneText()
        if (KivraAPI.writeFile(url, text))
            success(qsTr("The export has succeeded."))
        else
            error(qsTr("The export has failed."))
    }

    // Appends the dialog's preset to the collection file at `url`. The file is read afresh and
    // replaced through a temporary file; one that cannot be read is left as it is.
    function saveNewPreset(url) {
        var dialog = presetDialog
        var result = presetStore.savePreset(url, dialog.makeNewCategory, dialog.categoryName,
                                            dialog.presetName, dialog.data)
        if (result.ok) {
            success(qsTr("The add preset has succeeded."))
            return
        }
        // A category that has gone since the dialog read the file: nothing to add it to.
        if (result.noSuchCategory)
            return
        console.warn(result.error)
        error(qsTr("The add preset has failed."))
    }

    // --- Confirmations --------------------------------------------------------------------
    property var pendingCallback: null

    Timer {
        id: answerTimer
        interval: 1
        onTriggered: {
            var callback = root.pendingCallback
            root.pendingCallback = null
            if (callback)
                callback()
        }
    }

    function answer(callback) {
        pendingCallback = callback
        answerTimer.restart()
    }

    property var clearCallback: null
    property var closeCallback: null

    MessageBox {
        id: clearBox
        objectName: "clearBox"
        title: Vig.Constants.applicationTitle
        iconType: "warning"
        useYesNo: true
        message: qsTr("Are you sure you want to delete all Events in the timeline?")
        onYes: root.answer(root.clearCallback)
    }

    MessageBox {
        id: closeBox
        objectName: "closeBox"
        title: Vig.Constants.applicationTitle
        iconType: "question"
        useYesNo: true
        useCancel: true
        message: qsTr("Close application. Is it OK?")
        onYes: root.answer(root.closeCallback)
    }

    onConfirmTimelineClear: {
        clearCallback = callback
        clearBox.open()
    }
    onConfirmClose: {
        closeCallback = callback
        closeBox.open()
    }
}
