// The message window item drawn into images: backgrounds, skin colours, icons, outlines, faces,
// and what it reads (or refuses to read) from a project folder.

#include <QDir>
#include <QFile>
#include <QJSEngine>
#include <QPainter>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <sys/stat.h>

#include "preview/project_asset.h"
#include "preview/text_canvas.h"
#include "preview/text_excerpt.h"
#include "preview/text_resources.h"
#include "project/data_manager.h"
#include "project/database.h"

using namespace vignetta::preview;

namespace {

const QColor panel(0x22, 0x44, 0x88);
const QColor frame(0x7a, 0x81, 0x88);

// A 192 x 192 skin whose text colour n is (10 n, 255 - 5 n, 100) for n < 32.
QImage skin()
{
    QImage image(192, 192, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    for (int n = 0; n < 32; ++n)
        p.fillRect(96 + (n % 8) * 12, 144 + (n / 8) * 12, 12, 12, QColor(10 * n, 255 - 5 * n, 100));
    return image;
}

QColor iconColor(int n)
{
    return QColor(n * 3, 200, 255 - n * 3);
}

// 16 x 4 icons, icon n filled with iconColor(n).
QImage iconSheet()
{
    QImage image(512, 128, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    for (int n = 0; n < 64; ++n)
        p.fillRect((n % 16) * 32, (n / 16) * 32, 32, 32, iconColor(n));
    return image;
}

QString rgb(QRgb p)
{
    return QString("%1,%2,%3").arg(qRed(p)).arg(qGreen(p)).arg(qBlue(p));
}

QString rgb(const QImage &image, int x, int y)
{
    return rgb(image.pixel(x, y));
}

int countColor(const QImage &image, const QRect &area, QRgb color, int tolerance = 0)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAbs(qRed(p) - qRed(color)) <= tolerance &&
                qAbs(qGreen(p) - qGreen(color)) <= tolerance &&
                qAbs(qBlue(p) - qBlue(color)) <= tolerance)
                ++n;
        }
    return n;
}

// The item painted into a white image of its own size.
QImage paintItem(TextCanvas &canvas)
{
    QImage image(canvas.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    canvas.paint(&p);
    return image;
}

void setUpWindow(TextCanvas &canvas)
{
    canvas.setSize(QSizeF(796, 160));
    canvas.setPanelColor(panel);
    canvas.setFrameColor(frame);
    canvas.resources().setImages(skin(), iconSheet());
}

} // namespace

class TestTextCanvas : public QObject
{
    Q_OBJECT

private slots:
    void backgroundsAndNothingBeforeTheResources()
    {
        TextCanvas canvas;
        canvas.setSize(QSizeF(796, 160));
        canvas.setText("abc");
        canvas.repaint();
        QImage image = paintItem(canvas);
        QCOMPARE(countColor(image, image.rect(), qRgb(255, 255, 255)), 796 * 160);

        setUpWindow(canvas);
        canvas.setText(QString());
        canvas.repaint();
        image = paintItem(canvas);
        QCOMPARE(rgb(image, 0, 0), rgb(frame.rgb()));
        QCOMPARE(rgb(image, 795, 159), rgb(frame.rgb()));
        QCOMPARE(rgb(image, 400, 0), rgb(frame.rgb()));
        QCOMPARE(rgb(image, 1, 1), rgb(panel.rgb()));
        QCOMPARE(countColor(image, QRect(1, 1, 794, 158), panel.rgb()), 794 * 158);

        canvas.setBackground(1);
        image = paintItem(canvas);
        QVERIFY(qAbs(qRed(image.pixel(0, 0)) - 127) <= 1);
        QCOMPARE(countColor(image, image.rect(), image.pixel(0, 0)), 796 * 160);

        canvas.setBackground(2);
        image = paintItem(canvas);
        QCOMPARE(countColor(image, image.rect(), qRgb(255, 255, 255)), 796 * 160);
    }

