pragma Singleton
import QtQuick 2.15
import "FontRules.js" as FontRules

// The interface's font families, chosen once per process from the interface locale.
QtObject {
    id: root

    readonly property string localeName: findLocale()
    readonly property var fontSet: FontRules.fontSetFor(localeName, Qt.platform.os)

    readonly property FontLoader fixedLoader: FontLoader {
        source: FontRules.fontFile("1m-regular", root.fontSet.mini)
    }
    readonly property FontLoader normalLoader: FontLoader {
        source: FontRules.fontFile("1c-regular", root.fontSet.mini)
    }
    readonly property FontLoader mediumLoader: FontLoader {
        source: FontRules.fontFile("1p-medium", root.fontSet.mini)
    }
    readonly property FontLoader heavyLoader: FontLoader {
        source: FontRules.fontFile("1p-heavy", root.fontSet.mini)
    }

    readonly property string fixedFontName: FontRules.withFallback(fixedLoader.name, fontSet.fallback)
    readonly property string normalFontName: FontRules.withFallback(normalLoader.name, fontSet.fallback)
    readonly property string mediumFontName: FontRules.withFallback(mediumLoader.name, fontSet.fallback)
    readonly property string heavyFontName: FontRules.withFallback(heavyLoader.name, fontSet.fallback)
    readonly property string symbolFontName: heavyFontName
    // The in-game message preview must match the font the host game uses for its windows.
    readonly property string previewFontName:
        FontRules.withFallback(fontSet.preview !== "" ? fontSet.preview : fixedLoader.name,
                               fontSet.fallback)
    // 0: the toolkit's own text rendering; the main window switches to native rendering on
    // display devices that draw it badly.
    property int renderType: Text.QtRendering

    // The interface locale from the native services; the toolkit's default when they are not
    // available.
    function findLocale() {
        try {
            var probe = Qt.createQmlObject(
                "import QtQml 2.2; import Kivra.fab 1.0; QtObject { function locale() { return KivraAPI.locale() } }",
                root, "FontManagerLocale")
            var name = probe.locale()
            probe.destroy()
            if (typeof name === "string" && name !== "")
                return name
        } catch (e) {
            console.warn("FontManager: the interface locale is not available (" + e.message
                         + "); using " + Qt.locale().name)
        }
        return Qt.locale().name
    }
}
