import QtQuick 2.15
import QtQuick.Controls 1.4 as QQC1
import QtQuick.Controls.Styles 1.4
import "."
import "Modification.js" as Modification

// A label and a combo box. A choice by the user emits activated() and reports a modification
// to the enclosing dialog; currentIndex -1 shows no selection.
Row {
    id: root

    property string label: ""
    property string hint: ""
    property int labelWidth: 70
    property int controlWidth: 200
    property alias model: combo.model
    property alias currentIndex: combo.currentIndex
    readonly property alias currentText: combo.currentText
    property Palette pal: Palette {}

    signal activated(int index)

    spacing: 8
    height: pal.controlHeight

    ControlLabel {
        width: Math.max(root.labelWidth, implicitWidth)
        text: root.label
        pal: root.pal
        HintArea { hint: root.hint; hintTitle: root.label }
    }

    QQC1.ComboBox {
        id: combo
        objectName: "comboBox"
        width: root.controlWidth
        height: root.pal.controlHeight
        onActivated: {
            root.activated(index)
            Modification.notify(root)
        }
        style: ComboBoxStyle {
            textColor: root.pal.normalText
            selectionColor: root.pal.selectedBack
            selectedTextColor: root.pal.selectedText
            font.family: root.pal.normalFont
            font.pixelSize: root.pal.labelFontSize
            background: Rectangle {
                radius: 3
                border.color: control.activeFocus ? root.pal.focusFrame : root.pal.controlFrame
                border.width: control.activeFocus ? 2 : 1
                gradient: Gradient {
                    GradientStop { position: 0; color: control.hovered ? root.pal.hotButton1 : root.pal.button1 }
                    GradientStop { position: 1; color: control.hovered ? root.pal.hotButton2 : root.pal.button2 }
                }
                Image {
                    anchors.right: parent.right
                    anchors.rightMargin: 8
                    anchors.verticalCenter: parent.verticalCenter
                    source: "../Images/" + root.pal.arrowDownImage
                }
            }
            label: Text {
                text: control.currentIndex >= 0 ? control.currentText : ""
                color: root.pal.normalText
                font.family: root.pal.normalFont
                font.pixelSize: root.pal.labelFontSize
                renderType: root.pal.renderType
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
            }
            // The drop-down list in the theme's colours (the toolkit's own follows the system
            // palette, light grey whatever the theme).
            __dropDownStyle: MenuStyle {
                font.family: root.pal.normalFont
                font.pixelSize: root.pal.labelFontSize
                __maxPopupHeight: 600
                __menuItemType: "comboboxitem"
                __backgroundColor: root.pal.normalBack1
                __borderColor: root.pal.controlFrame
                __labelColor: root.pal.normalText
                __selectedLabelColor: root.pal.selectedText
                __disabledLabelColor: root.pal.disabledText
                __selectedBackgroundColor: root.pal.selectedBack
                __scrollerStyle: ScrollViewStyle {}
                itemDelegate.background: Rectangle {
                    visible: styleData.selected && styleData.enabled
                    color: root.pal.selectedBack
                }
                itemDelegate.label: Text {
                    text: styleData.text
                    color: !styleData.enabled ? root.pal.disabledText
                           : styleData.selected ? root.pal.selectedText : root.pal.normalText
                    font.family: root.pal.normalFont
                    font.pixelSize: root.pal.labelFontSize
                    renderType: root.pal.renderType
                }
            }
        }
    }
}
