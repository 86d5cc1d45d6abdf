#pragma once

#include <QImage>
#include <QRgb>
#include <QString>

namespace vignetta::preview {

// The images the message preview draws from: the project's window skin (text colours) and icon
// sheet, both from "img/system/", and face sheets from "img/faces/". Images are kept in
// premultiplied ARGB32.
class TextResources
{
public:
    // Loads "img/system/Window.png" and "img/system/IconSet.png" of the project. True when
    // both could be read; otherwise both are dropped and the preview is not ready.
    bool load(const QString &projectUrl);
    void clear();
    bool ready() const { return !windowSkin_.isNull() && !iconSheet_.isNull(); }

    // Puts already decoded images in place (both must be non-null to be ready).
    void setImages(const QImage &windowSkin, const QImage &iconSheet);

    const QImage &windowSkin() const { return windowSkin_; }
    const QImage &iconSheet() const { return iconSheet_; }

    // Text colour n: the skin's pixel at (96 + (n mod 8) * 12 + 6, 144 + (n div 8) * 12 + 6)
    // seen over black, opaque. Outside the skin the colour is black.
    QRgb textColor(long long n) const;

    // The source rectangle of icon n in the sheet: 32 x 32 cells, 16 to a row.
    static QRect iconCell(long long n);

    // Cell `index` of a face sheet (cells a quarter of the sheet wide and half of it high,
    // counted across then down), or a null image when the index lies outside the sheet.
    static QImage faceCell(const QImage &sheet, int index);

    // The face sheet "img/faces/<name>.png" of the project, or a null image when it cannot be
    // read or the name leads outside the faces folder.
    static QImage loadFaceSheet(const QString &projectUrl, const QString &name);

private:
    QImage windowSkin_;
    QImage iconSheet_;
};

} // namespace vignetta::preview
