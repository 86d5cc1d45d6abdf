.pragma library

// Sanitising of stored settings. The store is a plain per-user file that may hold anything:
// a wrong-typed or out-of-range value falls back to the default.

// A checkerboard channel 0-255 (stored numbers may come back as text); `fallback` otherwise.
function colorChannel(value, fallback) {
    var n = (typeof value === "string" && value.trim() !== "") ? Number(value) : value
    if (typeof n !== "number" || !isFinite(n) || n < 0 || n > 255)
        return fallback
    return Math.round(n)
}

// A theme name must be text; an unknown name is kept (it shows the default theme and leaves
// the choice in the options dialog empty until the user picks one).
function themeName(value, fallback) {
    return (typeof value === "string" && value !== "") ? value : fallback
}