    void iconsComeFromTheirCellsAndOutsideTheSheetDrawNothing()
    {
        TextCanvas canvas;
        setUpWindow(canvas);
        canvas.setText("\\I[17]\\I[70]\\I[99999999999]\\I[2]");
        canvas.repaint();
        const QImage image = paintItem(canvas);
        // Icon 17 (column 1, row 1) at the margin plus 2; each icon takes 36 pixels.
        QCOMPARE(countColor(image, QRect(10, 10, 32, 32), iconColor(17).rgb()), 32 * 32);
        QCOMPARE(rgb(image, 9, 10), rgb(panel.rgb()));
        QCOMPARE(rgb(image, 42, 42), rgb(panel.rgb()));
        QCOMPARE(countColor(image, QRect(46, 10, 32, 32), panel.rgb()), 32 * 32);
        QCOMPARE(countColor(image, QRect(82, 10, 32, 32), panel.rgb()), 32 * 32);
        QCOMPARE(countColor(image, QRect(118, 10, 32, 32), iconColor(2).rgb()), 32 * 32);
    }

    void charactersTakeTheSkinColourWithAnOutline()
    {
        TextCanvas canvas;
        setUpWindow(canvas);
        // Black squares in colour 5, then colour 0.
        canvas.setText(QString::fromUtf8("\\C[5]■■■\\C[0]■■■"));
        canvas.repaint();
        QImage image = paintItem(canvas);
        const QRgb five = qRgb(50, 230, 100);
        const QRgb zero = qRgb(0, 255, 100);
        // The first three squares end where the fourth starts.
        const int split = 8 + int(canvas.engine().ops()[3].x);
        QVERIFY(countColor(image, QRect(8, 8, split - 8, 36), five) > 100);
        QCOMPARE(countColor(image, QRect(8, 8, split - 8, 36), zero), 0);
        QVERIFY(countColor(image, QRect(split, 8, 200, 36), zero) > 100);
        QCOMPARE(countColor(image, QRect(split + 2, 8, 200, 36), five), 0);
        // The outline: black at half opacity over the panel, next to the glyphs.
        const QRgb outline = qRgb(0x11, 0x22, 0x44);
        QVERIFY(countColor(image, QRect(8, 8, 200, 36), outline, 1) > 20);

        // Text colour n is read over black from the skin's cell; outside the skin it is black.
        TextResources resources;
        QImage translucent(192, 192, QImage::Format_ARGB32);
        translucent.fill(QColor(200, 100, 50, 128));
        resources.setImages(translucent, iconSheet());
        QCOMPARE(rgb(resources.textColor(3)), QString("100,50,25"));
        resources.setImages(skin(), iconSheet());
        QCOMPARE(rgb(resources.textColor(9)), QString("90,210,100"));
        QCOMPARE(rgb(resources.textColor(32)), QString("0,0,0"));
        QCOMPARE(rgb(resources.textColor(999999999999999LL)), QString("0,0,0"));
        resources.setImages(QImage(1, 1, QImage::Format_ARGB32), iconSheet());
        QVERIFY(resources.ready());
        QCOMPARE(rgb(resources.textColor(0)), QString("0,0,0"));
    }

