import QtQuick 2.15
import QtQuick.Controls 1.4 as QQC1
import "../../components_fc/qml/BasicControls"

// A check box for the property editors. load() sets it without reporting; a click by the
// user emits edited(checked).
QQC1.CheckBox {
    id: root

    property string hint: ""
    property Palette pal: Palette {}

    signal edited(bool checked)

    function load(on) {
        var wasLoading = internal.loading
        internal.loading = true
        checked = on
        internal.loading = wasLoading
    }

    height: pal.controlHeight
    style: FieldCheckBoxStyle { pal: root.pal }
    onCheckedChanged: {
        if (!internal.loading)
            edited(checked)
    }

    Component.onCompleted: internal.loading = false

    QtObject {
        id: internal
        // Nothing is reported before the control is built: setting up its range moves it.
        property bool loading: true
    }
    HintArea { hint: root.hint; hintTitle: root.text }
}
