import QtQuick 2.15
import Vignetta.Project 1.0
import Vignetta.Property 1.0
import "../../components_fc/qml/BasicControls"
import "../Dialogs"

// A labelled button showing an image name of a sub-folder of the project's "img" folder;
// clicking it opens the image selector on that folder. On OK the box takes the chosen name
// and cell index and emits modified().
Column {
    id: root

    property string label: ""
    property string hint: ""
    property string subFolder: ""
    property string imageName: ""
    property int imageIndex: 0
    property int imageHue: 0
    property int controlWidth: 300
    readonly property alias selector: dialog
    property Palette pal: Palette {}

    signal modified()

    spacing: 2

    ControlLabel {
        text: root.label
        pal: root.pal
        height: implicitHeight
        HintArea { hint: root.hint; hintTitle: root.label }
    }

    EllipsisButton {
        objectName: "ellipsisButton"
        width: root.controlWidth
        text: root.imageName
        hint: root.hint
        hintTitle: root.label
        pal: root.pal
        onClicked: dialog.open()
    }

    Dialog_ImageSelector {
        id: dialog
        locator: root
        onInit: {
            folder = AssetFiles.folderUrl(DataManager.projectUrl, "img/" + root.subFolder)
            imageName = root.imageName
            imageIndex = root.imageIndex
        }
        onOk: {
            root.imageName = imageName
            root.imageIndex = imageIndex
            root.modified()
        }
    }
}
