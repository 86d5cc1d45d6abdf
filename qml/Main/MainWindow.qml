import QtQuick 2.15
import QtQuick.Controls 1.4
import QtQuick.Window 2.15
import Qt.labs.settings 1.0
import Kivra.fab 1.0
import Vignetta.Frame 1.0
import Vignetta.Scene 1.0 as Vig
import "../Controls" as Vig
import "../Singletons" as Vig
import "../Options"
import Vignetta.Project 1.0
import "../../components_fc/qml/BasicControls"
import "../Scripts/CommonScripts.js" as CommonScripts

ApplicationWindow {
    id: window

    readonly property string gameTitle: DataManager.gameTitle
    readonly property bool projectOpened: DataManager.projectOpened
    // No drag, playback, pending insertion or preview change: the timeline and the preview
    // set these when they exist.
    property bool timelineAllowsEdit: true
    property bool previewAllowsEdit: true
    readonly property bool allowEdit: timelineAllowsEdit && previewAllowsEdit
    property bool terminating: false
    readonly property bool canUndo: Vig.TimelineDataManager.canUndo
    readonly property bool canRedo: Vig.TimelineDataManager.canRedo

    // The timeline cursor and selected lane that insertions go to; the timeline view keeps
    // them up to date.
    property int cursorFrame: 0
    property int selectedLaneId: -1

    readonly property bool qmlTextWorkaround: {
        if (KivraAPI.isBlackListedDisplayDevice()) {
            FontManager.renderType = Text.NativeRendering
            return true
        }
        return false
    }

    title: gameTitle !== "" ? gameTitle + " - " + Vig.Constants.applicationTitle
                            : Vig.Constants.applicationTitle
    width: 1200
    height: 720
    minimumWidth: 1024
    minimumHeight: 620
    visible: true
    color: ThemeManager.currentTheme.window2

    menuBar: mainMenu.menuBar

    Settings {
        id: geometry
        // First start: centred on the available desktop.
        property real windowX: KivraAPI.desktopX() + Math.max(0, (KivraAPI.desktopWidth() - 1200) / 2)
        property real windowY: KivraAPI.desktopY() + Math.max(0, (KivraAPI.desktopHeight() - 720) / 2)
        property real windowWidth: 1200
        property real windowHeight: 720
    }

    property bool geometryRestored: false
    Component.onCompleted: {
        // The stored settings apply the stored theme when they are first read.
        Vig.SettingsManager.storage

        // Stored values that are not numbers (a hand-edited store) fall back to the defaults.
        x = isFinite(geometry.windowX) ? geometry.windowX : 0
        y = isFinite(geometry.windowY) ? geometry.windowY : 0
        width = isFinite(geometry.windowWidth) ? Math.max(minimumWidth, geometry.windowWidth) : 1200
        height = isFinite(geometry.windowHeight) ? Math.max(minimumHeight, geometry.windowHeight)
                                                 : 720
        CommonScripts.adjustWindow(window)
        geometryRestored = true
    }
    onXChanged: if (geometryRestored) geometry.windowX = x
    onYChanged: if (geometryRestored) geometry.windowY = y
    onWidthChanged: if (geometryRestored) geometry.windowWidth = width
    onHeightChanged: if (geometryRestored) geometry.windowHeight = height

    onClosing: {
        if (!terminating) {
            close.accepted = false
            projectManager.confirmClose(function() {
                window.terminating = true
                window.close()
            })
        }
    }
    // Only a confirmed close hides the window.
    onVisibleChanged: if (!visible && terminating) Qt.quit()

    MainMenu {
        id: mainMenu
        objectName: "mainMenu"
        undoEnabled: window.canUndo
        redoEnabled: window.canRedo
        allowEdit: window.allowEdit
        copyAsEventEnabled: Vig.TimelineDataManager.blockCount > 0

        onFileNew: projectManager.confirmTimelineClear(window.resetDocument)
        onExit: window.close()
        onEditUndo: Vig.TimelineDataManager.undo()
        onEditRedo: Vig.TimelineDataManager.redo()
        onNewLane: Vig.TimelineDataManager.addLane()
        onEventSelected: window.insertBlocks(data)
        onShrinkTimeline: Vig.TimelineDataManager.pixelPerFrameScale = 1
        onExpandTimeline: Vig.TimelineDataManager.pixelPerFrameScale = 0
        onCopyAsEvent: window.copyAsEvent()
        onToolOptions: heavyProcessTimer.run(function() { optionsDialog.open() })
        onGameOpenFolder: window.openUrlLater(DataManager.projectUrl)
        onHelpContents: window.openUrlLater(
                            KivraAPI.pathToUrl(KivraAPI.applicationDirPath() + "/Help/index.html"))
        onAbout: aboutBox.open()
    }

    ProjectManager {
        id: projectManager
        objectName: "projectManager"
        mainMenu: mainMenu
        onSuccess: window.showSuccess(message)
        onImported: {
            // Blocks that do not fit (block limit, past the last frame) are not inserted, and
            // the import is then not reported as a success.
            if (window.insertBlocks(importedData))
                window.showSuccess(message)
            else
                window.showError(qsTr("The import has failed."))
        }
        onError: window.showError(message)
    }

    HeavyProcessTimer { id: heavyProcessTimer }

    // --- Document ---------------------------------------------------------------------------
    onProjectOpenedChanged: if (projectOpened) resetDocument()

    // An empty scene with an undo history of just that scene.
    function resetDocument() {
        Vig.TimelineDataManager.clearData()
        Vig.TimelineDataManager.clearBuffer()
        Vig.TimelineDataManager.pushBuffer()
        KivraAPI.collectGarbage()
    }

    // Inserts at the cursor on the selected lane (lane 1 when none is); false when refused.
    function insertBlocks(blocks) {
        if (!blocks || !projectOpened)
            return false
        var lane = selectedLaneId >= 1 ? selectedLaneId : 1
        if (Vig.TimelineDataManager.insertBlocks(blocks, cursorFrame, lane).length === 0)
            return false
        selectedLaneId = lane
        return true
    }

    function copyAsEvent() {
        heavyProcessTimer.run(function() {
            var text = Vig.TimelineDataManager.convertData2EventText()
            if (text === "") { // refused: the list would be too long for the clipboard
                window.showError(qsTr("The timeline is too long to copy as an event."))
                return
            }
            Vig.ClipboardFC.setData("EventCommand", text)
            window.showSuccess(qsTr("Copied the timeline to the clipboard as an event."))
        })
    }

    // --- Messages ---------------------------------------------------------------------------
    function showSuccess(message) {
        if (successBox.windowVisible)
            return
        successBox.message = message
        successBox.open()
    }
    function showError(message) {
        // Also on standard error, so a failure stays on record after the box is gone.
        console.warn(message)
        if (errorBox.windowVisible)
            return
        errorBox.message = message
        errorBox.open()
    }

    MessageBox {
        id: successBox
        objectName: "successBox"
        title: Vig.Constants.applicationTitle
        iconType: "check"
    }
    MessageBox {
        id: errorBox
        objectName: "errorBox"
        title: Vig.Constants.applicationTitle
        iconType: "warning"
    }

    AboutBox { id: aboutBox }

    // The window frame follows a dark or light theme where the platform draws it.
    WindowThemeObserver { window: window }

    Dialog_Options {
        id: optionsDialog
        onCommitSettings: window.themeCommitted()
    }
    // The timeline reloads its block icons for a new theme.
    signal themeCommitted()

    // Help and the project folder open in other programs, never from inside a menu handler.
    property string urlToOpen: ""
    Timer {
        id: openUrlTimer
        interval: 1
        onTriggered: Qt.openUrlExternally(window.urlToOpen)
    }
    function openUrlLater(url) {
        urlToOpen = url.toString()
        openUrlTimer.restart()
    }

    // --- Layout -----------------------------------------------------------------------------
    Rectangle {
        id: band
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: 46
        gradient: Gradient {
            GradientStop { position: 0; color: ThemeManager.currentTheme.window1 }
            GradientStop { position: 1; color: ThemeManager.currentTheme.window2 }
        }
        Image {
            anchors { left: parent.left; bottom: parent.bottom }
            source: mainMenu.iconSource("logo")
        }
    }

    Item {
        id: mainArea
        anchors { left: parent.left; right: parent.right; top: band.bottom; bottom: parent.bottom }

        property real splitterPosition: MainFrame.splitterInitial
        readonly property real splitterRange: height - splitter.height

        Item {
            id: upperPart
            anchors { left: parent.left; right: parent.right; top: parent.top }
            height: splitter.y

            Rectangle {
                id: previewPane
                anchors { left: parent.left; top: parent.top; bottom: parent.bottom
                          right: propertyColumn.left }
                color: ThemeManager.currentTheme.outsideArea
            }

            Rectangle {
                id: propertyColumn
                anchors { right: parent.right; top: parent.top; bottom: parent.bottom }
                width: 506
                gradient: Gradient {
                    GradientStop { position: 0; color: ThemeManager.currentTheme.window2 }
                    GradientStop { position: 1; color: ThemeManager.currentTheme.window1 }
                }
                Item {
                    id: propertyPane
                    anchors.fill: parent
                    anchors.leftMargin: 6
                }
                Rectangle {
                    anchors { left: parent.left; top: parent.top; bottom: parent.bottom }
                    width: 1
                    color: ThemeManager.currentTheme.controlFrame
                }
            }
        }

        Rectangle {
            id: splitter
            anchors { left: parent.left; right: parent.right }
            height: 6
            y: MainFrame.splitterTop(mainArea.splitterPosition, mainArea.splitterRange)
            color: ThemeManager.currentTheme.inactiveTab1
            // Edge lines keep the bar visible where the theme's surfaces share one colour.
            Rectangle {
                anchors { left: parent.left; right: parent.right; top: parent.top }
                height: 1
                color: ThemeManager.currentTheme.controlFrame
            }
            Rectangle {
                anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
                height: 1
                color: ThemeManager.currentTheme.controlFrame
            }

            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.SizeVerCursor
                property real pressY: 0
                onPressed: pressY = mouse.y
                onPositionChanged: {
                    if (!pressed)
                        return
                    var top = splitter.y + mouse.y - pressY
                    mainArea.splitterPosition = MainFrame.splitterPositionForTop(
                                top, mainArea.splitterRange, mainArea.splitterPosition)
                }
            }
        }

        Rectangle {
            id: timelinePane
            anchors { left: parent.left; right: parent.right; top: splitter.bottom
                      bottom: parent.bottom }
            color: ThemeManager.currentTheme.normalBack2
        }
    }
}
