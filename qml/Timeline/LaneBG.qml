import QtQuick 2.15
import "../../components_fc/qml/BasicControls"

// The row of a lane across the visible width: tinted when the lane is selected, with a
// 1-pixel line along its bottom.
Item {
    id: row

    property bool checked: false

    Rectangle {
        anchors.fill: parent
        visible: row.checked
        color: ThemeManager.currentTheme.focusFrame
        opacity: 0.5
    }
    Rectangle {
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: 1
        color: ThemeManager.currentTheme.focusFrame
        opacity: row.checked ? 1 : 0.5
    }
}