    void faceCellsAndTheTextBesideThem()
    {
        QImage sheet(576, 288, QImage::Format_ARGB32_Premultiplied);
        for (int n = 0; n < 8; ++n)
            QPainter(&sheet).fillRect((n % 4) * 144, (n / 4) * 144, 144, 144, iconColor(n));
        QCOMPARE(TextResources::faceCell(sheet, 5), sheet.copy(144, 144, 144, 144));
        QVERIFY(TextResources::faceCell(sheet, 8).isNull());
        QVERIFY(TextResources::faceCell(sheet, -1).isNull());
        QVERIFY(TextResources::faceCell(QImage(3, 1, QImage::Format_ARGB32), 0).isNull());

        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("img/faces")));
        QVERIFY(sheet.save(dir.filePath("img/faces/Folk.png")));
        TextCanvas canvas;
        setUpWindow(canvas);
        canvas.setProjectUrl(QUrl::fromLocalFile(dir.path()).toString() + "/");
        canvas.resources().setImages(skin(), iconSheet());
        canvas.setFaceImageName("Folk");
        canvas.setFaceImageIndex(6);
        canvas.setText("\\I[1]");
        canvas.repaint();
        const QImage image = paintItem(canvas);
        QCOMPARE(countColor(image, QRect(8, 8, 144, 144), iconColor(6).rgb()), 144 * 144);
        // The text starts at 168 within the text area.
        QCOMPARE(countColor(image, QRect(8 + 170, 10, 32, 32), iconColor(1).rgb()), 32 * 32);
    }

    void assetsStayInsideTheirFolder()
    {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("img/faces/sub")));
        QVERIFY(QDir().mkpath(dir.filePath("img/pictures")));
        QImage red(8, 8, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(dir.filePath("img/faces/sub/In.png")));
        QVERIFY(red.save(dir.filePath("img/pictures/Out.png")));
        QVERIFY(
            QFile::link(dir.filePath("img/pictures/Out.png"), dir.filePath("img/faces/Link.png")));
        const QString url = QUrl::fromLocalFile(dir.path()).toString() + "/";
        QVERIFY(!projectAssetFile(url, "img/faces", "sub/In").isEmpty());
        QVERIFY(projectAssetFile(url, "img/faces", "../pictures/Out").isEmpty());
        QVERIFY(projectAssetFile(url, "img/faces", dir.filePath("img/pictures/Out")).isEmpty());
        QVERIFY(projectAssetFile(url, "img/faces", "Link").isEmpty());
        QVERIFY(projectAssetFile(url, "img/faces", "Missing").isEmpty());
        QVERIFY(projectAssetFile(url, "img/faces", "sub").isEmpty());
        QVERIFY(projectAssetFile("https://example.org/game/", "img/faces", "sub/In").isEmpty());
        QVERIFY(TextResources::loadFaceSheet(url, "../pictures/Out").isNull());
        QVERIFY(!TextResources::loadFaceSheet(url, "sub/In").isNull());
    }

    void windowImagesOfAProject()
    {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("img/system")));
        const QString url = QUrl::fromLocalFile(dir.path()).toString() + "/";
        TextCanvas canvas;
        QSignalSpy readySpy(&canvas, &TextCanvas::readyResourceChanged);
        canvas.setProjectUrl(url);
        QVERIFY(!canvas.readyResource());

        QVERIFY(iconSheet().save(dir.filePath("img/system/IconSet.png")));
        QFile corrupt(dir.filePath("img/system/Window.png"));
        QVERIFY(corrupt.open(QIODevice::WriteOnly));
        corrupt.write("\x89PNG\r\n\x1a\n not really");
        corrupt.close();
        canvas.reloadResources();
        QVERIFY(!canvas.readyResource());

        // A pipe in the skin's place is refused without blocking.
        QVERIFY(QFile::remove(dir.filePath("img/system/Window.png")));
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("img/system/Window.png")).constData(), 0600),
                 0);
        canvas.reloadResources();
        QVERIFY(!canvas.readyResource());

        QVERIFY(QFile::remove(dir.filePath("img/system/Window.png")));
        QVERIFY(skin().save(dir.filePath("img/system/Window.png")));
        canvas.reloadResources();
        QVERIFY(canvas.readyResource());
        QCOMPARE(readySpy.count(), 1);
    }

    void namesComeFromTheProjectDatabase()
    {
        QTemporaryDir dir;
        for (const auto &t : vignetta::project::databaseTables()) {
            QFile f(dir.filePath(QString("data/") + t.file));
            QDir().mkpath(dir.filePath("data"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            if (QString(t.file) == "Actors.json")
                f.write(R"([null,{"id":1,"name":"Mara"}])");
            else if (QString(t.file) == "System.json")
                f.write(R"({"partyMembers":[1],"currencyUnit":"Gil"})");
            else
                f.write("[null]");
        }
        QJSEngine engine;
        vignetta::project::DataManager dm(&engine);
        dm.setProjectUrl(QUrl::fromLocalFile(dir.path()).toString() + "/");
        QVERIFY(dm.loadDatabase());

        TextCanvas canvas;
        setUpWindow(canvas);
        canvas.setDataManager(&dm);
        canvas.setText("\\N[1] \\P[1] 3\\G");
        canvas.repaint();
        QCOMPARE(canvas.visibleCharacters(), int(QString("Mara Mara 3Gil").size()));

        TextExcerpt excerpt;
        QSignalSpy textSpy(&excerpt, &TextExcerpt::textChanged);
        excerpt.setMessage("\\C[1]\\N[1]!");
        QCOMPARE(excerpt.text(), QString("!.."));
        excerpt.setDataManager(&dm);
        QCOMPARE(excerpt.text(), QString("Mara.."));
        excerpt.setIsComment(true);
        QCOMPARE(excerpt.text(), QString("\\C[1.."));
        dm.clearAll();
        excerpt.setIsComment(false);
        QCOMPARE(excerpt.text(), QString("!.."));
        QCOMPARE(textSpy.count(), 4);
    }

    void oddTextFromTheInterfaceIsNeutral()
    {
        TextCanvas canvas;
        setUpWindow(canvas);
        // A lone surrogate (as a text field may hold) is one replacement character.
        canvas.setText(QString(QChar(0xD800)) + "a\\C[" + QString(QChar(0xDC00)));
        canvas.repaint();
        QCOMPARE(canvas.visibleCharacters(), 4);
        QCOMPARE(canvas.engine().ops()[0].character, U'\uFFFD');
        QVERIFY(!paintItem(canvas).isNull());
    }

    void playbackAndScrollingThroughTheItem()
    {
        TextCanvas canvas;
        setUpWindow(canvas);
        canvas.setPlaybackMode(true);
        canvas.setText("ab");
        canvas.repaint();
        QCOMPARE(canvas.visibleCharacters(), 1);
        QVERIFY(canvas.running());
        canvas.advance();
        QCOMPARE(canvas.visibleCharacters(), 2);
        QVERIFY(canvas.pause());
        canvas.terminateMessage();
        QVERIFY(canvas.isTerminate());
        QVERIFY(!canvas.running());

        // A scrolling text: its canvas follows the text, moved down by scrollY and cut off
        // by the window.
        TextCanvas scroll;
        setUpWindow(scroll);
        scroll.setSize(QSizeF(796, 624));
        scroll.setScroll(true);
        scroll.setBackground(2);
        scroll.setPlaybackMode(true);
        scroll.setScrollY(600);
        scroll.setText("\\I[3]\n\n\\I[4]");
        scroll.repaint();
        QCOMPARE(scroll.textHeight(), 108.0);
        QSignalSpy moved(&scroll, &TextCanvas::scrollYChanged);
        scroll.advance();
        QCOMPARE(scroll.scrollY(), 599.0);
        QCOMPARE(moved.count(), 1);
        QImage image = paintItem(scroll);
        QCOMPARE(countColor(image, QRect(10, 609, 32, 15), iconColor(3).rgb()), 32 * 15);
        scroll.setScrollY(-50);
        image = paintItem(scroll);
        QCOMPARE(countColor(image, image.rect(), iconColor(3).rgb()), 0);
        QCOMPARE(countColor(image, QRect(10, 32, 32, 32), iconColor(4).rgb()), 32 * 32);
    }
};

QTEST_MAIN(TestTextCanvas)

#include "tst_text_canvas.moc"
