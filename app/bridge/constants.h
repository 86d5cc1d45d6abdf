#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantList>

namespace vignetta::bridge {

// The application's fixed vocabularies, as the QML singleton Constants (module
// "Vignetta.Scene" 1.0). List indices are the values stored in block fields (fadeType, blend,
// origin, messageBackground, messagePosition, ...). Texts pass through translation when read,
// except the theme keys and the file filters.
class Constants : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString applicationTitle READ applicationTitle CONSTANT)
    Q_PROPERTY(QString projectExtName READ projectExtName CONSTANT)
    Q_PROPERTY(QString projectFilterTitle READ projectFilterTitle CONSTANT)
    Q_PROPERTY(QString projectFilter READ projectFilter CONSTANT)
    Q_PROPERTY(QString eventFilter READ eventFilter CONSTANT)
    Q_PROPERTY(QStringList themeNameArray READ themeNameArray CONSTANT)
    Q_PROPERTY(QStringList themeNameTextArray READ themeNameTextArray CONSTANT)
    Q_PROPERTY(QStringList fadeTypeArray READ fadeTypeArray CONSTANT)
    Q_PROPERTY(QStringList audioTypeArray READ audioTypeArray CONSTANT)
    Q_PROPERTY(QStringList fadeoutAudioTypeArray READ fadeoutAudioTypeArray CONSTANT)
    Q_PROPERTY(QStringList pictureOriginTypeArray READ pictureOriginTypeArray CONSTANT)
    Q_PROPERTY(QStringList blendModeArray READ blendModeArray CONSTANT)
    Q_PROPERTY(QStringList messageBackgroundArray READ messageBackgroundArray CONSTANT)
    Q_PROPERTY(QStringList messagePositionTypeArray READ messagePositionTypeArray CONSTANT)
    // The text of each kind's insert command, indexed by blockMode ("" for kinds no command
    // creates).
    Q_PROPERTY(QStringList insertCommandTextArray READ insertCommandTextArray CONSTANT)
    Q_PROPERTY(QVariantList pixelPerFrame READ pixelPerFrame CONSTANT)
    Q_PROPERTY(QVariantList laneHeight READ laneHeight CONSTANT)

public:
    explicit Constants(QObject *parent = nullptr) : QObject(parent) {}

    static QString applicationTitle();
    static QString projectExtName() { return QStringLiteral("fabproject"); }
    static QString projectFilterTitle();
    static QString projectFilter();
    static QString eventFilter();
    static QStringList themeNameArray();
    static QStringList themeNameTextArray();
    static QStringList fadeTypeArray();
    static QStringList audioTypeArray();
    static QStringList fadeoutAudioTypeArray();
    static QStringList pictureOriginTypeArray();
    static QStringList blendModeArray();
    static QStringList messageBackgroundArray();
    static QStringList messagePositionTypeArray();
    static QStringList insertCommandTextArray();
    static QVariantList pixelPerFrame();
    static QVariantList laneHeight();

    // Zoom values for a pixelPerFrameScale (0 expanded, 1 shrunk; others as 0).
    static int pixelPerFrameAt(int scale) { return scale == 1 ? 1 : 4; }
    static int laneHeightAt(int scale) { return scale == 1 ? 32 : 64; }

    // Index of a theme key in themeNameArray, -1 if absent.
    Q_INVOKABLE static int themeIndex(const QString &themeName);
    // The main window's title: "<game title> - <application title>", or the application title
    // alone when the game title is empty.
    Q_INVOKABLE static QString windowTitle(const QString &gameTitle);
};

} // namespace vignetta::bridge
