pragma Singleton
import QtQuick 2.15
import Kivra.append 1.0

// The host editor's clipboard format: one entry "application/fable-" + format holding the UTF-8
// bytes of the data, replacing everything that was on the clipboard.
QtObject {
    function setData(format, data) {
        AppendAPI.setClipboardDataForFC(format, data);
    }

    function clear() {
        setData("", "");
    }
}
