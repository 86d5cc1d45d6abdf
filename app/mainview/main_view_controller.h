#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <QTimer>
#include <QVariantMap>

#include "preview/frame_drag.h"

namespace vignetta::bridge {
class TimelineDataManager;
}

namespace vignetta::mainview {

// What the main view (qml/MainView/MainView.qml) asks of C++ (QML type MainViewController of
// "Vignetta.MainView" 1.0): the sampled scene at a frame, the message pages, and the start and
// end frames of the selected picture with their drag. The view binds its Frame items to the
// rectangles here and forwards the mouse.
//
// Frame rectangles are in screen pixels (game pixels times the display scale), relative to the
// game screen's upper-left corner. A drag runs from beginDrag to endDrag (or cancelDrag): the
// mouse positions reported by moveMouse are applied once a frame by a step timer, and endDrag
// gives the placement that the frames show; nothing here writes to the document.
class MainViewController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(vignetta::bridge::TimelineDataManager *dataManager READ dataManager WRITE
                   setDataManager NOTIFY dataManagerChanged)

    // The frames of the picture block last placed (placeFrames), or being dragged.
    Q_PROPERTY(QRectF startRect READ startRect NOTIFY framesChanged)
    Q_PROPERTY(QRectF endRect READ endRect NOTIFY framesChanged)
    // The end frame's turn in degrees (clockwise), about the picture's origin point.
    Q_PROPERTY(double endRotation READ endRotation NOTIFY framesChanged)
    // The block's origin: 0 the position is the upper-left corner, 1 the centre.
    Q_PROPERTY(int origin READ origin NOTIFY framesChanged)
    // The name in the frames' tags (already shortened).
    Q_PROPERTY(QString tagText READ tagText NOTIFY framesChanged)
    // A frame drag is running; changedProperty names the part grabbed ("" when none).
    Q_PROPERTY(bool dragging READ dragging NOTIFY draggingChanged)
    Q_PROPERTY(QString changedProperty READ changedProperty NOTIFY draggingChanged)

public:
    explicit MainViewController(QObject *parent = nullptr);

    bridge::TimelineDataManager *dataManager() const { return manager_; }
    void setDataManager(bridge::TimelineDataManager *manager);

    QRectF startRect() const;
    QRectF endRect() const;
    double endRotation() const { return endRotation_; }
    int origin() const { return origin_; }
    QString tagText() const { return tagText_; }
    bool dragging() const { return drag_.active(); }
    QString changedProperty() const;

    // The scene at `frame` as the preview and the text previews take it, for editing or for
    // playback (see frame_sample_variant.h for the keys), plus "window": the text window to
    // show, {kind: "message" | "scroll", blockId, text, faceName, faceIndex, position,
    // background, scrollSpeed, scrollNoFast}, or null. With messageLine >= 0 an edited message
    // shows only the four-line page that holds that line.
    Q_INVOKABLE QVariantMap sample(int frame, bool playback, int messageLine = -1) const;
    // The four-line page of `text` that holds line `index`, each line followed by "\n".
    Q_INVOKABLE QString messageLines(const QString &text, int index) const;

    // Places the frames of picture block `blockId` at `screenScale` from its stored start and
    // end placement. False, leaving the frames, when there is no such picture block. Ignored
    // while a drag runs (the frames follow the mouse until the release).
    Q_INVOKABLE bool placeFrames(int blockId, double screenScale);

    // The part of the frames under a press (changer names: "position_end", "scale_end",
    // "position_start", "scale_start"; "" for none). `screenPoint` is the press in screen pixels,
    // `turnedPoint` the press in game pixels turned back by the end frame's rotation (the
    // preview's transformedPoint); the tags are the Frame items' textRect().
    Q_INVOKABLE QString partAt(const QPointF &screenPoint, const QPointF &turnedPoint,
                               double screenScale, const QRectF &endTag,
                               const QRectF &startTag) const;

    // Starts a drag of `part` with the mouse at (x, y) (any coordinates that do not scroll).
    Q_INVOKABLE bool beginDrag(const QString &part, qreal x, qreal y, int modifiers);
    // The mouse position and the keyboard modifiers (Qt.ShiftModifier, Qt.AltModifier) now.
    Q_INVOKABLE void moveMouse(qreal x, qreal y, int modifiers);
    // Applies the movement since the last step (the step timer calls it once a frame).
    Q_INVOKABLE void stepDrag();
    // Ends the drag: {changedProperty, startPosition, endPosition, startScale, endScale} with
    // positions in game pixels and scale factors (see FrameDragResult), or an empty map when no
    // drag ran.
    Q_INVOKABLE QVariantMap endDrag(double screenScale);
    // Ends the drag without a result; the frames go back to where they were at the press.
    Q_INVOKABLE void cancelDrag();

signals:
    void dataManagerChanged();
    void framesChanged();
    void draggingChanged();

private:
    QPointer<bridge::TimelineDataManager> manager_;
    preview::FrameRect start_;
    preview::FrameRect end_;
    double endRotation_ = 0;
    int origin_ = 0;
    QString tagText_;

    preview::FrameDrag drag_;
    QTimer stepTimer_;
    QPointF lastMouse_;
    QPointF latestMouse_;
    QPointF accumulated_;
    int modifiers_ = 0;
};

} // namespace vignetta::mainview
