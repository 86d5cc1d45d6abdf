import QtQuick 2.15
import Vignetta.Frame 1.0
import Vignetta.Presets 1.0
import Vignetta.Scene 1.0 as Vig
import "../../components_fc/qml/BasicControls"

// The preset selector: the categories of the built-in and the user's collections at the left,
// the presets of the chosen category at the right. OK copies the files the chosen preset uses
// into the project (after asking) and closes the window with `doImport` set; the owner then
// inserts `data` at the cursor.
ModalWindow {
    id: root

    property string projectFileUrl: ""
    // The merged categories as loaded: [{name, presets: [name, ...]}, ...].
    property var presetData: null
    // The chosen preset's blocks, or null.
    property var data: null
    property bool doImport: false

    // Rows of the two lists (names with control characters escaped).
    property var groupNames: []
    property var presetNames: []
    property int groupIndex: -1
    property int presetIndex: -1

    signal error(string message)

    title: qsTr("Preset Selection")
    autoCloseOnOk: false

    readonly property PresetCollections collections: PresetCollections {}
    readonly property HeavyProcessTimer heavyProcessTimer: HeavyProcessTimer {}
    readonly property MessageBox warningBox: MessageBox {
        parent: root
        title: Vig.Constants.applicationTitle
        iconType: "warning"
    }
    readonly property Dialog_CopyPresetImages confirmation: Dialog_CopyPresetImages {
        parent: root
        message: qsTr("The following files are copied to the project folder and overwritten.\nIs it OK?")
        onOk: {
            root.copying.assets = assetsList
            root.copying.path = root.collections.presetFolder(root.groupIndex)
            root.copying.projectFileUrl = root.projectFileUrl
            root.copying.open()
        }
    }
    readonly property Dialog_Copying copying: Dialog_Copying {
        parent: root
        copyToPreset: false
        onOk: root.finish()
        onError: root.error(qsTr("The file could not be copied.") + "\n" + errorFile)
    }

    onError: {
        warningBox.message = message
        warningBox.open()
    }

    onInit: {
        data = null
        presetData = null
        doImport = false
        groupNames = []
        presetNames = []
        groupIndex = -1
        presetIndex = -1
        heavyProcessTimer.run(load)
    }

    function load() {
        var loaded = collections.load()
        if (!loaded)
            console.warn("Failed to load preset data.")
        if (collections.loadProblem !== "")
            console.warn(collections.loadProblem)
        presetData = collections.categories
        groupNames = collections.categoryNames()
        if (!loaded)
            error(qsTr("Failed to load preset data.") + "\n" + collections.loadProblem)
    }

    function chooseGroup(index) {
        heavyProcessTimer.run(function () {
            groupIndex = index
            presetIndex = -1
            data = null
            presetNames = collections.presetNames(index)
        })
    }

    function choosePreset(index) {
        presetIndex = index
        data = collections.presetBlocks(groupIndex, index)
    }

    function accept() {
        if (presetIndex < 0)
            return
        var check = collections.inspectPreset(groupIndex, presetIndex)
        if (!check.ok) {
            error(qsTr("The preset cannot be used.") + "\n" + check.error)
            return
        }
        if (check.assets.length === 0) {
            finish()
            return
        }
        confirmation.assetsList = check.assets
        confirmation.open()
    }

    function finish() {
        doImport = true
        close()
    }

    DialogBox {
        id: box
        okEnabled: root.presetIndex >= 0
        applyVisible: false

        Row {
            spacing: 10

            Column {
                width: 160
                spacing: 4
                ControlLabel {
                    text: qsTr("Preset")
                    pal: box.pal
                    height: 18
                }
                TextListBox {
                    id: groupList
                    objectName: "groupList"
                    width: 160
                    height: 382
                    title: qsTr("Group List")
                    hint: qsTr("The presets in the selected categories are displayed to the right.")
                    model: root.groupNames
                    onActivated: root.chooseGroup(index)
                }
            }

            Rectangle {
                width: 244
                height: presetList.height + 24
                radius: 6
                color: box.pal.groupBox1
                border.color: box.pal.groupBoxFrame
                TextListBox {
                    id: presetList
                    objectName: "presetList"
                    x: 12
                    y: 12
                    width: 220
                    height: 400
                    title: qsTr("Preset List")
                    hint: qsTr("List for Presets.")
                    model: root.presetNames
                    onActivated: root.choosePreset(index)
                    onDoubleClicked: root.accept()
                }
            }
        }

        onOk: root.accept()
    }
}
