import QtQuick 2.15
import "../../components_fc/qml/BasicControls"

// The outline of a picture's placement on the preview, with its name tag at the upper-left
// corner (grabbed to move the picture) and a square handle on the lower-right corner (grabbed to
// resize it). A frame may be given a negative width or height (a handle dragged past the
// opposite corner): it is then drawn mirrored, as the picture would be. It turns about the
// picture's origin point: the upper-left corner, or the centre when `origin` is non-zero.
Item {
    id: root

    property color frameColor: "#990099"
    property color textColor: "#FF00FF"
    property string text: ""
    property int origin: 0
    // How far the drawing reaches beyond the frame on every side (half the handle).
    readonly property int margin: 6

    transformOrigin: origin !== 0 ? Item.Center : Item.TopLeft

    // The name tag's rectangle in the parent's coordinates (unturned).
    function textRect() {
        return Qt.rect(x + tag.x, y + tag.y, tag.width, tag.height)
    }
    // The resize handle's rectangle in the parent's coordinates (unturned).
    function resizeRect() {
        return Qt.rect(x + width - margin, y + height - margin, 2 * margin, 2 * margin)
    }
    function requestPaint() {
        canvas.requestPaint()
    }

    onWidthChanged: canvas.requestPaint()
    onHeightChanged: canvas.requestPaint()
    onFrameColorChanged: canvas.requestPaint()
    onVisibleChanged: if (visible) canvas.requestPaint()

    Canvas {
        id: canvas
        x: Math.min(0, root.width) - root.margin
        y: Math.min(0, root.height) - root.margin
        width: Math.abs(root.width) + 2 * root.margin
        height: Math.abs(root.height) + 2 * root.margin
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            if (!root.visible)
                return
            var m = root.margin
            ctx.strokeStyle = root.frameColor
            ctx.lineWidth = 1
            // One pixel exactly on the frame's edge pixels.
            ctx.strokeRect(m + 0.5, m + 0.5, Math.abs(root.width) - 1, Math.abs(root.height) - 1)
            ctx.fillStyle = root.frameColor
            ctx.fillRect(root.width - x - m, root.height - y - m, 2 * m, 2 * m)
        }
    }

    Palette { id: palette }

    // The name tag.
    Rectangle {
        id: tag
        objectName: "frameText"
        width: Math.max(10, label.implicitWidth + 2)
        height: 18
        color: root.textColor
        Text {
            id: label
            anchors.centerIn: parent
            text: root.text
            color: "#FFFFFF"
            font.family: palette.normalFont
            font.pixelSize: 12
            renderType: palette.renderType
        }
    }
}
