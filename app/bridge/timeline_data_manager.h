#pragma once

#include <QJSValue>
#include <QObject>
#include <QStringList>
#include <QVariant>

#include "bridge/block_list_model.h"
#include "bridge/lane_list_model.h"
#include "scene/document.h"
#include "scene/undo_buffer.h"

class QJSEngine;

namespace vignetta::bridge {

// The scene document and its undo buffer, as the QML singleton TimelineDataManager
// (module "Vignetta.Scene" 1.0). QML never holds the document: it reads copies, binds to the
// models `lanes` and `markers`, and writes through the invokables below.
//
// Values cross as JavaScript values built in key order (json_qt.h). Blocks are objects
// {blockId, laneId, eventData}; lanes {laneId, blocks}. Every query returns copies: a block
// object in QML is a snapshot, and a write goes through setBlockField by blockId.
//
// Writing a field of the selected block (the property editors):
//     TimelineDataManager.setBlockField(blockId, "startPosition.x", 120)
//     TimelineDataManager.setBlockFields(blockId, {"endColor.R": -68, "endColor.G": 0})
// A path names a field of eventData, nested objects by dots. The write updates the block's row
// in its lane model (dataChanged) and emits blockChanged(blockId, path) for the preview. It
// takes no undo snapshot: the timeline's propertyChange(changer) calls pushBuffer() once per
// burst of edits. Refused (false, nothing changed): an unknown block, an invalid path, the
// structural fields blockStart, blockDelay and blockMode (moves and resizes go through
// moveBlocks so that placement is kept), an imageIndex that is not a whole number from 0
// to 100, and an undefined value (an editor that has no value yet must not blank the field).
//
// Snapshots: the plain mutators (clearData, appendLane, appendBlock, deleteBlock) take
// none. The editing operations insertBlocks, insertNewBlock, moveBlocks, moveMarker,
// deleteBlocks and addLane take exactly one snapshot when they changed the document, and none
// when they were refused; callers must not push another.
class TimelineDataManager : public QObject
{
    Q_OBJECT

    Q_PROPERTY(int numUndo READ numUndo CONSTANT)
    Q_PROPERTY(int maxLanes READ maxLanes CONSTANT)
    Q_PROPERTY(int maxDuration READ maxDuration CONSTANT)
    Q_PROPERTY(int maxNumBlock READ maxNumBlock CONSTANT)
    Q_PROPERTY(QVariant data READ data NOTIFY dataChanged)
    Q_PROPERTY(bool canUndo READ canUndo NOTIFY undoStateChanged)
    Q_PROPERTY(bool canRedo READ canRedo NOTIFY undoStateChanged)
    Q_PROPERTY(int bufferIndex READ bufferIndex NOTIFY undoStateChanged)
    Q_PROPERTY(int screenWidth READ screenWidth WRITE setScreenWidth NOTIFY screenWidthChanged)
    Q_PROPERTY(int screenHeight READ screenHeight WRITE setScreenHeight NOTIFY screenHeightChanged)
    Q_PROPERTY(int pixelPerFrameScale READ pixelPerFrameScale WRITE setPixelPerFrameScale NOTIFY
                   pixelPerFrameScaleChanged)
    Q_PROPERTY(int pixelPerFrame READ pixelPerFrame NOTIFY pixelPerFrameScaleChanged)
    Q_PROPERTY(int laneHeight READ laneHeight NOTIFY pixelPerFrameScaleChanged)
    // Models for the timeline view: lanes from 1 on, and the marker lane's blocks.
    Q_PROPERTY(vignetta::bridge::LaneListModel *lanes READ lanes CONSTANT)
    Q_PROPERTY(vignetta::bridge::BlockListModel *markers READ markers CONSTANT)
    Q_PROPERTY(int blockCount READ numBlock NOTIFY dataChanged)
    // Latest block end in frames, markers included (the content's right edge); 0 when empty.
    Q_PROPERTY(int lastFrame READ lastFrame NOTIFY dataChanged)

    // Block kinds (blockMode values) under the names the timeline code uses.
    Q_PROPERTY(int mode_picture READ modePicture CONSTANT)
    Q_PROPERTY(int mode_message READ modeMessage CONSTANT)
    Q_PROPERTY(int mode_fade READ modeFade CONSTANT)
    Q_PROPERTY(int mode_sound READ modeSound CONSTANT)
    Q_PROPERTY(int mode_screen READ modeScreen CONSTANT)
    Q_PROPERTY(int mode_comment READ modeComment CONSTANT)
    Q_PROPERTY(int mode_other READ modeOther CONSTANT)
    Q_PROPERTY(int mode_scroll READ modeScroll CONSTANT)
    Q_PROPERTY(int mode_sound_fade READ modeSoundFade CONSTANT)

public:
    explicit TimelineDataManager(QObject *parent = nullptr);

