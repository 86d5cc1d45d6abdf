import QtQuick 2.15
import Vignetta.Project 1.0
import Vignetta.Text 1.0
import "../../components_fc/qml/BasicControls"

// A message window over the game-screen preview, or with `scroll` a scrolling text as high as
// the screen. The main view sets the text and its settings, then calls requestPaint(). Editing
// shows the whole text at once; in playback the text plays frame by frame (waits, pauses for
// input, pages, scrolling) until it ends, and terminate() lets the timeline go on.
Item {
    id: root

    // A project is open and its window skin and icon set are loaded.
    readonly property bool ready: DataManager.projectOpened && readyResource
    readonly property bool readyResource: canvas.readyResource
    property bool playbackMode: false
    property int blockId: -1
    property string text: ""
    property string faceImageName: ""
    property int faceImageIndex: 0
    property int visibleLineNumber: 4
    property int windowMargin: 8
    property int standardLineHeight: 36
    property bool scroll: false
    property real screenWidth: 816
    property real screenHeight: 624
    // The window's y for message positions 0 (top), 1 (middle) and 2 (bottom).
    readonly property var positions: [8, Math.trunc(screenHeight / 2) - Math.trunc(height / 2),
                                      screenHeight - height - 8]
    // 0 window, 1 dimmed, 2 transparent.
    property int background: 0
    property alias scrollY: canvas.scrollY
    property alias scrollSpeedRate: canvas.scrollSpeedRate
    property alias scrollNoFast: canvas.scrollNoFast
    // The text engine, for reading its playback state.
    readonly property alias textCanvas: canvas
    readonly property bool running: timer.running

    // Lays the text out afresh (and starts its playback in playback mode).
    signal requestPaint()
    // The played text has ended.
    signal terminate()

    // The player's decision button.
    function press() {
        canvas.press()
    }
    function release() {
        canvas.release()
    }
    // Ends a running playback at once.
    function terminateMessage() {
        var wasRunning = timer.running
        timer.stop()
        canvas.terminateMessage()
        if (wasRunning)
            root.terminate()
    }

    width: canvas.textWidth + 2 * windowMargin
    height: scroll ? screenHeight : canvas.textHeight + 2 * windowMargin
    clip: true
    visible: false

    onRequestPaint: {
        timer.stop()
        canvas.repaint()
        if (!playbackMode)
            return
        if (canvas.isTerminate)
            root.terminate()
        else
            timer.start()
    }

    Palette { id: palette }

    TextCanvas {
        id: canvas
        anchors.fill: parent
        text: root.text
        faceImageName: root.faceImageName
        faceImageIndex: root.faceImageIndex
        background: root.background
        scroll: root.scroll
        playbackMode: root.playbackMode
        screenWidth: root.screenWidth
        windowMargin: root.windowMargin
        visibleLineNumber: root.visibleLineNumber
        standardLineHeight: root.standardLineHeight
        panelColor: palette.workArea
        frameColor: palette.controlFrame
        fontFamily: palette.previewFont
        projectUrl: DataManager.projectUrl
        dataManager: DataManager
    }

    Timer {
        id: timer
        interval: 1000 / 60
        repeat: true
        onTriggered: {
            canvas.advance()
            if (canvas.isTerminate) {
                stop()
                root.terminate()
            }
        }
    }

    Connections {
        target: DataManager
        function onProjectOpenedChanged() {
            if (DataManager.projectOpened)
                canvas.reloadResources()
        }
    }
}
