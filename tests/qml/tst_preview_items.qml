import QtQuick 2.15
import QtTest 1.2
import Kivra.append 1.0

// The preview items as the main view and the timeline use them from QML.
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

    Thumbnail {
        id: thumbnail
        width: 50
        height: 50
    }

    SignalSpy {
        id: updatedSpy
        target: preview
        signalName: "updated"
    }

    function entry(id, name, x, y) {
        return {
            blockId: id, blockStart: 0, blockDelay: 60, imageName: name, imageIndex: id,
            origin: 0, startPosition: {x: x, y: y}, endPosition: {x: x, y: y},
            width: 100, height: 100, startScale: {width: 100, height: 100},
            endScale: {width: 100, height: 100}, rotateSpeed: 0, startOpacity: 255, blend: 0,
            endOpacity: 255, endColor: {R: 0, G: 0, B: 0, S: 0}
        };
    }

    function test_loadDrawAndHit() {
        verify(preview.loadPicture("red"));
        verify(preview.loadPicture("white"));
        verify(!preview.loadPicture("missing"));
        compare(preview.getPictureSize("red"), Qt.size(100, 100));
        compare(preview.getPictureSize("missing"), Qt.size(0, 0));

        preview.setBlendColor([255, 255, 255, 40]);
        preview.setShake(3);
        updatedSpy.clear();
        preview.updateDisplayList(JSON.stringify({
            list: [entry(1, "red", 10, 10), entry(2, "white", 60, 10)],
            tween: [0, 0]
        }), 200, 0);
        compare(preview.fade, 200);
        updatedSpy.wait(5000);
        verify(preview.msec >= 0);

        compare(preview.pictureByPoint(Qt.point(30, 30)).blockId, 1);
        compare(preview.pictureByPoint(Qt.point(100, 30)).blockId, 2);
        compare(preview.pictureByPoint(Qt.point(500, 500)).blockId, -1);

        compare(preview.int32max, 2147483647);
        compare(preview.transformedPoint(Qt.point(5, 5), -1).x, preview.int32max);
        compare(preview.transformedPoint(Qt.point(5, 5), 1), Qt.point(5, 5));

        var frame = preview.getFrame(JSON.stringify(entry(1, "red", 10, 10)));
        compare(frame.blockId, 1);
        compare(frame.startRect, Qt.rect(10, 10, 100, 100));
        compare(preview.getFrame("{}").blockId, undefined);

        preview.clearDisplayList();
        compare(preview.pictureByPoint(Qt.point(30, 30)).blockId, -1);
    }

    function test_thumbnailTakesThePreviewsPicture() {
        verify(preview.loadPicture("red"));
        thumbnail.setImage(preview.getPicture("red"));
        thumbnail.setImage(preview.getPicture("not loaded"));
        thumbnail.clear(10, 10);
        preview.clearPictureList();
        compare(preview.getPictureSize("red"), Qt.size(0, 0));
    }
}
