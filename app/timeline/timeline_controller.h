#pragma once

#include <QJSValue>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QRectF>
#include <QTimer>
#include <QVariant>

#include "scene/drag_step.h"
#include "scene/selection.h"
#include "timeline/ghost_model.h"
#include "timeline/playback_clock.h"

namespace vignetta::bridge {
class TimelineDataManager;
}

namespace vignetta::timeline {

class SelectedBlock;

// The timeline view's state and its rules (QML type TimelineController of "Vignetta.Timeline"
// 1.0): the cursor, the block, lane and marker selection, the drag of blocks, markers and the
// ruler cursor, insertion, the clipboard text, deletion, undo and zoom, and the playback clock.
// The view binds to it and forwards mouse and key input; the document stays in
// TimelineDataManager, whose editing operations take the undo snapshots.
//
// Mouse sequences: a press (pressBlock, pressMarker, pressRuler) captures the mouse; moveMouse
// reports its position in timeline pixels (x from frame 0, y from the top of lane 1) and a
// step timer applies the movement once per frame; releaseMouse completes the sequence, and
// cancelMouse (Escape, a lost grab, a zoom change, undo) ends it without changing anything. No
// sequence leaves ghosts or a pushed cursor behind.
class TimelineController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(vignetta::bridge::TimelineDataManager *dataManager READ dataManager WRITE
                   setDataManager NOTIFY dataManagerChanged)
    // The cursor frame, 0 to maxDuration - 1.
    Q_PROPERTY(int cursorFrame READ cursorFrame WRITE setCursorFrame NOTIFY cursorFrameChanged)

    // Selection. checkedBlocks: SelectedBlock objects in selection order.
    Q_PROPERTY(QVariantList checkedBlocks READ checkedBlocks NOTIFY selectionChanged)
    Q_PROPERTY(QVariantList checkedIds READ checkedIds NOTIFY selectionChanged)
    Q_PROPERTY(QVariantList pressedIds READ pressedIds NOTIFY selectionChanged)
    Q_PROPERTY(int selectedCount READ selectedCount NOTIFY selectionChanged)
    // Bounding box of the pressed blocks in timeline pixels (y from the top of lane 1).
    Q_PROPERTY(QRectF selectionRange READ selectionRange NOTIFY selectionChanged)
    // The selected lane, -1 for none.
    Q_PROPERTY(
        int checkedLaneId READ checkedLaneId WRITE setCheckedLaneId NOTIFY checkedLaneIdChanged)
    // The selected marker's block id, 0 for none. Exclusive with the block selection.
    Q_PROPERTY(int checkedMarkerId READ checkedMarkerId NOTIFY checkedMarkerIdChanged)

    // Block drag.
    Q_PROPERTY(int dragMode READ dragMode NOTIFY dragChanged)
    // The drag has gone past the threshold: ghosts and cursor follow the mouse.
    Q_PROPERTY(bool dragging READ dragging NOTIFY dragChanged)
    Q_PROPERTY(QRectF constrainRect READ constrainRect NOTIFY dragStepped)
    Q_PROPERTY(int dragStartLane READ dragStartLane NOTIFY dragChanged)
    Q_PROPERTY(int draggingCurrentLane READ draggingCurrentLane NOTIFY dragStepped)
    Q_PROPERTY(vignetta::timeline::GhostModel *ghosts READ ghosts CONSTANT)

    // Marker drag: the marker held by the mouse (0 for none) and the frame it is shown at.
    Q_PROPERTY(int pressedMarkerId READ pressedMarkerId NOTIFY markerDragChanged)
    Q_PROPERTY(int draggedMarkerFrame READ draggedMarkerFrame NOTIFY markerDragChanged)

    Q_PROPERTY(bool inserting READ inserting NOTIFY insertingChanged)
    Q_PROPERTY(bool isPlayback READ isPlayback NOTIFY isPlaybackChanged)
    Q_PROPERTY(
        bool playbackPause READ playbackPause WRITE setPlaybackPause NOTIFY playbackPauseChanged)
    // No drag (blocks, markers), no playback and no insertion in progress.
    Q_PROPERTY(bool allowEdit READ allowEdit NOTIFY allowEditChanged)

public:
    enum MouseButton { LeftButton = 1, RightButton = 2 };
    Q_ENUM(MouseButton)

