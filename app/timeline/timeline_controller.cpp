#include "timeline/timeline_controller.h"

#include <algorithm>

#include <QtDebug>

#include "bridge/json_qt.h"
#include "bridge/timeline_data_manager.h"
#include "scene/block_clipboard.h"
#include "scene/scene_file.h"
#include "scene/timeline_ruler.h"
#include "services/override_cursor.h"
#include "timeline/selected_block.h"

namespace vignetta::timeline {

namespace {

// The mouse is sampled once per frame while a button is held.
constexpr int stepInterval = 1000 / 60;

QVariantList idList(const std::vector<int> &ids)
{
    QVariantList out;
    out.reserve(static_cast<int>(ids.size()));
    for (int id : ids)
        out.append(id);
    return out;
}

QRectF toRect(const scene::PixelRect &r)
{
    return QRectF(r.x, r.y, r.width, r.height);
}

} // namespace

TimelineController::TimelineController(QObject *parent)
    : QObject(parent), ghosts_(new GhostModel(this))
{
    stepTimer_.setInterval(stepInterval);
    stepTimer_.setTimerType(Qt::PreciseTimer);
    connect(&stepTimer_, &QTimer::timeout, this, &TimelineController::stepMouse);
    connect(&clock_, &PlaybackClock::tick, this, &TimelineController::onTick);
}

TimelineController::~TimelineController()
{
    if (dragCursorPushed_)
        services::popOverrideCursor();
    if (waitCursorPushed_)
        services::popOverrideCursor();
}

const scene::Document *TimelineController::doc() const
{
    return manager_ ? &manager_->document() : nullptr;
}

void TimelineController::setDataManager(bridge::TimelineDataManager *manager)
{
    if (manager == manager_)
        return;
    if (manager_)
        disconnect(manager_, nullptr, this, nullptr);
    cancelMouse();
    manager_ = manager;
    if (manager_) {
        connect(manager_, &bridge::TimelineDataManager::dataChanged, this,
                &TimelineController::onDataChanged);
        connect(manager_, &bridge::TimelineDataManager::documentReset, this,
                &TimelineController::onDocumentReset);
        connect(manager_, &bridge::TimelineDataManager::pixelPerFrameScaleChanged, this,
                &TimelineController::onZoomChanged);
    }
    setSelection({}, true);
    setCheckedMarker(0);
    emit dataManagerChanged();
}

void TimelineController::setCursorFrame(int frame)
{
    frame = std::max(0, std::min(frame, scene::maxDuration - 1));
    if (frame == cursorFrame_)
        return;
    cursorFrame_ = frame;
    emit cursorFrameChanged();
}

// --- Selection -------------------------------------------------------------------------------

QVariantList TimelineController::checkedBlocks() const
{
    QVariantList out;
    out.reserve(static_cast<int>(selectedBlocks_.size()));
    for (SelectedBlock *b : selectedBlocks_)
        out.append(QVariant::fromValue(static_cast<QObject *>(b)));
    return out;
}

QVariantList TimelineController::checkedIds() const
{
    return idList(selection_.selected);
}

QVariantList TimelineController::pressedIds() const
{
    return idList(selection_.pressed);
}

QRectF TimelineController::selectionRange() const
{
    const scene::Document *d = doc();
    if (!d)
        return {};
    const auto box = scene::selectionBox(*d, selection_.pressed);
    return box ? toRect(scene::boxPixels(*box, manager_->pixelPerFrame(), manager_->laneHeight()))
               : QRectF();
}

void TimelineController::setCheckedLaneId(int laneId)
{
    if (laneId < 1)
        laneId = -1;
    if (laneId == checkedLaneId_)
        return;
    checkedLaneId_ = laneId;
    emit checkedLaneIdChanged();
}

void TimelineController::setSelection(scene::BlockSelection selection, bool notify)
{
    const bool changed = selection.selected != selection_.selected;
    selection_ = std::move(selection);
    if (changed) {
        // Keep the objects of blocks that stay selected, so bindings to them hold.
        std::vector<SelectedBlock *> kept;
        for (int id : selection_.selected) {
            auto it = std::find_if(selectedBlocks_.begin(), selectedBlocks_.end(),
                                   [id](SelectedBlock *b) { return b && b->blockId() == id; });
            if (it != selectedBlocks_.end()) {
                kept.push_back(*it);
                *it = nullptr;
            } else if (const scene::Block *b = doc() ? doc()->getBlock(id) : nullptr) {
                kept.push_back(new SelectedBlock(manager_, *b, this));
            }
        }
        for (SelectedBlock *b : selectedBlocks_)
            if (b)
                b->deleteLater();
        selectedBlocks_ = std::move(kept);
    }
    if (!selection_.empty()) {
        setCheckedMarker(0);
        setCheckedLaneId(scene::commonLane(*doc(), selection_.selected));
    }
    if (changed || notify)
        emit selectionChanged();
}

void TimelineController::refreshSelectedBlocks()
{
    const scene::Document *d = doc();
    if (!d)
        return;
    for (SelectedBlock *b : selectedBlocks_)
        if (const scene::Block *block = d->getBlock(b->blockId()))
            b->refresh(*block);
}

void TimelineController::clearSelection()
{
    setSelection({});
}

void TimelineController::setCheckedMarker(int blockId)
{
    if (blockId == checkedMarkerId_)
        return;
    checkedMarkerId_ = blockId;
    emit checkedMarkerIdChanged();
    if (blockId != 0) {
        setSelection({});
        emit markerChecked(checkedMarkerBlock());
    }
}

void TimelineController::checkMarker(int blockId)
{
    const scene::Document *d = doc();
    const scene::Block *b = d ? d->getBlock(blockId) : nullptr;
    setCheckedMarker(b && b->isMarker() ? blockId : 0);
}

QVariant TimelineController::checkedMarkerBlock() const
{
    return checkedMarkerId_ && manager_ ? manager_->getBlock(checkedMarkerId_)
                                        : QVariant::fromValue(nullptr);
}

// --- Mouse -----------------------------------------------------------------------------------

void TimelineController::beginCapture(Capture capture, QPointF at)
{
    capture_ = capture;
    lastMouse_ = latestMouse_ = at;
    stepTimer_.start();
    updateAllowEdit();
}

void TimelineController::endCapture()
{
    capture_ = Capture::None;
    stepTimer_.stop();
    if (dragCursorPushed_) {
        dragCursorPushed_ = false;
        services::popOverrideCursor();
    }
    updateAllowEdit();
}

void TimelineController::pressBlock(int blockId, int grip, int modifiers, int button, qreal x,
                                    qreal y)
{
    const scene::Document *d = doc();
    if (!d || inserting_)
        return;
    if (capture_ != Capture::None)
        cancelMouse();
    pause();
    const bool shift = (modifiers & Qt::ShiftModifier) != 0;
    setSelection(scene::pressBlock(*d, selection_, blockId, shift));
    if (button != LeftButton || selection_.empty())
        return;

    const scene::Block *pressed = d->getBlock(blockId);
    const auto mode =
        scene::dragModeFor(static_cast<scene::DragMode>(grip), pressed->mode(), selectedCount());
    const auto box = scene::selectionBox(*d, selection_.pressed);
    if (mode == scene::noDrag || !box)
        return;
    scene::DragLimits limits;
    limits.pixelPerFrame = manager_->pixelPerFrame();
    limits.laneHeight = manager_->laneHeight();
    limits.laneCount = std::max(1, d->getLastLaneId());
    const auto bounds = scene::resizeBounds(pressed->mode());
    limits.minWidth = static_cast<double>(bounds.min) * limits.pixelPerFrame;
    limits.maxWidth = static_cast<double>(bounds.max) * limits.pixelPerFrame;
    drag_ = scene::DragSession(
        mode, scene::boxPixels(*box, limits.pixelPerFrame, limits.laneHeight), limits);
    ghosts_->build(*d, selection_.selected, limits.pixelPerFrame);
    beginCapture(Capture::Block, QPointF(x, y));
    emit dragChanged();
}

void TimelineController::pressedByView(int blockId)
{
    const scene::Document *d = doc();
    if (!d || inserting_ || capture_ != Capture::None)
        return;
    setSelection(scene::pressBlock(*d, selection_, blockId, false));
}

void TimelineController::pressLane(int laneId)
{
    if (!doc() || inserting_)
        return;
    if (capture_ != Capture::None)
        cancelMouse();
    pause();
    setCheckedMarker(0);
    setSelection({});
    setCheckedLaneId(doc()->getLaneByLaneId(laneId) ? laneId : -1);
}

void TimelineController::pressRuler(qreal x)
{
    if (!manager_)
        return;
    if (capture_ != Capture::None)
        cancelMouse();
    pause();
    rulerHint_ = x;
    setCursorFrame(scene::frameAtPixel(x, manager_->pixelPerFrame()));
    beginCapture(Capture::Ruler, QPointF(x, 0));
}

void TimelineController::pressMarker(int blockId, qreal x)
{
    const scene::Document *d = doc();
    if (!d || inserting_)
        return;
    if (capture_ != Capture::None)
        cancelMouse();
    const scene::Block *marker = d->getBlock(blockId);
    if (!marker || !marker->isMarker()) {
        pressedMarkerId_ = 0;
        setCheckedMarker(0);
        emit markerDragChanged();
        return;
    }
    setCheckedMarker(blockId);
    pressedMarkerId_ = blockId;
    pressedMarkerStart_ = draggedMarkerFrame_ = marker->start();
    markerHint_ = static_cast<double>(marker->start()) * manager_->pixelPerFrame();
    beginCapture(Capture::Marker, QPointF(x, 0));
    emit markerDragChanged();
}

void TimelineController::moveMouse(qreal x, qreal y)
{
    latestMouse_ = QPointF(x, y);
}

void TimelineController::stepMouse()
{
    const double dx = latestMouse_.x() - lastMouse_.x();
    const double dy = latestMouse_.y() - lastMouse_.y();
    lastMouse_ = latestMouse_;
    if (!manager_ || (dx == 0 && dy == 0))
        return;
    const int ppf = manager_->pixelPerFrame();
    switch (capture_) {
    case Capture::Block: {
        const auto step = drag_.step(dx, dy);
        if (step.becameLive) {
            services::pushOverrideCursor(drag_.mode() == scene::middleDrag ? Qt::OpenHandCursor
                                                                           : Qt::SizeHorCursor);
            dragCursorPushed_ = true;
            emit dragChanged();
        }
        if (step.moved) {
            ghosts_->follow(drag_);
            emit dragStepped();
            emit blockDraged();
        }
        break;
    }
    case Capture::Marker: {
        markerHint_ += dx;
        const int frame = scene::frameAtPixel(markerHint_, ppf);
        if (frame != draggedMarkerFrame_) {
            draggedMarkerFrame_ = frame;
            emit markerDragChanged();
        }
        break;
    }
    case Capture::Ruler:
        rulerHint_ += dx;
        setCursorFrame(scene::frameAtPixel(rulerHint_, ppf));
        break;
    case Capture::None:
        break;
    }
}

void TimelineController::releaseMouse()
{
    stepMouse();
    switch (capture_) {
    case Capture::Block:
        finishDrop();
        break;
    case Capture::Marker:
        finishMarker();
        break;
    case Capture::Ruler:
    case Capture::None:
        endCapture();
        break;
    }
}

void TimelineController::cancelMouse()
{
    switch (capture_) {
    case Capture::Block:
        abandonDrag();
        break;
    case Capture::Marker:
        pressedMarkerId_ = 0;
        endCapture();
        emit markerDragChanged();
        break;
    case Capture::Ruler:
    case Capture::None:
        endCapture();
        break;
    }
}

void TimelineController::abandonDrag()
{
    drag_ = scene::DragSession();
    ghosts_->clear();
    endCapture();
    emit dragChanged();
}

void TimelineController::finishDrop()
{
    const scene::DragSession session = drag_;
    const std::vector<int> moved = selection_.selected;
    abandonDrag();
    const scene::Document *d = doc();
    if (!d || !session.isLive())
        return;
    const bool changed = manager_->moveBlockSet(scene::draggedBlocks(*d, moved, session),
                                                session.startFrame(), session.currentLane());
    if (changed)
        emit blockDragEnd();
    // The moved blocks are the selection and the pressed blocks from now on.
    setSelection(scene::BlockSelection{moved, moved}, true);
}

void TimelineController::finishMarker()
{
    const int id = pressedMarkerId_;
    const int frame = draggedMarkerFrame_;
    pressedMarkerId_ = 0;
    endCapture();
    // A refused or empty move leaves the marker at its stored frame.
    if (manager_ && id && frame != pressedMarkerStart_)
        manager_->moveMarker(id, frame);
    emit markerDragChanged();
}

// --- Editing -------------------------------------------------------------------------------

bool TimelineController::insertBlocks(const QJSValue &blocks)
{
    const auto read = scene::readSceneValue(bridge::fromJSValue(blocks));
    if (!read.ok) {
        qWarning().noquote() << "insertBlocks: refused:" << QString::fromStdString(read.error);
        return false;
    }
    return insertBlockSet(read.blocks);
}

bool TimelineController::insertBlockSet(const std::vector<scene::Block> &blocks)
{
    const scene::Document *d = doc();
    if (!d || inserting_ || blocks.empty())
        return false;
    if (capture_ != Capture::None)
        cancelMouse();
    const int lane = d->getLaneByLaneId(checkedLaneId_) ? checkedLaneId_ : 1;
    const std::vector<int> ids = manager_->insertBlockSet(blocks, cursorFrame_, lane);
    if (ids.empty())
        return false;
    setCheckedLaneId(lane);
    setInserting(true);
    services::pushOverrideCursor(Qt::WaitCursor);
    waitCursorPushed_ = true;
    // The view creates the new items in this turn; they are selected in the next.
    QTimer::singleShot(1, this, [this, ids] { finishInsertion(ids); });
    return true;
}

void TimelineController::finishInsertion(const std::vector<int> &ids)
{
    if (const scene::Document *d = doc()) {
        const auto chosen = scene::selectionAfterInsertion(*d, ids);
        if (chosen.markerId) {
            setSelection({});
            setCheckedMarker(chosen.markerId);
        } else {
            setSelection(chosen.blocks, true);
        }
    }
    if (waitCursorPushed_) {
        waitCursorPushed_ = false;
        services::popOverrideCursor();
    }
    setInserting(false);
    emit blockInserted();
}

void TimelineController::setInserting(bool inserting)
{
    if (inserting == inserting_)
        return;
    inserting_ = inserting;
    emit insertingChanged();
    updateAllowEdit();
}

QString TimelineController::copyText() const
{
    const scene::Document *d = doc();
    if (!d || selection_.empty())
        return {};
    return QString::fromStdString(scene::copyBlocksText(*d, selection_.selected));
}

bool TimelineController::pasteText(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    const auto read = scene::readClipboardBlocks(
        std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    if (read.notJson) {
        qWarning("Clipboard data parse error");
        return false;
    }
    if (!read.ok) {
        qWarning().noquote() << "Clipboard data refused:" << QString::fromStdString(read.error);
        return false;
    }
    return insertBlockSet(read.blocks);
}

bool TimelineController::deleteSelection()
{
    if (!manager_ || inserting_ || capture_ != Capture::None)
        return false;
    if (!selection_.empty()) {
        const QVariantList ids = idList(selection_.selected);
        setSelection({}, true);
        manager_->deleteBlocks(ids);
        emit blockDeleted();
        return true;
    }
    if (checkedMarkerId_) {
        const int id = checkedMarkerId_;
        setCheckedMarker(0);
        return manager_->deleteBlocks({id}) > 0;
    }
    return false;
}

int TimelineController::addLane()
{
    return manager_ ? manager_->addLane() : -1;
}

bool TimelineController::undo()
{
    if (!manager_ || !allowEdit() || !manager_->undo())
        return false;
    emit undone();
    return true;
}

bool TimelineController::redo()
{
    if (!manager_ || !allowEdit() || !manager_->redo())
        return false;
    emit undone();
    return true;
}

void TimelineController::setZoom(int scale)
{
    if (!manager_)
        return;
    cancelMouse();
    manager_->setPixelPerFrameScale(scale);
}

void TimelineController::clear()
{
    if (!manager_)
        return;
    cancelMouse();
    setSelection({}, true);
    setCheckedMarker(0);
    manager_->clearData();
    manager_->pushBuffer();
    emit blockDeleted();
}

bool TimelineController::acceptsPropertyChange() const
{
    return selectedCount() == 1 || (selection_.empty() && checkedMarkerId_ != 0);
}

void TimelineController::recordPropertyChange(const QString &changedProperty)
{
    if (!manager_ || !acceptsPropertyChange() ||
        changedProperty == QLatin1String("messageLineIndex"))
        return;
    const auto &buffer = manager_->undoBuffer();
    if (buffer.bufferIndex() >= 0 && buffer.snapshot(buffer.bufferIndex()) == manager_->document())
        return;
    manager_->pushBuffer();
}

// --- Document signals ----------------------------------------------------------------------

void TimelineController::onDataChanged()
{
    const scene::Document *d = doc();
    if (!d)
        return;
    if (checkedMarkerId_ && !d->getBlock(checkedMarkerId_))
        setCheckedMarker(0);
    bool gone = false;
    for (int id : selection_.selected)
        gone = gone || !d->getBlock(id);
    if (gone) {
        scene::BlockSelection kept;
        for (int id : selection_.pressed)
            if (d->getBlock(id))
                kept.pressed.push_back(id);
        for (int id : selection_.selected)
            if (d->getBlock(id))
                kept.selected.push_back(id);
        setSelection(std::move(kept));
    }
    refreshSelectedBlocks();
}

void TimelineController::onDocumentReset()
{
    cancelMouse();
    setSelection({}, true);
    setCheckedMarker(0);
    if (checkedLaneId_ > 0 && !(doc() && doc()->getLaneByLaneId(checkedLaneId_)))
        setCheckedLaneId(-1);
}

void TimelineController::onZoomChanged()
{
    cancelMouse();
    const scene::Document *d = doc();
    if (!d)
        return;
    bool blocks = false;
    bool markers = false;
    for (const auto &lane : d->lanes())
        (lane.laneId == 0 ? markers : blocks) |= !lane.blocks.empty();
    if (blocks)
        setSelection({}, true);
    if (markers)
        setCheckedMarker(0);
}

// --- Cursor and playback ---------------------------------------------------------------------

void TimelineController::setPlaybackPause(bool pause)
{
    if (pause == playbackPause_)
        return;
    playbackPause_ = pause;
    emit playbackPauseChanged();
}

bool TimelineController::allowEdit() const
{
    return capture_ != Capture::Block && capture_ != Capture::Marker && !clock_.isRunning() &&
           !inserting_;
}

void TimelineController::updateAllowEdit()
{
    const bool allow = allowEdit();
    if (allow == allowEdit_)
        return;
    allowEdit_ = allow;
    emit allowEditChanged();
}

void TimelineController::playback()
{
    if (clock_.isRunning() || !manager_)
        return;
    cancelMouse();
    clock_.start();
    emit isPlaybackChanged();
    updateAllowEdit();
    emit playbackStart();
}

void TimelineController::pause()
{
    if (!clock_.isRunning())
        return;
    clock_.stop();
    emit isPlaybackChanged();
    updateAllowEdit();
}

void TimelineController::onTick()
{
    if (playbackPause_ || !manager_)
        return;
    const int next = cursorFrame_ + 1;
    setCursorFrame(next >= manager_->document().getLastEnd() ? 0 : next);
}

bool TimelineController::toStartFrame()
{
    setCursorFrame(0);
    return true;
}

bool TimelineController::toEndFrame()
{
    if (manager_)
        setCursorFrame(manager_->document().getLastEnd());
    return true;
}

bool TimelineController::toNextFrame()
{
    setCursorFrame(cursorFrame_ >= scene::maxDuration - 1 ? 0 : cursorFrame_ + 1);
    return false;
}

bool TimelineController::toPrevFrame()
{
    setCursorFrame(cursorFrame_ - 1);
    return false;
}

bool TimelineController::toNextEvent()
{
    const int next = manager_ ? manager_->document().getNextStart(cursorFrame_) : -1;
    if (next < 0)
        return false;
    setCursorFrame(next);
    return true;
}

bool TimelineController::toPrevEvent()
{
    const int prev = manager_ ? manager_->document().getPrevStart(cursorFrame_) : -1;
    if (prev < 0)
        return false;
    setCursorFrame(prev);
    return true;
}

QRectF TimelineController::constrainRect() const
{
    return drag_.mode() == scene::noDrag ? QRectF() : toRect(drag_.constrained());
}

int TimelineController::draggingCurrentLane() const
{
    return drag_.mode() == scene::noDrag ? 0 : drag_.currentLane();
}

} // namespace vignetta::timeline
