#pragma once

#include <QObject>

#include "ui/image_cell_grid.h"

namespace vignetta::property {

// The cells of the sheet shown in the image selector (QML type ImageCellGrid of
// "Vignetta.Property" 1.0): set the image size, the divisions and the fixed cell settings;
// read the derived cell geometry and map presses and arrow keys to cell indexes. The rules are
// in ui/image_cell_grid.h.
class ImageCellGridObject : public QObject
{
    Q_OBJECT
    Q_PROPERTY(qreal imageWidth MEMBER imageWidth_ WRITE setImageWidth NOTIFY changed)
    Q_PROPERTY(qreal imageHeight MEMBER imageHeight_ WRITE setImageHeight NOTIFY changed)
    Q_PROPERTY(int horizontalDivision MEMBER horizontalDivision_ WRITE setHorizontalDivision
                   NOTIFY changed)
    Q_PROPERTY(int verticalDivision MEMBER verticalDivision_ WRITE setVerticalDivision NOTIFY
                   changed)
    Q_PROPERTY(qreal fixedFrameWidth MEMBER fixedFrameWidth_ WRITE setFixedFrameWidth NOTIFY
                   changed)
    Q_PROPERTY(qreal fixedFrameHeight MEMBER fixedFrameHeight_ WRITE setFixedFrameHeight NOTIFY
                   changed)
    Q_PROPERTY(int fixedMaxColumns MEMBER fixedMaxColumns_ WRITE setFixedMaxColumns NOTIFY
                   changed)

    Q_PROPERTY(qreal cellWidth READ cellWidth NOTIFY changed)
    Q_PROPERTY(qreal cellHeight READ cellHeight NOTIFY changed)
    Q_PROPERTY(int columns READ columns NOTIFY changed)
    Q_PROPERTY(int rows READ rows NOTIFY changed)
    Q_PROPERTY(int maxColumns READ maxColumns NOTIFY changed)
    Q_PROPERTY(bool gridShown READ gridShown NOTIFY changed)

public:
    explicit ImageCellGridObject(QObject *parent = nullptr) : QObject(parent) { update(); }

    void setImageWidth(qreal v) { set(imageWidth_, v); }
    void setImageHeight(qreal v) { set(imageHeight_, v); }
    void setHorizontalDivision(int v) { set(horizontalDivision_, v); }
    void setVerticalDivision(int v) { set(verticalDivision_, v); }
    void setFixedFrameWidth(qreal v) { set(fixedFrameWidth_, v); }
    void setFixedFrameHeight(qreal v) { set(fixedFrameHeight_, v); }
    void setFixedMaxColumns(int v) { set(fixedMaxColumns_, v); }

    qreal cellWidth() const { return grid_.cellWidth; }
    qreal cellHeight() const { return grid_.cellHeight; }
    int columns() const { return grid_.columns; }
    int rows() const { return grid_.rows; }
    int maxColumns() const { return grid_.maxColumns; }
    bool gridShown() const { return grid_.gridShown(); }

    Q_INVOKABLE int columnOf(int index) const { return grid_.columnOf(index); }
    Q_INVOKABLE int rowOf(int index) const { return grid_.rowOf(index); }
    Q_INVOKABLE bool contains(int index) const { return grid_.contains(index); }
    Q_INVOKABLE int indexAt(qreal x, qreal y, qreal scale) const
    {
        return grid_.indexAt(x, y, scale);
    }
    // The index after an arrow key (Qt.Key_Left, Key_Right, Key_Up, Key_Down); other keys leave
    // it as it is.
    Q_INVOKABLE int moved(int index, int key) const;

signals:
    void changed();

private:
    template <class T> void set(T &field, T value)
    {
        if (field == value)
            return;
        field = value;
        update();
    }
    void update();

    qreal imageWidth_ = 0;
    qreal imageHeight_ = 0;
    int horizontalDivision_ = 1;
    int verticalDivision_ = 1;
    qreal fixedFrameWidth_ = 0;
    qreal fixedFrameHeight_ = 0;
    int fixedMaxColumns_ = 0;
    ui::ImageCellGrid grid_;
};

} // namespace vignetta::property
