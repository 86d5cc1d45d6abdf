.pragma library

// The icon file names of a theme. "dark" and "highContrastBlack" use the light-on-dark
// drawings (files with "_bk"); every other name uses the dark-on-light ones.
function build(themeName, locale) {
    var dark = themeName === "dark" || themeName === "highContrastBlack"
    var ja = locale === "ja_JP"
    var bk = dark ? "_bk" : ""
    var t = {
        logo: (dark ? "logo" : "logo_black") + (ja ? "_ja" : "") + ".png",
        tools_undo: "edit-undo.png",
        tools_redo: "edit-redo.png",
        isDarkMode: dark
    }
    var tools = ["newlane", "playback", "pause", "copytofc", "shrink", "expand"]
    for (var i = 0; i < tools.length; ++i)
        t["tools_" + tools[i]] = "tools_" + tools[i] + bk + ".png"
    var events = ["picture", "message", "fade", "audio", "audio_fade", "preset", "screen",
                  "comment", "scroll", "stamp"]
    for (var j = 0; j < events.length; ++j) {
        var e = "event_" + events[j]
        t[e] = e + bk + ".png"
        if (events[j] !== "preset")
            t[e + "_16"] = e + bk + "_16.png"
    }
    return t
}
