import QtQuick 2.15
import QtQuick.Dialogs 1.2
import Qt.labs.settings 1.0
import Kivra.fab 1.0
import Vignetta.Frame 1.0
import Vignetta.Scene 1.0 as Vig
import Vignetta.Project 1.0
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

    Settings {
        id: settings
        property alias projectFileUrl: root.projectFileUrl
    }

    HeavyProcessTimer { id: heavyProcessTimer }

    Component.onCompleted: {
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

    // --- File dialog shared by open, import and export ----------------------------------
    property var dialogAction: null
    // The user's documents until a project is opened, then the project folder.
    property string dialogFolder: KivraAPI.pathToUrl(KivraAPI.standardDocumentsLocation())

    FileDialog {
        id: fileDialog
        selectMultiple: false
        selectFolder: false
        onAccepted: {
            var action = root.dialogAction
            root.dialogAction = null
            if (action)
                action(fileDialog.fileUrl.toString())
        }
        onRejected: root.dialogAction = null
    }

    function openDialog(title, filter, existing, action) {
        heavyProcessTimer.run(function() {
            fileDialog.title = title
            fileDialog.nameFilters = [filter]
            fileDialog.selectExisting = existing
            root.dialogAction = action
            fileDialog.open()
            // The toolkit's dialog takes a start folder only once it is showing.
            fileDialog.folder = root.dialogFolder
        })
    }

    onFileFCOpen: openDialog(qsTr("Open FC Project"), Vig.Constants.projectFilter, true, doOpen)
    onFileImport: openDialog(qsTr("Choose Event JSON File"), Vig.Constants.eventFilter, true,
                             doImport)
    onFileExport: {
        if (isWindows) {
            var url = KivraAPI.getSaveFileUrl(qsTr("Export Event"), dialogFolder,
                                              Vig.Constants.eventFilter).toString()
            if (url !== "")
                doExport(url)
            return
        }
        openDialog(qsTr("Export Event"), Vig.Constants.eventFilter, false, doExport)
    }
    onFileExportPreset: {
        if (presetDialog) {
            presetDialog.data = Vig.TimelineDataManager.unify()
            presetDialog.open()
        }
    }

    // --- Project --------------------------------------------------------------------------
    function clear() {
        projectFileUrl = ""
        DataManager.projectUrl = ""
        DataManager.gameTitle = ""
        DataManager.projectOpened = false
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
        var name = MainFrame.urlFileName(url)
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
        var folder = MainFrame.projectFolderUrl(url)
        DataManager.projectUrl = folder
        dialogFolder = folder

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
    function openEvent(url) {
        var text = KivraAPI.readFile(url)
        var verdict = MainFrame.checkEventText(text)
        if (verdict !== MainFrame.Importable) {
            if (verdict === MainFrame.NotJson)
                importedData = null
            error(qsTr("The import has failed."))
            return
        }
        importedData = MainFrame.parseEventText(text)
        imported(qsTr("Import succeeded."))
    }

    function seveEvent(url) {
        url = url.toString()
        // A name typed without a suffix gets the event file's one.
        if (MainFrame.urlFileName(url).indexOf(".") < 0)
            url += ".json"
        var text = Vig.TimelineDataManager.sceneText()
        if (KivraAPI.writeFile(url, text))
            success(qsTr("The export has succeeded."))
        else
            error(qsTr("The export has failed."))
    }

    function saveNewPreset(url) {
        var dialog = presetDialog
        var preset = { "name": dialog.presetName, "data": dialog.data }
        var categories = dialog.userPresetData || []
        var category = null
        if (dialog.newCategory) {
            category = { "name": dialog.categoryName, "presets": [] }
            categories.push(category)
        } else {
            for (var i = 0; i < categories.length; ++i) {
                if (categories[i].name === dialog.categoryName) {
                    category = categories[i]
                    break
                }
            }
        }
        if (!category)
            return
        category.presets.push(preset)
        KivraAPI.createDirectories(KivraAPI.pathToDirName(url))
        if (KivraAPI.isFileExists(url))
            KivraAPI.removeFile(url)
        if (KivraAPI.writeFile(url, JSON.stringify(categories)))
            success(qsTr("The add preset has succeeded."))
        else
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
