import QtQuick 2.15
import Vignetta.Scene 1.0 as Vig
import "../../components_fc/qml/BasicLayouts"
import "../ObjControls"

// The editor of a sound fade-out block: the channel that fades (over the block's length).
PropertyEditor {
    id: editor

    kind: Vig.TimelineDataManager.mode_sound_fade

    readonly property var channels: ["bgm", "bgs"]

    onLoadValues: fadeoutType.load(Math.max(0, channels.indexOf(values.fadeoutAudioType)))

    GroupBox {
        objectName: "fadeoutGroup"
        width: 460
        title: qsTr("Audio")
        hint: qsTr("Fade out the audio.")

        ObjComboBox {
            id: fadeoutType
            objectName: "fadeoutAudioType"
            label: qsTr("Audio Type")
            hint: qsTr("Choose audio type from BGM, BGS")
            controlWidth: 120
            enabled: editor.editEnabled
            model: Vig.Constants.fadeoutAudioTypeArray
            onEdited: editor.writeField("fadeoutAudioType", editor.channels[index])
        }
    }
}
