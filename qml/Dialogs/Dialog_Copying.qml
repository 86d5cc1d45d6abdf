import QtQuick 2.15
import Vignetta.Frame 1.0
import Vignetta.Presets 1.0
import "../../components_fc/qml/BasicControls"

// Copies the asset files of a preset between a collection folder and the project, one file per
// tick, showing the file in hand and the progress. Ends with ok() half a second after the last
// file, with error() (and `errorFile`) at the first file that could not be copied, or with
// cancel() when the user stops it (the file in hand is finished first).
ModalWindow {
    id: root

    // true: from the project into the collection; false: from the collection into the project.
    property bool copyToPreset: false
    // Relative paths of the files, in the order they are copied.
    property var assets: []
    // The collection folder (a path or a local-file URL).
    property string path: ""
    property string projectFileUrl: ""
    // The relative path of the file that could not be copied.
    property string errorFile: ""

    signal error()

    title: qsTr("Copy image files")

    readonly property string projectFolder:
        projectFileUrl !== "" ? FileNames.projectFolderUrl(projectFileUrl) : ""

    readonly property FileCopier copier: FileCopier {
        sourceFolder: root.copyToPreset ? root.projectFolder : root.path
        destinationFolder: root.copyToPreset ? root.path : root.projectFolder
        onComplete: doneTimer.restart()
        onError: {
            root.errorFile = name
            root.close()
            root.error()
        }
    }
    readonly property Timer doneTimer: Timer {
        id: doneTimer
        interval: 500
        onTriggered: {
            root.close()
            root.ok()
        }
    }

    onInit: {
        errorFile = ""
        doneTimer.stop()
        var list = assets || []
        if (list.length === 0) {
            Qt.callLater(function () {
                root.close()
                root.cancel()
            })
            return
        }
        copier.assets = list
        copier.start()
    }
    // Cancel (the button, Esc or the window's close button): the file in hand is finished,
    // nothing more is copied and the owner does not go on.
    onCancel: {
        doneTimer.stop()
        if (copier.running)
            copier.interruption = true
    }

    DialogBox {
        id: box
        okVisible: false
        applyVisible: false

        Text {
            text: qsTr("Copying files...")
            color: box.pal.normalText
            font.family: box.pal.normalFont
            font.pixelSize: box.pal.fontSize
            renderType: box.pal.renderType
        }
        ProgressGauge {
            objectName: "progress"
            width: 400
            maximum: root.copier.count
            value: root.copier.index
        }
        Text {
            objectName: "fileName"
            width: 400
            text: root.copier.name + " "
            elide: Text.ElideMiddle
            textFormat: Text.PlainText
            color: box.pal.normalText
            font.family: box.pal.normalFont
            font.pixelSize: box.pal.labelFontSize
            renderType: box.pal.renderType
        }
    }
}
