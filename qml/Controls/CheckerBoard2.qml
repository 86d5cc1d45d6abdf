import QtQuick 2.15
import Vignetta.Controls 1.0
import "../Singletons" as Vig

// The checkerboard behind transparent images, filling its parent. Its colour follows the
// settings unless the user of the item sets red, green and blue (0-255) itself.
CheckerBoardPainter {
    anchors.fill: parent
    red: Vig.SettingsManager.storage.checkerboardRed
    green: Vig.SettingsManager.storage.checkerboardGreen
    blue: Vig.SettingsManager.storage.checkerboardBlue
}
