import QtQuick 2.15
import "../../components_fc/qml/BasicControls"

// The lower pane of the main window: a 44-pixel bar with the insert buttons on the left and the
// timeline tools on the right (both rows are built by the main menu), and the timeline view
// below it. The main menu's timeline commands arrive here.
Item {
    id: root

    property var mainMenu: null
    property var mainView: null
    readonly property alias timelineView: view

    Rectangle {
        id: topBar
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: 44
        gradient: Gradient {
            GradientStop { position: 0; color: ThemeManager.currentTheme.window1 }
            GradientStop { position: 1; color: ThemeManager.currentTheme.window2 }
        }
        Loader {
            objectName: "insertBar"
            anchors { left: parent.left; leftMargin: 4; verticalCenter: parent.verticalCenter }
            sourceComponent: root.mainMenu ? root.mainMenu.eventToolBar : null
        }
        Loader {
            objectName: "toolBar"
            anchors { right: parent.right; verticalCenter: parent.verticalCenter }
            width: 344
            sourceComponent: root.mainMenu ? root.mainMenu.timelineToolBar : null
        }
    }

    TimelineView {
        id: view
        objectName: "timelineView"
        anchors { left: parent.left; right: parent.right; top: topBar.bottom
                  bottom: parent.bottom; bottomMargin: 4 }
        mainMenu: root.mainMenu
        mainView: root.mainView
    }

    Connections {
        target: root.mainMenu
        ignoreUnknownSignals: true
        function onCut() { view.cut() }
        function onCopy() { view.copy() }
        function onPaste() { view.paste() }
        function onDeleteBlock() { view.deleteBlock() }
        function onCopyAsEvent() { view.copyAsEvent() }
        function onEditUndo() { view.undo() }
        function onEditRedo() { view.redo() }
        function onNewLane() { view.addLane() }
        function onEventSelected(data) { view.insertBlocks(data) }
        function onShrinkTimeline() { view.shrink() }
        function onExpandTimeline() { view.expand() }
        function onToStartFrame() { view.toStartFrame() }
        function onToEndFrame() { view.toEndFrame() }
        function onToNextFrame() { view.toNextFrame() }
        function onToPrevFrame() { view.toPrevFrame() }
        function onToNextEvent() { view.toNextEvent() }
        function onToPrevEvent() { view.toPrevEvent() }
        function onPlayback() { view.playback() }
        function onPause() { view.pause() }
    }
}
