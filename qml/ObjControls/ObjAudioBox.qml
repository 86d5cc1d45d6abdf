import QtQuick 2.15
import "../../components_fc/qml/BasicControls"
import "../Dialogs"

// A labelled button showing an audio file name of a channel folder; clicking it opens the
// audio selector with the box's name, volume, pitch and pan. On OK the box takes them back
// and emits modified().
Column {
    id: root

    property string label: ""
    property string hint: ""
    property string subFolder: "bgm"
    property string audioName: ""
    property int volume: 90
    property int pitch: 100
    property int pan: 0
    property int controlWidth: 300
    readonly property alias selector: dialog
    property Palette pal: Palette {}

    signal modified()

    spacing: 2

    ControlLabel {
        text: root.label
        pal: root.pal
        height: implicitHeight
        HintArea { hint: root.hint; hintTitle: root.label }
    }

    EllipsisButton {
        objectName: "ellipsisButton"
        width: root.controlWidth
        text: root.audioName
        hint: root.hint
        hintTitle: root.label
        pal: root.pal
        onClicked: dialog.open()
    }

    Dialog_AudioSelector {
        id: dialog
        locator: root
        onInit: {
            subFolder = root.subFolder
            audioName = root.audioName
            volume = root.volume
            pitch = root.pitch
            pan = root.pan
        }
        onOk: {
            root.audioName = audioName
            root.volume = volume
            root.pitch = pitch
            root.pan = pan
            root.modified()
        }
    }
}