    // For C++ peers (preview, conversion): the current document, read-only.
    const scene::Document &document() const { return doc_; }
    const scene::UndoBuffer &undoBuffer() const { return buffer_; }
    // Replaces the whole document (a scene brought back after a crash) and takes one
    // snapshot, so that the replacement is one undo step. The views rebuild (documentReset).
    void replaceDocument(scene::Document doc);
    // The editing operations below for C++ callers (the timeline controller), on blocks that
    // have been read and checked already; same results and snapshots.
    std::vector<int> insertBlockSet(const std::vector<scene::Block> &blocks, int frame,
                                    int laneId);
    bool moveBlockSet(const std::vector<scene::Block> &dragged, int startFrame, int startLane);

    int numUndo() const { return scene::numUndo; }
    int maxLanes() const { return scene::maxLanes; }
    int maxDuration() const { return scene::maxDuration; }
    int maxNumBlock() const { return scene::maxNumBlock; }
    QVariant data() const;
    bool canUndo() const { return buffer_.canUndo(); }
    bool canRedo() const { return buffer_.canRedo(); }
    int bufferIndex() const { return buffer_.bufferIndex(); }
    int screenWidth() const { return screenWidth_; }
    int screenHeight() const { return screenHeight_; }
    void setScreenWidth(int width);
    void setScreenHeight(int height);
    int pixelPerFrameScale() const { return pixelPerFrameScale_; }
    // 0 (expanded: 4 pixels per frame, 64-pixel lanes) or 1 (shrunk: 1 and 32); other values
    // are ignored. The models hold frames and do not change.
    void setPixelPerFrameScale(int scale);
    int pixelPerFrame() const { return pixelPerFrame_; }
    int laneHeight() const { return laneHeight_; }
    LaneListModel *lanes() const { return lanes_; }
    BlockListModel *markers() const { return markers_; }

    int modePicture() const { return scene::mode_picture; }
    int modeMessage() const { return scene::mode_message; }
    int modeFade() const { return scene::mode_fade; }
    int modeSound() const { return scene::mode_sound; }
    int modeScreen() const { return scene::mode_screen; }
    int modeComment() const { return scene::mode_comment; }
    int modeOther() const { return scene::mode_other; }
    int modeScroll() const { return scene::mode_scroll; }
    int modeSoundFade() const { return scene::mode_sound_fade; }

    // --- Builders: new block objects, not yet in the document ---
    Q_INVOKABLE QVariant createEmptyBlock() const;
    Q_INVOKABLE QVariant createEmptyPictureBlock() const;
    Q_INVOKABLE QVariant createEmptyMessageBlock() const;
    Q_INVOKABLE QVariant createEmptyFadeBlock() const;
    Q_INVOKABLE QVariant createEmptySoundBlock() const;
    Q_INVOKABLE QVariant createEmptyScreenBlock() const;
    Q_INVOKABLE QVariant createEmptyCommentBlock() const;
    Q_INVOKABLE QVariant createEmptyOtherBlock() const;
    Q_INVOKABLE QVariant createEmptyScrollBlock() const;
    Q_INVOKABLE QVariant createEmptySoundFadeBlock() const;
    Q_INVOKABLE QVariant createEmptyBlockOfMode(int mode) const;
    Q_INVOKABLE QVariant createEmptyLane() const;
    // Field-by-field copy with a new provisional id; keys this program does not know are left.
    Q_INVOKABLE QVariant blockDeepCopy(const QJSValue &block) const;
    // A deep copy of any JSON-compatible value.
    Q_INVOKABLE QVariant dataDeepCopy(const QJSValue &value) const;

    // --- Queries ---
    Q_INVOKABLE int getLastLaneId() const { return doc_.getLastLaneId(); }
    Q_INVOKABLE int getLastBlockId() const { return doc_.getLastBlockId(); }
    Q_INVOKABLE int getLastPictureIndex() const { return doc_.getLastPictureIndex(); }
    // A copy of the lane, or null.
    Q_INVOKABLE QVariant getLaneByLaneId(int laneId) const;
    // `lane` is a lane id or a lane object.
    Q_INVOKABLE int getBlockIndex(int blockId, const QJSValue &lane) const;
    // A copy of the block, or null.
    Q_INVOKABLE QVariant getBlock(int blockId) const;
    // One field of a block by dotted path ("startPosition.x"), or null.
    Q_INVOKABLE QVariant getBlockField(int blockId, const QString &path) const;
    Q_INVOKABLE int numBlock() const { return doc_.numBlock(); }
    Q_INVOKABLE bool isEmpty() const { return doc_.isEmpty(); }
    Q_INVOKABLE QVariant getContainsBlocks(double timelineX, double pixelPerFrame,
                                           bool includeEnd = false) const;
    Q_INVOKABLE QStringList getPictureList() const;
    Q_INVOKABLE QVariant unify() const;
    Q_INVOKABLE int getNextStart(double frame) const { return doc_.getNextStart(frame); }
    int lastFrame() const { return doc_.getLastEnd(); }
    // Ids of the blocks (markers never) on lanes firstLane..lastLane lying wholly within frames
    // startFrame..endFrame: the timeline's rectangle selection.
    Q_INVOKABLE QVariantList getBlocksWithin(int startFrame, int endFrame, int firstLane,
                                             int lastLane) const;
    Q_INVOKABLE int getPrevStart(double frame) const { return doc_.getPrevStart(frame); }
    // The placement rule for a block array: [offsetedRect {x, y, width, height},
    // backwardOverlaps (block copies), surplusForward, forwardOffset, backwardOffset], or null
    // when the set does not fit. `ignoreBlocks` holds blocks or block ids.
    Q_INVOKABLE QVariant getFreeBoundingBox(const QJSValue &blocks, int startFrame, int startLane,
                                            const QJSValue &ignoreBlocks = QJSValue()) const;

