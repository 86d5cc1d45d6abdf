import QtQuick 2.15
import "../../components_fc/qml/BasicControls"

// The control characters a text may use, one row per code with what it does. The message
// editor shows all of them (`full`); the scrolling-text editor only the first nine, which are
// the ones a scrolling text can use.
Column {
    id: root

    property bool full: true
    property Palette pal: Palette {}

    // Every row, in the order shown.
    readonly property var rows: [
        { code: "\\V[n]", description: qsTr("Replaced by the value of the nth variable.") },
        { code: "\\N[n]", description: qsTr("Replaced by the name of the nth actor.") },
        { code: "\\P[n]", description: qsTr("Replaced by the name of the nth party member.") },
        { code: "\\G", description: qsTr("Replaced by the currency unit.") },
        { code: "\\C[n]", description: qsTr("Draw the subsequent text in the nth color.") },
        { code: "\\I[n]", description: qsTr("Draw the nth icon.") },
        { code: "\\{", description: qsTr("Increase the text size by one step.") },
        { code: "\\}", description: qsTr("Decrease the text size by one step.") },
        { code: "\\\\", description: qsTr("Replaced with the backslash character.") },
        { code: "\\$", description: qsTr("Open the gold window.") },
        { code: "\\.", description: qsTr("Wait 1/4 second.") },
        { code: "\\|", description: qsTr("Wait 1 second.") },
        { code: "\\!", description: qsTr("Wait for button input.") },
        { code: "\\>", description: qsTr("Display remaining text on same line all at once.") },
        { code: "\\<", description: qsTr("Cancel the effect that displays text all at once.") },
        { code: "\\^", description: qsTr("Do not wait for input after displaying text.") }
    ]
    // The rows every text editor shows.
    readonly property int basicRowCount: 9
    readonly property var shownRows: full ? rows : rows.slice(0, basicRowCount)

    Text {
        text: qsTr("Control characters") + ":"
        color: root.pal.normalText
        font.family: root.pal.normalFont
        font.pixelSize: root.pal.labelFontSize
        renderType: root.pal.renderType
    }

    Repeater {
        model: root.shownRows

        Row {
            Text {
                width: 50
                text: modelData.code
                textFormat: Text.PlainText
                color: root.pal.normalText
                font.family: root.pal.normalFont
                font.pixelSize: root.pal.labelFontSize
                renderType: root.pal.renderType
            }
            Text {
                width: 300
                text: modelData.description
                wrapMode: Text.WordWrap
                color: root.pal.normalText
                font.family: root.pal.normalFont
                font.pixelSize: root.pal.labelFontSize
                renderType: root.pal.renderType
            }
        }
    }
}