    explicit TimelineController(QObject *parent = nullptr);
    ~TimelineController() override;

    bridge::TimelineDataManager *dataManager() const { return manager_; }
    void setDataManager(bridge::TimelineDataManager *manager);

    int cursorFrame() const { return cursorFrame_; }
    void setCursorFrame(int frame);

    QVariantList checkedBlocks() const;
    QVariantList checkedIds() const;
    QVariantList pressedIds() const;
    int selectedCount() const { return static_cast<int>(selection_.selected.size()); }
    QRectF selectionRange() const;
    const scene::BlockSelection &selection() const { return selection_; }
    int checkedLaneId() const { return checkedLaneId_; }
    void setCheckedLaneId(int laneId);
    int checkedMarkerId() const { return checkedMarkerId_; }

    int dragMode() const { return drag_.mode(); }
    bool dragging() const { return drag_.isLive(); }
    QRectF constrainRect() const;
    int dragStartLane() const { return drag_.mode() == scene::noDrag ? 0 : drag_.startLane(); }
    int draggingCurrentLane() const;
    GhostModel *ghosts() const { return ghosts_; }

    int pressedMarkerId() const { return pressedMarkerId_; }
    int draggedMarkerFrame() const { return draggedMarkerFrame_; }

    bool inserting() const { return inserting_; }
    bool isPlayback() const { return clock_.isRunning(); }
    bool playbackPause() const { return playbackPause_; }
    void setPlaybackPause(bool pause);
    bool allowEdit() const;
    const PlaybackClock &clock() const { return clock_; }

    // --- Mouse ----------------------------------------------------------------------------
    // A press on a block: `grip` is the drag mode of the part pressed (tipDrag, middleDrag,
    // tailDrag), `modifiers` Qt keyboard modifiers, `button` a MouseButton; x, y the mouse in
    // timeline pixels. Updates the selection; a left press prepares a drag.
    Q_INVOKABLE void pressBlock(int blockId, int grip, int modifiers, int button, qreal x, qreal y);
    // A click on a picture in the preview: a press without modifiers and without drag; an
    // unknown id clears the selection.
    Q_INVOKABLE void pressedByView(int blockId);
    // A left press on empty lane space: no block or marker selected, lane `laneId` selected
    // (-1: below the last lane, none).
    Q_INVOKABLE void pressLane(int laneId);
    // A press on the ruler at timeline pixel x: the cursor goes to that frame and follows the
    // mouse until the release.
    Q_INVOKABLE void pressRuler(qreal x);
    // A left press in the marker lane, on the marker `blockId` (0: on no marker). The marker is
    // selected and follows the mouse until the release.
    Q_INVOKABLE void pressMarker(int blockId, qreal x);
    Q_INVOKABLE void moveMouse(qreal x, qreal y);
    // Applies the movement since the last step; the step timer calls it once per frame while
    // the mouse is captured.
    Q_INVOKABLE void stepMouse();
    Q_INVOKABLE void releaseMouse();
    Q_INVOKABLE void cancelMouse();

    // --- Selection ------------------------------------------------------------------------
    Q_INVOKABLE bool isChecked(int blockId) const { return selection_.contains(blockId); }
    Q_INVOKABLE void clearSelection();
    // Selects the marker (0: none); clears the block selection.
    Q_INVOKABLE void checkMarker(int blockId);
    // A snapshot {blockId, laneId, eventData} of the selected marker, or null.
    Q_INVOKABLE QVariant checkedMarkerBlock() const;

