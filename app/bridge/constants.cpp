#include "bridge/constants.h"

#include <QCoreApplication>

namespace vignetta::bridge {

QString Constants::applicationTitle()
{
    return tr("Vignetta");
}

QString Constants::projectFilterTitle()
{
    return applicationTitle() + QLatin1Char(' ') + tr("Project");
}

QString Constants::projectFilter()
{
    return QStringLiteral("FABLE") + QStringLiteral(" (*.") + projectExtName() + QLatin1Char(')');
}

QString Constants::eventFilter()
{
    return QStringLiteral("event json") + QStringLiteral(" (*.json)");
}

QStringList Constants::themeNameArray()
{
    return {QStringLiteral("default"), QStringLiteral("dark"), QStringLiteral("highContrastWhite"),
            QStringLiteral("highContrastBlack")};
}

QStringList Constants::themeNameTextArray()
{
    return {QCoreApplication::translate("Theme", "Default"),
            QCoreApplication::translate("Theme", "Dark"),
            QCoreApplication::translate("Theme", "High Contrast White"),
            QCoreApplication::translate("Theme", "High Contrast Black")};
}

QStringList Constants::fadeTypeArray()
{
    return {tr("Fade Out"), tr("Fade In")};
}

QStringList Constants::audioTypeArray()
{
    return {tr("BGM"), tr("BGS"), tr("ME"), tr("SE")};
}

QStringList Constants::fadeoutAudioTypeArray()
{
    return {tr("BGM"), tr("BGS")};
}

QStringList Constants::pictureOriginTypeArray()
{
    return {tr("Upper Left"), tr("Center")};
}

QStringList Constants::blendModeArray()
{
    return {tr("Normal", "Normal blending"), tr("Additive", "Additive blending"),
            tr("Multiply", "Multiply blending"), tr("Screen", "Screen blending")};
}

QStringList Constants::messageBackgroundArray()
{
    return {tr("Window"), tr("Dim"), tr("Transparent")};
}

QStringList Constants::messagePositionTypeArray()
{
    return {tr("Top", "Vertical"), tr("Middle", "Vertical"), tr("Bottom", "Vertical")};
}

QStringList Constants::insertCommandTextArray()
{
    return {tr("Show Picture Event"),
            tr("Show Text Event"),
            tr("Fade Screen Event"),
            tr("Audio Event"),
            tr("Screen Event"),
            tr("Marker"),
            QString(),
            tr("Show Scrolling Text Event"),
            tr("Fadeout Audio Event")};
}

QVariantList Constants::pixelPerFrame()
{
    return {pixelPerFrameAt(0), pixelPerFrameAt(1)};
}

QVariantList Constants::laneHeight()
{
    return {laneHeightAt(0), laneHeightAt(1)};
}

int Constants::themeIndex(const QString &themeName)
{
    return themeNameArray().indexOf(themeName);
}

QString Constants::windowTitle(const QString &gameTitle)
{
    return gameTitle.isEmpty() ? applicationTitle()
                               : gameTitle + QStringLiteral(" - ") + applicationTitle();
}

} // namespace vignetta::bridge
