import QtQuick 2.15
import "../BasicControls"

// A titled, framed group of controls (the default property), with the theme's group colours.
// The title shows the group's hint when the mouse rests on it.
Item {
    id: root

    property string title: ""
    property string hint: ""
    property int padding: 10
    default property alias contents: body.data
    property Palette pal: Palette {}

    implicitWidth: Math.max(body.childrenRect.width + padding * 2, heading.implicitWidth + 24)
    implicitHeight: heading.height + body.childrenRect.height + padding * 2
    width: implicitWidth
    height: implicitHeight

    Text {
        id: heading
        x: 4
        height: 22
        text: root.title
        color: root.pal.normalText
        font.family: root.pal.mediumFont
        font.pixelSize: root.pal.labelFontSize
        renderType: root.pal.renderType
        verticalAlignment: Text.AlignVCenter
        HintArea { hint: root.hint; hintTitle: root.title }
    }

    Rectangle {
        y: heading.height
        width: root.width
        height: root.height - heading.height
        radius: 4
        border.color: root.pal.groupBoxFrame
        gradient: Gradient {
            GradientStop { position: 0; color: root.pal.groupBox1 }
            GradientStop { position: 1; color: root.pal.groupBox2 }
        }
    }

    Item {
        id: body
        x: root.padding
        y: heading.height + root.padding
        width: childrenRect.width
        height: childrenRect.height
    }
}
