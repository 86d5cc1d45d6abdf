import QtQuick 2.15
import "."

// The current theme colours, fonts and metrics as typed, bindable properties, for views that
// prefer `pal.window1` to `ThemeManager.currentTheme.window1`. Follows every theme switch.
QtObject {
    readonly property var theme: ThemeManager.currentTheme

    readonly property color window2: theme.window2
    readonly property color window1: theme.window1
    readonly property color outsideArea: theme.outsideArea
    readonly property color inactiveTab1: theme.inactiveTab1
    readonly property color inactiveTab2: theme.inactiveTab2
    readonly property color controlFrame: theme.controlFrame
    readonly property color toolBar1: theme.toolBar1
    readonly property color toolBar2: theme.toolBar2
    readonly property color scrollBar1: theme.scrollBar1
    readonly property color scrollBar2: theme.scrollBar2
    readonly property color focusFrame: theme.focusFrame
    readonly property color normalText: theme.normalText
    readonly property color normalBack1: theme.normalBack1
    readonly property color normalBack2: theme.normalBack2
    readonly property color selectedText: theme.selectedText
    readonly property color selectedBack: theme.selectedBack
    readonly property color selectedEdText: theme.selectedEdText
    readonly property color selectedEdBack: theme.selectedEdBack
    readonly property color disabledText: theme.disabledText
    readonly property color hyperLinkText: theme.hyperLinkText
    readonly property color button1: theme.button1
    readonly property color button2: theme.button2
    readonly property color buttonFrame: theme.buttonFrame
    readonly property color pressedButton1: theme.pressedButton1
    readonly property color pressedButton2: theme.pressedButton2
    readonly property color pressedButtonText: theme.pressedButtonText
    readonly property color hotButton1: theme.hotButton1
    readonly property color hotButton2: theme.hotButton2
    readonly property color hotButtonText: theme.hotButtonText
    readonly property color twinklingBtn1: theme.twinklingBtn1
    readonly property color twinklingBtn2: theme.twinklingBtn2
    readonly property color groupBox1: theme.groupBox1
    readonly property color groupBox2: theme.groupBox2
    readonly property color groupBoxFrame: theme.groupBoxFrame
    readonly property color deluxeLabel1: theme.deluxeLabel1
    readonly property color deluxeLabel2: theme.deluxeLabel2
    readonly property color deluxeLabelText: theme.deluxeLabelText
    readonly property color highlight: theme.highlight
    readonly property color workArea: theme.workArea
    readonly property color checkMark: theme.checkMark
    readonly property color dropTarget: theme.dropTarget
    readonly property color progressBar: theme.progressBar
    readonly property color expCurveColor1: theme.expCurveColor1
    readonly property color expCurveColor2: theme.expCurveColor2

    readonly property real disabledOpacity: theme.disabledOpacity
    readonly property bool isDarkMode: theme.isDarkMode
    readonly property string arrowLeftImage: theme.arrowLeftImage
    readonly property string arrowRightImage: theme.arrowRightImage
    readonly property string arrowUpImage: theme.arrowUpImage
    readonly property string arrowDownImage: theme.arrowDownImage
    readonly property var eventColorMap: theme.eventColorMap
    readonly property var toolbarMap: theme.toolbarMap

    readonly property string fixedFont: FontManager.fixedFontName
    readonly property string normalFont: FontManager.normalFontName
    readonly property string mediumFont: FontManager.mediumFontName
    readonly property string heavyFont: FontManager.heavyFontName
    readonly property string symbolFont: FontManager.symbolFontName
    readonly property string previewFont: FontManager.previewFontName
    readonly property int renderType: FontManager.renderType

    readonly property int fontSize: 14
    readonly property int labelFontSize: 13
    readonly property int controlHeight: 27
}
