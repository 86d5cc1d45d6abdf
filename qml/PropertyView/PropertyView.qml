import QtQuick 2.15
import QtQuick.Controls 1.4 as QQC1
import Vignetta.Scene 1.0 as Vig
import Vignetta.Property 1.0
import "../../components_fc/qml/BasicControls"

// The panel at the right of the main window: the editor of the one selected block, or the
// scene editor when no single block is selected (nothing for a block of kind 6).
//
// Edits arrive in bursts (a slider drag, a preset button setting four values, typing). Each
// edit restarts a 10 ms wait; when it runs out (and no slider is held any more) the burst is
// applied once: the timeline refreshes the block and the preview and records one undo step,
// or for a scene-size change the main view takes the new size (no undo step).
Item {
    id: root

    property var timelineView: null
    property var mainView: null
    readonly property PropertyChanger changer: PropertyChanger {}
    // Follows the timeline's playback unless the window binds it itself.
    property bool playbackMode: timelineView ? timelineView.isPlayback === true : false
    // The block shown, -1 for none.
    readonly property int blockId: internal.blockId
    readonly property var editors: [picture, message, fade, audio, screen, comment, scrollEditor,
                                    fadeoutAudio, scene]
    // The editor shown (null for a block of a kind no editor takes).
    readonly property var currentEditor: {
        for (var i = 0; i < editors.length; ++i) {
            if (editors[i].blockMode)
                return editors[i]
        }
        return null
    }
    property Palette pal: Palette {}

    signal checkedBlockChanged()
    signal singleBlockChecked(var block)
    signal viewChanged()

    QtObject {
        id: internal
        property int blockId: -1
        property bool pending: false
        property bool wrote: false
        readonly property bool holding: picture.holdApply || screen.holdApply

        function assign(id) {
            var block = id >= 0 ? Vig.TimelineDataManager.getBlock(id) : null
            blockId = block ? id : -1
            var data = block ? block.eventData : null
            for (var i = 0; i < root.editors.length; ++i)
                root.editors[i].assign(blockId, data)
        }

        function edited() {
            pending = true
            changeWait.restart()
        }

        // A burst still waiting is applied before the panel shows something else.
        function flush() {
            if (!pending)
                return
            changeWait.stop()
            applyWait.stop()
            root.propertyModified()
        }
    }

    // Applies the pending burst of edits.
    function propertyModified() {
        var kind = changer.changedProperty
        var wrote = internal.wrote
        internal.pending = false
        internal.wrote = false
        if (kind === changer.screenSize) {
            if (mainView && typeof mainView.setScreenSize === "function") {
                mainView.setScreenSize(changer.screenWidth, changer.screenHeight)
            } else {
                Vig.TimelineDataManager.screenWidth = changer.screenWidth
                Vig.TimelineDataManager.screenHeight = changer.screenHeight
            }
            changer.clear()
            return
        }
        var selected = timelineView && timelineView.checkedBlocks ? timelineView.checkedBlocks : []
        var timelineActs = selected.length === 1 && typeof timelineView.propertyChange === "function"
        if (timelineActs && (wrote || kind === changer.messageLineIndex))
            timelineView.propertyChange(changer)
        // The timeline records no step for a move of the message cursor and none for a block
        // it does not hold selected (a marker): an edit that changed the document still gets
        // its one undo step.
        if (wrote && (!timelineActs || kind === changer.messageLineIndex))
            Vig.TimelineDataManager.pushBuffer()
        changer.clear()
    }

    onCheckedBlockChanged: {
        internal.flush()
        var blocks = timelineView && timelineView.checkedBlocks ? timelineView.checkedBlocks : []
        internal.assign(blocks.length === 1 ? blocks[0].blockId : -1)
    }
    onSingleBlockChecked: {
        internal.flush()
        internal.assign(block && block.blockId !== undefined ? block.blockId : -1)
    }
    onViewChanged: {
        var c = mainView ? mainView.changer : null
        if (!c)
            return
        picture.transformSetup(c.startPosition.x, c.startPosition.y, c.endPosition.x,
                               c.endPosition.y, c.startScale.x, c.startScale.y, c.endScale.x,
                               c.endScale.y)
    }

    Connections {
        target: root.timelineView
        ignoreUnknownSignals: true
        function onCheckedBlockChanged() { root.checkedBlockChanged() }
        function onCommentBlockChecked(block) { root.singleBlockChecked(block) }
    }
    Connections {
        target: root.mainView
        ignoreUnknownSignals: true
        function onChanged() { root.viewChanged() }
    }
    // Undo, redo and clearing replace the document: show the block again if it is still there.
    Connections {
        target: Vig.TimelineDataManager
        function onDocumentReset() {
            internal.flush()
            internal.assign(internal.blockId)
        }
    }

    Timer {
        id: changeWait
        interval: 10
        onTriggered: {
            if (!internal.holding)
                applyWait.restart()
        }
    }
    Timer {
        id: applyWait
        interval: 1
        onTriggered: root.propertyModified()
    }
    // A drag held past the wait is applied when it is let go.
    onPlaybackModeChanged: internal.flush()
    Connections {
        target: internal
        function onHoldingChanged() {
            if (!internal.holding && internal.pending)
                changeWait.restart()
        }
    }

    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0; color: root.pal.window2 }
            GradientStop { position: 1; color: root.pal.window1 }
        }
    }

    QQC1.ScrollView {
        id: scroll
        anchors.fill: parent
        horizontalScrollBarPolicy: Qt.ScrollBarAlwaysOff
        style: ThemeScrollViewStyle {}

        Item {
            width: column.width + 20
            height: column.height + 20

            Column {
                id: column
                x: 10
                y: 10
                spacing: 10

                PictureProperty {
                    id: picture
                    objectName: "pictureProperty"
                    mainView: root.mainView
                    changer: root.changer
                    playbackMode: root.playbackMode
                    onValuesChanged: internal.edited()
                    onWrote: internal.wrote = true
                }
                MessageProperty {
                    id: message
                    objectName: "messageProperty"
                    mainView: root.mainView
                    changer: root.changer
                    playbackMode: root.playbackMode
                    onValuesChanged: internal.edited()
                    onWrote: internal.wrote = true
                }
                FadeProperty {
                    id: fade
                    objectName: "fadeProperty"
                    mainView: root.mainView
                    changer: root.changer
                    playbackMode: root.playbackMode
                    onValuesChanged: internal.edited()
                    onWrote: internal.wrote = true
                }
                AudioProperty {
                    id: audio
                    objectName: "audioProperty"
                    mainView: root.mainView
                    changer: root.changer
                    playbackMode: root.playbackMode
                    onValuesChanged: internal.edited()
                    onWrote: internal.wrote = true
                }
                ScreenProperty {
                    id: screen
                    objectName: "screenProperty"
                    mainView: root.mainView
                    changer: root.changer
                    playbackMode: root.playbackMode
                    onValuesChanged: internal.edited()
                    onWrote: internal.wrote = true
                }
                CommentProperty {
                    id: comment
                    objectName: "commentProperty"
                    mainView: root.mainView
                    changer: root.changer
                    playbackMode: root.playbackMode
                    onValuesChanged: internal.edited()
                    onWrote: internal.wrote = true
                }
                ScrollProperty {
                    id: scrollEditor
                    objectName: "scrollProperty"
                    mainView: root.mainView
                    changer: root.changer
                    playbackMode: root.playbackMode
                    onValuesChanged: internal.edited()
                    onWrote: internal.wrote = true
                }
                FadeoutAudioProperty {
                    id: fadeoutAudio
                    objectName: "fadeoutAudioProperty"
                    mainView: root.mainView
                    changer: root.changer
                    playbackMode: root.playbackMode
                    onValuesChanged: internal.edited()
                    onWrote: internal.wrote = true
                }
                SceneProperty {
                    id: scene
                    objectName: "sceneProperty"
                    mainView: root.mainView
                    changer: root.changer
                    playbackMode: root.playbackMode
                    onValuesChanged: internal.edited()
                    onWrote: internal.wrote = true
                }
            }
        }
    }
}
