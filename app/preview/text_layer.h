#pragma once

#include <QHash>
#include <QImage>
#include <QString>

#include <functional>

#include "preview/glyph_cache.h"
#include "preview/text_painter.h"
#include "preview/text_resources.h"
#include "text/names.h"
#include "text/text_engine.h"
#include "text/text_window.h"

namespace vignetta::preview {

// The window colours of the editor's default theme: the "workArea" panel and the
// "controlFrame" border (the default window colour darkened by 1.7).
TextWindowStyle defaultTextWindowStyle();

// The main view's message window and scrolling text drawn onto a rendered game screen, with
// the same painting as the editor's text preview: for drawing frames without a window.
class TextLayer
{
public:
    // Reads the project's window skin and icon sheet; false when either cannot be read (texts
    // are then not drawn, as in the editor).
    bool load(const QString &projectUrl);
    bool ready() const { return resources_.ready(); }
    TextResources &resources() { return resources_; }

    // The preview font family list.
    void setFontFamily(const QString &families) { glyphs_.setFontFamily(families); }

    // Character widths in the preview font, for the text engines.
    text::MeasureFunction measure();

    // Called once for each face sheet name that cannot be read.
    void setFaceProblem(std::function<void(const QString &name)> report)
    {
        faceProblem_ = std::move(report);
    }
    // The face cell of a window, or a null image (no face, or the sheet cannot be read).
    QImage face(const text::TextWindow &window);

    // Lays out a window's whole text as the editor shows it when not playing.
    void layOut(const text::TextWindow &window, text::TextEngine &engine,
                const text::NameSource &names);

    // Draws a window with the engine's page onto a screen image of the given screen size.
    void paint(QImage &screen, const text::TextWindow &window, const text::TextEngine &engine);

private:
    QString projectUrl_;
    GlyphCache glyphs_;
    TextResources resources_;
    TextWindowStyle style_ = defaultTextWindowStyle(); // the editor's default theme
    QHash<QString, QImage> faceSheets_;
    std::function<void(const QString &)> faceProblem_;
};

} // namespace vignetta::preview
