import QtQuick 2.15
import QtQuick.Controls 1.4 as QQC1
import Vignetta.Property 1.0
import "../../components_fc/qml/BasicControls"

// The image of the image selector, scaled over the checkerboard, with a cursor on one cell
// when the image is a sheet of several cells. A press picks the cell under the pointer, the
// arrow keys move the cursor; a double-click emits doubleClicked().
FocusScope {
    id: root

    property alias source: picture.source
    property int imageIndex: 0
    property real imageScale: 1
    property alias horizontalDivision: grid.horizontalDivision
    property alias verticalDivision: grid.verticalDivision
    property alias fixedFrameWidth: grid.fixedFrameWidth
    property alias fixedFrameHeight: grid.fixedFrameHeight
    property alias fixedMaxColumns: grid.fixedMaxColumns
    readonly property alias cellWidth: grid.cellWidth
    readonly property alias cellHeight: grid.cellHeight
    readonly property alias maxColumns: grid.maxColumns
    readonly property alias gridShown: grid.gridShown
    readonly property alias image: picture
    property Palette pal: Palette {}

    signal doubleClicked()

    implicitWidth: 498
    implicitHeight: 402
    activeFocusOnTab: true

    // A cell outside the image resets the index to the first; the cursor is kept in view.
    function settle() {
        if (grid.gridShown && !grid.contains(imageIndex))
            imageIndex = 0
        var cx = grid.columnOf(imageIndex) * grid.cellWidth * imageScale
        var cy = grid.rowOf(imageIndex) * grid.cellHeight * imageScale
        var f = scroll.flickableItem
        if (!f)
            return
        var w = grid.cellWidth * imageScale
        var h = grid.cellHeight * imageScale
        if (cx < f.contentX)
            f.contentX = cx
        else if (cx + w > f.contentX + scroll.viewport.width)
            f.contentX = Math.max(0, cx + w - scroll.viewport.width)
        if (cy < f.contentY)
            f.contentY = cy
        else if (cy + h > f.contentY + scroll.viewport.height)
            f.contentY = Math.max(0, cy + h - scroll.viewport.height)
    }

    ImageCellGrid {
        id: grid
        imageWidth: picture.status === Image.Ready ? picture.implicitWidth : 0
        imageHeight: picture.status === Image.Ready ? picture.implicitHeight : 0
    }

    Timer {
        id: sourceSettle
        interval: 1
        onTriggered: root.settle()
    }
    onSourceChanged: sourceSettle.restart()
    Connections {
        target: picture
        function onStatusChanged() { sourceSettle.restart() }
    }

    Rectangle {
        anchors.fill: parent
        color: root.pal.normalBack1
        border.color: root.activeFocus ? root.pal.focusFrame : root.pal.controlFrame
        border.width: root.activeFocus ? 2 : 1
    }

    QQC1.ScrollView {
        id: scroll
        anchors.fill: parent
        anchors.margins: 2
        style: ThemeScrollViewStyle {}

        Item {
            id: content
            width: Math.max(picture.implicitWidth * root.imageScale, 1)
            height: Math.max(picture.implicitHeight * root.imageScale, 1)

            Item {
                anchors.fill: parent
                clip: true
                visible: picture.status === Image.Ready
                CheckerBoard2 {}
            }

            Image {
                id: picture
                objectName: "picture"
                width: implicitWidth * root.imageScale
                height: implicitHeight * root.imageScale
                smooth: true
                cache: false
            }

            Rectangle {
                objectName: "cellCursor"
                visible: grid.gridShown && picture.status === Image.Ready
                x: grid.columnOf(root.imageIndex) * grid.cellWidth * root.imageScale
                y: grid.rowOf(root.imageIndex) * grid.cellHeight * root.imageScale
                width: grid.cellWidth * root.imageScale
                height: grid.cellHeight * root.imageScale
                // White between two dark lines: visible on light and dark sheets alike.
                color: "transparent"
                border.color: "#000000"
                border.width: 1
                Rectangle {
                    anchors.fill: parent
                    anchors.margins: 1
                    color: "transparent"
                    border.color: "#ffffff"
                    border.width: 2
                }
                Rectangle {
                    anchors.fill: parent
                    anchors.margins: 3
                    color: "transparent"
                    border.color: "#000000"
                    border.width: 1
                }
            }

            MouseArea {
                anchors.fill: parent
                onPressed: {
                    root.forceActiveFocus(Qt.MouseFocusReason)
                    if (grid.gridShown)
                        root.imageIndex = grid.indexAt(mouse.x, mouse.y, root.imageScale)
                }
                onDoubleClicked: root.doubleClicked()
            }
        }
    }

    Keys.onPressed: {
        if (!grid.gridShown)
            return
        if (event.key === Qt.Key_Left || event.key === Qt.Key_Right
                || event.key === Qt.Key_Up || event.key === Qt.Key_Down) {
            imageIndex = grid.moved(imageIndex, event.key)
            settle()
            event.accepted = true
        }
    }
}
