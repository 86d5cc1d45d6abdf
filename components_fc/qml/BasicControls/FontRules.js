.pragma library

// Which font files and families the interface uses for a locale, on a platform
// ("windows", "osx", anything else is treated as Linux).
//   mini      true for Chinese and Korean: the Latin-only files, so that every CJK character
//             comes from the locale's own fonts in one style
//   preview   the family of the in-game message preview, or "" to keep the fixed font
//   fallback  families appended (after ", ") to every family string, or ""
function fontSetFor(locale, os) {
    var loc = locale || ""
    var result = { mini: startsWith(loc, "zh") || startsWith(loc, "ko"), preview: "", fallback: "" }
    var pick = function (windows, mac, linux) {
        return os === "windows" ? windows : (os === "osx" ? mac : linux)
    }
    // Later rules win: zh_CN and zh_SG override the general Chinese choice.
    if (startsWith(loc, "zh")) {
        result.preview = "SimHei, Heiti TC"
        result.fallback = pick(
            "Microsoft JhengHei UI, Microsoft JhengHei, PMingLiU, PMingLiU-ExtB, MingLiU, MingLiU-ExtB, sans-serif",
            "PingFang TC, Heiti TC, LiHei Pro, STHeiti, sans-serif",
            "Source Han Sans TC, Noto Sans CJK TC, WenQuanYi Zen Hei, sans-serif")
    }
    if (startsWith(loc, "zh_CN") || startsWith(loc, "zh_SG")) {
        result.preview = "SimHei, Heiti SC"
        result.fallback = pick(
            "Microsoft Yahei UI, Microsoft Yahei, NSimSun, NSimSun-ExtB, SimSun, SimSun-ExtB, sans-serif",
            "PingFang SC, Heiti SC, LiHei Pro, STHeiti, sans-serif",
            "Source Han Sans SC, Noto Sans CJK SC, WenQuanYi Zen Hei, sans-serif")
    }
    if (startsWith(loc, "ko")) {
        result.preview = "Dotum, AppleGothic"
        result.fallback = pick(
            "Malgun Gothic, Gulim, sans-serif",
            "Apple SD Gothic Neo, AppleGothic, sans-serif",
            "Source Han Sans KR, Noto Sans CJK KR, NanumGothic, UnDotum, Baekmuk Gulim, sans-serif")
    }
    return result
}

// The font file for a role ("1m-regular", ...) in the full or the mini set.
function fontFile(role, mini) {
    return "../Fonts/" + (mini ? "mplusmini-" : "mplus-") + role + ".otf"
}

// A family string with the fallback list appended.
function withFallback(family, fallback) {
    return fallback ? family + ", " + fallback : family
}

function startsWith(s, prefix) {
    return s.substring(0, prefix.length) === prefix
}
