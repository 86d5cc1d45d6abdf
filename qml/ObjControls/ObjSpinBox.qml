import QtQuick 2.15
import QtQuick.Controls 1.4 as QQC1
import "../../components_fc/qml/BasicControls"

// A labelled spin box of whole numbers for the property editors, the label above it (or beside
// it). load() shows a value, clamped to the range, without reporting it; a change made by the
// user emits edited(value).
Grid {
    id: root

    property string label: ""
    property string hint: ""
    property bool labelBeside: false
    property int controlWidth: 100
    property alias minimumValue: spin.minimumValue
    property alias maximumValue: spin.maximumValue
    property alias suffix: spin.suffix
    readonly property alias value: spin.value
    property Palette pal: Palette {}

    signal edited(int value)

    function load(v) {
        var wasLoading = internal.loading
        internal.loading = true
        spin.value = v
        internal.loading = wasLoading
    }

    columns: labelBeside ? 2 : 1
    columnSpacing: 8
    rowSpacing: 2
    verticalItemAlignment: Grid.AlignVCenter

    Component.onCompleted: internal.loading = false

    QtObject {
        id: internal
        // Nothing is reported before the control is built: setting up its range moves it.
        property bool loading: true
    }

    ControlLabel {
        text: root.label
        pal: root.pal
        height: root.labelBeside ? root.pal.controlHeight : implicitHeight
        HintArea { hint: root.hint; hintTitle: root.label }
    }

    FieldSpinBox {
        id: spin
        objectName: "spinBox"
        width: root.controlWidth
        height: root.pal.controlHeight
        decimals: 0
        stepSize: 1
        style: FieldSpinBoxStyle { pal: root.pal }
        onValueChanged: {
            if (!internal.loading && !holdsTypedValue)
                root.edited(value)
        }
        onTypingFinished: {
            if (!internal.loading)
                root.edited(value)
        }
    }
}
