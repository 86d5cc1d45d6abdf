pragma Singleton
import QtQuick 2.15
import "IconTheme.js" as IconTheme

// The program's icon theme: icon keys to image file names of qml/Images. Replaced as a whole
// by setTheme, so every icon bound to currentTheme follows a theme switch.
QtObject {
    id: root

    readonly property string localeName: findLocale()
    property var currentTheme: IconTheme.build("default", localeName)

    function setTheme(name) {
        currentTheme = IconTheme.build(name, localeName)
    }

    // The URL of the image of an icon key ("tools_undo", "event_picture_16", ...).
    function iconUrl(key) {
        var file = currentTheme[key]
        return typeof file === "string" ? Qt.resolvedUrl("../Images/" + file) : ""
    }

    // The application locale from the native services; the toolkit's default without them.
    function findLocale() {
        try {
            var probe = Qt.createQmlObject(
                "import QtQml 2.2; import Kivra.append 1.0; QtObject { function locale() { return AppendAPI.locale() } }",
                root, "IconThemeLocale")
            var name = probe.locale()
            probe.destroy()
            if (typeof name === "string" && name !== "")
                return name
        } catch (e) {
            console.warn("ThemeManager: the application locale is not available; using "
                         + Qt.locale().name)
        }
        return Qt.locale().name
    }
}
