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
    readonly property var colorKeys: ["checkerboardRed", "checkerboardGreen", "checkerboardBlue"]

    // Each key starts from its stored value (its default when the store lacks it) and is
    // written back only when it is assigned a different value, so a first start leaves an
    // empty store empty.
    readonly property QtObject storage: QtObject {
        id: values
        property var checkerboardRed: store.value("checkerboardRed", root.defaultChannel)
        property var checkerboardGreen: store.value("checkerboardGreen", root.defaultChannel)
        property var checkerboardBlue: store.value("checkerboardBlue", root.defaultChannel)
        property var themeName: store.value("themeName", root.defaultThemeName)

        onCheckerboardRedChanged: root.write("checkerboardRed")
        onCheckerboardGreenChanged: root.write("checkerboardGreen")
        onCheckerboardBlueChanged: root.write("checkerboardBlue")
        onThemeNameChanged: {
            root.write("themeName")
            root.applyTheme()
        }
        Component.onCompleted: {
            root.loaded = true
            root.sanitize()
        }
    }
    // Set once the stored values have been read; the first evaluation of each key is no change.
    property bool loaded: false

    // Reads and writes go through value() and setValue() only: a Settings object with
    // declared properties writes every key the store lacks as soon as it loads.
    readonly property Settings store: Settings { id: store }

    // Writes a key whose value differs from what the store holds, or from its default when the
    // store lacks it. The store gives numbers back as text: equal text is the same value.
    function write(key) {
        if (!loaded)
            return
        var fallback = key === "themeName" ? defaultThemeName : defaultChannel
        if (String(store.value(key, fallback)) !== String(values[key]))
            store.setValue(key, values[key])
    }

    function applyTheme() {
        var name = Rules.themeName(values.themeName, defaultThemeName)
        FC.ThemeManager.setTheme(name)
        Vig.ThemeManager.setTheme(name)
    }

    // Replaces stored values that the program cannot use: colours outside 0-255 are clamped,
    // other unusable values take their defaults. Only a stored bad value is written back.
    function sanitize() {
        for (var i = 0; i < colorKeys.length; ++i) {
            var key = colorKeys[i]
            var clean = Rules.colorChannel(values[key], defaultChannel)
            if (clean !== values[key])
                values[key] = clean
        }
        var theme = Rules.themeName(values.themeName, defaultThemeName)
        if (theme !== values.themeName)
            values.themeName = theme
        applyTheme()
    }
}
