import QtQuick 2.15
import QtQuick.Controls 1.4 as QQC1
import "../../components_fc/qml/BasicControls"
import Vignetta.Property 1.0

// A labelled multi-line text field of the property editors, `visibleLines` lines high. load()
// shows a text without reporting it; a change by the user emits edited(text), and a move of the
// cursor to another line emits cursorMovedToLine(index). With `guideColumns` above 0 a thin
// line marks where that many characters end; with `maxLines` above 0 the text is kept within
// that many lines (wrapped lines count), losing characters from its end.
Column {
    id: root

    property string label: ""
    property string hint: ""
    property Component hintComponent: null
    property int controlWidth: 440
    property int visibleLines: 4
    property int maxLines: 0
    property int guideColumns: 0
    property bool wrap: false
    property string fontFamily: pal.normalFont
    readonly property string text: area.text
    readonly property int cursorLine: internal.line
    readonly property alias textArea: area
    property Palette pal: Palette {}

    signal edited(string text)
    signal cursorMovedToLine(int index)

    function load(t) {
        internal.loading = true
        area.deselect()
        area.cursorPosition = 0
        area.text = t
        area.cursorPosition = 0
        internal.line = 0
        internal.loading = false
    }

    spacing: 2

    QtObject {
        id: internal
        property bool loading: false
        property int line: 0

        function followCursor() {
            var index = EditorValues.lineIndexAt(area.text, area.cursorPosition)
            if (index === line)
                return
            line = index
            if (!loading)
                root.cursorMovedToLine(index)
        }

        // The longest start of the text that fits into maxLines, found by halving: each try
        // lays the text out once, so a long paste costs a few layouts, not one per character.
        function limitLines() {
            if (root.maxLines <= 0 || area.lineCount <= root.maxLines)
                return
            var full = area.text
            var cursor = area.cursorPosition
            loading = true
            area.deselect()
            area.cursorPosition = 0
            var fits = 0
            var tooLong = full.length
            while (tooLong - fits > 1) {
                var mid = Math.floor((fits + tooLong) / 2)
                area.text = full.substring(0, mid)
                if (area.lineCount <= root.maxLines)
                    fits = mid
                else
                    tooLong = mid
            }
            // A character outside the basic plane is not cut in half.
            var code = full.charCodeAt(fits - 1)
            if (fits > 0 && code >= 0xD800 && code <= 0xDBFF)
                fits -= 1
            area.text = full.substring(0, fits)
            area.cursorPosition = Math.min(cursor, fits)
            loading = false
        }
    }

    ControlLabel {
        text: root.label
        pal: root.pal
        height: implicitHeight
        HintArea {
            hint: root.hintComponent === null ? root.hint : ""
            hintTitle: root.label
        }
        ComponentHintArea {
            hintComponent: root.hintComponent
            pal: root.pal
        }
    }

    Item {
        width: root.controlWidth
        height: root.visibleLines * (root.pal.fontSize + 7) + 10

        QQC1.TextArea {
            id: area
            objectName: "textArea"
            anchors.fill: parent
            tabChangesFocus: true
            wrapMode: root.wrap ? TextEdit.Wrap : TextEdit.NoWrap
            style: FieldTextAreaStyle { pal: root.pal; fontFamily: root.fontFamily }
            onTextChanged: {
                if (internal.loading)
                    return
                internal.limitLines()
                root.edited(area.text)
                internal.followCursor()
            }
            onCursorPositionChanged: internal.followCursor()
        }

        FontMetrics {
            id: metrics
            font.family: root.fontFamily
            font.pixelSize: root.pal.fontSize
        }

        // The guide: where `guideColumns` characters of the letter "A" end.
        Item {
            x: 1
            y: 1
            width: area.viewport ? area.viewport.width : 0
            height: area.viewport ? area.viewport.height : 0
            clip: true
            visible: root.guideColumns > 0
            Rectangle {
                objectName: "guideLine"
                x: area.textMargin + metrics.advanceWidth("A") * root.guideColumns
                   - (area.flickableItem ? area.flickableItem.contentX : 0)
                width: 1
                height: parent.height
                color: root.pal.focusFrame
                opacity: 0.7
            }
        }
    }
}
