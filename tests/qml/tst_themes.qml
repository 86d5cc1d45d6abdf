import QtQuick 2.15
import QtTest 1.2
import "../../components_fc/qml/BasicControls"
import "../../components_fc/qml/BasicControls/FontRules.js" as FontRules
import "../../qml/Controls" as Vig
import "../../qml/Controls/IconTheme.js" as IconTheme
import "../../qml/Singletons" as Vig

Item {
    id: top
    width: 200
    height: 200

    Palette { id: pal }
    Component {
        id: imageComponent
        Image {}
    }

    TestCase {
        name: "Themes"

        readonly property var colourKeys: [
            "window2", "window1", "outsideArea", "inactiveTab1", "inactiveTab2", "controlFrame",
            "toolBar1", "toolBar2", "scrollBar1", "scrollBar2", "focusFrame", "normalText",
            "normalBack1", "normalBack2", "selectedText", "selectedBack", "selectedEdText",
            "selectedEdBack", "disabledText", "disabledOpacity", "hyperLinkText", "button1",
            "button2", "buttonFrame", "pressedButton1", "pressedButton2", "pressedButtonText",
            "hotButton1", "hotButton2", "hotButtonText", "twinklingBtn1", "twinklingBtn2",
            "groupBox1", "groupBox2", "groupBoxFrame", "deluxeLabel1", "deluxeLabel2",
            "deluxeLabelText", "highlight", "workArea", "checkMark", "dropTarget", "progressBar",
            "arrowLeftImage", "arrowRightImage", "arrowUpImage", "arrowDownImage",
            "expCurveColor1", "expCurveColor2", "isDarkMode", "eventColorMap", "toolbarMap"]

        function cleanup() {
            Vig.SettingsManager.storage.themeName = "default"
        }

        function col(c) { return Qt.lighter(c, 1.0) }

        function imageReady(url) {
            var image = imageComponent.createObject(top, { source: url })
            var ok = image.status === Image.Ready
            image.destroy()
            return ok
        }

        function test_everyThemeHasEveryKey() {
            for (var name of ThemeManager.themeNames) {
                var t = ThemeManager.buildTheme(name)
                for (var key of colourKeys)
                    verify(t[key] !== undefined && t[key] !== "", name + "." + key)
                compare(Object.keys(t.eventColorMap).length, 17, name)
                // Qt.lighter() gives null for a text that names no colour.
                for (var colour in t.eventColorMap)
                    verify(Qt.lighter(t.eventColorMap[colour], 1.0) !== null,
                           name + ".eventColorMap." + colour + " = " + t.eventColorMap[colour])
                for (var arrow of [t.arrowLeftImage, t.arrowRightImage, t.arrowUpImage, t.arrowDownImage])
                    verify(imageReady(ThemeManager.imageUrl(arrow)), arrow)
            }
        }

        function test_themeChoice() {
            compare(ThemeManager.buildTheme("").name, "default")
            compare(ThemeManager.buildTheme("Dark").name, "default")
            var dark = ThemeManager.buildTheme("dark")
            compare(dark.eventColorMap.indigo, "#DFBFFF")
            compare(dark.eventColorMap.slategray, "#9BB6CF")
            compare(dark.toolbarMap["tools-database"], "tools-database_bk")
            compare(ThemeManager.buildTheme("highContrastBlack").eventColorMap.navy, "#00FFFF")
            compare(ThemeManager.buildTheme("highContrastWhite").eventColorMap.crimson, "crimson")
            compare(ThemeManager.buildTheme("highContrastWhite").disabledOpacity, 1)
            // Derived colours are real colours, lighter or darker than their base.
            var d = ThemeManager.buildTheme("default")
            for (var pair of [["controlFrame", "outsideArea"], ["outsideArea", "inactiveTab1"],
                              ["inactiveTab1", "window2"], ["window2", "window1"],
                              ["deluxeLabel1", "deluxeLabel2"], ["twinklingBtn2", "twinklingBtn1"]])
                verify(col(d[pair[0]]).hslLightness < col(d[pair[1]]).hslLightness, pair)
            verify(/^#[0-9a-f]{6}$/.test(d.window1), d.window1)
        }

        function test_settingSwitchesBothThemes() {
            var storage = Vig.SettingsManager.storage
            storage.themeName = "dark"
            compare(ThemeManager.currentTheme.name, "dark")
            verify(Vig.ThemeManager.currentTheme.isDarkMode)
            verify(Qt.colorEqual(pal.window2, "#2f3335"))
            compare(ThemeManager.currentTheme.toolbarMap["tools-database"], "tools-database_bk")
            storage.themeName = "default"
            compare(Object.keys(ThemeManager.currentTheme.toolbarMap).length, 0)
            verify(!Vig.ThemeManager.currentTheme.isDarkMode)
            verify(Qt.colorEqual(pal.window2, "#d0dbe8"))
        }

        function test_iconThemeHasAnImageForEveryKey() {
            for (var name of ["default", "dark"]) {
                var t = IconTheme.build(name, "en_US")
                var keys = Object.keys(t).filter(function (k) { return k !== "isDarkMode" })
                compare(keys.length, 1 + 2 + 6 + 10 + 9, name)
                for (var key of keys)
                    verify(imageReady(Qt.resolvedUrl("../../qml/Images/" + t[key])), name + "." + key)
            }
            compare(IconTheme.build("default", "en_US").tools_newlane, "tools_newlane.png")
            compare(IconTheme.build("highContrastBlack", "en_US").event_picture_16, "event_picture_bk_16.png")
            compare(IconTheme.build("highContrastWhite", "en_US").event_scroll, "event_scroll.png")
            compare(IconTheme.build("default", "ja_JP").logo, "logo_black_ja.png")
            compare(IconTheme.build("dark", "ja_JP").logo, "logo_ja.png")
            compare(IconTheme.build("dark", "en_US").logo, "logo.png")
            verify(IconTheme.build("default", "en_US").event_preset_16 === undefined)
        }

        function test_fontChoiceByLocale() {
            var tw = FontRules.fontSetFor("zh_TW", "linux")
            verify(tw.mini)
            compare(tw.preview, "SimHei, Heiti TC")
            compare(tw.fallback, "Source Han Sans TC, Noto Sans CJK TC, WenQuanYi Zen Hei, sans-serif")
            compare(FontRules.fontSetFor("zh_CN", "windows").preview, "SimHei, Heiti SC")
            compare(FontRules.fontSetFor("zh_SG", "osx").fallback,
                    "PingFang SC, Heiti SC, LiHei Pro, STHeiti, sans-serif")
            var ko = FontRules.fontSetFor("ko_KR", "linux")
            verify(ko.mini)
            compare(FontRules.withFallback(ko.preview, ko.fallback),
                    "Dotum, AppleGothic, Source Han Sans KR, Noto Sans CJK KR, NanumGothic, UnDotum, Baekmuk Gulim, sans-serif")
            compare(FontRules.fontFile("1m-regular", true), "../Fonts/mplusmini-1m-regular.otf")
            var en = FontRules.fontSetFor("en_US", "linux")
            verify(!en.mini)
            compare(en.preview, "")
            compare(en.fallback, "")
            compare(FontRules.fontSetFor("", "linux").fallback, "")
        }

        function test_fontsLoadFromTheLibrary() {
            for (var loader of [FontManager.fixedLoader, FontManager.normalLoader,
                                FontManager.mediumLoader, FontManager.heavyLoader])
                compare(loader.status, FontLoader.Ready, loader.source)
            compare(FontManager.fixedFontName, "M PLUS 1 Code")
            compare(FontManager.normalFontName, "M PLUS 1")
            compare(FontManager.symbolFontName, FontManager.heavyFontName)
            compare(FontManager.previewFontName, FontManager.fixedFontName)
            compare(pal.fontSize, 14)
            compare(pal.controlHeight, 27)
        }
    }
}
