import QtQuick 2.15
import QtQuick.Controls.Styles 1.4

// Scroll bars of a scroll view in the theme's colours: the track, a rounded handle that lights
// up under the mouse, and the step arrows. Text areas take the same parts (`handle`,
// `scrollBarBackground`, `incrementControl`, `decrementControl`, `corner`) from an instance.
ScrollViewStyle {
    id: style

    readonly property var theme: ThemeManager.currentTheme
    readonly property int barWidth: 14

    transientScrollBars: false
    // The handle stays inside the track's frame line.
    handleOverlap: 0

    scrollBarBackground: Rectangle {
        implicitWidth: style.barWidth
        implicitHeight: style.barWidth
        color: style.theme.scrollBar2
        Rectangle {
            width: styleData.horizontal ? parent.width : 1
            height: styleData.horizontal ? 1 : parent.height
            color: style.theme.controlFrame
        }
    }

    handle: Item {
        implicitWidth: style.barWidth
        implicitHeight: style.barWidth
        Rectangle {
            anchors.fill: parent
            anchors.margins: 2
            anchors.leftMargin: styleData.horizontal ? 0 : 3
            anchors.topMargin: styleData.horizontal ? 3 : 0
            radius: 3
            color: styleData.pressed || styleData.hovered ? style.theme.focusFrame
                                                          : style.theme.scrollBar1
            border.color: style.theme.controlFrame
        }
    }

    incrementControl: Rectangle {
        implicitWidth: style.barWidth
        implicitHeight: style.barWidth
        color: styleData.pressed ? style.theme.scrollBar1 : style.theme.scrollBar2
        Image {
            anchors.centerIn: parent
            source: "../Images/" + (styleData.horizontal ? style.theme.arrowRightImage
                                                         : style.theme.arrowDownImage)
            sourceSize: Qt.size(8, 8)
        }
    }

    decrementControl: Rectangle {
        implicitWidth: style.barWidth
        implicitHeight: style.barWidth
        color: styleData.pressed ? style.theme.scrollBar1 : style.theme.scrollBar2
        Image {
            anchors.centerIn: parent
            source: "../Images/" + (styleData.horizontal ? style.theme.arrowLeftImage
                                                         : style.theme.arrowUpImage)
            sourceSize: Qt.size(8, 8)
        }
    }

    corner: Rectangle { color: style.theme.scrollBar2 }
}
