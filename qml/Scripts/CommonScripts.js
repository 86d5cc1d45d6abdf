.pragma library
.import Kivra.fab 1.0 as Kivra
.import Vignetta.Frame 1.0 as Frame

// Pulls a window back inside the available virtual desktop (after its stored geometry has
// been applied): never larger than the desktop, never past its edges.
function adjustWindow(window) {
    var api = Kivra.KivraAPI
    var desktop = Qt.rect(api.desktopX(), api.desktopY(), api.desktopWidth(), api.desktopHeight())
    if (desktop.width <= 0 || desktop.height <= 0)
        return
    var r = Frame.MainFrame.adjustedWindowRect(
                Qt.rect(window.x, window.y, window.width, window.height), desktop)
    window.width = r.width
    window.height = r.height
    window.x = r.x
    window.y = r.y
}
