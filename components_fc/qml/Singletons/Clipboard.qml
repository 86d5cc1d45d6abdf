pragma Singleton
import QtQuick 2.15
import Kivra.fab 1.0

// The program's own clipboard formats ("application/vignetta-" + name). `format` names the private
// format on the clipboard, "" when it holds anything else; paste commands bind to it.
QtObject {
    id: clipboard

    property string format: ""

    function setData(format, data) {
        KivraAPI.setClipboardData(format, data);
        clipboard.format = KivraAPI.getClipboardFormat();
    }

    // The data of `format`, or "null" when the clipboard holds something else, so that the
    // caller's JSON.parse gives null instead of failing.
    function getData(format) {
        var data = KivraAPI.getClipboardData(format);
        return data === "" ? "null" : data;
    }

    function clear() {
        setData("", "");
    }

    // Another program may change the clipboard at any time; only the list of types is asked for.
    property Timer poll: Timer {
        interval: 100
        repeat: true
        running: true
        onTriggered: clipboard.format = KivraAPI.getClipboardFormat()
    }
}
