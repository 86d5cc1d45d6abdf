import QtQuick 2.15
import Vignetta.Project 1.0
import "../../components_fc/qml/BasicControls"
import "../Controls"

// Chooses an image of a project folder, and with sheets one cell of it. The caller sets the
// current name, index and folder (in init) and reads them back on ok(); Cancel or closing the
// window changes nothing. When the project is closed or changed while the dialog is open, the
// dialog closes as if cancelled.
ModalWindow {
    id: dialog

    property string imageName: ""
    property int imageIndex: 0
    property string folder: ""
    property real imageScale: 1
    property int horizontalDivision: 1
    property int verticalDivision: 1
    property real fixedFrameWidth: 0
    property real fixedFrameHeight: 0
    property int fixedMaxColumns: 0

    title: qsTr("Select an Image")

    // The project the dialog was opened for.
    property string openedProjectUrl: ""
    onInit: openedProjectUrl = DataManager.projectUrl
    function abandon() {
        if (windowVisible && (!DataManager.projectOpened
                              || DataManager.projectUrl !== openedProjectUrl))
            close()
    }
    // (Held by a property: a child object of a ModalWindow would become its contents.)
    property Connections projectWatch: Connections {
        target: DataManager
        function onProjectUrlChanged() { dialog.abandon() }
        function onProjectOpenedChanged() { dialog.abandon() }
    }

    DialogBox {
        id: box
        applyVisible: false

        // OK, from the button, the keyboard or a double-click: the current row and cell.
        onOk: {
            dialog.imageName = list.currentIndex > 0 ? list.currentBaseName : ""
            dialog.imageIndex = view.imageIndex
        }

        Row {
            spacing: 8

            FileListBox {
                id: list
                objectName: "fileList"
                width: 200
                height: 402
                folder: dialog.folder
                allowedSuffixes: ["png"]
                pal: box.pal
                onUpdated: if (currentIndex < 0) selectName(dialog.imageName)
                onDoubleClicked: box.ok()
            }

            ImageSelectorView {
                id: view
                objectName: "imageView"
                width: 498
                height: 402
                source: list.currentIndex > 0 ? list.currentPath : ""
                imageScale: dialog.imageScale
                horizontalDivision: dialog.horizontalDivision
                verticalDivision: dialog.verticalDivision
                fixedFrameWidth: dialog.fixedFrameWidth
                fixedFrameHeight: dialog.fixedFrameHeight
                fixedMaxColumns: dialog.fixedMaxColumns
                imageIndex: dialog.imageIndex
                pal: box.pal
                onDoubleClicked: box.ok()
            }
        }
    }
}
