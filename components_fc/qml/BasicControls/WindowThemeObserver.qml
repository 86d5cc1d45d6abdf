import QtQuick 2.15
import "."

// Restyles a window's frame to match the dark or light theme. Only macOS draws frames that
// follow the theme; elsewhere this does nothing.
QtObject {
    id: root

    property var window: null
    readonly property bool isDark: ThemeManager.currentTheme.isDarkMode
    readonly property bool active: Qt.platform.os === "osx"
    property var service: null

    onIsDarkChanged: restyle()
    onWindowChanged: restyle()

    property Connections windowWatcher: Connections {
        target: root.active ? root.window : null
        ignoreUnknownSignals: true
        function onVisibleChanged() { root.restyle() }
    }

    function restyle() {
        if (!active || !window)
            return
        if (!service) {
            try {
                service = Qt.createQmlObject(
                    "import QtQml 2.2; import Kivra.fab 1.0; QtObject { function style(w, d) { KivraAPI.macSetWindowStyle(w, d) } }",
                    root, "WindowThemeObserverService")
            } catch (e) {
                console.warn("WindowThemeObserver: the window style service is not available")
                return
            }
        }
        service.style(window, isDark)
    }
}
