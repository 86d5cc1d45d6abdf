import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2

// Shows a control's hint as a tool tip while the mouse rests on it. Fills its parent and
// takes no clicks.
MouseArea {
    id: root
    property string hint: ""
    property string hintTitle: ""

    anchors.fill: parent
    hoverEnabled: hint !== ""
    acceptedButtons: Qt.NoButton

    QQC2.ToolTip.visible: containsMouse && hint !== ""
    QQC2.ToolTip.delay: 700
    QQC2.ToolTip.text: hintTitle !== "" ? "<b>" + hintTitle + "</b><br>" + hint : hint
}
