import QtQuick 2.15
import "../../components_fc/qml/Singletons"

// The one place where the property editors start and stop sounds: the program's audio player,
// or `player` when one is set (tests give their own). Without an audio player the calls only
// log a warning.
QtObject {
    id: root

    property var player: null

    function target() {
        if (player)
            return player
        try {
            return AudioPlayer
        } catch (e) {
            console.warn("The audio preview is not available: " + e)
            return null
        }
    }

    // Plays audio {name, volume, pitch, pan} on a channel ("bgm", "bgs", "me", "se").
    function play(channel, audio) {
        var p = target()
        if (p)
            p.play(channel, audio)
    }

    function stop(channel) {
        var p = target()
        if (p)
            p.stop(channel)
    }
}
