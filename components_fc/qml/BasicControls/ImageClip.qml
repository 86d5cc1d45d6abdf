import QtQuick 2.15

// One cell of an image sheet, cut out and scaled. The sheet is divided into cells of
// `frameSize` (the whole image by default); `framePosition` is the column and row of the cell
// shown. The item is as large as the cell times the scale in use: `imageScale`, or with
// `autoScale` the largest scale at which the cell fits into imClipboxWidth x imClipboxHeight.
// `imageHue` is carried for callers that tint sheets; only 0 (the pixels as they are) is drawn.
Item {
    id: root

    property alias source: sheet.source
    property size sourceSize: Qt.size(sheet.implicitWidth, sheet.implicitHeight)
    readonly property alias image: sheet
    property point framePosition: Qt.point(0, 0)
    property size frameSize: Qt.size(sheet.implicitWidth, sheet.implicitHeight)
    property real imageScale: 1.0
    property int imageHue: 0
    property bool autoScale: false
    property real imClipboxWidth: 0
    property real imClipboxHeight: 0

    readonly property real fitScale: frameSize.width > 0 && frameSize.height > 0
                                     ? Math.min(imClipboxWidth / frameSize.width,
                                                imClipboxHeight / frameSize.height)
                                     : 0
    readonly property real scaleInUse: autoScale ? fitScale : imageScale
    // The sheet's rectangle shown, in sheet pixels.
    readonly property rect clipRect: Qt.rect(framePosition.x * frameSize.width,
                                             framePosition.y * frameSize.height,
                                             frameSize.width, frameSize.height)

    implicitWidth: frameSize.width * scaleInUse
    implicitHeight: frameSize.height * scaleInUse
    width: implicitWidth
    height: implicitHeight

    Item {
        id: cell
        width: root.frameSize.width
        height: root.frameSize.height
        anchors.centerIn: parent
        scale: root.scaleInUse
        clip: true
        visible: sheet.status === Image.Ready

        Image {
            id: sheet
            x: -root.clipRect.x
            y: -root.clipRect.y
            width: root.sourceSize.width
            height: root.sourceSize.height
            smooth: true
            mipmap: true
        }
    }
}
