import QtQuick 2.15
import "../../components_fc/qml/BasicControls"

// The list of the message control characters shown as the hint of a text field: the codes
// every text understands, and with `full` also those of the message window.
Column {
    id: root

    property bool full: false
    property Palette pal: Palette {}

    readonly property var commonCodes: [
        ["\\V[n]", qsTr("Replaced by the value of the nth variable.")],
        ["\\N[n]", qsTr("Replaced by the name of the nth actor.")],
        ["\\P[n]", qsTr("Replaced by the name of the nth party member.")],
        ["\\G", qsTr("Replaced by the currency unit.")],
        ["\\C[n]", qsTr("Draw the subsequent text in the nth color.")],
        ["\\I[n]", qsTr("Draw the nth icon.")],
        ["\\{", qsTr("Increase the text size by one step.")],
        ["\\}", qsTr("Decrease the text size by one step.")],
        ["\\\\", qsTr("Replaced with the backslash character.")]
    ]
    readonly property var messageCodes: [
        ["\\$", qsTr("Open the gold window.")],
        ["\\.", qsTr("Wait 1/4 second.")],
        ["\\|", qsTr("Wait 1 second.")],
        ["\\!", qsTr("Wait for button input.")],
        ["\\>", qsTr("Display remaining text on same line all at once.")],
        ["\\<", qsTr("Cancel the effect that displays text all at once.")],
        ["\\^", qsTr("Do not wait for input after displaying text.")]
    ]

    spacing: 2

    Text {
        text: qsTr("Control characters") + ":"
        color: root.pal.normalText
        font.family: root.pal.mediumFont
        font.pixelSize: root.pal.labelFontSize
        renderType: root.pal.renderType
    }

    Repeater {
        model: root.full ? root.commonCodes.concat(root.messageCodes) : root.commonCodes
        Row {
            Text {
                width: 50
                text: modelData[0]
                color: root.pal.normalText
                font.family: root.pal.fixedFont
                font.pixelSize: root.pal.labelFontSize
                renderType: root.pal.renderType
            }
            Text {
                width: 300
                text: modelData[1]
                wrapMode: Text.WordWrap
                color: root.pal.normalText
                font.family: root.pal.normalFont
                font.pixelSize: root.pal.labelFontSize
                renderType: root.pal.renderType
            }
        }
    }
}
