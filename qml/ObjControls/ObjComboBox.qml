import QtQuick 2.15
import QtQuick.Controls 1.4 as QQC1
import "../../components_fc/qml/BasicControls"

// A labelled combo box for the property editors, the label above it. load() shows a choice
// (an index outside the list shows the nearest end of it) without reporting it; a choice made
// by the user emits edited(index).
Column {
    id: root

    property string label: ""
    property string hint: ""
    property int controlWidth: 120
    property alias model: combo.model
    readonly property alias currentIndex: combo.currentIndex
    readonly property alias currentText: combo.currentText
    property Palette pal: Palette {}

    signal edited(int index)

    function load(index) {
        combo.currentIndex = Math.max(0, Math.min(combo.count - 1, index))
    }

    spacing: 2

    ControlLabel {
        text: root.label
        pal: root.pal
        height: implicitHeight
        HintArea { hint: root.hint; hintTitle: root.label }
    }

    QQC1.ComboBox {
        id: combo
        objectName: "comboBox"
        width: root.controlWidth
        height: root.pal.controlHeight
        style: FieldComboBoxStyle { pal: root.pal }
        onActivated: root.edited(index)
    }
}
