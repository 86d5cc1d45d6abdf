import QtQuick 2.15
import "../../components_fc/qml/BasicControls"
import "../Singletons" as Vig

// The options dialog: checkerboard colour and theme. OK and Apply write the settings (the
// theme switches at once) and emit commitSettings; Cancel writes nothing. Every opening starts
// from the stored settings.
ModalWindow {
    id: dialog

    signal commitSettings()

    title: qsTr("Options")

    DialogBox {
        id: box

        // The two groups share one width.
        Group_TransparentColor {
            id: colorGroup
            width: Math.max(implicitWidth, uiGroup.implicitWidth)
        }
        Group_UI {
            id: uiGroup
            width: Math.max(implicitWidth, colorGroup.implicitWidth)
        }

        onInit: {
            var storage = Vig.SettingsManager.storage
            colorGroup.red = storage.checkerboardRed
            colorGroup.green = storage.checkerboardGreen
            colorGroup.blue = storage.checkerboardBlue
            uiGroup.themeIndex = ThemeManager.themeNames.indexOf(storage.themeName)
            applyEnabled = false
        }
        onOk: commit()
        onApply: commit()

        function commit() {
            var storage = Vig.SettingsManager.storage
            storage.checkerboardRed = colorGroup.red
            storage.checkerboardGreen = colorGroup.green
            storage.checkerboardBlue = colorGroup.blue
            // No choice (an unknown stored name) keeps the stored name.
            if (uiGroup.themeIndex >= 0)
                storage.themeName = ThemeManager.themeNames[uiGroup.themeIndex]
            applyEnabled = false
            dialog.commitSettings()
        }
    }
}
