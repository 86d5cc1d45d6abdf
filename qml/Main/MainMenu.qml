import QtQuick 2.15
import QtQuick.Controls 1.4
import QtQuick.Controls.Styles 1.4
import Vignetta.Frame 1.0
import Vignetta.Scene 1.0 as Vig
import "../Controls" as Vig
import Vignetta.Project 1.0
import "../../components_fc/qml/BasicControls"

// Every user command as an action (text, hint, shortcut, enabling rule), the menu bar, the
// two tool-button rows for the timeline, the timeline's context menu and the preview zoom.
// It does no work itself: each action emits a signal, and the window, the project manager,
// the timeline and the preview connect to those and push the enabling state back in.
Item {
    id: root

    readonly property bool projectOpened: DataManager.projectOpened
    property bool undoEnabled: false
    property bool redoEnabled: false
    property bool cutEnabled: false
    property bool copyEnabled: false
    property bool pasteEnabled: false
    property bool deleteEnabled: false
    property bool copyAsEventEnabled: false
    property bool allowEdit: true
    property bool isPlayback: false
    property bool focusInTimeline: false

    property real screenScale: 1
    readonly property real minimumScreenScale: ScreenZoom.minimumScreenScale
    readonly property real maximumScreenScale: ScreenZoom.maximumScreenScale
    readonly property var screenScaleTable: ScreenZoom.screenScaleTable

    readonly property bool isMac: Qt.platform.os === "osx"

    signal fileFCOpen()
    signal fileNew()
    signal fileExport()
    signal fileImport()
    signal fileExportPreset()
    signal editUndo()
    signal editRedo()
    signal cut()
    signal copy()
    signal paste()
    signal deleteBlock()
    signal copyAsEvent()
    signal newLane()
    signal eventSelected(var data)
    signal openPresetSelector()
    signal shrinkTimeline()
    signal expandTimeline()
    signal toStartFrame()
    signal toEndFrame()
    signal toNextFrame()
    signal toPrevFrame()
    signal toNextEvent()
    signal toPrevEvent()
    signal playback()
    signal pause()
    signal toolOptions()
    signal gameOpenFolder()
    signal helpContents()
    signal about()
    signal exit()

    // The actions by name, for the timeline's own buttons and for tests.
    readonly property var actions: ({
        fileFCOpen: fileFCOpenAction, fileNew: fileNewAction, fileImport: fileImportAction,
        fileExport: fileExportAction, fileExportPreset: fileExportPresetAction,
        exit: exitAction, editUndo: editUndoAction, editRedo: editRedoAction,
        editCut: editCutAction, editCopy: editCopyAction, editPaste: editPasteAction,
        editDelete: editDeleteAction, editCopyAsEvent: editCopyAsEventAction,
        laneNew: laneNewAction, createPictureEvent: createPictureEventAction,
        createMessageEvent: createMessageEventAction, createScrollEvent: createScrollEventAction,
        createFadeEvent: createFadeEventAction, createScreenEvent: createScreenEventAction,
        createAudioEvent: createAudioEventAction,
        createAudioFadeEvent: createAudioFadeEventAction,
        createCommentEvent: createCommentEventAction,
        openPresetSelector: openPresetSelectorAction, scaleZoomIn: scaleZoomInAction,
        scaleZoomOut: scaleZoomOutAction, scaleActualSize: scaleActualSizeAction,
        shrink: shrinkAction, expand: expandAction, controlStart: controlStartAction,
        controlEnd: controlEndAction, controlNextFrame: controlNextFrameAction,
        controlPrevFrame: controlPrevFrameAction, controlNextEvent: controlNextEventAction,
        controlPrevEvent: controlPrevEventAction, playback: playbackAction,
        pause: pauseAction, toolOptions: toolOptionsAction,
        gameOpenFolder: gameOpenFolderAction, helpContents: helpContentsAction,
        about: aboutAction
    })

    function zoomIn() { screenScale = ScreenZoom.zoomIn(screenScale) }
    function zoomOut() { screenScale = ScreenZoom.zoomOut(screenScale) }

    // File name of a tool icon in the current icon theme.
    function iconSource(key) {
        return Vig.ThemeManager.currentTheme ? Vig.ThemeManager.iconUrl(key) : ""
    }

    readonly property bool openAndEdit: projectOpened && allowEdit
    readonly property bool navigationEnabled: focusInTimeline && projectOpened && allowEdit

    // --- File ---------------------------------------------------------------------------
    Action {
        id: fileFCOpenAction
        text: qsTr("Open FC Project") + "..."
        tooltip: qsTr("Open an existing FC Project.")
        enabled: root.allowEdit
        onTriggered: root.fileFCOpen()
    }
    Action {
        id: fileNewAction
        text: qsTr("New Timeline") + "..."
        tooltip: qsTr("Clear the timeline.")
        shortcut: StandardKey.New
        enabled: root.openAndEdit
        onTriggered: root.fileNew()
    }
    Action {
        id: fileImportAction
        text: qsTr("Import Event") + "..."
        tooltip: qsTr("Import Event from file.")
        shortcut: StandardKey.Open
        enabled: root.openAndEdit
        onTriggered: root.fileImport()
    }
    Action {
        id: fileExportAction
        text: qsTr("Export Event") + "..."
        tooltip: qsTr("Export the Event to a file.")
        shortcut: StandardKey.Save
        enabled: root.openAndEdit
        onTriggered: root.fileExport()
    }
    Action {
        id: fileExportPresetAction
        text: qsTr("Add Preset") + "..."
        tooltip: qsTr("Add Event as preset.")
        enabled: root.projectOpened && root.copyAsEventEnabled && root.allowEdit
        onTriggered: root.fileExportPreset()
    }
    Action {
        id: exitAction
        text: root.isMac ? qsTr("Quit") : qsTr("Exit %1").arg(Vig.Constants.applicationTitle)
        tooltip: qsTr("Exit the application.")
        shortcut: StandardKey.Quit
        onTriggered: root.exit()
    }

    // --- Edit ---------------------------------------------------------------------------
    Action {
        id: editUndoAction
        text: qsTr("Undo")
        tooltip: qsTr("Undo the last action.")
        shortcut: StandardKey.Undo
        iconSource: root.iconSource("tools_undo")
        enabled: root.projectOpened && root.undoEnabled && root.allowEdit
        onTriggered: root.editUndo()
    }
    Action {
        id: editRedoAction
        text: qsTr("Redo")
        tooltip: qsTr("Redo previously undone actions.")
        shortcut: StandardKey.Redo
        iconSource: root.iconSource("tools_redo")
        enabled: root.projectOpened && root.redoEnabled && root.allowEdit
        onTriggered: root.editRedo()
    }
    Action {
        id: editCutAction
        text: qsTr("Cut")
        tooltip: qsTr("Remove and copy the selection to the clipboard.")
        shortcut: StandardKey.Cut
        enabled: root.cutEnabled && root.allowEdit
        onTriggered: root.cut()
    }
    Action {
        id: editCopyAction
        text: qsTr("Copy")
        tooltip: qsTr("Copy the selection to the clipboard.")
        shortcut: StandardKey.Copy
        enabled: root.copyEnabled && root.allowEdit
        onTriggered: root.copy()
    }
    Action {
        id: editPasteAction
        text: qsTr("Paste")
        tooltip: qsTr("Insert the contents of the clipboard.")
        shortcut: StandardKey.Paste
        enabled: root.pasteEnabled && root.allowEdit
        onTriggered: root.paste()
    }
    Action {
        id: editDeleteAction
        text: qsTr("Delete")
        tooltip: qsTr("Remove the selection.")
        shortcut: StandardKey.Delete
        enabled: root.deleteEnabled && root.allowEdit
        onTriggered: root.deleteBlock()
    }
    Action {
        id: editCopyAsEventAction
        text: qsTr("Copy As Event")
        tooltip: qsTr("Copy to clipboard as event command.")
        shortcut: "Ctrl+Shift+C"
        iconSource: root.iconSource("tools_copytofc")
        enabled: root.projectOpened && root.copyAsEventEnabled && root.allowEdit
        onTriggered: root.copyAsEvent()
    }

    // --- Insert -------------------------------------------------------------------------
    Action {
        id: laneNewAction
        text: qsTr("New Lane")
        tooltip: qsTr("Create a new Lane.")
        iconSource: root.iconSource("tools_newlane")
        enabled: root.openAndEdit
        onTriggered: root.newLane()
    }
    Action {
        id: createPictureEventAction
        text: qsTr("Show Picture Event")
        tooltip: qsTr("Insert a Show Picture Event into the timeline.")
        iconSource: root.iconSource("event_picture")
        enabled: root.openAndEdit
        onTriggered: root.eventSelected([Vig.TimelineDataManager.createEmptyPictureBlock()])
    }
    Action {
        id: createMessageEventAction
        text: qsTr("Show Text Event")
        tooltip: qsTr("Insert a Show Text Event into the timeline.")
        iconSource: root.iconSource("event_message")
        enabled: root.openAndEdit
        onTriggered: root.eventSelected([Vig.TimelineDataManager.createEmptyMessageBlock()])
    }
    Action {
        id: createScrollEventAction
        text: qsTr("Show Scrolling Text Event")
        tooltip: qsTr("Insert a Show Scrolling Text Event into the timeline.")
        iconSource: root.iconSource("event_scroll")
        enabled: root.openAndEdit
        onTriggered: root.eventSelected([Vig.TimelineDataManager.createEmptyScrollBlock()])
    }
    Action {
        id: createFadeEventAction
        text: qsTr("Fade Screen Event")
        tooltip: qsTr("Insert a Fade Screen Event into the timeline.")
        iconSource: root.iconSource("event_fade")
        enabled: root.openAndEdit
        onTriggered: root.eventSelected([Vig.TimelineDataManager.createEmptyFadeBlock()])
    }
    Action {
        id: createScreenEventAction
        text: qsTr("Screen Event")
        tooltip: qsTr("Insert a Screen Event into the timeline.")
        iconSource: root.iconSource("event_screen")
        enabled: root.openAndEdit
        onTriggered: root.eventSelected([Vig.TimelineDataManager.createEmptyScreenBlock()])
    }
    Action {
        id: createAudioEventAction
        text: qsTr("Audio Event")
        tooltip: qsTr("Insert an Audio Event into the timeline.")
        iconSource: root.iconSource("event_audio")
        enabled: root.openAndEdit
        onTriggered: root.eventSelected([Vig.TimelineDataManager.createEmptySoundBlock()])
    }
    Action {
        id: createAudioFadeEventAction
        text: qsTr("Fadeout Audio Event")
        tooltip: qsTr("Insert a Fadeout Audio Event into the timeline.")
        iconSource: root.iconSource("event_audio_fade")
        enabled: root.openAndEdit
        onTriggered: root.eventSelected([Vig.TimelineDataManager.createEmptySoundFadeBlock()])
    }
    Action {
        id: createCommentEventAction
        text: qsTr("Marker")
        tooltip: qsTr("Insert a marker on the timeline.") + "\n" + qsTr("Markers are treated as comments.")
        iconSource: root.iconSource("event_comment")
        enabled: root.openAndEdit
        onTriggered: root.eventSelected([Vig.TimelineDataManager.createEmptyCommentBlock()])
    }
    Action {
        id: openPresetSelectorAction
        text: qsTr("Preset") + "..."
        tooltip: qsTr("Open Preset selection dialog.")
        iconSource: root.iconSource("event_preset")
        enabled: root.openAndEdit
        onTriggered: root.openPresetSelector()
    }

    // --- Scale --------------------------------------------------------------------------
    Action {
        id: scaleZoomInAction
        text: qsTr("Zoom In")
        tooltip: qsTr("Zoom in the preview.")
        shortcut: StandardKey.ZoomIn
        enabled: root.projectOpened && root.screenScale < root.maximumScreenScale
        onTriggered: root.zoomIn()
    }
    Action {
        id: scaleZoomOutAction
        text: qsTr("Zoom Out")
        tooltip: qsTr("Zoom out the preview.")
        shortcut: StandardKey.ZoomOut
        enabled: root.projectOpened && root.screenScale > root.minimumScreenScale
        onTriggered: root.zoomOut()
    }
    Action {
        id: scaleActualSizeAction
        text: qsTr("Actual Size")
        tooltip: qsTr("Display the preview at a scale of 1:1.")
        shortcut: "Ctrl+0"
        enabled: root.projectOpened && root.screenScale !== 1
        onTriggered: root.screenScale = 1
    }
    ExclusiveGroup { id: timelineScaleGroup }
    Action {
        id: shrinkAction
        text: qsTr("Shrink")
        tooltip: qsTr("Shrink the timeline.")
        iconSource: root.iconSource("tools_shrink")
        checkable: true
        exclusiveGroup: timelineScaleGroup
        enabled: root.openAndEdit
        onTriggered: root.shrinkTimeline()
    }
    Action {
        id: expandAction
        text: qsTr("Expand")
        tooltip: qsTr("Expand the timeline.")
        iconSource: root.iconSource("tools_expand")
        checkable: true
        checked: true
        exclusiveGroup: timelineScaleGroup
        enabled: root.openAndEdit
        onTriggered: root.expandTimeline()
    }

    // --- Control ------------------------------------------------------------------------
    Action {
        id: controlStartAction
        text: qsTr("Start of Timeline")
        tooltip: qsTr("Move the cursor to the start of timeline.")
        shortcut: "Shift+Left"
        enabled: root.navigationEnabled
        onTriggered: root.toStartFrame()
    }
    Action {
        id: controlEndAction
        text: qsTr("End of Timeline")
        tooltip: qsTr("Move the cursor to the end of timeline.")
        shortcut: "Shift+Right"
        enabled: root.navigationEnabled
        onTriggered: root.toEndFrame()
    }
    Action {
        id: controlNextFrameAction
        text: qsTr("Next Frame")
        tooltip: qsTr("Move the cursor to the next frame.")
        shortcut: "Ctrl+Right"
        enabled: root.navigationEnabled
        onTriggered: root.toNextFrame()
    }
    Action {
        id: controlPrevFrameAction
        text: qsTr("Previous Frame")
        tooltip: qsTr("Move the cursor to the previous frame.")
        shortcut: "Ctrl+Left"
        enabled: root.navigationEnabled
        onTriggered: root.toPrevFrame()
    }
    Action {
        id: controlNextEventAction
        text: qsTr("Next Event")
        tooltip: qsTr("Move the cursor to the next event.")
        shortcut: "Alt+Right"
        enabled: root.navigationEnabled
        onTriggered: root.toNextEvent()
    }
    Action {
        id: controlPrevEventAction
        text: qsTr("Previous Event")
        tooltip: qsTr("Move the cursor to the previous event.")
        shortcut: "Alt+Left"
        enabled: root.navigationEnabled
        onTriggered: root.toPrevEvent()
    }
    Action {
        id: playbackAction
        text: qsTr("Play")
        tooltip: qsTr("Test the timeline.")
        iconSource: root.iconSource("tools_playback")
        checkable: true
        checked: root.isPlayback
        enabled: root.projectOpened && !checked
        onTriggered: {
            // The check mark shows the playback state, not the user's toggling.
            checked = Qt.binding(function() { return root.isPlayback })
            root.playback()
        }
    }
    Action {
        id: pauseAction
        text: qsTr("Pause")
        tooltip: qsTr("Stops the test playback.")
        iconSource: root.iconSource("tools_pause")
        enabled: root.projectOpened
        onTriggered: root.pause()
    }

    // --- Tools, Game, Help --------------------------------------------------------------
    Action {
        id: toolOptionsAction
        text: root.isMac ? qsTr("Options") : qsTr("Options") + "..."
        tooltip: qsTr("Change editor settings.")
        onTriggered: root.toolOptions()
    }
    Action {
        id: gameOpenFolderAction
        text: qsTr("Open Folder")
        tooltip: qsTr("Open folder for the current game.")
        enabled: root.projectOpened
        onTriggered: root.gameOpenFolder()
    }
    Action {
        id: helpContentsAction
        text: qsTr("Contents")
        tooltip: qsTr("Open Help menu.")
        shortcut: "F1"
        onTriggered: root.helpContents()
    }
    Action {
        id: aboutAction
        text: root.isMac ? qsTr("About") : qsTr("About") + "..."
        tooltip: qsTr("Display the version number and copyrights.")
        onTriggered: root.about()
    }

    // Menu bar and menus drawn in the colours of the current theme.
    readonly property var theme: ThemeManager.currentTheme
    property Component menuStyle: MenuStyle {
        frame: Rectangle {
            color: root.theme.normalBack1
            border.color: root.theme.controlFrame
        }
        itemDelegate.background: Rectangle {
            color: styleData.selected && styleData.enabled ? root.theme.selectedBack : "transparent"
        }
        itemDelegate.label: Text {
            text: formatMnemonic(styleData.text, styleData.underlineMnemonic)
            color: !styleData.enabled ? root.theme.disabledText
                   : styleData.selected ? root.theme.selectedText : root.theme.normalText
            font.family: palette.normalFont
            font.pixelSize: palette.labelFontSize
        }
        itemDelegate.shortcut: Text {
            text: styleData.shortcut
            color: !styleData.enabled ? root.theme.disabledText
                   : styleData.selected ? root.theme.selectedText : root.theme.normalText
            font.family: palette.normalFont
            font.pixelSize: palette.labelFontSize
        }
        itemDelegate.checkmarkIndicator: Text {
            text: styleData.checked ? "\u2713" : ""
            color: styleData.selected ? root.theme.selectedText : root.theme.checkMark
            font.pixelSize: palette.labelFontSize
        }
        separator: Rectangle {
            implicitHeight: 1
            color: root.theme.controlFrame
        }
    }
    Palette { id: palette }

    property MenuBar menuBar: MenuBar {
        style: MenuBarStyle {
            background: Rectangle {
                color: root.theme.window1
            }
            itemDelegate: Rectangle {
                implicitWidth: menuTitle.implicitWidth + 16
                implicitHeight: menuTitle.implicitHeight + 6
                color: styleData.open || styleData.selected ? root.theme.selectedBack : "transparent"
                Text {
                    id: menuTitle
                    anchors.centerIn: parent
                    text: formatMnemonic(styleData.text, styleData.underlineMnemonic)
                    color: styleData.open || styleData.selected ? root.theme.selectedText
                                                                : root.theme.normalText
                    font.family: palette.normalFont
                    font.pixelSize: palette.labelFontSize
                }
            }
            menuStyle: root.menuStyle
        }
        Menu {
            id: fileMenu
            //: Menu title; its letter after "&" opens it with Alt: no two menus may share one.
            title: qsTr("&File")
            MenuItem { action: fileFCOpenAction }
            MenuSeparator {}
            MenuItem { action: fileNewAction }
            MenuItem { action: fileImportAction }
            MenuItem { action: fileExportAction }
            MenuSeparator {}
            MenuItem { action: fileExportPresetAction }
            MenuSeparator { visible: !root.isMac }
            MenuItem { action: exitAction }
        }
        Menu {
            //: Menu title; its letter after "&" opens it with Alt: no two menus may share one.
            title: qsTr("&Edit")
            MenuItem { action: editUndoAction }
            MenuItem { action: editRedoAction }
            MenuSeparator {}
            MenuItem { action: editCutAction }
            MenuItem { action: editCopyAction }
            MenuItem { action: editPasteAction }
            MenuItem { action: editDeleteAction }
            MenuSeparator {}
            MenuItem { action: editCopyAsEventAction }
        }
        Menu {
            //: Menu title; its letter after "&" opens it with Alt: no two menus may share one.
            title: qsTr("&Insert")
            MenuItem { action: laneNewAction }
            MenuSeparator {}
            MenuItem { action: createPictureEventAction }
            MenuItem { action: createMessageEventAction }
            MenuItem { action: createScrollEventAction }
            MenuItem { action: createFadeEventAction }
            MenuItem { action: createScreenEventAction }
            MenuItem { action: createAudioEventAction }
            MenuItem { action: createAudioFadeEventAction }
            MenuItem { action: createCommentEventAction }
            MenuSeparator {}
            MenuItem { action: openPresetSelectorAction }
        }
        Menu {
            //: Menu title; its letter after "&" opens it with Alt: no two menus may share one.
            title: qsTr("&Scale")
            MenuItem { action: scaleZoomInAction }
            MenuItem { action: scaleZoomOutAction }
            MenuItem { action: scaleActualSizeAction }
            MenuSeparator {}
            MenuItem { action: shrinkAction }
            MenuItem { action: expandAction }
        }
        Menu {
            //: Menu title; its letter after "&" opens it with Alt: no two menus may share one.
            title: qsTr("&Control")
            MenuItem { action: controlStartAction }
            MenuItem { action: controlEndAction }
            MenuItem { action: controlNextFrameAction }
            MenuItem { action: controlPrevFrameAction }
            MenuItem { action: controlNextEventAction }
            MenuItem { action: controlPrevEventAction }
            MenuSeparator {}
            MenuItem { action: playbackAction }
            MenuItem { action: pauseAction }
        }
        Menu {
            //: Menu title; its letter after "&" opens it with Alt: no two menus may share one.
            title: qsTr("&Tools")
            MenuItem { action: toolOptionsAction }
        }
        Menu {
            //: Menu title; its letter after "&" opens it with Alt: no two menus may share one.
            title: qsTr("&Game")
            MenuItem { action: gameOpenFolderAction }
        }
        Menu {
            //: Menu title; its letter after "&" opens it with Alt: no two menus may share one.
            title: qsTr("&Help")
            MenuItem { action: helpContentsAction }
            MenuSeparator { visible: !root.isMac }
            MenuItem { action: aboutAction }
        }
    }

    // Alt and a menu's underlined letter open that menu (each menu's title carries its letter
    // after "&", translated with the title); F10 opens the first menu.
    Shortcut {
        sequence: "F10"
        onActivated: root.openMenu(0)
    }
    // The keys that lead to "Open FC Project", as the platform spells them (the panes show
    // them while no project is open): the command's own shortcut when it has one, else the
    // File menu's Alt key.
    readonly property string fileFCOpenKeys: fileFCOpenKeySequence.nativeText
    Shortcut {
        id: fileFCOpenKeySequence
        // Only spells the keys: the action and the menu bar answer them.
        enabled: false
        sequence: fileFCOpenAction.shortcut ? fileFCOpenAction.shortcut
                                            : root.menuKey(fileMenu.title)
    }
    // "Alt+" and the letter a menu title marks with "&" ("&&" is a plain "&"); empty when none.
    function menuKey(title) {
        var found = /&([^&])/.exec(String(title).replace(/&&/g, ""))
        return found ? "Alt+" + found[1].toUpperCase() : ""
    }

    // Triggering a menu bar menu's own action opens it under its title.
    function openMenu(index) {
        var menu = menuBar.menus[index]
        if (menu && menu.enabled && menu.visible)
            menu.__action.trigger()
    }
    // Zoom In answers the key that carries "+" too, without Shift.
    Shortcut {
        sequence: "Ctrl+="
        enabled: scaleZoomInAction.enabled
        onActivated: scaleZoomInAction.trigger()
    }
    // Redo also answers to Ctrl+Y, which many editors use beside Ctrl+Shift+Z.
    Shortcut {
        sequence: "Ctrl+Y"
        enabled: editRedoAction.enabled
        onActivated: editRedoAction.trigger()
    }

    // The timeline's context menu: the Edit menu's block commands.
    property Menu timelineContextMenu: Menu {
        style: root.menuStyle
        MenuItem { action: editCutAction }
        MenuItem { action: editCopyAction }
        MenuItem { action: editPasteAction }
        MenuItem { action: editDeleteAction }
    }

    // The two tool-button rows the timeline shows above its lanes: 40-pixel buttons, with
    // 12-pixel separators (the tools row is 344 pixels wide).
    component BarButton: ToolButton {
        width: 40
        height: 40
        style: root.barButtonStyle
    }
    // Flat until hovered, pressed or checked, then in the theme's button colours; a disabled
    // icon is drawn faint. (No shader effects: the software renderer would drop them.)
    property Component barButtonStyle: ButtonStyle {
        background: Rectangle {
            id: barBack
            readonly property bool lit: control.enabled && (control.hovered || control.pressed)
            radius: 3
            visible: lit || control.checked
            border.color: control.checked ? root.theme.focusFrame : root.theme.buttonFrame
            // The icons are drawn for the theme's window colours, so the fills stay close to
            // those (a checked button looks sunk in).
            gradient: Gradient {
                GradientStop {
                    position: 0
                    color: control.pressed ? root.theme.pressedButton1
                           : barBack.lit ? root.theme.button1 : root.theme.inactiveTab2
                }
                GradientStop {
                    position: 1
                    color: control.pressed ? root.theme.pressedButton2
                           : barBack.lit ? root.theme.button2 : root.theme.inactiveTab2
                }
            }
        }
        label: Item {
            implicitWidth: 24
            implicitHeight: 24
            Image {
                anchors.centerIn: parent
                width: 24
                height: 24
                smooth: true
                mipmap: true
                source: control.iconSource
                opacity: control.enabled ? 1 : 0.35
            }
        }
    }
    component BarSeparator: Item {
        width: 12
        height: 40
        Rectangle {
            anchors.centerIn: parent
            width: 1
            height: 28
            color: ThemeManager.currentTheme.controlFrame
        }
    }
    property Component eventToolBar: Component {
        Row {
            BarButton { action: createPictureEventAction }
            BarButton { action: createMessageEventAction }
            BarButton { action: createScrollEventAction }
            BarButton { action: createFadeEventAction }
            BarButton { action: createScreenEventAction }
            BarButton { action: createAudioEventAction }
            BarButton { action: createAudioFadeEventAction }
            BarButton { action: createCommentEventAction }
            BarSeparator {}
            BarButton { action: openPresetSelectorAction }
        }
    }
    property Component timelineToolBar: Component {
        Row {
            BarButton { action: editUndoAction }
            BarButton { action: editRedoAction }
            BarSeparator {}
            BarButton { action: laneNewAction }
            BarButton { action: playbackAction }
            BarButton { action: pauseAction }
            BarButton { action: shrinkAction }
            BarButton { action: expandAction }
            BarSeparator {}
            BarButton { action: editCopyAsEventAction }
        }
    }
}
