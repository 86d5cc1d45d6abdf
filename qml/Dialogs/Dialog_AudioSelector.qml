import QtQuick 2.15
import Vignetta.Project 1.0
import "../../components_fc/qml/BasicControls"
import "../Layouts"

// Chooses a sound of one channel folder and its volume, pitch and pan, with play and stop to
// listen. The caller sets the values (in init) and reads them back on ok(); Cancel or closing
// the window changes nothing. A sound still playing is not stopped by closing. When the
// project is closed or changed while the dialog is open, the dialog closes as if cancelled.
ModalWindow {
    id: dialog

    property string subFolder: ""
    property string audioName: ""
    property int volume: 90
    property int pitch: 100
    property int pan: 0
    // Set by tests: the audio player to call instead of the program's.
    property var player: null

    title: qsTr("Select Audio")

    // The project the dialog was opened for.
    property string openedProjectUrl: ""
    onInit: openedProjectUrl = DataManager.projectUrl
    function abandon() {
        if (windowVisible && (!DataManager.projectOpened
                              || DataManager.projectUrl !== openedProjectUrl))
            close()
    }
    // (Held by a property: a child object of a ModalWindow would become its contents.)
    property Connections projectWatch: Connections {
        target: DataManager
        function onProjectUrlChanged() { dialog.abandon() }
        function onProjectOpenedChanged() { dialog.abandon() }
    }

    DialogBox {
        id: box
        applyVisible: false

        onOk: {
            selector.updateAudioName()
            dialog.audioName = selector.audioName
            dialog.volume = selector.volume
            dialog.pitch = selector.pitch
            dialog.pan = selector.pan
        }

        Layout_AudioSelector {
            id: selector
            objectName: "audioSelector"
            subFolder: dialog.subFolder
            audioName: dialog.audioName
            volume: dialog.volume
            pitch: dialog.pitch
            pan: dialog.pan
            player: dialog.player
            pal: box.pal
        }
    }
}
