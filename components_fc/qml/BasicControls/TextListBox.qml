import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import "."

// A framed list of text rows, one of which may be selected. A click or the arrow, Home, End
// and page keys select a row and emit activated(); a double click emits doubleClicked().
// Rows longer than the list are cut with an ellipsis. currentIndex -1 selects nothing; a new
// model starts without a selection.
Rectangle {
    id: root

    // The rows: an array of strings.
    property var model: []
    property int currentIndex: -1
    readonly property alias count: view.count
    property string title: ""
    property string hint: ""
    property int rowHeight: 22
    property Palette pal: Palette {}

    signal activated(int index)
    signal doubleClicked(int index)

    implicitWidth: 160
    implicitHeight: 200
    color: pal.normalBack1
    border.width: activeFocus ? 2 : 1
    border.color: activeFocus ? pal.focusFrame : pal.controlFrame
    radius: 2
    activeFocusOnTab: true
    clip: true

    Accessible.role: Accessible.List
    Accessible.name: title

    onModelChanged: currentIndex = -1
    onCurrentIndexChanged: if (currentIndex >= 0) view.positionViewAtIndex(currentIndex, ListView.Contain)

    // Selects a row as the user does (the list scrolls to it and reports it).
    function choose(index) {
        if (view.count === 0)
            return
        index = Math.max(0, Math.min(view.count - 1, index))
        currentIndex = index
        root.activated(index)
    }

    ListView {
        id: view
        objectName: "listView"
        anchors.fill: parent
        anchors.margins: 2
        model: root.model
        boundsBehavior: Flickable.StopAtBounds
        highlightMoveDuration: 0
        QQC2.ScrollBar.vertical: QQC2.ScrollBar {}

        delegate: Rectangle {
            readonly property bool selected: index === root.currentIndex
            width: ListView.view.width
            height: root.rowHeight
            color: selected ? root.pal.selectedBack : "transparent"
            Text {
                anchors { left: parent.left; right: parent.right; leftMargin: 6; rightMargin: 6
                          verticalCenter: parent.verticalCenter }
                text: modelData
                elide: Text.ElideRight
                maximumLineCount: 1
                textFormat: Text.PlainText
                color: parent.selected ? root.pal.selectedText : root.pal.normalText
                font.family: root.pal.normalFont
                font.pixelSize: root.pal.labelFontSize
                renderType: root.pal.renderType
            }
            MouseArea {
                anchors.fill: parent
                onPressed: {
                    root.forceActiveFocus(Qt.MouseFocusReason)
                    root.choose(index)
                }
                onDoubleClicked: root.doubleClicked(index)
            }
        }
    }

    HintArea { hint: root.hint; hintTitle: root.title }

    readonly property int pageRows: Math.max(1, Math.floor(view.height / rowHeight) - 1)
    Keys.onPressed: {
        var target = -2
        switch (event.key) {
        case Qt.Key_Up: target = currentIndex < 0 ? 0 : currentIndex - 1; break
        case Qt.Key_Down: target = currentIndex + 1; break
        case Qt.Key_Home: target = 0; break
        case Qt.Key_End: target = view.count - 1; break
        case Qt.Key_PageUp: target = currentIndex - pageRows; break
        case Qt.Key_PageDown: target = currentIndex + pageRows; break
        }
        if (target === -2 || event.modifiers !== Qt.NoModifier)
            return
        event.accepted = true
        choose(target)
    }
}
