import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import "."
import "Modification.js" as Modification

// A label and a one-line text field. Typing emits edited() and reports a modification to the
// enclosing dialog.
Row {
    id: root

    property string label: ""
    property string hint: ""
    property int labelWidth: 70
    property int controlWidth: 200
    property alias text: field.text
    property alias maximumLength: field.maximumLength
    property Palette pal: Palette {}

    signal edited()

    spacing: 8
    height: pal.controlHeight

    ControlLabel {
        width: Math.max(root.labelWidth, implicitWidth)
        text: root.label
        pal: root.pal
        enabled: root.enabled
        HintArea { hint: root.hint; hintTitle: root.label }
    }

    QQC2.TextField {
        id: field
        objectName: "textField"
        width: root.controlWidth
        height: root.pal.controlHeight
        leftPadding: 6
        rightPadding: 6
        topPadding: 0
        bottomPadding: 0
        verticalAlignment: TextInput.AlignVCenter
        selectByMouse: true
        color: root.enabled ? root.pal.normalText : root.pal.disabledText
        selectionColor: root.pal.selectedBack
        selectedTextColor: root.pal.selectedText
        font.family: root.pal.normalFont
        font.pixelSize: root.pal.labelFontSize
        Accessible.name: root.label
        onTextEdited: {
            root.edited()
            Modification.notify(root)
        }
        background: Rectangle {
            radius: 3
            color: root.enabled ? root.pal.normalBack1 : root.pal.normalBack2
            opacity: root.enabled ? 1 : root.pal.disabledOpacity
            border.width: field.activeFocus ? 2 : 1
            border.color: field.activeFocus ? root.pal.focusFrame : root.pal.controlFrame
        }
    }
}
