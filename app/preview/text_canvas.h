#pragma once

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QQuickPaintedItem>
#include <QString>

#include "preview/glyph_cache.h"
#include "preview/text_painter.h"
#include "preview/text_resources.h"
#include "text/names.h"
#include "text/text_engine.h"

namespace vignetta::project {
class DataManager;
}

namespace vignetta::preview {

// The message window of the preview (QML type TextCanvas, module "Vignetta.Text"): its
// background, the laid-out text and the face, drawn from the project's window skin, icon sheet
// and face sheets. TextPreview sets the text and its settings, then calls repaint(); in
// playback its timer calls advance() once a frame. A scrolling text is the same item with
// `scroll` on: its canvas follows the text and moves up by scrollY.
class TextCanvas : public QQuickPaintedItem
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY inputsChanged)
    Q_PROPERTY(QString faceImageName READ faceImageName WRITE setFaceImageName NOTIFY inputsChanged)
    Q_PROPERTY(int faceImageIndex READ faceImageIndex WRITE setFaceImageIndex NOTIFY inputsChanged)
    Q_PROPERTY(int background READ background WRITE setBackground NOTIFY inputsChanged)
    Q_PROPERTY(bool scroll READ scroll WRITE setScroll NOTIFY inputsChanged)
    Q_PROPERTY(bool playbackMode READ playbackMode WRITE setPlaybackMode NOTIFY inputsChanged)
    Q_PROPERTY(qreal screenWidth READ screenWidth WRITE setScreenWidth NOTIFY inputsChanged)
    Q_PROPERTY(int windowMargin READ windowMargin WRITE setWindowMargin NOTIFY inputsChanged)
    Q_PROPERTY(int visibleLineNumber READ visibleLineNumber WRITE setVisibleLineNumber NOTIFY
                   inputsChanged)
    Q_PROPERTY(int standardLineHeight READ standardLineHeight WRITE setStandardLineHeight NOTIFY
                   inputsChanged)
    Q_PROPERTY(qreal scrollY READ scrollY WRITE setScrollY NOTIFY scrollYChanged)
    Q_PROPERTY(
        qreal scrollSpeedRate READ scrollSpeedRate WRITE setScrollSpeedRate NOTIFY inputsChanged)
    Q_PROPERTY(bool scrollNoFast READ scrollNoFast WRITE setScrollNoFast NOTIFY inputsChanged)
    Q_PROPERTY(QColor panelColor READ panelColor WRITE setPanelColor NOTIFY inputsChanged)
    Q_PROPERTY(QColor frameColor READ frameColor WRITE setFrameColor NOTIFY inputsChanged)
    Q_PROPERTY(QString fontFamily READ fontFamily WRITE setFontFamily NOTIFY inputsChanged)
    Q_PROPERTY(QString projectUrl READ projectUrl WRITE setProjectUrl NOTIFY inputsChanged)
    Q_PROPERTY(QObject *dataManager READ dataManager WRITE setDataManager NOTIFY inputsChanged)

    Q_PROPERTY(bool readyResource READ readyResource NOTIFY readyResourceChanged)
    Q_PROPERTY(qreal textWidth READ textWidth NOTIFY inputsChanged)
    Q_PROPERTY(qreal textHeight READ textHeight NOTIFY layoutChanged)
    Q_PROPERTY(bool isTerminate READ isTerminate NOTIFY stateChanged)
    Q_PROPERTY(bool running READ running NOTIFY stateChanged)
    Q_PROPERTY(int page READ page NOTIFY stateChanged)
    Q_PROPERTY(int visibleCharacters READ visibleCharacters NOTIFY stateChanged)
    Q_PROPERTY(int waitCount READ waitCount NOTIFY stateChanged)
    Q_PROPERTY(bool pause READ pause NOTIFY stateChanged)

public:
    explicit TextCanvas(QQuickItem *parent = nullptr);

    void paint(QPainter *painter) override;

    QString text() const { return text_; }
    void setText(const QString &text);
    QString faceImageName() const { return faceImageName_; }
    void setFaceImageName(const QString &name);
    int faceImageIndex() const { return faceImageIndex_; }
    void setFaceImageIndex(int index);
    int background() const { return style_.background; }
    void setBackground(int background);
    bool scroll() const { return scroll_; }
    void setScroll(bool scroll);
    bool playbackMode() const { return playbackMode_; }
    void setPlaybackMode(bool playback);
    qreal screenWidth() const { return screenWidth_; }
    void setScreenWidth(qreal width);
    int windowMargin() const { return style_.margin; }
    void setWindowMargin(int margin);
    int visibleLineNumber() const { return visibleLineNumber_; }
    void setVisibleLineNumber(int lines);
    int standardLineHeight() const { return standardLineHeight_; }
    void setStandardLineHeight(int height);
    qreal scrollY() const { return engine_.scrollY(); }
    void setScrollY(qreal y);
    qreal scrollSpeedRate() const { return scrollSpeedRate_; }
    void setScrollSpeedRate(qreal rate);
    bool scrollNoFast() const { return scrollNoFast_; }
    void setScrollNoFast(bool noFast);
    QColor panelColor() const { return style_.panelColor; }
    void setPanelColor(const QColor &color);
    QColor frameColor() const { return style_.frameColor; }
    void setFrameColor(const QColor &color);
    QString fontFamily() const { return glyphs_.fontFamily(); }
    void setFontFamily(const QString &families);
    QString projectUrl() const { return projectUrl_; }
    void setProjectUrl(const QString &url);
    QObject *dataManager() const;
    void setDataManager(QObject *manager);

    bool readyResource() const { return resources_.ready(); }
    qreal textWidth() const { return style_.textWidth; }
    qreal textHeight() const;
    bool isTerminate() const { return engine_.terminated(); }
    bool running() const { return engine_.running(); }
    int page() const { return engine_.page(); }
    int visibleCharacters() const { return int(engine_.visibleCharacters()); }
    int waitCount() const { return engine_.waitCount(); }
    bool pause() const { return engine_.paused(); }

    const text::TextEngine &engine() const { return engine_; }
    TextResources &resources() { return resources_; }
    void setNames(const text::NameSource &names) { names_ = names; }

    // Lays the text out afresh: all at once when editing, or starts its playback (a message
    // draws its first character at once; a scrolling text starts at scrollY).
    Q_INVOKABLE void repaint();
    // One frame of playback.
    Q_INVOKABLE void advance();
    Q_INVOKABLE void press();
    Q_INVOKABLE void release();
    Q_INVOKABLE void terminateMessage();
    // Reads the window skin and icon sheet of the project again.
    Q_INVOKABLE void reloadResources();

signals:
    void inputsChanged();
    void layoutChanged();
    void stateChanged();
    void scrollYChanged();
    void readyResourceChanged();

private:
    void readNames();
    void changed();

    text::TextEngine engine_;
    GlyphCache glyphs_;
    TextResources resources_;
    text::NameSource names_;
    TextWindowStyle style_;
    QPointer<project::DataManager> dataManager_;
    QImage face_;

    QString text_;
    QString faceImageName_;
    int faceImageIndex_ = 0;
    bool scroll_ = false;
    bool playbackMode_ = false;
    qreal screenWidth_ = 816;
    int visibleLineNumber_ = 4;
    int standardLineHeight_ = 36;
    qreal scrollSpeedRate_ = 2;
    bool scrollNoFast_ = false;
    QString projectUrl_;
};

} // namespace vignetta::preview
