import QtQuick 2.15
import QtTest 1.2
import Kivra.fab 1.0
import Kivra.append 1.0

// The native services as QML code calls them: strings for URLs, arrays, points, null windows.
TestCase {
    name: "NativeServices"

    property string root: ""

    function initTestCase() {
        root = KivraAPI.getTemporaryDir();
        verify(root !== "");
        verify(!KivraAPI.isDirectoryExists(KivraAPI.pathToUrl(root)), "only the name is handed out");
        verify(KivraAPI.createDirectories(KivraAPI.pathToUrl(root + "/data/sub")));
    }

    function cleanupTestCase() {
        verify(KivraAPI.removeDir(root));
        verify(!KivraAPI.isFileExists(KivraAPI.pathToUrl(root)));
    }

    function test_filesFromQml() {
        var url = KivraAPI.pathToUrl(root + "/data/Actors.json");
        compare(String(url), "file://" + root + "/data/Actors.json");
        verify(KivraAPI.writeFile(url, '[null,{"name":"Aldo"}]'));
        verify(KivraAPI.writeFile(String(KivraAPI.pathToUrl(root + "/data/sub/Items.json")), "[]"));
        compare(JSON.parse(KivraAPI.readFile(url))[1].name, "Aldo");
        compare(KivraAPI.readFile(root + "/data/Actors.json"), "", "a plain path is no URL");

        compare(KivraAPI.search([root + "/data", root + "/none"], "Items.json"),
                [root + "/data/sub/Items.json"]);
        compare(KivraAPI.search([root], ["Actors.json", "sub"]),
                [root + "/data/Actors.json", root + "/data/sub"]);
        compare(KivraAPI.recursiveFileList(root), ["data/Actors.json", "data/sub/Items.json"]);
        compare(AppendAPI.recursiveJsonList(root + "/data"),
                [root + "/data/Actors.json", root + "/data/sub/Items.json"]);
        verify(KivraAPI.copyFile(url, KivraAPI.pathToUrl(root + "/copy.json")));
        compare(KivraAPI.getFileMD5Hash(root + "/copy.json"), KivraAPI.getMD5Hash('[null,{"name":"Aldo"}]'));
        compare(String(KivraAPI.pathToDirName(String(url))), "file://" + root + "/data");
        compare(KivraAPI.urlToUnixPath(url), root + "/data/Actors.json");
    }

    function test_valuesFromQml() {
        var rect = KivraAPI.desktopAvailableGeometryWithWindow(null);
        compare(rect.width, 0);
        compare(rect.height, 0);
        var area = KivraAPI.desktopAvailableGeometryAtPoint(Qt.point(-100000, -100000));
        verify(area.width > 0 && area.height > 0);
        var c = KivraAPI.alphaizeColor(Qt.rgba(1, 0, 0, 1), 0.5);
        compare(Math.round(c.a * 255), 127);
        compare(c.r, 1);
        verify(["ar", "de_DE", "es_ES", "fr_FR", "it_IT", "ko_KR", "pt_BR", "ru_RU", "zh_CN",
                "zh_TW", "en_US"].indexOf(AppendAPI.locale()) >= 0);
        verify(TutorialManager !== null);
    }
}
