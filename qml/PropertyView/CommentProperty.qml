import QtQuick 2.15
import Vignetta.Scene 1.0 as Vig
import "../../components_fc/qml/BasicControls"
import "../../components_fc/qml/BasicLayouts"
import "../ObjControls"

// The editor of a marker's comment: free text of at most six lines, which has no effect in
// the game. It stays editable during playback.
PropertyEditor {
    id: editor

    kind: Vig.TimelineDataManager.mode_comment

    onLoadValues: comment.load(values.comment)

    GroupBox {
        objectName: "commentGroup"
        width: 460
        title: qsTr("Comment")
        hint: qsTr("Comment text. Has no effect in the game.")
        enabled: editor.blockMode

        ObjTextArea {
            id: comment
            objectName: "comment"
            label: qsTr("Comment")
            hint: qsTr("Comment text. Has no effect in the game.")
            controlWidth: 400
            visibleLines: 6
            maxLines: 6
            wrap: true
            onEdited: {
                if (editor.writeField("comment", text, "commentText"))
                    editor.changer.comment = text
            }
        }
    }
}
