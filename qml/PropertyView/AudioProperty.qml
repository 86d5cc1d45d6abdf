import QtQuick 2.15
import Vignetta.Scene 1.0 as Vig
import "../../components_fc/qml/BasicLayouts"
import "../ObjControls"

// The editor of a sound block: the channel and the sound with its volume, pitch and pan.
PropertyEditor {
    id: editor

    kind: Vig.TimelineDataManager.mode_sound

    readonly property var channels: ["bgm", "bgs", "me", "se"]

    onLoadValues: {
        var index = channels.indexOf(values.audioType)
        if (index < 0)
            index = 0
        audioType.load(index)
        audioBox.subFolder = channels[index]
        audioBox.audioName = values.audioName
        audioBox.volume = Math.round(values.volume)
        audioBox.pitch = Math.round(values.pitch)
        audioBox.pan = Math.round(values.pan)
    }

    GroupBox {
        objectName: "audioGroup"
        width: 460
        title: qsTr("Audio")
        hint: qsTr("Play audio.")

        Column {
            spacing: 8

            ObjComboBox {
                id: audioType
                objectName: "audioType"
                label: qsTr("Audio Type")
                hint: qsTr("Choose audio type from BGM, BGS, ME, SE")
                controlWidth: 120
                enabled: editor.editEnabled
                model: Vig.Constants.audioTypeArray
                // Another channel has other files: the sound starts again from none.
                onEdited: {
                    var channel = editor.channels[index]
                    audioBox.subFolder = channel
                    audioBox.audioName = ""
                    audioBox.volume = 90
                    audioBox.pitch = 100
                    audioBox.pan = 0
                    editor.writeFields({
                        "audioType": channel, "audioName": "",
                        "volume": 90, "pitch": 100, "pan": 0
                    })
                }
            }

            ObjAudioBox {
                id: audioBox
                objectName: "audioName"
                label: qsTr("Audio")
                hint: qsTr("Audio File to be played.")
                enabled: editor.editEnabled
                onModified: editor.writeFields({
                    "audioName": audioName, "volume": volume, "pitch": pitch, "pan": pan
                })
            }
        }
    }
}
