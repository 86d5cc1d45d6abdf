import QtQuick 2.15
import Vignetta.Audio 1.0

// The one place where the property editors start and stop sounds: the program's audio player,
// or `player` when one is set (tests give their own).
QtObject {
    id: root

    property var player: null

    function target() {
        return player ? player : AudioPlayer
    }

    // Plays audio {name, volume, pitch, pan} on a channel ("bgm", "bgs", "me", "se").
    function play(channel, audio) {
        target().play(channel, audio)
    }

    function stop(channel) {
        target().stop(channel)
    }
}
