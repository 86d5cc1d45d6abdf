import QtQuick 2.15
import QtTest 1.2
import Vignetta.Project 1.0
import "../../qml/Event"

// The text previews on the bundled sample project: window sizes and positions, the ready rule,
// playback to the end with the button, excerpts and the control-character hints.
TestCase {
    name: "TextPreview"
    width: 816
    height: 624
    visible: true
    when: windowShown

    readonly property string sampleUrl: Qt.resolvedUrl("../../sample/SampleProject/")

    TextPreview { id: message; visible: true }
    TextPreview { id: scrollText; scroll: true; visible: true }
    SignalSpy { id: terminated; target: message; signalName: "terminate" }
    SignalSpy { id: scrollTerminated; target: scrollText; signalName: "terminate" }
    MessagePreview { id: excerpt }
    ControlCharactersHint { id: hint }

    function openSample() {
        DataManager.projectUrl = sampleUrl
        verify(DataManager.loadDatabase())
        DataManager.projectOpened = true
    }

    function cleanup() {
        message.playbackMode = false
        scrollText.playbackMode = false
        terminated.clear()
        scrollTerminated.clear()
    }

    function test_1_readyOnlyWithAProjectAndItsWindowImages() {
        DataManager.projectOpened = false
        DataManager.projectUrl = ""
        verify(!message.ready)
        DataManager.projectUrl = Qt.resolvedUrl("../data/render_project/")
        DataManager.projectOpened = true
        // That project has pictures but no window skin or icon set.
        verify(!message.readyResource)
        verify(!message.ready)
        DataManager.projectOpened = false
        openSample()
        verify(message.readyResource)
        verify(message.ready)
    }

    function test_sizesAndPositions() {
        compare(message.width, 796)
        compare(message.height, 160)
        compare(message.positions, [8, 232, 456])
        compare(scrollText.width, 796)
        compare(scrollText.height, 624)
        message.screenWidth = 1000
        message.screenHeight = 700
        compare(message.width, 980)
        compare(message.positions, [8, 270, 532])
        message.screenWidth = 816
        message.screenHeight = 624
    }

    function test_messagePlaysUntilTheButtonEndsIt() {
        openSample()
        message.text = "\\N[1]: \\C[2]Hi\\! there"
        message.playbackMode = true
        message.requestPaint()
        verify(message.running)
        compare(message.textCanvas.visibleCharacters, 1)
        // "Lena: Hi" then the pause for input.
        tryCompare(message.textCanvas, "pause", true)
        compare(message.textCanvas.visibleCharacters, 8)
        tryCompare(message.textCanvas, "waitCount", 0)
        message.press()
        tryCompare(message.textCanvas, "visibleCharacters", 14)
        tryCompare(message.textCanvas, "waitCount", 0)
        verify(message.running)
        compare(terminated.count, 0)
        message.press()
        terminated.wait(2000)
        verify(!message.running)
        verify(message.textCanvas.isTerminate)
    }

    function test_endsAtOnceOrWhenStopped() {
        openSample()
        message.text = "\\^"
        message.playbackMode = true
        message.requestPaint()
        compare(terminated.count, 1)
        verify(!message.running)

        message.text = "a long message"
        message.requestPaint()
        verify(message.running)
        message.terminateMessage()
        compare(terminated.count, 2)
        verify(!message.running)
        // Stopping a preview that does not run says nothing.
        message.terminateMessage()
        compare(terminated.count, 2)
    }

    function test_scrollingTextLeavesTheScreen() {
        openSample()
        scrollText.text = "\\C[3]line\nline"
        scrollText.scrollY = 40
        scrollText.scrollSpeedRate = 8
        scrollText.playbackMode = true
        scrollText.requestPaint()
        compare(scrollText.textCanvas.textHeight, 72)
        // 4 pixels a frame from 40 to -72: 28 frames.
        scrollTerminated.wait(3000)
        compare(scrollText.scrollY, -72)

        // Editing shows the whole text at its place.
        scrollText.playbackMode = false
        scrollText.scrollY = 0
        scrollText.requestPaint()
        verify(!scrollText.running)
        compare(scrollText.textCanvas.visibleCharacters, 8)
    }

    function test_excerpts() {
        openSample()
        excerpt.isComment = false
        excerpt.message = "\\C[2]Hello"
        compare(excerpt.text, "Hell..")
        excerpt.message = "Hi"
        compare(excerpt.text, "Hi..")
        excerpt.message = ""
        compare(excerpt.text, "")
        excerpt.message = "\\N[2] waves"
        compare(excerpt.text, "Orin..")
        excerpt.isComment = true
        compare(excerpt.text, "\\N[2..")
        compare(excerpt.height, excerpt.font.pixelSize + 6)
    }

    function test_hintRows() {
        hint.full = true
        // The title and one row per code.
        compare(hint.children.length, 1 + 16 + 1)
        compare(hint.shownRows.length, 16)
        compare(hint.shownRows[0].code, "\\V[n]")
        compare(hint.shownRows[15].code, "\\^")
        compare(hint.shownRows[15].description, "Do not wait for input after displaying text.")
        compare(hint.children[0].text, "Control characters:")
        hint.full = false
        compare(hint.shownRows.length, 9)
        compare(hint.shownRows[8].code, "\\\\")
        compare(hint.children.length, 1 + 9 + 1)
        compare(hint.children[1].children[0].width, 50)
        compare(hint.children[1].children[1].width, 300)
    }
}
