import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import "."

// Shows a control's hint as a tool tip, in the theme's colours, while the mouse rests on it.
// Fills its parent and takes no clicks.
MouseArea {
    id: root
    property string hint: ""
    property string hintTitle: ""
    property Palette pal: Palette {}

    anchors.fill: parent
    hoverEnabled: hint !== ""
    acceptedButtons: Qt.NoButton

    // The tip exists only while the mouse is over the area, so it never outlives a visit.
    Loader {
        anchors.fill: parent
        active: root.containsMouse && root.hint !== ""
        sourceComponent: Item {
            QQC2.ToolTip {
                id: tip
                objectName: "hintToolTip"
                visible: true
                delay: 700
                // A hint never takes keys: Esc goes on to the dialog under it.
                closePolicy: QQC2.Popup.NoAutoClose
                text: root.hintTitle !== "" ? "<b>" + root.hintTitle + "</b><br>" + root.hint
                                            : root.hint
                contentItem: Text {
                    text: tip.text
                    textFormat: Text.StyledText
                    color: root.pal.normalText
                    font.family: root.pal.normalFont
                    font.pixelSize: root.pal.labelFontSize
                    renderType: root.pal.renderType
                }
                background: Rectangle {
                    color: root.pal.normalBack1
                    border.color: root.pal.controlFrame
                }
            }
        }
    }
}