    // --- Plain mutators (no snapshot) ---
    Q_INVOKABLE void clearData();
    Q_INVOKABLE bool appendLane(const QJSValue &lane);
    Q_INVOKABLE bool appendBlock(const QJSValue &block, int laneId);
    Q_INVOKABLE bool deleteBlock(int blockId, int laneId);

    // --- Editing operations (one snapshot when they changed something) ---
    // Inserts a block array (new blocks, a paste, an import, a preset) at `frame` on lane
    // `laneId` by the ripple rule. Returns the new ids in array order; an empty list when
    // refused (not an array of usable blocks, the block limit, no room).
    Q_INVOKABLE QVariantList insertBlocks(const QJSValue &blocks, int frame, int laneId);
    // Builds an empty block of the kind and inserts it; its new id, or -1 when refused.
    Q_INVOKABLE int insertNewBlock(int mode, int frame, int laneId);
    // Drop of a drag: `dragged` are copies with their new laneId, blockStart and blockDelay.
    Q_INVOKABLE bool moveBlocks(const QJSValue &dragged, int startFrame, int startLane);
    Q_INVOKABLE bool moveMarker(int blockId, int frame);
    // Removes the blocks (ids); returns the number removed.
    Q_INVOKABLE int deleteBlocks(const QVariantList &blockIds);
    // "New Lane": the new lane's id, or -1 at the lane limit.
    Q_INVOKABLE int addLane();

    // --- Field writes (no snapshot; see above) ---
    Q_INVOKABLE bool setBlockField(int blockId, const QString &path, const QJSValue &value);
    // Several paths at once, all or nothing: {"startPosition.x": 10, "startPosition.y": 20}.
    Q_INVOKABLE bool setBlockFields(int blockId, const QJSValue &fields);

    // --- Undo buffer ---
    Q_INVOKABLE void clearBuffer();
    Q_INVOKABLE void pushBuffer();
    Q_INVOKABLE bool undo();
    Q_INVOKABLE bool redo();

    // --- Scene files ---
    // The document in file form: compact JSON text of unify(), as JSON.stringify writes it.
    Q_INVOKABLE QString sceneText() const;
    // Reads scene-file text: {ok, error, blocks}; blocks is the array to pass to insertBlocks.
    Q_INVOKABLE QVariant parseSceneText(const QString &text) const;

    // --- Conversion to event commands (timeline_conversion.cpp) ---
    // The scene as the host's event-command list ("Copy As Event"): an array of
    // {code, indent, parameters}. The document is not changed. Null (with a warning) when the
    // list's text would pass scene::maxEventListBytes.
    Q_INVOKABLE QVariant convertData2Event() const;
    // The same list as the compact JSON text that goes to the clipboard; "" when refused.
    Q_INVOKABLE QString convertData2EventText() const;

signals:
    // The document changed (any edit, undo, redo, clear).
    void dataChanged();
    // The document was replaced wholesale (undo, redo, clear): references and selections held
    // by views are stale.
    void documentReset();
    // A field write reached a block.
    void blockChanged(int blockId, const QString &path);
    // insertBlocks placed blocks with these ids.
    void blocksInserted(const QVariantList &blockIds);
    void undoStateChanged();
    // The document reached a state the user can come back to: a snapshot was taken, or undo
    // or redo moved to another one. Emitted after the document and the models are up to date.
    void documentCommitted();
    void screenWidthChanged();
    void screenHeightChanged();
    void pixelPerFrameScaleChanged();

private:
    QVariant out(const json::Json &value) const;
    void syncModels();
    void resetModels();
    bool validFieldWrite(const std::string &path, const json::Json &value) const;

    scene::Document doc_;
    scene::UndoBuffer buffer_;
    LaneListModel *lanes_;
    BlockListModel *markers_;
    int screenWidth_;
    int screenHeight_;
    int pixelPerFrameScale_ = 0;
    int pixelPerFrame_;
    int laneHeight_;
};

} // namespace vignetta::bridge
