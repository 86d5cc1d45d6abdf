#include "preview/text_resources.h"

#include <QRect>

#include "preview/image_loader.h"
#include "preview/project_asset.h"

namespace vignetta::preview {

namespace {

constexpr int colorOriginX = 96;
constexpr int colorOriginY = 144;
constexpr int colorCell = 12;
constexpr int colorsPerRow = 8;
constexpr int iconCellSize = 32;
constexpr int iconsPerRow = 16;
// Beyond this, a row or column of any sheet is off the image (and int arithmetic is safe).
constexpr long long farAway = 1LL << 30;

QImage loadAsset(const QString &projectUrl, const QString &folder, const QString &name)
{
    const QString path = projectAssetFile(projectUrl, folder, name);
    if (path.isEmpty())
        return QImage();
    const QImage image = ImageLoader::instance().load(path);
    return image.isNull() ? image : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

bool TextResources::load(const QString &projectUrl)
{
    const QString folder = QStringLiteral("img/system");
    setImages(loadAsset(projectUrl, folder, QStringLiteral("Window")),
              loadAsset(projectUrl, folder, QStringLiteral("IconSet")));
    return ready();
}

void TextResources::clear()
{
    windowSkin_ = QImage();
    iconSheet_ = QImage();
}

void TextResources::setImages(const QImage &windowSkin, const QImage &iconSheet)
{
    if (windowSkin.isNull() || iconSheet.isNull()) {
        clear();
        return;
    }
    windowSkin_ = windowSkin.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    iconSheet_ = iconSheet.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QRgb TextResources::textColor(long long n) const
{
    if (n < 0 || windowSkin_.isNull())
        return qRgb(0, 0, 0);
    const long long row = n / colorsPerRow;
    if (row >= farAway)
        return qRgb(0, 0, 0);
    const int x = colorOriginX + int(n % colorsPerRow) * colorCell + colorCell / 2;
    const int y = colorOriginY + int(row) * colorCell + colorCell / 2;
    if (!windowSkin_.valid(x, y))
        return qRgb(0, 0, 0);
    // The pixel drawn over black: each channel weighted by its alpha.
    const QRgb over = qPremultiply(windowSkin_.pixelColor(x, y).rgba());
    return qRgb(qRed(over), qGreen(over), qBlue(over));
}

QRect TextResources::iconCell(long long n)
{
    if (n < 0 || n / iconsPerRow >= farAway)
        return QRect(-int(farAway), -int(farAway), iconCellSize, iconCellSize);
    return QRect(int(n % iconsPerRow) * iconCellSize, int(n / iconsPerRow) * iconCellSize,
                 iconCellSize, iconCellSize);
}

QImage TextResources::faceCell(const QImage &sheet, int index)
{
    if (sheet.isNull() || index < 0)
        return QImage();
    const int width = sheet.width() / 4;
    const int height = sheet.height() / 2;
    const QRect cell((index % 4) * width, (index / 4) * height, width, height);
    if (width <= 0 || height <= 0 || !sheet.rect().contains(cell))
        return QImage();
    return sheet.copy(cell);
}

QImage TextResources::loadFaceSheet(const QString &projectUrl, const QString &name)
{
    return loadAsset(projectUrl, QStringLiteral("img/faces"), name);
}

} // namespace vignetta::preview
