import QtQuick 2.15
import QtQuick.Controls 1.4 as QQC1
import QtQuick.Controls.Styles 1.4
import "."
import "Modification.js" as Modification

// A labelled row of a slider and a spin box that edit one whole number together. A change by
// the user emits edited() and reports a modification to the enclosing dialog.
Row {
    id: root

    property string label: ""
    property string hint: ""
    property int labelWidth: 70
    property int controlWidth: 170
    property int minimumValue: 0
    property int maximumValue: 100
    property int stepSize: 1
    property int value: 0
    property Palette pal: Palette {}

    signal edited(int value)

    spacing: 8
    height: pal.controlHeight

    // Values set from outside (a dialog's init) move both controls without a notice.
    onValueChanged: {
        slider.value = value
        spin.value = value
    }

    function userSet(v) {
        v = Math.max(minimumValue, Math.min(maximumValue, Math.round(v)))
        if (v === value)
            return
        value = v
        edited(v)
        Modification.notify(root)
    }

    ControlLabel {
        width: Math.max(root.labelWidth, implicitWidth)
        text: root.label
        pal: root.pal
        HintArea { hint: root.hint; hintTitle: root.label }
    }

    QQC1.Slider {
        id: slider
        objectName: "slider"
        width: root.controlWidth
        height: root.pal.controlHeight
        minimumValue: root.minimumValue
        maximumValue: root.maximumValue
        stepSize: root.stepSize
        value: root.value
        activeFocusOnPress: true
        onValueChanged: {
            if (pressed || activeFocus || hovered)
                root.userSet(value)
        }
        style: SliderStyle {
            groove: Rectangle {
                implicitHeight: 6
                radius: 3
                color: root.pal.normalBack2
                border.color: root.pal.controlFrame
                Rectangle {
                    width: styleData.handlePosition
                    height: parent.height
                    radius: 3
                    color: root.pal.selectedBack
                }
            }
            handle: Rectangle {
                implicitWidth: 12
                implicitHeight: 20
                radius: 3
                border.color: control.activeFocus ? root.pal.focusFrame : root.pal.buttonFrame
                border.width: control.activeFocus ? 2 : 1
                gradient: Gradient {
                    GradientStop { position: 0; color: control.hovered ? root.pal.hotButton1 : root.pal.button1 }
                    GradientStop { position: 1; color: control.hovered ? root.pal.hotButton2 : root.pal.button2 }
                }
            }
        }
    }

    QQC1.SpinBox {
        id: spin
        objectName: "spinBox"
        width: 70
        height: root.pal.controlHeight
        minimumValue: root.minimumValue
        maximumValue: root.maximumValue
        stepSize: root.stepSize
        value: root.value
        onEditingFinished: root.userSet(value)
        onValueChanged: {
            if (activeFocus || hovered)
                root.userSet(value)
        }
        style: SpinBoxStyle {
            textColor: root.pal.normalText
            selectionColor: root.pal.selectedBack
            selectedTextColor: root.pal.selectedText
            font.family: root.pal.normalFont
            font.pixelSize: root.pal.labelFontSize
            background: Rectangle {
                color: root.pal.normalBack1
                border.color: control.activeFocus ? root.pal.focusFrame : root.pal.controlFrame
            }
            incrementControl: Item {
                implicitWidth: 14
                Text {
                    anchors.fill: parent
                    text: "\u25b4"
                    color: root.pal.normalText
                    font.pixelSize: 10
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignBottom
                }
            }
            decrementControl: Item {
                implicitWidth: 14
                Text {
                    anchors.fill: parent
                    text: "\u25be"
                    color: root.pal.normalText
                    font.pixelSize: 10
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignTop
                }
            }
        }
    }
}
