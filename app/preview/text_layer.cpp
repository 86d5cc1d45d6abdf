#include "preview/text_layer.h"

#include <QPainter>

#include "text/conversion.h"

namespace vignetta::preview {

TextWindowStyle defaultTextWindowStyle()
{
    TextWindowStyle style;
    style.panelColor = QColor(QStringLiteral("#224488"));
    style.frameColor = QColor(QStringLiteral("#d0dbe8")).darker(170);
    return style;
}

bool TextLayer::load(const QString &projectUrl)
{
    projectUrl_ = projectUrl;
    faceSheets_.clear();
    return resources_.load(projectUrl);
}

text::MeasureFunction TextLayer::measure()
{
    return [this](char32_t c, int size) { return glyphs_.advance(c, size); };
}

QImage TextLayer::face(const text::TextWindow &window)
{
    if (window.kind != preview::TextKind::message || window.faceName.empty())
        return QImage();
    const QString name = QString::fromStdString(window.faceName);
    auto it = faceSheets_.find(name);
    if (it == faceSheets_.end()) {
        it = faceSheets_.insert(name, TextResources::loadFaceSheet(projectUrl_, name));
        if (it.value().isNull() && faceProblem_)
            faceProblem_(name);
    }
    return TextResources::faceCell(it.value(), window.faceIndex);
}

void TextLayer::layOut(const text::TextWindow &window, text::TextEngine &engine,
                       const text::NameSource &names)
{
    const bool scroll = window.kind == preview::TextKind::scroll;
    engine.setCanvasHeight(scroll ? 0 : text::kMessageTextHeight);
    engine.setStartX(!scroll && !window.faceName.empty() ? text::kFaceTextX : 0);
    engine.setScrollY(0);
    engine.drawAll(text::convertText(window.text, names));
}

void TextLayer::paint(QImage &screen, const text::TextWindow &window,
                      const text::TextEngine &engine)
{
    if (window.kind == preview::TextKind::none || !resources_.ready())
        return;
    const text::WindowRect rect =
        window.kind == preview::TextKind::scroll
            ? text::scrollWindowRect(screen.width(), screen.height())
            : text::messageWindowRect(screen.width(), screen.height(), window.position);
    TextWindowStyle style = style_;
    style.background = window.background;
    style.margin = text::kWindowMargin;
    style.textWidth = screen.width() - text::kTextWidthInset;
    QPainter painter(&screen);
    painter.translate(rect.x, rect.y);
    paintTextWindow(painter, QSizeF(rect.width, rect.height), style, engine, resources_,
                    face(window), glyphs_);
}

} // namespace vignetta::preview
