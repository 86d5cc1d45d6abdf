#pragma once

#include <QObject>
#include <QString>

namespace vignetta::property {

// The kind of the property panel's last edit and the values its receivers need besides the
// block itself (QML type PropertyChanger of "Vignetta.Property" 1.0). The panel holds one; the
// editors fill it during a burst of edits, the timeline and the preview read it when the burst
// is applied, and clear() empties it afterwards.
//
// changedProperty names the kind of the last edit of the burst ("" for a plain field change):
// "imageName", "startPosition", "startScale", "rotation", "startOpacity", "endPosition",
// "endScale", "endOpacity", "endColor", "messageImageName", "messageText", "messageLineIndex",
// "messageBackground", "messagePosition", "scrollingText", "flashColor", "shake",
// "commentText" or "screenSize". The read-only constants below spell the ones receivers test.
class PropertyChanger : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString changedProperty MEMBER changedProperty_ NOTIFY changed)
    Q_PROPERTY(QString message MEMBER message_ NOTIFY changed)
    Q_PROPERTY(QString assignedImageName MEMBER assignedImageName_ NOTIFY changed)
    Q_PROPERTY(int currentLineIndex MEMBER currentLineIndex_ NOTIFY changed)
    Q_PROPERTY(QString comment MEMBER comment_ NOTIFY changed)
    Q_PROPERTY(int screenWidth MEMBER screenWidth_ NOTIFY changed)
    Q_PROPERTY(int screenHeight MEMBER screenHeight_ NOTIFY changed)

    Q_PROPERTY(QString imageName READ imageName CONSTANT)
    Q_PROPERTY(QString startPosition READ startPosition CONSTANT)
    Q_PROPERTY(QString endPosition READ endPosition CONSTANT)
    Q_PROPERTY(QString messageText READ messageText CONSTANT)
    Q_PROPERTY(QString scrollingText READ scrollingText CONSTANT)
    Q_PROPERTY(QString messageLineIndex READ messageLineIndex CONSTANT)
    Q_PROPERTY(QString endColor READ endColor CONSTANT)
    Q_PROPERTY(QString flashColor READ flashColor CONSTANT)
    Q_PROPERTY(QString shake READ shake CONSTANT)
    Q_PROPERTY(QString commentText READ commentText CONSTANT)
    Q_PROPERTY(QString screenSize READ screenSize CONSTANT)

public:
    static constexpr int defaultScreenWidth = 816;  // 48 x 17
    static constexpr int defaultScreenHeight = 624; // 48 x 13

    explicit PropertyChanger(QObject *parent = nullptr) : QObject(parent) {}

    // Every field back to its default.
    Q_INVOKABLE void clear();

    static QString imageName() { return QStringLiteral("imageName"); }
    static QString startPosition() { return QStringLiteral("startPosition"); }
    static QString endPosition() { return QStringLiteral("endPosition"); }
    static QString messageText() { return QStringLiteral("messageText"); }
    static QString scrollingText() { return QStringLiteral("scrollingText"); }
    static QString messageLineIndex() { return QStringLiteral("messageLineIndex"); }
    static QString endColor() { return QStringLiteral("endColor"); }
    static QString flashColor() { return QStringLiteral("flashColor"); }
    static QString shake() { return QStringLiteral("shake"); }
    static QString commentText() { return QStringLiteral("commentText"); }
    static QString screenSize() { return QStringLiteral("screenSize"); }

signals:
    void changed();

private:
    QString changedProperty_;
    QString message_;
    QString assignedImageName_;
    int currentLineIndex_ = 0;
    QString comment_;
    int screenWidth_ = defaultScreenWidth;
    int screenHeight_ = defaultScreenHeight;
};

} // namespace vignetta::property
