import QtQuick 2.15
import "../../components_fc/qml/BasicControls"
import "../../components_fc/qml/BasicLayouts"

// The look of the editor: the theme.
GroupBox {
    id: root

    // Index into ThemeManager.themeNames; -1 when the stored name is none of them.
    property alias themeIndex: combo.currentIndex

    title: qsTr("UI")
    hint: qsTr("Change how the editor looks.")

    LabeledComboBox {
        id: combo
        objectName: "themeCombo"
        label: qsTr("Theme")
        hint: qsTr("Customize the look and feel of the editor.")
        controlWidth: 440
        model: [qsTranslate("Theme", "Default"), qsTranslate("Theme", "Dark"),
            qsTranslate("Theme", "High Contrast White"), qsTranslate("Theme", "High Contrast Black")]
    }
}
