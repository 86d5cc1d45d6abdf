import QtQuick 2.15
import "../../components_fc/qml/BasicControls"
import "../../components_fc/qml/BasicLayouts"

// Where a new preset goes: an existing category of the user's collection or a new one, and
// the preset's name. Row 0 of the category list stands for a new category, whose name is then
// typed in the field below it.
GroupBox {
    id: root

    // The user's category names as they stand, and the same names as shown in the list.
    property var categories: []
    property var categoryLabels: categories
    readonly property int categoryIndex: combo.currentIndex
    // The chosen existing category; "" while a new category is chosen.
    readonly property string categoryName: combo.currentIndex > 0
                                           ? String(categories[combo.currentIndex - 1]) : ""
    readonly property alias newCategoryName: newCategoryField.text
    readonly property alias newPresetName: nameField.text

    title: qsTr("Preset Settings")
    hint: qsTr("Set the category and name.")

    // Back to a new category with both fields empty.
    function reset() {
        combo.currentIndex = 0
        newCategoryField.text = ""
        nameField.text = ""
    }

    Component.onCompleted: reset()
    onCategoriesChanged: combo.currentIndex = 0

    Column {
        spacing: 8

        LabeledComboBox {
            id: combo
            objectName: "categoryCombo"
            label: qsTr("Categories")
            hint: qsTr("Select a category or create a new one.")
            labelWidth: 110
            controlWidth: 260
            model: ["- " + qsTr("New Category") + " -"].concat(root.categoryLabels)
        }
        LabeledTextField {
            id: newCategoryField
            objectName: "newCategoryField"
            label: qsTr("New Category")
            hint: qsTr("Enter a new category name.")
            labelWidth: 110
            controlWidth: 260
            enabled: combo.currentIndex === 0
        }
        LabeledTextField {
            id: nameField
            objectName: "nameField"
            label: qsTr("Name")
            hint: qsTr("Name of preset.")
            labelWidth: 110
            controlWidth: 260
        }
    }
}
