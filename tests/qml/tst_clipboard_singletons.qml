import QtQuick 2.15
import QtTest 1.2
import Kivra.fab 1.0
import "../../components_fc/qml/Singletons"
import "../../qml/Singletons" as Vig

TestCase {
    name: "ClipboardSingletons"

    function test_privateFormatFollowsTheClipboard() {
        Clipboard.setData("timeline", '[{"blockId":3}]');
        compare(Clipboard.format, "timeline", "set at once, not at the next poll");
        compare(JSON.parse(Clipboard.getData("timeline"))[0].blockId, 3);

        KivraAPI.setClipboardText("typed elsewhere");
        tryCompare(Clipboard, "format", "", 1000);
        compare(Clipboard.getData("timeline"), "null");
        compare(JSON.parse(Clipboard.getData("timeline")), null);

        Clipboard.setData("timeline", "[]");
        compare(Clipboard.format, "timeline");
        Clipboard.clear();
        compare(Clipboard.format, "");
    }

    function test_hostFormatIsNotOurs() {
        Clipboard.setData("timeline", "[]");
        Vig.ClipboardFC.setData("EventCommand", '[{"code":0,"indent":0,"parameters":[]}]');
        compare(KivraAPI.getClipboardFormat(), "");
        tryCompare(Clipboard, "format", "", 1000);
    }
}
