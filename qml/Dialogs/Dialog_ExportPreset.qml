import QtQuick 2.15
import Vignetta.Frame 1.0
import Vignetta.Presets 1.0
import Vignetta.Scene 1.0 as Vig
import "../../components_fc/qml/BasicControls"

// "Add Preset": asks for a category and a name, checks them, copies the files the scene uses
// from the project into the user's collection (after asking) and closes with `doExport` set;
// the project manager then appends the preset to the collection's "presets.json".
ModalWindow {
    id: root

    property string projectFileUrl: ""
    // The user's collection folder (set by the project manager before opening).
    property string path: ""
    // The scene's blocks, in file order.
    property var data: []
    // The user's categories as read at opening: [{name, presets: [name, ...]}, ...].
    property var userPresetData: []
    property bool makeNewCategory: false
    property string categoryName: ""
    property string presetName: ""
    property bool hasError: false
    property bool doExport: false
    // Why the user's "presets.json" cannot be added to ("" when it can).
    property string userFileProblem: ""

    signal error(string message)

    title: qsTr("Add Preset")
    autoCloseOnOk: false

    readonly property PresetCollections collections: PresetCollections {
        userFolder: root.path
    }
    readonly property HeavyProcessTimer heavyProcessTimer: HeavyProcessTimer {}
    readonly property MessageBox warningBox: MessageBox {
        parent: root
        title: Vig.Constants.applicationTitle
        iconType: "warning"
    }
    readonly property Dialog_CopyPresetImages confirmation: Dialog_CopyPresetImages {
        parent: root
        message: qsTr("The following files are copied to the preset folder and overwritten.\nIs it OK?")
        onOk: {
            root.copying.assets = assetsList
            root.copying.path = root.path
            root.copying.projectFileUrl = root.projectFileUrl
            root.copying.open()
        }
    }
    readonly property Dialog_Copying copying: Dialog_Copying {
        parent: root
        copyToPreset: true
        onOk: root.finish()
        onError: root.error(qsTr("The file could not be copied.") + "\n" + errorFile)
    }

    onError: {
        warningBox.message = message
        warningBox.open()
    }

    onInit: {
        doExport = false
        heavyProcessTimer.run(load)
    }
    onCancel: hasError = true

    function load() {
        userFileProblem = ""
        if (!collections.loadUser()) {
            console.warn("Failed to load preset.")
            console.warn(collections.loadProblem)
            userFileProblem = collections.loadProblem
            hasError = true
        } else if (collections.loadProblem !== "") {
            console.warn(collections.loadProblem)
        }
        userPresetData = collections.categories
        if (contentItem) {
            var layout = contentItem.settings
            layout.categoryLabels = collections.categoryNames()
            layout.categories = userPresetData.map(function (c) { return c.name })
        }
        copying.path = path
    }

    function accept(layout) {
        hasError = true
        makeNewCategory = layout.categoryIndex <= 0
        categoryName = makeNewCategory ? layout.newCategoryName : layout.categoryName
        presetName = layout.newPresetName

        if (userFileProblem !== "") {
            // Writing would replace a file that holds the user's presets.
            error(qsTr("The preset file cannot be read, so nothing is added to it.") + "\n"
                  + userFileProblem)
            return
        }
        switch (collections.checkNewPreset(makeNewCategory, categoryName, presetName)) {
        case PresetCollections.NameIncorrect:
            error(qsTr("Category name or preset name is incorrect."))
            return
        case PresetCollections.CategoryExists:
            error(qsTr("Category name already exists."))
            return
        case PresetCollections.PresetExists:
            error(qsTr("Preset name already exists."))
            return
        }
        var check = collections.inspectBlocks(data)
        if (!check.ok) {
            error(qsTr("The scene cannot be added as a preset.") + "\n" + check.error)
            return
        }
        hasError = false
        if (check.assets.length === 0) {
            finish()
            return
        }
        confirmation.assetsList = check.assets
        confirmation.open()
    }

    function finish() {
        doExport = true
        close()
    }

    DialogBox {
        id: box
        property alias settings: settings
        applyVisible: false

        Layout_PresetSettings {
            id: settings
            objectName: "presetSettings"
        }

        onOk: root.accept(settings)
    }
}
