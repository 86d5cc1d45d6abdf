import QtQuick 2.15
import QtQuick.Controls 1.4
import QtQuick.Window 2.15
import QtWebEngine 1.10
import Qt.labs.settings 1.0
import Kivra.fab 1.0
import Vignetta.Frame 1.0
import Vignetta.Scene 1.0 as Vig
import "../Controls" as Vig
import "../Singletons" as Vig
import "../Options"
import "../PropertyView"
import "../Dialogs"
import "../Timeline"
import "../MainView"
import Vignetta.Project 1.0
import Vignetta.Audio 1.0
import "../../components_fc/qml/BasicControls"
import "../Scripts/CommonScripts.js" as CommonScripts

ApplicationWindow {
    id: window

    readonly property string gameTitle: DataManager.gameTitle
    readonly property bool projectOpened: DataManager.projectOpened
    // The timeline view (the main view and the property view are handed it as `timelineView`).
    readonly property alias timelineView: timeline.timelineView
    // No frame drag in the preview.
    readonly property bool previewAllowsEdit: mainView.allowEdit
    readonly property bool allowEdit: timelineView.allowEdit && previewAllowsEdit
    property bool terminating: false
    readonly property bool canUndo: Vig.TimelineDataManager.canUndo
    readonly property bool canRedo: Vig.TimelineDataManager.canRedo

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

    // The geometry of the last run ("windowX", "windowY", "windowWidth", "windowHeight"), read
    // and written through value() and setValue(): a Settings object with declared properties
    // would write every missing key at once, and a first start must leave the store empty.
    Settings { id: geometry }

    // A stored number, or `fallback` when the key is missing or holds no number (a hand-edited
    // store).
    function storedNumber(key, fallback) {
        var value = geometry.value(key, fallback)
        if (typeof value === "string" && value.trim() === "")
            return fallback
        value = Number(value)
        return isFinite(value) ? value : fallback
    }
    // Writes a geometry value that differs from the stored one.
    function storeNumber(key, value) {
        var stored = geometry.value(key)
        if (stored === undefined || Number(stored) !== value)
            geometry.setValue(key, value)
    }

    property bool geometryRestored: false
    Component.onCompleted: {
        // The stored settings apply the stored theme when they are first read.
        Vig.SettingsManager.storage

        // First start: centred on the available desktop.
        x = storedNumber("windowX",
                         KivraAPI.desktopX() + Math.max(0, (KivraAPI.desktopWidth() - 1200) / 2))
        y = storedNumber("windowY",
                         KivraAPI.desktopY() + Math.max(0, (KivraAPI.desktopHeight() - 720) / 2))
        width = Math.max(minimumWidth, storedNumber("windowWidth", 1200))
        height = Math.max(minimumHeight, storedNumber("windowHeight", 720))
        CommonScripts.adjustWindow(window)
        geometrySettleTimer.start()
        AudioPlayer.setWebEngine(audioEngine)
    }
    // A window manager may still place or size the window as it first appears; that is not
    // the user's doing, so the geometry is recorded from a moment later on.
    Timer {
        id: geometrySettleTimer
        interval: 1000
        onTriggered: window.geometryRestored = true
    }
    onXChanged: if (geometryRestored) storeNumber("windowX", x)
    onYChanged: if (geometryRestored) storeNumber("windowY", y)
    onWidthChanged: if (geometryRestored) storeNumber("windowWidth", width)
    onHeightChanged: if (geometryRestored) storeNumber("windowHeight", height)

    onClosing: {
        if (!terminating) {
            close.accepted = false
            projectManager.confirmClose(function() {
                recoveryPrompt.discard()
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
        copyAsEventEnabled: window.timelineView.copyAsEventEnabled
        cutEnabled: window.timelineView.cutEnabled
        copyEnabled: window.timelineView.copyEnabled
        pasteEnabled: window.timelineView.pasteEnabled
        deleteEnabled: window.timelineView.deleteEnabled
        isPlayback: window.timelineView.isPlayback
        focusInTimeline: window.timelineView.activeFocus

        // The timeline takes the edit, insert, scale and control commands itself.
        onFileNew: projectManager.confirmTimelineClear(function() {
            recoveryPrompt.discard()
            window.resetDocument()
        })
        onExit: window.close()
        onOpenPresetSelector: presetSelector.open()
        onToolOptions: heavyProcessTimer.run(function() { optionsDialog.open() })
        onGameOpenFolder: window.openUrlLater(DataManager.projectUrl)
        onHelpContents: window.openUrlLater(KivraAPI.pathToUrl(
                                                FileNames.applicationDataFolder("Help") + "/index.html"))
        onAbout: aboutBox.open()
    }

    ProjectManager {
        id: projectManager
        objectName: "projectManager"
        mainMenu: mainMenu
        presetDialog: exportPresetDialog
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

    // The page of the audio preview runs here; it takes no room and is never shown.
    WebEngineView {
        id: audioEngine
        objectName: "audioEngine"
        width: 0
        height: 0
        visible: false
    }

    // The scene survives a crash: the recovery file follows every edit, and the scene left by
    // an earlier run is offered back when its project opens.
    RecoveryPrompt {
        id: recoveryPrompt
        objectName: "recoveryPrompt"
        projectOpened: window.projectOpened
        projectFileUrl: projectManager.projectFileUrl
        onWarning: window.showError(message)
    }

    // --- Document ---------------------------------------------------------------------------
    onProjectOpenedChanged: {
        if (projectOpened)
            resetDocument()
        else
            timelineView.previewEnabled = false
    }

    // An empty scene with an undo history of just that scene.
    function resetDocument() {
        timelineView.clear()
        timelineView.previewEnabled = true
        Vig.TimelineDataManager.clearBuffer()
        Vig.TimelineDataManager.pushBuffer()
        propertyView.checkedBlockChanged()
        // Pictures of another project (or of the scene given up) may share names.
        mainView.clearImageList()
        KivraAPI.collectGarbage()
    }

    // Inserts at the cursor on the selected lane (lane 1 when none is); false when refused.
    function insertBlocks(blocks) {
        if (!blocks || !projectOpened)
            return false
        return timelineView.insertBlocks(blocks)
    }

    Connections {
        target: window.timelineView
        function onCopyAsEventCompleted(success) {
            if (success)
                window.showSuccess(qsTr("Copied the timeline to the clipboard as an event."))
            else // refused: the list would be too long for the clipboard
                window.showError(qsTr("The timeline is too long to copy as an event."))
        }
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

    AboutBox {
        id: aboutBox
        objectName: "aboutBox"
    }

    // --- Presets ----------------------------------------------------------------------------
    // The selector closes with doImport set once the preset's files are in the project; its
    // blocks then go to the cursor.
    Dialog_PresetSelector {
        id: presetSelector
        objectName: "presetSelector"
        projectFileUrl: projectManager.projectFileUrl
        onClose: {
            if (doImport && data) {
                doImport = false
                window.insertBlocks(data)
            }
        }
    }
    Dialog_ExportPreset {
        id: exportPresetDialog
        objectName: "exportPresetDialog"
    }

    // The window frame follows a dark or light theme where the platform draws it.
    WindowThemeObserver { window: window }

    Dialog_Options {
        id: optionsDialog
        onCommitSettings: window.themeCommitted()
    }
    // The timeline reloads its block icons for a new theme.
    signal themeCommitted()
    onThemeCommitted: timelineView.refreshIconSource()

    // Help and the project folder open in other programs, never from inside a menu handler.
    // When no program takes the URL, the user learns which file or folder it was.
    property string urlToOpen: ""
    Timer {
        id: openUrlTimer
        interval: 1
        onTriggered: {
            if (!Qt.openUrlExternally(window.urlToOpen))
                window.showError(qsTr("No program could be started to open %1.")
                                 .arg(FileNames.displayPath(window.urlToOpen)))
        }
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

                MainView {
                    id: mainView
                    objectName: "mainView"
                    anchors.fill: parent
                    mainMenu: mainMenu
                    timelineView: window.timelineView
                }
                EmptyPaneHint {
                    objectName: "previewHint"
                    anchors.fill: parent
                    visible: !window.projectOpened
                    keys: mainMenu.fileFCOpenKeys
                }
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

                    PropertyView {
                        id: propertyView
                        objectName: "propertyView"
                        anchors.fill: parent
                        timelineView: window.timelineView
                        mainView: mainView
                    }
                    EmptyPaneHint {
                        objectName: "propertyHint"
                        anchors.fill: parent
                        visible: !window.projectOpened
                        keys: mainMenu.fileFCOpenKeys
                        topColor: ThemeManager.currentTheme.window2
                        bottomColor: ThemeManager.currentTheme.window1
                    }
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

            Timeline {
                id: timeline
                objectName: "timeline"
                anchors.fill: parent
                mainMenu: mainMenu
                mainView: mainView
            }
            // Over the lanes only: the tool rows above stay in place (their commands wait for
            // a project too).
            EmptyPaneHint {
                objectName: "timelineHint"
                x: window.timelineView.x
                y: window.timelineView.y
                width: window.timelineView.width
                height: window.timelineView.height
                visible: !window.projectOpened
                keys: mainMenu.fileFCOpenKeys
            }
        }
    }
}
