import QtQuick 2.15
import QtQuick.Window 2.15
import Vignetta.Scene 1.0 as Vig
import Vignetta.Project 1.0
import "../../../qml/PropertyView"
import "../../../qml/Singletons" as Settings

// The property panel over a scene with one block of every kind, for pictures of each editor
// and selector in every theme (tests/app/tst_property_screens.cpp).
Window {
    id: window
    width: 520
    height: 1000
    visible: true

    property alias panel: panel
    property var ids: ({})

    TimelineStandIn { id: timeline; mainView: mainView }
    MainViewStandIn { id: mainView }
    PropertyView {
        id: panel
        anchors.fill: parent
        timelineView: timeline
        mainView: mainView
    }

    function setTheme(name) {
        Settings.SettingsManager.storage.themeName = name
    }

    function setUp(projectUrl) {
        DataManager.projectUrl = projectUrl
        DataManager.projectOpened = true
        var tdm = Vig.TimelineDataManager
        tdm.clearData()
        var frame = 0
        var modes = { picture: 0, message: 1, fade: 2, sound: 3, screen: 4, scroll: 7,
                      soundFade: 8 }
        for (var k in modes) {
            ids[k] = tdm.insertNewBlock(modes[k], frame, 1)
            frame += 100
        }
        ids.marker = tdm.insertNewBlock(5, 50, 1)
        tdm.setBlockFields(ids.picture, { "imageName": "Door10", "startPosition.x": 120,
                                          "endColor.R": 34, "endColor.G": -34,
                                          "endColor.B": -68, "endColor.S": 170 })
        tdm.setBlockFields(ids.message, { "messageImageName": "Face Sheet",
                                          "messageImageIndex": 5,
                                          "messageText": "Good morning!\n\\C[2]Orin\\C[0] is here." })
        tdm.setBlockFields(ids.sound, { "audioType": "se", "audioName": "Bell" })
        tdm.setBlockFields(ids.screen, { "flashEnabled": true, "flashColor.R": 255,
                                         "flashColor.G": 136, "flashColor.B": 0,
                                         "shakeEnabled": false })
        tdm.setBlockFields(ids.scroll, { "messageText": "The end.\nThank you for playing." })
        tdm.setBlockField(ids.marker, "comment", "Scene two starts here.")
    }

    // More blocks on further lanes until the scene holds `total` (for the benchmarks).
    function fillScene(total) {
        var tdm = Vig.TimelineDataManager
        var lane = 2
        var frame = 0
        while (tdm.blockCount < total) {
            if (tdm.getLastLaneId() < lane)
                tdm.addLane()
            if (tdm.insertNewBlock(0, frame, lane) < 0) {
                lane += 1
                frame = 0
                continue
            }
            frame += 60
            if (frame > 9000) {
                lane += 1
                frame = 0
            }
        }
    }

    function show(kind) {
        if (kind === "marker")
            timeline.selectMarker(ids.marker)
        else if (kind === "scene")
            timeline.select([])
        else
            timeline.select([ids[kind]])
    }
}
