import QtQuick 2.15
import Vignetta.Timeline 1.0
import "../../components_fc/qml/BasicControls"

// The ruler band pinned to the top of the timeline: frame labels and ticks, the cursor head,
// and the press-and-drag that moves the cursor.
Rectangle {
    id: ruler

    property var controller: null
    property real scrollX: 0
    property int pixelPerFrame: 1
    property real timelineX: 0
    property bool enabled: true
    readonly property alias scale: scale

    signal pressed()

    height: 28
    color: ThemeManager.currentTheme.workArea

    RulerScale {
        id: scale
        objectName: "rulerScale"
        anchors.fill: parent
        scrollX: ruler.scrollX
        pixelPerFrame: ruler.pixelPerFrame
        color: "#BBBBBB"
        tickTop: 16.5
        fontFamily: FontManager.normalFontName
        fontPixelSize: 10
    }
    Rectangle {
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: 1
        color: "#FFFFFF"
    }
    Image {
        id: head
        objectName: "cursorHead"
        source: "Images/cursor.png"
        x: Math.floor(ruler.timelineX - ruler.scrollX) - Math.floor(width / 2)
        y: parent.height - height
        visible: x + width > 0 && x < ruler.width
    }

    MouseArea {
        anchors.fill: parent
        enabled: ruler.enabled
        onPressed: {
            ruler.pressed()
            ruler.controller.pressRuler(mouse.x + ruler.scrollX)
        }
        onPositionChanged: ruler.controller.moveMouse(mouse.x + ruler.scrollX, 0)
        onReleased: ruler.controller.releaseMouse()
        onCanceled: ruler.controller.cancelMouse()
    }
}
