import QtQuick 2.15
import QtTest 1.2
import Kivra.append 1.0

// The preview items as the main view and the timeline call them from QML.
TestCase {
    name: "PreviewItems"
    width: 816
    height: 624
    visible: true
    when: windowShown

    PreviewBody {
        id: preview
        width: 816
        height: 624
        projectUrl: Qt.resolvedUrl("../data/render_project/")
    }
    Thumbnail { id: thumbnail; width: 50; height: 50 }
    SignalSpy { id: updatedSpy; target: preview; signalName: "updated" }

    function entry(id, name, x) {
        return {blockId: id, blockStart: 0, blockDelay: 60, imageName: name, imageIndex: id,
                startPosition: {x: x, y: 10}, endPosition: {x: x, y: 10}, width: 100, height: 100};
    }

    function test_previewFromQml() {
        verify(preview.loadPicture("red") && preview.loadPicture("white"));
        verify(!preview.loadPicture("missing"));
        compare(preview.getPictureSize("red"), Qt.size(100, 100));
        thumbnail.setImage(preview.getPicture("red"));

        preview.setBlendColor([255, 255, 255, 40]);
        preview.setShake(3);
        updatedSpy.clear();
        preview.updateDisplayList(JSON.stringify({list: [entry(1, "red", 10), entry(2, "white", 60)],
                                                  tween: [0, 0]}), 200, 0);
        compare(preview.fade, 200);
        updatedSpy.wait(5000);
        compare(preview.pictureByPoint(Qt.point(30, 30)).blockId, 1);
        compare(preview.pictureByPoint(Qt.point(100, 30)).blockId, 2);
        compare(preview.transformedPoint(Qt.point(5, 5), -1).x, preview.int32max);
        compare(preview.getFrame(JSON.stringify(entry(1, "red", 10))).startRect,
                Qt.rect(10, 10, 100, 100));

        preview.clearDisplayList();
        compare(preview.pictureByPoint(Qt.point(30, 30)).blockId, -1);
        preview.clearPictureList();
        compare(preview.getPictureSize("red"), Qt.size(0, 0));
    }
}
