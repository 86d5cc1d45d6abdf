import QtQuick 2.15
import Vignetta.Project 1.0
import Vignetta.Property 1.0
import "../../components_fc/qml/BasicControls"
import "../Controls"
import "../Dialogs"

// A labelled image well showing a cell of an image of a sub-folder of the project's "img"
// folder. A double-click, or Space pressed and released while it has the focus, opens the
// image selector on that folder; on OK the box takes the chosen name and cell index and emits
// modified().
LabeledImageBox {
    id: root

    property string subFolder: ""
    property string imageName: ""
    property int imageIndex: 0
    // How the well shows the image: cells of cellSize, `columns` to a row, at `cellScale`.
    property size cellSize: Qt.size(0, 0)
    property int columns: 0
    property real cellScale: 1
    readonly property string folderUrl: AssetFiles.folderUrl(DataManager.projectUrl,
                                                             "img/" + subFolder)
    readonly property alias selector: dialog

    signal modified()

    source: imageName === "" ? "" : AssetFiles.fileUrl(folderUrl, imageName, "png")
    frameSize: cellSize.width > 0 ? cellSize : Qt.size(imageBox.imageClip.image.implicitWidth,
                                                       imageBox.imageClip.image.implicitHeight)
    framePosition: columns > 0 ? Qt.point(imageIndex % columns, Math.floor(imageIndex / columns))
                               : Qt.point(0, 0)
    imageScale: cellScale

    onTriggered: dialog.open()

    Dialog_ImageSelector {
        id: dialog
        locator: root
        imageScale: root.cellScale
        fixedFrameWidth: root.cellSize.width
        fixedFrameHeight: root.cellSize.height
        fixedMaxColumns: root.columns
        onInit: {
            folder = root.folderUrl
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
