import QtQuick 2.15
import Vignetta.Scene 1.0 as Vig
import Vignetta.Property 1.0

// What every property editor shares: the block it shows, the guard that keeps filling the
// controls from being taken for editing, and the writes into the document.
//
// The panel assigns a block to every editor (assign); the editor whose `kind` matches the
// block's kind is shown and fills its controls in its onLoadValues handler. Controls report
// user changes; the editor writes them with writeField/writeFields, which go through
// TimelineDataManager (never into a copy), and each write that changed the block emits
// valuesChanged() so that the panel can apply the burst of edits once.
Item {
    id: editor

    // The blockMode this editor edits; sceneKind for the editor shown without a block.
    property int kind: sceneKind
    readonly property int sceneKind: -1
    // The block shown (-1 for none) and its fields as the editors show them (EditorValues), or
    // null.
    property int blockId: -1
    property var object: null
    property var mainView: null
    property PropertyChanger changer: null
    property bool playbackMode: false
    readonly property bool blockMode: kind === sceneKind ? object === null
                                                         : object !== null && object.blockMode === kind
    readonly property bool editEnabled: blockMode && !playbackMode
    // True from an assignment until 1 ms later: control changes are not written meanwhile.
    property bool dataLoading: false
    // True while the user holds a control (a slider being dragged): the panel applies the
    // edits of a drag once, when it ends.
    property bool holdApply: false
    default property alias content: body.data

    // A change was written to the block, or a change the panel must pass on was reported.
    signal valuesChanged()
    // The block changed (the panel records an undo step for the burst).
    signal wrote()
    // The controls are to show `values` (null for the scene editor).
    signal loadValues(var values)

    visible: blockMode
    width: body.width
    height: body.height

    // Shows the block `id` with its event data, or no block (null).
    function assign(id, eventData) {
        var has = eventData !== null && eventData !== undefined && id >= 0
        blockId = has ? id : -1
        object = has ? EditorValues.read(eventData) : null
        if (!blockMode)
            return
        loadGuarded(function () { editor.loadValues(editor.object) })
    }

    // Fills controls by `fill` under the loading guard.
    function loadGuarded(fill) {
        dataLoading = true
        fill()
        loadingWait.restart()
    }

    // Reads the shown block again (after someone else changed it).
    function reload() {
        var block = blockId >= 0 ? Vig.TimelineDataManager.getBlock(blockId) : null
        assign(blockId, block ? block.eventData : null)
    }

    function canWrite() {
        return !dataLoading && blockMode && kind !== sceneKind && blockId >= 0
    }

    function writeField(path, value, changeKind) {
        var fields = {}
        fields[path] = value
        return writeFields(fields, changeKind)
    }

    // Writes the fields ({path: value}) that differ from what the block holds, all or none;
    // then sets the change kind (when given) and reports the change. Returns whether the
    // block changed.
    function writeFields(fields, changeKind) {
        if (!canWrite())
            return false
        var changed = {}
        var any = false
        for (var path in fields) {
            var stored = Vig.TimelineDataManager.getBlockField(blockId, path)
            if (JSON.stringify(stored) === JSON.stringify(fields[path]))
                continue
            internal.addWrite(changed, path, fields[path])
            any = true
        }
        if (!any)
            return false
        internal.writing = true
        var ok = Vig.TimelineDataManager.setBlockFields(blockId, changed)
        internal.writing = false
        if (!ok) {
            console.warn("The block " + blockId + " refused the change of "
                         + Object.keys(changed).join(", "))
            return false
        }
        object = EditorValues.read(Vig.TimelineDataManager.getBlock(blockId).eventData)
        if (changeKind && changer)
            changer.changedProperty = changeKind
        wrote()
        valuesChanged()
        return true
    }

    // Reports a change that writes nothing to the block (the message cursor line, the scene
    // size).
    function report(changeKind) {
        if (dataLoading || !blockMode)
            return false
        if (changeKind && changer)
            changer.changedProperty = changeKind
        valuesChanged()
        return true
    }

    QtObject {
        id: internal
        property bool writing: false

        // A part of a position, scale or colour whose stored whole is missing or not an object
        // is written as the whole that the editor shows, with the new part.
        function addWrite(changed, path, value) {
            var dot = path.indexOf(".")
            if (dot > 0) {
                var head = path.substring(0, dot)
                var whole = Vig.TimelineDataManager.getBlockField(editor.blockId, head)
                if (whole === null || typeof whole !== "object" || Array.isArray(whole)) {
                    var shown = changed[head] || JSON.parse(JSON.stringify(editor.object[head]))
                    shown[path.substring(dot + 1)] = value
                    changed[head] = shown
                    return
                }
            }
            changed[path] = value
        }
    }

    Timer {
        id: loadingWait
        interval: 1
        onTriggered: editor.dataLoading = false
    }

    // A change of the shown block made elsewhere is shown at once.
    Connections {
        target: Vig.TimelineDataManager
        enabled: editor.blockMode && editor.blockId >= 0
        function onBlockChanged(id, path) {
            if (id === editor.blockId && !internal.writing)
                editor.reload()
        }
    }

    Column {
        id: body
        spacing: 10
    }
}
