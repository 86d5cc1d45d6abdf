#include "mainview/main_view_controller.h"

#include <QVariantList>

#include "bridge/timeline_data_manager.h"
#include "preview/frame_queries.h"
#include "preview/frame_sample_variant.h"
#include "preview/frame_sampling.h"
#include "preview/message_lines.h"
#include "scene/block_mode.h"
#include "text/text_window.h"

namespace vignetta::mainview {

namespace {

using preview::FrameRect;

QRectF toQRect(const FrameRect &rect)
{
    return QRectF(rect.x, rect.y, rect.width, rect.height);
}

FrameRect fromQRect(const QRectF &rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

FrameRect scaled(const QRectF &rect, double factor)
{
    return {rect.x() * factor, rect.y() * factor, rect.width() * factor, rect.height() * factor};
}

QVariant windowVariant(const text::TextWindow &window)
{
    if (window.kind == preview::TextKind::none)
        return QVariant();
    return QVariantMap{
        {QStringLiteral("kind"), window.kind == preview::TextKind::message
                                     ? QStringLiteral("message")
                                     : QStringLiteral("scroll")},
        {QStringLiteral("blockId"), window.blockId},
        {QStringLiteral("text"), QString::fromStdString(window.text)},
        {QStringLiteral("faceName"), QString::fromStdString(window.faceName)},
        {QStringLiteral("faceIndex"), window.faceIndex},
        // Positions other than top (0) and middle (1) show at the bottom.
        {QStringLiteral("position"),
         window.position == 0 || window.position == 1 ? window.position : 2},
        {QStringLiteral("background"), window.background},
        {QStringLiteral("scrollSpeed"), window.scrollSpeed},
        {QStringLiteral("scrollNoFast"), window.scrollNoFast},
    };
}

} // namespace

MainViewController::MainViewController(QObject *parent) : QObject(parent)
{
    stepTimer_.setInterval(1000 / 60);
    stepTimer_.setTimerType(Qt::PreciseTimer);
    connect(&stepTimer_, &QTimer::timeout, this, &MainViewController::stepDrag);
}

void MainViewController::setDataManager(bridge::TimelineDataManager *manager)
{
    if (manager == manager_)
        return;
    manager_ = manager;
    emit dataManagerChanged();
}

QRectF MainViewController::startRect() const
{
    return toQRect(drag_.active() ? drag_.start() : start_);
}

QRectF MainViewController::endRect() const
{
    return toQRect(drag_.active() ? drag_.end() : end_);
}

QString MainViewController::changedProperty() const
{
    return QString::fromStdString(preview::framePartName(drag_.part()));
}

QVariantMap MainViewController::sample(int frame, bool playback, int messageLine) const
{
    if (!manager_)
        return {};
    const preview::FrameSample sample = preview::sampleFrame(
        manager_->document(), frame,
        playback ? preview::SampleMode::playback : preview::SampleMode::editing);
    QVariantMap result = preview::frameSampleToVariant(sample);
    std::optional<int> line;
    if (messageLine >= 0 && !playback)
        line = messageLine;
    result.insert(QStringLiteral("window"), windowVariant(text::textWindowOf(sample, line)));
    return result;
}

QString MainViewController::messageLines(const QString &text, int index) const
{
    return QString::fromStdString(preview::getMessageLines(text.toStdString(), index));
}

bool MainViewController::placeFrames(int blockId, double screenScale)
{
    if (drag_.active() || !manager_)
        return false;
    const scene::Block *block = manager_->document().getBlock(blockId);
    if (!block || block->mode() != scene::mode_picture)
        return false;
    json::Json data = block->eventData();
    data["blockId"] = block->blockId;
    const QVariantMap frame = preview::frameOf(QString::fromStdString(json::stringify(data)));
    if (frame.isEmpty())
        return false;
    start_ = scaled(frame.value(QStringLiteral("startRect")).toRectF(), screenScale);
    end_ = scaled(frame.value(QStringLiteral("endRect")).toRectF(), screenScale);
    endRotation_ = frame.value(QStringLiteral("endRotation")).toDouble();
    origin_ = frame.value(QStringLiteral("origin")).toInt() != 0 ? 1 : 0;
    tagText_ = QString::fromStdString(
        preview::frameTagText(frame.value(QStringLiteral("imageName")).toString().toStdString()));
    emit framesChanged();
    return true;
}

QString MainViewController::partAt(const QPointF &screenPoint, const QPointF &turnedPoint,
                                   double screenScale, const QRectF &endTag,
                                   const QRectF &startTag) const
{
    preview::FramePress press;
    press.endTag = fromQRect(endTag);
    press.endHandle = preview::frameHandleRect(end_);
    press.startTag = fromQRect(startTag);
    press.startHandle = preview::frameHandleRect(start_);
    press.screen = {screenPoint.x(), screenPoint.y()};
    press.turned = {turnedPoint.x(), turnedPoint.y()};
    press.screenScale = screenScale;
    return QString::fromStdString(preview::framePartName(preview::framePartAt(press)));
}

bool MainViewController::beginDrag(const QString &part, qreal x, qreal y, int modifiers)
{
    const preview::FramePart grabbed = preview::framePartFromName(part.toStdString());
    if (grabbed == preview::FramePart::none)
        return false;
    drag_ = preview::FrameDrag(grabbed, start_, end_);
    lastMouse_ = latestMouse_ = QPointF(x, y);
    accumulated_ = QPointF();
    modifiers_ = modifiers;
    stepTimer_.start();
    emit draggingChanged();
    emit framesChanged();
    return true;
}

void MainViewController::moveMouse(qreal x, qreal y, int modifiers)
{
    latestMouse_ = QPointF(x, y);
    modifiers_ = modifiers;
}

void MainViewController::stepDrag()
{
    if (!drag_.active())
        return;
    accumulated_ += latestMouse_ - lastMouse_;
    lastMouse_ = latestMouse_;
    const FrameRect start = drag_.start();
    const FrameRect end = drag_.end();
    drag_.moveBy(accumulated_.x(), accumulated_.y(), modifiers_ & Qt::ShiftModifier,
                 modifiers_ & Qt::AltModifier);
    if (drag_.start() != start || drag_.end() != end)
        emit framesChanged();
}

QVariantMap MainViewController::endDrag(double screenScale)
{
    if (!drag_.active())
        return {};
    // The last movement counts even when it came after the last step.
    stepDrag();
    stepTimer_.stop();
    const preview::FrameDragResult placed = drag_.result(origin_, screenScale);
    const QString part = changedProperty();
    start_ = drag_.start();
    end_ = drag_.end();
    drag_ = preview::FrameDrag();
    emit draggingChanged();
    emit framesChanged();
    auto point = [](const preview::FramePoint &p) { return QPointF(p.x, p.y); };
    return QVariantMap{
        {QStringLiteral("changedProperty"), part},
        {QStringLiteral("startPosition"), point(placed.startPosition)},
        {QStringLiteral("endPosition"), point(placed.endPosition)},
        {QStringLiteral("startScale"), point(placed.startScale)},
        {QStringLiteral("endScale"), point(placed.endScale)},
    };
}

void MainViewController::cancelDrag()
{
    if (!drag_.active())
        return;
    stepTimer_.stop();
    drag_ = preview::FrameDrag();
    emit draggingChanged();
    emit framesChanged();
}

} // namespace vignetta::mainview
