import QtQuick 2.15
import Vignetta.Scene 1.0 as Vig

// What the property panel sees of the main view: the changer of an on-canvas manipulation,
// changed(), the scene size and the pictures it loads with their sizes (every picture is
// 320 x 240 here; an empty name 0 x 0).
Item {
    id: view

    property QtObject changer: QtObject {
        property string changedProperty: ""
        property point startPosition: Qt.point(0, 0)
        property point endPosition: Qt.point(0, 0)
        property point startScale: Qt.point(1, 1)
        property point endScale: Qt.point(1, 1)
    }
    property var loadedNames: []
    property int screenSizeCalls: 0

    signal changed()

    function setScreenSize(w, h) {
        screenSizeCalls += 1
        Vig.TimelineDataManager.screenWidth = w
        Vig.TimelineDataManager.screenHeight = h
    }
    function loadPicture(name) {
        loadedNames = loadedNames.concat([name])
    }
    function getPictureSize(name) {
        return name === "" ? Qt.size(0, 0) : Qt.size(320, 240)
    }
}
