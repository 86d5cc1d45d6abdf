.pragma library

// Sanitising of stored settings. The store is a plain per-user file that may hold anything:
// a wrong-typed value falls back to the default, an out-of-range number is clamped.

// A checkerboard channel 0-255 (stored numbers may come back as text): numbers outside the
// range are clamped to its nearest end, anything that is not a number gives `fallback`.
function colorChannel(value, fallback) {
    var n = (typeof value === "string" && value.trim() !== "") ? Number(value) : value
    if (typeof n !== "number" || !isFinite(n))
        return fallback
    return Math.max(0, Math.min(255, Math.round(n)))
}

// A theme name must be text; an unknown name is kept (it shows the default theme and leaves
// the choice in the options dialog empty until the user picks one).
function themeName(value, fallback) {
    return (typeof value === "string" && value !== "") ? value : fallback
}
