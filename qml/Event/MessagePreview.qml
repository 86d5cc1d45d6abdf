import QtQuick 2.15
import Vignetta.Project 1.0
import Vignetta.Text 1.0
import "../../components_fc/qml/BasicControls"

// The first characters of a text block's message (or a marker's comment), shown inside the
// block on the timeline: "Hell.." for a message that begins "Hello".
Text {
    id: root

    // The block's raw text, control codes included.
    property string message: ""
    property bool isComment: false

    property Palette pal: Palette {}

    text: excerpt.text
    font.family: pal.mediumFont
    font.pixelSize: pal.labelFontSize - 1
    height: font.pixelSize + 6
    color: pal.normalText
    opacity: enabled ? 1 : 0.5
    renderType: pal.renderType
    wrapMode: Text.NoWrap
    maximumLineCount: 1
    textFormat: Text.PlainText

    TextExcerpt {
        id: excerpt
        message: root.message
        isComment: root.isComment
        dataManager: DataManager
    }
}
