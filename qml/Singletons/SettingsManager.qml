pragma Singleton
import QtQuick 2.15
import Qt.labs.settings 1.0
import "../../components_fc/qml/BasicControls" as FC
import "../Controls" as Vig
import "SettingsRules.js" as Rules

// The program's per-user preferences. storage holds the stored keys; a change of the theme
// name restyles the controls (colour theme) and then the icons (icon theme).
QtObject {
    id: root

    readonly property int defaultChannel: 255
    readonly property string defaultThemeName: "default"

    // Each key starts from its stored value rather than its default. When the store lacks a
    // key, Settings caches every property for writing back while it is still loading them, and
    // a property not yet loaded would then be written with its default over the stored value
    // (a stored theme turning into "default" because a colour key was missing).
    readonly property Settings storage: Settings {
        id: store
        property var checkerboardRed: store.value("checkerboardRed", root.defaultChannel)
        property var checkerboardGreen: store.value("checkerboardGreen", root.defaultChannel)
        property var checkerboardBlue: store.value("checkerboardBlue", root.defaultChannel)
        property var themeName: store.value("themeName", root.defaultThemeName)

        onThemeNameChanged: root.applyTheme()
        Component.onCompleted: root.sanitize()
    }

    function applyTheme() {
        var name = Rules.themeName(store.themeName, defaultThemeName)
        FC.ThemeManager.setTheme(name)
        Vig.ThemeManager.setTheme(name)
    }

    // Replaces stored values that the program cannot use by their defaults.
    function sanitize() {
        var keys = ["checkerboardRed", "checkerboardGreen", "checkerboardBlue"]
        for (var i = 0; i < keys.length; ++i) {
            var clean = Rules.colorChannel(store[keys[i]], defaultChannel)
            if (clean !== store[keys[i]])
                store[keys[i]] = clean
        }
        var theme = Rules.themeName(store.themeName, defaultThemeName)
        if (theme !== store.themeName)
            store.themeName = theme
        applyTheme()
    }
}
