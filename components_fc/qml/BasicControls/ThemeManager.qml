pragma Singleton
import QtQuick 2.15

// The colour theme of every control. Views bind to keys of currentTheme (or use Palette);
// setTheme replaces the whole record, which repaints everything at once.
QtObject {
    id: root

    readonly property var themeNames: ["default", "dark", "highContrastWhite", "highContrastBlack"]
    property var currentTheme: buildTheme("default")

    function setTheme(name) {
        currentTheme = buildTheme(name)
    }

    function lighter(c, f) { return "" + Qt.lighter(c, f) }
    function darker(c, f) { return "" + Qt.darker(c, f) }

    readonly property var eventColorNames: [
        "indigo", "green", "blue", "red", "darkorange", "magenta", "maroon", "olive", "crimson",
        "purple", "teal", "deeppink", "dodgerblue", "darkviolet", "gray", "navy", "slategray"]

    function colorMap(values) {
        var map = {}
        for (var i = 0; i < eventColorNames.length; ++i)
            map[eventColorNames[i]] = values ? values[i] : eventColorNames[i]
        return map
    }

    function buildTheme(name) {
        var t
        switch (name) {
        case "dark":
            t = {
                window2: "#2f3335", window1: "#474b4d", outsideArea: "#181819",
                inactiveTab1: "#373b3d", inactiveTab2: "#1f2325", controlFrame: "#111618",
                scrollBar1: "#515658", scrollBar2: "#616668", focusFrame: "#4e78a1",
                normalText: "#cccccc", normalBack1: "#25282a", normalBack2: "#2c2f31",
                selectedText: "#cccccc", selectedBack: "#4b6eaf", selectedEdBack: "#4b6eaf",
                disabledText: "#777777", disabledOpacity: 0.5, hyperLinkText: "#0099ff",
                button1: "#616668", button2: "#54595b",
                hotButton1: "#717678", hotButton2: "#64696b",
                twinklingBtn1: "#173e70", twinklingBtn2: "#082147",
                groupBox1: "#18ffffff", groupBox2: "#10ffffff", groupBoxFrame: "#202020",
                deluxeLabel1: "#272b2d", deluxeLabel2: "#0f1315", deluxeLabelText: "#dddddd",
                highlight: "#80515557", workArea: "#224488", checkMark: "#aaaaaa",
                dropTarget: "#456ea6", progressBar: "#4499dd",
                arrowLeftImage: "arrow-left-white.png", arrowRightImage: "arrow-right-white.png",
                arrowUpImage: "arrow-up-white.png", arrowDownImage: "arrow-down-white.png",
                expCurveColor1: "#1AC011", expCurveColor2: "#ECA188",
                isDarkMode: true,
                eventColorMap: colorMap(["#DFBFFF", "#00DF00", "#5394EC", "#FF8785", "#FF8C00",
                    "#FFBFFF", "#BF7070", "#D6BF55", "#FF6B68", "#DC56DF", "#BFFFFF", "#FFBFE2",
                    "#B0C9EB", "#C19DD1", "#AAAAAA", "#BFBFFF", "#9BB6CF"]),
                toolbarMap: { "tools-database": "tools-database_bk" }
            }
            t.selectedEdText = t.pressedButtonText = t.hotButtonText = t.normalText
            break
        case "highContrastWhite":
        case "highContrastBlack":
            var w = name === "highContrastWhite"
            var back = w ? "#FFFFFF" : "#000000"
            var fore = w ? "#000000" : "#ffffff"
            var sel = w ? "#37006E" : "#1AEBFF"
            t = {
                window2: back, window1: back, outsideArea: back, inactiveTab1: back,
                inactiveTab2: back, controlFrame: fore, scrollBar1: back, scrollBar2: back,
                focusFrame: w ? "#00009F" : "#ffff00", normalText: fore,
                normalBack1: back, normalBack2: back,
                selectedText: w ? "#FFFFFF" : "#000000", selectedBack: sel,
                selectedEdText: w ? "#FFFFFF" : "#000000", selectedEdBack: sel,
                disabledText: w ? "#800000" : "#00FF00", disabledOpacity: 1,
                hyperLinkText: w ? "#0000ff" : "#00ffff",
                button1: back, button2: back,
                pressedButtonText: w ? "#FFFFFF" : "#000000",
                hotButton1: sel, hotButton2: sel, hotButtonText: w ? "#FFFFFF" : "#000000",
                twinklingBtn1: sel, twinklingBtn2: sel,
                groupBox1: back, groupBox2: back, groupBoxFrame: fore,
                deluxeLabel1: back, deluxeLabel2: back, deluxeLabelText: fore,
                highlight: w ? "#80000000" : "#80ffffff", workArea: "#224488",
                checkMark: w ? "#000000" : "#FFFFFF", dropTarget: sel, progressBar: sel,
                arrowLeftImage: w ? "arrow-left.png" : "arrow-left-white.png",
                arrowRightImage: w ? "arrow-right.png" : "arrow-right-white.png",
                arrowUpImage: w ? "arrow-up.png" : "arrow-up-white.png",
                arrowDownImage: w ? "arrow-down.png" : "arrow-down-white.png",
                expCurveColor1: w ? "#13920D" : "#00FF00",
                expCurveColor2: w ? "#DE5C2F" : "#FF8000",
                isDarkMode: !w,
                eventColorMap: w ? colorMap(null) : colorMap(["#FF58FF", "#00FF00", "#00CFFF",
                    "#FF8080", "#FF8000", "#FF58FF", "#FF8080", "#FFFF00", "#E78386", "#FF58FF",
                    "#00FFFF", "#FF80C0", "#00FFFF", "#D935FF", "#AAAAAA", "#00FFFF", "#FFFFFF"]),
                toolbarMap: w ? {} : { "tools-database": "tools-database_bk" }
            }
            break
        default:
            var window2 = "#d0dbe8"
            t = {
                window2: window2, window1: lighter(window2, 1.1),
                outsideArea: darker(window2, 1.2), inactiveTab1: darker(window2, 1.1),
                inactiveTab2: darker(window2, 1.2), controlFrame: darker(window2, 1.7),
                scrollBar1: darker(window2, 1.1), scrollBar2: window2, focusFrame: "#648cb4",
                normalText: "#000000", normalBack1: "#ffffff", normalBack2: "#e4ecf2",
                selectedText: "#ffffff", selectedBack: "#0064c8", selectedEdBack: "#bbddff",
                disabledText: "#80000000", disabledOpacity: 0.5, hyperLinkText: "#0000ff",
                button1: "#eef6fc", button2: "#aeb6bc",
                hotButton1: "#ffffff", hotButton2: "#c0e0ff",
                twinklingBtn1: lighter("#38d", 1.8), twinklingBtn2: lighter("#38d", 1.5),
                groupBox1: "#6090b0d0", groupBox2: "#607090b0", groupBoxFrame: "#ffffff",
                deluxeLabel1: "#0050a0", deluxeLabel2: lighter("#0050a0", 1.2),
                deluxeLabelText: "#ffffff", highlight: "#80ffffff", workArea: "#224488",
                checkMark: "#4466aa", dropTarget: "#ffee60", progressBar: "#4499dd",
                arrowLeftImage: "arrow-left.png", arrowRightImage: "arrow-right.png",
                arrowUpImage: "arrow-up.png", arrowDownImage: "arrow-down.png",
                expCurveColor1: "#13920D", expCurveColor2: "#DE5C2F",
                isDarkMode: false,
                eventColorMap: colorMap(null),
                toolbarMap: {}
            }
            t.selectedEdText = t.pressedButtonText = t.hotButtonText = t.normalText
            break
        }
        // Keys that repeat another key of the same theme.
        t.toolBar1 = t.window1
        t.toolBar2 = t.window2
        t.buttonFrame = t.controlFrame
        t.pressedButton1 = t.button2
        t.pressedButton2 = t.button1
        t.name = themeNames.indexOf(name) >= 0 ? name : "default"
        return t
    }

    // The library's image of that file name ("warning.png", an arrow of the theme, ...).
    function imageUrl(fileName) {
        return Qt.resolvedUrl("../Images/" + fileName)
    }
}