    // --- Editing --------------------------------------------------------------------------
    // Inserts a block array at the cursor on the selected lane (lane 1 when none is, which then
    // becomes selected). False, changing nothing, when the array holds no usable blocks, would
    // pass the block limit, does not fit, or an insertion is still being shown. The inserted
    // blocks are selected one event-loop turn later, behind the wait cursor (blockInserted).
    Q_INVOKABLE bool insertBlocks(const QJSValue &blocks);
    // The clipboard text of the selected blocks ("timeline" format); "" when none is selected.
    Q_INVOKABLE QString copyText() const;
    // Inserts pasted text; false (and one warning line) when it holds no usable blocks.
    Q_INVOKABLE bool pasteText(const QString &text);
    // Deletes the selected blocks, or else the selected marker; true when something went.
    Q_INVOKABLE bool deleteSelection();
    Q_INVOKABLE int addLane();
    Q_INVOKABLE bool undo();
    Q_INVOKABLE bool redo();
    Q_INVOKABLE void setZoom(int scale);
    // An empty scene: selection cleared, document cleared, one snapshot.
    Q_INVOKABLE void clear();
    // Whether a property edit reported now concerns one selected block or the selected marker.
    Q_INVOKABLE bool acceptsPropertyChange() const;
    // Takes the undo snapshot for a property edit (none for a message-line move, none when the
    // document equals the last snapshot).
    Q_INVOKABLE void recordPropertyChange(const QString &changedProperty);

    // --- Cursor and playback ---------------------------------------------------------------
    Q_INVOKABLE void playback();
    Q_INVOKABLE void pause();
    // The frame commands; each returns true when the view should centre the cursor.
    Q_INVOKABLE bool toStartFrame();
    Q_INVOKABLE bool toEndFrame();
    Q_INVOKABLE bool toNextFrame();
    Q_INVOKABLE bool toPrevFrame();
    Q_INVOKABLE bool toNextEvent();
    Q_INVOKABLE bool toPrevEvent();

signals:
    void dataManagerChanged();
    void cursorFrameChanged();
    // The selected blocks changed, or a drag, deletion or insertion ended.
    void selectionChanged();
    void checkedLaneIdChanged();
    void checkedMarkerIdChanged();
    // A marker became selected: its snapshot.
    void markerChecked(const QVariant &block);
    void dragChanged();
    void dragStepped();
    void markerDragChanged();
    void insertingChanged();
    void isPlaybackChanged();
    void playbackPauseChanged();
    void allowEditChanged();
    void playbackStart();
    // A drag step moved the ghosts.
    void blockDraged();
    // A drop changed the document.
    void blockDragEnd();
    void blockDeleted();
    void blockInserted();
    void undone();

private:
    enum class Capture { None, Block, Marker, Ruler };

    const scene::Document *doc() const;
    void setSelection(scene::BlockSelection selection, bool notify = false);
    void refreshSelectedBlocks();
    void setCheckedMarker(int blockId);
    void setInserting(bool inserting);
    void beginCapture(Capture capture, QPointF at);
    void endCapture();
    void finishDrop();
    void finishMarker();
    void abandonDrag();
    void finishInsertion(const std::vector<int> &ids);
    bool insertBlockSet(const std::vector<scene::Block> &blocks);
    void updateAllowEdit();
    void onDataChanged();
    void onDocumentReset();
    void onZoomChanged();
    void onTick();

    QPointer<bridge::TimelineDataManager> manager_;
    int cursorFrame_ = 0;
    scene::BlockSelection selection_;
    std::vector<SelectedBlock *> selectedBlocks_;
    int checkedLaneId_ = -1;
    int checkedMarkerId_ = 0;

    Capture capture_ = Capture::None;
    QTimer stepTimer_;
    QPointF lastMouse_;
    QPointF latestMouse_;
    scene::DragSession drag_;
    GhostModel *ghosts_;
    bool dragCursorPushed_ = false;
    int pressedMarkerId_ = 0;
    int pressedMarkerStart_ = 0;
    int draggedMarkerFrame_ = 0;
    double markerHint_ = 0;
    double rulerHint_ = 0;

    bool inserting_ = false;
    bool waitCursorPushed_ = false;
    PlaybackClock clock_;
    bool playbackPause_ = false;
    bool allowEdit_ = true;
};

} // namespace vignetta::timeline
