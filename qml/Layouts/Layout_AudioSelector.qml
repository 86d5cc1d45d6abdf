import QtQuick 2.15
import Vignetta.Project 1.0
import "../../components_fc/qml/BasicControls"
import "../Controls"

// The audio files of one channel with play and stop, and the volume, pitch and pan to play
// them with. audioName follows the chosen row when a file is played and when the choice is
// taken (updateAudioName); a changed parameter replays the file last played with the new
// values.
Row {
    id: root

    property string subFolder: ""
    property string audioName: ""
    property int volume: 90
    property int pitch: 100
    property int pan: 0
    property string playingAudioName: ""
    // Set by tests: the audio player to call instead of the program's.
    property var player: null
    readonly property alias fileList: list
    property Palette pal: Palette {}

    signal doubleClicked()

    readonly property bool knownChannel: ["bgm", "bgs", "me", "se"].indexOf(subFolder) >= 0

    function updateAudioName() {
        audioName = list.currentIndex > 0 ? list.currentBaseName : ""
    }

    function play() {
        updateAudioName()
        if (!knownChannel || audioName === "")
            return
        // A sound effect does not pile up on the one before.
        if (subFolder === "se")
            preview.stop("se")
        preview.play(subFolder, { name: audioName, volume: volume, pitch: pitch, pan: pan })
        playingAudioName = audioName
    }

    function stop() {
        if (knownChannel)
            preview.stop(subFolder)
        playingAudioName = ""
    }

    function parameterChanged() {
        updateAudioName()
        if (playingAudioName !== "" && playingAudioName === audioName)
            play()
    }

    spacing: 8

    AudioPreview {
        id: preview
        player: root.player
    }

    FileListBox {
        id: list
        objectName: "fileList"
        width: 200
        height: 402
        folder: root.subFolder === "" ? ""
                                      : DataManager.projectUrl + "audio/" + root.subFolder
        allowedSuffixes: ["ogg"]
        pal: root.pal
        onUpdated: if (currentIndex < 0) selectName(root.audioName)
        onDoubleClicked: root.play()
    }

    Column {
        spacing: 8

        TextButton {
            objectName: "playButton"
            width: 120
            visible: root.knownChannel
            text: qsTr("Play")
            hint: qsTr("Play the selected file.")
            pal: root.pal
            onClicked: root.play()
        }
        TextButton {
            objectName: "stopButton"
            width: 120
            visible: root.knownChannel
            text: qsTr("Stop")
            hint: qsTr("Stop the current playback.")
            pal: root.pal
            onClicked: root.stop()
        }

        Layout_AudioParameter {
            id: volumeGroup
            objectName: "volumeGroup"
            width: 120
            title: qsTr("Volume")
            hint: qsTr("Volume for audio playback.")
            minimumValue: 0
            maximumValue: 100
            stepSize: 5
            tickSpacing: 10
            suffix: " %"
            value: root.volume
            pal: root.pal
            onChanged: {
                root.volume = value
                root.parameterChanged()
            }
        }
        Layout_AudioParameter {
            id: pitchGroup
            objectName: "pitchGroup"
            width: 120
            title: qsTr("Pitch")
            hint: qsTr("Pitch for audio playback.")
            minimumValue: 50
            maximumValue: 150
            stepSize: 10
            tickSpacing: 10
            suffix: " %"
            value: root.pitch
            pal: root.pal
            onChanged: {
                root.pitch = value
                root.parameterChanged()
            }
        }
        Layout_AudioParameter {
            id: panGroup
            objectName: "panGroup"
            width: 120
            title: qsTr("Pan")
            hint: qsTr("Pan for audio playback.")
            minimumValue: -100
            maximumValue: 100
            stepSize: 20
            tickSpacing: 20
            value: root.pan
            pal: root.pal
            onChanged: {
                root.pan = value
                root.parameterChanged()
            }
        }
    }
}
