import QtQuick 2.15
import "../../components_fc/qml/BasicControls"

// A scroll bar in the theme's colours: `position` runs from 0 to total - pageSize. Dragging the
// handle or pressing the track beside it (a page at a time) changes it.
Rectangle {
    id: bar

    property bool horizontal: true
    property real total: 0
    property real pageSize: 0
    property real position: 0
    readonly property real maximum: Math.max(0, total - pageSize)
    readonly property real length: horizontal ? width : height
    readonly property real handleLength:
        total > 0 ? Math.max(20, Math.min(length, length * pageSize / total)) : length

    signal moved(real position)

    implicitWidth: 14
    implicitHeight: 14
    color: ThemeManager.currentTheme.scrollBar2
    Rectangle {
        anchors { left: parent.left; top: parent.top }
        width: bar.horizontal ? parent.width : 1
        height: bar.horizontal ? 1 : parent.height
        color: ThemeManager.currentTheme.controlFrame
    }

    function handleStart() {
        if (maximum <= 0)
            return 0
        return (length - handleLength) * position / maximum
    }
    function positionFor(start) {
        if (length <= handleLength)
            return 0
        return Math.max(0, Math.min(maximum, start * maximum / (length - handleLength)))
    }

    Rectangle {
        id: handle
        visible: bar.maximum > 0
        x: bar.horizontal ? bar.handleStart() : 2
        y: bar.horizontal ? 2 : bar.handleStart()
        width: bar.horizontal ? bar.handleLength : bar.width - 4
        height: bar.horizontal ? bar.height - 4 : bar.handleLength
        radius: 3
        color: handleArea.pressed || handleArea.containsMouse
               ? ThemeManager.currentTheme.focusFrame : ThemeManager.currentTheme.scrollBar1
        border.color: ThemeManager.currentTheme.controlFrame
    }

    MouseArea {
        id: trackArea
        anchors.fill: parent
        onPressed: {
            var at = bar.horizontal ? mouse.x : mouse.y
            var start = bar.handleStart()
            var page = Math.max(1, bar.pageSize - 20)
            if (at < start)
                bar.moved(Math.max(0, bar.position - page))
            else if (at > start + bar.handleLength)
                bar.moved(Math.min(bar.maximum, bar.position + page))
        }
    }
    MouseArea {
        id: handleArea
        anchors.fill: handle
        enabled: handle.visible
        hoverEnabled: true
        property real grab: 0
        onPressed: grab = bar.horizontal ? mouse.x : mouse.y
        onPositionChanged: {
            if (!pressed)
                return
            var p = mapToItem(bar, mouse.x, mouse.y)
            bar.moved(bar.positionFor((bar.horizontal ? p.x : p.y) - grab))
        }
    }
}
