#include "preview/text_canvas.h"

#include <QPainter>

#include "project/data_manager.h"
#include "preview/utf8_text.h"
#include "text/conversion.h"

namespace vignetta::preview {

TextCanvas::TextCanvas(QQuickItem *parent)
    : QQuickPaintedItem(parent),
      engine_([this](char32_t c, int size) { return glyphs_.advance(c, size); })
{
    style_.textWidth = screenWidth_ - 36;
    engine_.setScrollSpeedRate(scrollSpeedRate_);
}

void TextCanvas::paint(QPainter *painter)
{
    paintTextWindow(*painter, size(), style_, engine_, resources_, face_, glyphs_);
}

void TextCanvas::changed()
{
    emit inputsChanged();
    update();
}

void TextCanvas::setText(const QString &text)
{
    if (text_ != text) {
        text_ = text;
        emit inputsChanged();
    }
}

void TextCanvas::setFaceImageName(const QString &name)
{
    if (faceImageName_ != name) {
        faceImageName_ = name;
        emit inputsChanged();
    }
}

void TextCanvas::setFaceImageIndex(int index)
{
    if (faceImageIndex_ != index) {
        faceImageIndex_ = index;
        emit inputsChanged();
    }
}

void TextCanvas::setBackground(int background)
{
    if (style_.background != background) {
        style_.background = background;
        changed();
    }
}

void TextCanvas::setScroll(bool scroll)
{
    if (scroll_ != scroll) {
        scroll_ = scroll;
        emit inputsChanged();
        emit layoutChanged();
    }
}

void TextCanvas::setPlaybackMode(bool playback)
{
    if (playbackMode_ != playback) {
        playbackMode_ = playback;
        emit inputsChanged();
    }
}

void TextCanvas::setScreenWidth(qreal width)
{
    if (screenWidth_ != width) {
        screenWidth_ = width;
        style_.textWidth = width - 36;
        changed();
    }
}

void TextCanvas::setWindowMargin(int margin)
{
    if (style_.margin != margin) {
        style_.margin = margin;
        changed();
    }
}

void TextCanvas::setVisibleLineNumber(int lines)
{
    if (visibleLineNumber_ != lines) {
        visibleLineNumber_ = lines;
        emit inputsChanged();
        emit layoutChanged();
    }
}

void TextCanvas::setStandardLineHeight(int height)
{
    if (standardLineHeight_ != height) {
        standardLineHeight_ = height;
        emit inputsChanged();
        emit layoutChanged();
    }
}

void TextCanvas::setScrollY(qreal y)
{
    if (engine_.scrollY() != y) {
        engine_.setScrollY(y);
        emit scrollYChanged();
        update();
    }
}

void TextCanvas::setScrollSpeedRate(qreal rate)
{
    if (scrollSpeedRate_ != rate) {
        scrollSpeedRate_ = rate;
        engine_.setScrollSpeedRate(rate);
        emit inputsChanged();
    }
}

void TextCanvas::setScrollNoFast(bool noFast)
{
    if (scrollNoFast_ != noFast) {
        scrollNoFast_ = noFast;
        engine_.setScrollNoFast(noFast);
        emit inputsChanged();
    }
}

void TextCanvas::setPanelColor(const QColor &color)
{
    if (style_.panelColor != color) {
        style_.panelColor = color;
        changed();
    }
}

void TextCanvas::setFrameColor(const QColor &color)
{
    if (style_.frameColor != color) {
        style_.frameColor = color;
        changed();
    }
}

void TextCanvas::setFontFamily(const QString &families)
{
    if (glyphs_.fontFamily() == families)
        return;
    glyphs_.setFontFamily(families);
    emit inputsChanged();
    // A text shown all at once is laid out again with the new widths (the interface font may
    // arrive after the first layout); playback goes on with them from the next character.
    if (engine_.mode() == text::TextEngine::Mode::whole)
        repaint();
    else
        update();
}

void TextCanvas::setProjectUrl(const QString &url)
{
    if (projectUrl_ != url) {
        projectUrl_ = url;
        emit inputsChanged();
        reloadResources();
    }
}

QObject *TextCanvas::dataManager() const
{
    return dataManager_.data();
}

void TextCanvas::setDataManager(QObject *manager)
{
    auto *dm = qobject_cast<project::DataManager *>(manager);
    if (dataManager_ == dm)
        return;
    if (dataManager_)
        disconnect(dataManager_, nullptr, this, nullptr);
    dataManager_ = dm;
    if (dm)
        connect(dm, &project::DataManager::databaseChanged, this, &TextCanvas::readNames);
    readNames();
    emit inputsChanged();
}

void TextCanvas::readNames()
{
    names_ = dataManager_ ? text::namesFromDatabase(dataManager_->database()) : text::NameSource();
}

qreal TextCanvas::textHeight() const
{
    if (scroll_)
        return engine_.mode() == text::TextEngine::Mode::idle ? 0 : engine_.height();
    return visibleLineNumber_ * standardLineHeight_;
}

void TextCanvas::repaint()
{
    face_ = faceImageName_.isEmpty()
                ? QImage()
                : TextResources::faceCell(TextResources::loadFaceSheet(projectUrl_, faceImageName_),
                                          faceImageIndex_);
    engine_.setStartX(faceImageName_.isEmpty() ? 0 : text::kFaceTextX);
    engine_.setCanvasHeight(scroll_ ? 0 : visibleLineNumber_ * standardLineHeight_);
    std::u32string converted = text::convertText(utf8Text(text_), names_);
    if (scroll_ && playbackMode_)
        engine_.startScroll(std::move(converted));
    else if (playbackMode_)
        engine_.startMessage(std::move(converted));
    else
        engine_.drawAll(std::move(converted));
    emit layoutChanged();
    emit stateChanged();
    update();
}

void TextCanvas::advance()
{
    if (!engine_.running())
        return;
    const qreal y = engine_.scrollY();
    engine_.update();
    if (engine_.scrollY() != y)
        emit scrollYChanged();
    emit stateChanged();
    update();
}

void TextCanvas::press()
{
    engine_.press();
}

void TextCanvas::release()
{
    engine_.release();
}

void TextCanvas::terminateMessage()
{
    engine_.terminate();
    emit stateChanged();
}

void TextCanvas::reloadResources()
{
    const bool wasReady = resources_.ready();
    resources_.load(projectUrl_);
    if (wasReady != resources_.ready())
        emit readyResourceChanged();
    update();
}

} // namespace vignetta::preview
