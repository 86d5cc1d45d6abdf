import QtQuick 2.15
import QtQuick.Controls 2.15 as QQC2
import Vignetta.Property 1.0
import "../../components_fc/qml/BasicControls"

// The asset files of one folder, one row per asset by base name, "(None)" first (see
// AssetFileList for the listing rules). A row whose suffix is written in the wrong case is
// greyed and carries a warning icon that opens the explanation. Typing a letter jumps to the
// next row starting with it. When the folder's files change, the row that was current stays
// current while it is still there; updated() follows every rebuild, with no row current when
// none was (or it went away).
FocusScope {
    id: root

    property alias folder: files.folder
    property alias allowedSuffixes: files.allowedSuffixes
    readonly property alias allIssues: files.allIssues
    readonly property alias model: files
    property alias currentIndex: list.currentIndex
    // The current row's roles, or null; and the common ones by name.
    readonly property var currentItem: internal.current
    readonly property string currentBaseName: currentItem ? currentItem.fileBaseName : ""
    readonly property string currentName: currentItem ? currentItem.fileName : ""
    readonly property string currentPrefix: currentItem ? currentItem.prefix : ""
    readonly property string currentPath: currentItem ? currentItem.filePath : ""
    property Palette pal: Palette {}

    signal updated()
    signal doubleClicked(int index)

    function refresh() {
        files.refresh()
    }

    // Selects the first row of that base name and brings it to the middle of the list; when
    // none matches and no row is current, the "(None)" row.
    function selectName(name) {
        var row = files.indexOfBaseName(name)
        if (row >= 0) {
            list.currentIndex = row
            list.positionViewAtIndex(row, ListView.Center)
        } else if (list.currentIndex < 0) {
            list.currentIndex = 0
        }
    }

    // Selects the next row (after the current one, wrapping round) whose text starts with
    // `text`, compared in lower case.
    function selectInitial(text) {
        var row = files.findNext(text, list.currentIndex)
        if (row >= 0) {
            list.currentIndex = row
            list.positionViewAtIndex(row, ListView.Contain)
        }
    }

    function showIssues(row) {
        var item = files.get(row)
        issuesDialog.fileName = item.fileName
        issuesDialog.issues = files.issues(row)
        issuesDialog.open()
    }

    implicitWidth: 200
    implicitHeight: 402

    Component.onCompleted: {
        internal.built = true
        if (internal.filledEarly) {
            internal.kept = null
            internal.takeRows()
        }
    }

    QtObject {
        id: internal
        property var current: null
        // The base name of the row current before a rebuild (null for none).
        property var kept: null
        // The list is first filled while it is being built: the rows are taken up once the
        // list view is complete.
        property bool built: false
        property bool filledEarly: false

        function takeRows() {
            list.currentIndex = kept === null ? -1 : files.indexOfBaseName(kept)
            follow()
            root.updated()
        }

        function follow() {
            var row = list.currentIndex
            current = row >= 0 && row < files.count ? files.get(row) : null
        }
    }

    AssetFileList {
        id: files
        onModelAboutToBeReset: internal.kept = internal.current ? internal.current.fileBaseName : null
        onUpdated: {
            if (internal.built)
                internal.takeRows()
            else
                internal.filledEarly = true
        }
    }

    Rectangle {
        anchors.fill: parent
        color: root.enabled ? root.pal.normalBack1 : root.pal.window2
        border.color: list.activeFocus ? root.pal.focusFrame : root.pal.controlFrame
        border.width: list.activeFocus ? 2 : 1
    }

    ListView {
        id: list
        objectName: "fileList"
        anchors.fill: parent
        anchors.margins: 2
        focus: true
        activeFocusOnTab: true
        clip: true
        model: files
        keyNavigationEnabled: true
        highlightMoveDuration: 0
        boundsBehavior: Flickable.StopAtBounds
        onCurrentIndexChanged: internal.follow()
        // Shown only when the rows do not fit; the rows end where it begins.
        QQC2.ScrollBar.vertical: QQC2.ScrollBar {
            id: scrollBar
            visible: list.contentHeight > list.height
        }

        delegate: Rectangle {
            id: row
            readonly property bool selected: ListView.isCurrentItem
            width: list.width - (scrollBar.visible ? scrollBar.width : 0)
            height: 22
            color: selected ? root.pal.selectedBack : "transparent"

            Text {
                anchors.left: parent.left
                anchors.leftMargin: 4
                anchors.right: warning.left
                anchors.verticalCenter: parent.verticalCenter
                text: model.text
                elide: Text.ElideRight
                color: row.selected ? root.pal.selectedText
                                    : model.hasIssues ? root.pal.disabledText : root.pal.normalText
                font.family: root.pal.normalFont
                font.pixelSize: root.pal.labelFontSize
                renderType: root.pal.renderType
            }

            MouseArea {
                anchors.fill: parent
                onPressed: {
                    list.currentIndex = index
                    list.forceActiveFocus(Qt.MouseFocusReason)
                }
                onDoubleClicked: root.doubleClicked(index)
            }

            Image {
                id: warning
                objectName: "issueIcon"
                anchors.right: parent.right
                anchors.rightMargin: 2
                anchors.verticalCenter: parent.verticalCenter
                width: model.hasIssues ? 16 : 0
                height: 16
                visible: model.hasIssues
                source: "../../components_fc/qml/Images/warning.png"
                sourceSize: Qt.size(16, 16)
                MouseArea {
                    anchors.fill: parent
                    enabled: parent.visible
                    onPressed: {
                        list.currentIndex = index
                        root.showIssues(index)
                    }
                }
            }
        }

        Keys.onPressed: {
            var t = event.text
            if (t.length > 0 && t.charCodeAt(0) >= 0x20 && t.charCodeAt(0) !== 0x7f
                    && !(event.modifiers & (Qt.ControlModifier | Qt.AltModifier))) {
                root.selectInitial(t)
                event.accepted = true
            }
        }
    }

    IssuesDialogBox {
        id: issuesDialog
        locator: root
    }
}
