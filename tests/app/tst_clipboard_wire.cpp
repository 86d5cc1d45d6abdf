// The clipboard wire of the program's own formats and of the host editor's format.
#include "services/append_api.h"
#include "services/clipboard_wire.h"
#include "services/kivra_api.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QtTest>

using vignetta::services::AppendAPI;
using vignetta::services::KivraAPI;

class TestClipboardWire : public QObject
{
    Q_OBJECT

private:
    KivraAPI api;
    AppendAPI append;

    static QStringList formatsOnClipboard()
    {
        const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
        return mime ? mime->formats() : QStringList();
    }
    static QByteArray bytesOf(const QString &type)
    {
        const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
        return mime ? mime->data(type) : QByteArray();
    }

private slots:
    void init() { QGuiApplication::clipboard()->clear(); }

    void programFormatRoundTripsExactBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("json") << QStringLiteral(R"([{"blockId":1,"laneId":2}])");
        QTest::newRow("non-ascii")
            << QStringLiteral("「こんにちは」 – Grüße 🎞\n\"quoted\"");
        QTest::newRow("empty") << QString();
    }
    void programFormatRoundTripsExactBytes()
    {
        QFETCH(QString, text);
        QGuiApplication::clipboard()->setText(QStringLiteral("earlier text"));
        api.setClipboardData(QStringLiteral("timeline"), text);
        QCOMPARE(formatsOnClipboard(), QStringList({"application/vignetta-timeline"}));
        QCOMPARE(bytesOf(QStringLiteral("application/vignetta-timeline")), text.toUtf8());
        QCOMPARE(api.getClipboardFormat(), QStringLiteral("timeline"));
        QCOMPARE(api.getClipboardData(QStringLiteral("timeline")), text);
        QCOMPARE(api.getClipboardData(QStringLiteral("other")), QString());
    }

    void foreignContentReadsAsNoFormat()
    {
        QCOMPARE(api.getClipboardFormat(), QString()); // empty clipboard
        QCOMPARE(api.getClipboardData(QStringLiteral("timeline")), QString());

        api.setClipboardText(QStringLiteral("[1,2]"));
        QCOMPARE(api.getClipboardFormat(), QString());
        QCOMPARE(api.getClipboardData(QStringLiteral("timeline")), QString());

        // Ours listed, but not first: not recognised.
        auto *mime = new QMimeData;
        mime->setText(QStringLiteral("plain"));
        mime->setData(QStringLiteral("application/vignetta-timeline"), "[]");
        QGuiApplication::clipboard()->setMimeData(mime);
        QCOMPARE(api.getClipboardFormat(), QString());
        QCOMPARE(api.getClipboardData(QStringLiteral("timeline")), QString());

        // The host format is not one of ours.
        append.setClipboardDataForFC(QStringLiteral("EventCommand"), QStringLiteral("[]"));
        QCOMPARE(api.getClipboardFormat(), QString());
    }

    void richTextGivesTwoEntries()
    {
        api.setClipboardRichText(QStringLiteral("bold"), QStringLiteral("<b>bold</b>"));
        const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(mime->text(), QStringLiteral("bold"));
        QCOMPARE(mime->html(), QStringLiteral("<b>bold</b>"));
        QCOMPARE(api.getClipboardFormat(), QString());
    }

    void hostFormatIsTheOnlyEntry()
    {
        const QString commands = QStringLiteral(
            R"([{"code":101,"indent":0,"parameters":["Ärger",0,0,2]},{"code":0,"indent":0,"parameters":[]}])");
        api.setClipboardText(QStringLiteral("replaced"));
        append.setClipboardDataForFC(QStringLiteral("EventCommand"), commands);
        QCOMPARE(formatsOnClipboard(), QStringList({"application/fable-EventCommand"}));
        QCOMPARE(bytesOf(QStringLiteral("application/fable-EventCommand")), commands.toUtf8());

        append.setClipboardDataForFC(QString(), QString());
        QCOMPARE(formatsOnClipboard(), QStringList({"application/fable-"}));
        QCOMPARE(bytesOf(QStringLiteral("application/fable-")), QByteArray());
    }

    void bookkeepingTargetsAreSkipped()
    {
        using vignetta::clipboard::firstDataFormat;
        QCOMPARE(firstDataFormat({"TARGETS", "MULTIPLE", "TIMESTAMP", "SAVE_TARGETS",
                                  "application/vignetta-timeline", "text/plain"}),
                 QStringLiteral("application/vignetta-timeline"));
        QCOMPARE(firstDataFormat({"TARGETS"}), QString());
        QCOMPARE(firstDataFormat({}), QString());
    }
};

QTEST_MAIN(TestClipboardWire)
#include "tst_clipboard_wire.moc"
