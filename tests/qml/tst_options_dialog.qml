import QtQuick 2.15
import QtTest 1.2
import "../../components_fc/qml/BasicControls"
import "../../qml/Options"
import "../../qml/Singletons" as Vig

Item {
    id: top
    width: 800
    height: 600

    Dialog_Options { id: dialog }
    SignalSpy { id: commitSpy; target: dialog; signalName: "commitSettings" }

    TestCase {
        name: "Options"
        when: windowShown

        function init() {
            var s = Vig.SettingsManager.storage
            s.checkerboardRed = 255
            s.checkerboardGreen = 255
            s.checkerboardBlue = 255
            s.themeName = "default"
            commitSpy.clear()
            openDialog()
        }

        function cleanup() {
            dialog.close()
            tryVerify(function () { return dialog.contentItem === null })
            Vig.SettingsManager.storage.themeName = "default"
        }

        function openDialog() {
            dialog.open()
            tryCompare(dialog.window, "opacity", 1)
            dialog.window.requestActivate()
            tryVerify(function () { return dialog.window.active })
        }

        function child(name) { return findChild(dialog.contentItem, name) }
        function button(t) {
            var row = dialog.contentItem.children[0].children[1].children[0]
            for (var i = 0; i < row.children.length; ++i) {
                if (row.children[i].text === t)
                    return row.children[i]
            }
            return null
        }

        function test_opensWithStoredValues() {
            compare(dialog.title, "Options")
            compare(child("redRow").value, 255)
            compare(child("themeCombo").currentIndex, 0)
            verify(!dialog.contentItem.applyEnabled)
            var board = child("previewBoard")
            compare(board.width, 86)                       // 90-pixel frame, 2-pixel margin
            compare(board.height, child("redRow").height * 3 + 8 - 4)
            verify(Qt.colorEqual(board.darkColor, Qt.rgba(0.862, 0.862, 0.862, 1)))
        }

        function test_sliderChangeRecoloursPreviewAndEnablesApply() {
            var slider = findChild(child("greenRow"), "slider")
            slider.forceActiveFocus()
            keyClick(Qt.Key_Left)
            compare(child("greenRow").value, 238)          // one step of 17
            compare(findChild(child("greenRow"), "spinBox").value, 238)
            compare(child("previewBoard").green, 238)
            verify(dialog.contentItem.applyEnabled)
            compare(Vig.SettingsManager.storage.checkerboardGreen, 255)   // not yet written
        }

        function test_applyCommitsAndKeepsTheDialogOpen() {
            findChild(child("redRow"), "slider").forceActiveFocus()
            keyClick(Qt.Key_Left)
            keyClick(Qt.Key_Left)
            var combo = findChild(child("themeCombo"), "comboBox")
            combo.forceActiveFocus()
            keyClick(Qt.Key_Down)
            compare(child("themeCombo").currentIndex, 1)
            verify(dialog.contentItem.applyEnabled)
            keyClick(Qt.Key_A, Qt.AltModifier)
            compare(commitSpy.count, 1)
            verify(dialog.window.visible)
            verify(!dialog.contentItem.applyEnabled)
            compare(Vig.SettingsManager.storage.checkerboardRed, 221)
            compare(Vig.SettingsManager.storage.themeName, "dark")
            compare(ThemeManager.currentTheme.name, "dark")   // restyled at once
            // Cancel afterwards keeps what was applied.
            mouseClick(button("Cancel"))
            verify(!dialog.window.visible)
            compare(ThemeManager.currentTheme.name, "dark")
            compare(commitSpy.count, 1)
        }

        function test_okCommitsAndCancelDoesNot() {
            findChild(child("blueRow"), "slider").forceActiveFocus()
            for (var i = 0; i < 15; ++i)
                keyClick(Qt.Key_Left)
            compare(child("blueRow").value, 0)
            mouseClick(button("Cancel"))
            compare(Vig.SettingsManager.storage.checkerboardBlue, 255)
            compare(commitSpy.count, 0)

            // The next opening shows the stored values again, not the cancelled ones.
            openDialog()
            compare(child("blueRow").value, 255)
            verify(!dialog.contentItem.applyEnabled)
            // A number typed into the spin box and confirmed with Return is what OK stores.
            findChild(child("blueRow"), "spinBox").forceActiveFocus()
            keyClick(Qt.Key_A, Qt.ControlModifier)
            keyClick(Qt.Key_1)
            keyClick(Qt.Key_0)
            keyClick(Qt.Key_0)
            verify(dialog.contentItem.applyEnabled)
            keyClick(Qt.Key_Return)
            verify(!dialog.window.visible)
            compare(Vig.SettingsManager.storage.checkerboardBlue, 100)
            compare(commitSpy.count, 1)
        }

        function test_unknownStoredThemeLeavesNoSelection() {
            dialog.close()
            Vig.SettingsManager.storage.themeName = "sepia"
            openDialog()
            compare(child("themeCombo").currentIndex, -1)
            compare(ThemeManager.currentTheme.name, "default")
            mouseClick(button("OK"))                    // no choice: the stored name stays
            compare(Vig.SettingsManager.storage.themeName, "sepia")
        }
    }
}
