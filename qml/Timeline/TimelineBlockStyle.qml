import QtQuick 2.15
import Kivra.append 1.0
import "../Controls" as Vig
import "../../components_fc/qml/BasicControls"

// The look of a block item, in layers: the frame, the background (plain, hovered or selected),
// and, on blocks wider than 20 pixels, the picture thumbnail or the text excerpt of expanded
// lanes and the kind icon. A drag ghost is only an outline.
Item {
    id: style

    property Item block: parent
    readonly property var theme: ThemeManager.currentTheme
    readonly property bool expanded: height > 32
    readonly property bool showContents: width > 20 && !block.dummyMode

    // 1. Frame.
    Rectangle {
        visible: !style.block.dummyMode
        width: parent.width
        height: parent.height - 1
        color: style.theme.controlFrame
        opacity: style.block.control.dragging ? 0.75 : 1
    }

    // 2. Background.
    Rectangle {
        visible: !style.block.dummyMode
        x: parent.width > 2 ? 1 : 0
        y: 1
        width: parent.width > 2 ? parent.width - 2 : parent.width
        height: parent.height - 2
        gradient: Gradient {
            GradientStop {
                position: 0
                color: style.block.control.checked ? style.theme.hotButton1
                       : style.block.control.hovered ? style.theme.hotButton1
                       : style.theme.toolBar1
            }
            GradientStop {
                position: 1
                color: style.block.control.checked ? style.theme.hotButton1
                       : style.block.control.hovered ? style.theme.hotButton2
                       : style.theme.toolBar2
            }
        }
    }

    // 3. Contents: the thumbnail of a picture ...
    Loader {
        id: thumbnailBox
        x: 4
        y: 4
        width: style.height - 10
        height: width
        active: style.showContents && style.expanded
                && style.block.blockMode === 0
        sourceComponent: Rectangle {
            id: box
            objectName: "thumbnailBox"
            color: "transparent"
            border.color: style.theme.controlFrame
            Vig.CheckerBoard2 { anchors.margins: 1 }
            Thumbnail {
                id: thumbnail
                objectName: "thumbnail"
                anchors.centerIn: parent
                width: 50
                height: 50
            }
            // The image comes from the preview's picture cache, once it has loaded the picture.
            function refresh() {
                var view = style.block.view
                var name = style.block.imageName
                if (view && view.mainView && name !== "")
                    thumbnail.setImage(view.mainView.getPicture(name))
                else
                    thumbnail.clear(0, 0)
            }
            Connections {
                target: style.block
                function onImageNameChanged() { box.refresh() }
            }
            Connections {
                target: style.block.view
                function onThumbnailRevisionChanged() { box.refresh() }
                function onMainViewChanged() { box.refresh() }
            }
            Component.onCompleted: refresh()
        }
    }
    // ... the place of the text excerpt of a message or scrolling text (drawn by the message
    // preview once it is part of the program) ...
    Item {
        id: messageExcerpt
        objectName: "messageExcerpt"
        visible: style.showContents && style.expanded
                 && (style.block.blockMode === 1 || style.block.blockMode === 7)
        x: 2
        width: style.height - 10
        height: style.height - 24
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 2
    }
    // ... and the kind icon.
    Image {
        visible: style.showContents
        x: 6
        y: 6
        width: 16
        height: 16
        source: style.block.iconSource
    }

    // 4. A ghost: the 2-pixel outline of where the block would land.
    Rectangle {
        visible: style.block.dummyMode
        anchors.fill: parent
        color: "transparent"
        border.width: 2
        border.color: style.theme.focusFrame
    }
}
