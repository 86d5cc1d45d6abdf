import QtQuick 2.15
import Vignetta.Scene 1.0 as Vig
import "../../components_fc/qml/BasicLayouts"
import "../ObjControls"

// The editor of a screen-fade block: fading out or in.
PropertyEditor {
    id: editor

    kind: Vig.TimelineDataManager.mode_fade

    onLoadValues: fadeType.load(values.fadeType)

    GroupBox {
        objectName: "fadeGroup"
        width: 460
        title: qsTr("Fade Type")
        hint: qsTr("Specify fade direction, in or out.")

        ObjComboBox {
            id: fadeType
            objectName: "fadeType"
            label: qsTr("Fade Type")
            hint: qsTr("Specify fade direction, in or out.")
            controlWidth: 160
            enabled: editor.editEnabled
            model: Vig.Constants.fadeTypeArray
            onEdited: editor.writeField("fadeType", index)
        }
    }
}
