// Choosing the interface language: the prefix table and the "Locale" file.
#include "locale_selection.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using vignetta::app::LocaleAliases;

class TestLocaleSelection : public QObject
{
    Q_OBJECT

private slots:
    // clang-format off
    void prefixTable_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("standard");
        QTest::addColumn<QString>("withAlias");
        QTest::newRow("zh_TW") << "zh_TW" << "zh_TW" << "zh_TW";
        QTest::newRow("zh_CN") << "zh_CN" << "zh_CN" << "zh_CN";
        QTest::newRow("zh_SG") << "zh_SG" << "en_US" << "zh_CN";
        QTest::newRow("zh_HK") << "zh_HK" << "en_US" << "en_US";
        QTest::newRow("ko") << "ko_KR" << "ko_KR" << "ko_KR";
        QTest::newRow("ar") << "ar_EG" << "ar" << "ar";
        QTest::newRow("fr") << "fr_CA" << "fr_FR" << "fr_FR";
        QTest::newRow("de") << "de_AT" << "de_DE" << "de_DE";
        QTest::newRow("es") << "es_MX" << "es_ES" << "es_ES";
        QTest::newRow("it") << "it" << "it_IT" << "it_IT";
        QTest::newRow("pt") << "pt_PT" << "pt_BR" << "pt_BR";
        QTest::newRow("ru") << "ru_RU" << "ru_RU" << "ru_RU";
        QTest::newRow("ja") << "ja_JP" << "en_US" << "en_US";
        QTest::newRow("case-sensitive") << "DE_de" << "en_US" << "en_US";
        QTest::newRow("C") << "C" << "en_US" << "en_US";
        QTest::newRow("empty") << "" << "en_US" << "en_US";
    }
    // clang-format on
    void prefixTable()
    {
        QFETCH(QString, name);
        QFETCH(QString, standard);
        QFETCH(QString, withAlias);
        QCOMPARE(vignetta::app::catalogueNameFor(name), standard);
        QCOMPARE(vignetta::app::catalogueNameFor(name, LocaleAliases::WithSingaporeAsCn),
                 withAlias);
    }

    // clang-format off
    void localeFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected"); // with the system locale "de_DE"
        QTest::newRow("fr") << QByteArray("fr") << "fr_FR";
        QTest::newRow("fr and line end") << QByteArray("fr\n") << "fr_FR";
        QTest::newRow("fr, CR LF") << QByteArray("fr\r\n") << "fr_FR";
        QTest::newRow("second line ignored") << QByteArray("ko\nfr\n") << "ko_KR";
        QTest::newRow("one character") << QByteArray("f") << "de_DE";
        QTest::newRow("one character and line end") << QByteArray("f\n") << "en_US";
        QTest::newRow("ja_JP") << QByteArray("ja_JP") << "en_US";
        QTest::newRow("empty") << QByteArray() << "de_DE";
        QTest::newRow("zh_SG") << QByteArray("zh_SG") << "en_US";
    }
    // clang-format on
    void localeFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("Locale")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        QCOMPARE(vignetta::app::selectInterfaceLocale(QStringLiteral("de_DE"), dir.path()),
                 expected);
    }

    void noOrUnreadableLocaleFile()
    {
        QTemporaryDir dir;
        QCOMPARE(vignetta::app::selectInterfaceLocale(QStringLiteral("it_IT"), dir.path()),
                 QStringLiteral("it_IT"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Locale"))); // a folder cannot be read
        QCOMPARE(vignetta::app::selectInterfaceLocale(QStringLiteral("it_IT"), dir.path()),
                 QStringLiteral("it_IT"));
        QCOMPARE(vignetta::app::selectInterfaceLocale(QStringLiteral("zh_SG"), QString(),
                                                      LocaleAliases::WithSingaporeAsCn),
                 QStringLiteral("zh_CN"));
        // A pipe named Locale is no file either; opening it would wait for a writer for ever.
        QTemporaryDir other;
        const QByteArray pipe = QFile::encodeName(other.filePath(QStringLiteral("Locale")));
        QCOMPARE(::mkfifo(pipe.constData(), 0600), 0);
        QCOMPARE(vignetta::app::selectInterfaceLocale(QStringLiteral("it_IT"), other.path()),
                 QStringLiteral("it_IT"));
    }

    void everyResultHasACatalogue()
    {
        for (const char *name :
             {"zh_TW", "zh_CN", "ko", "ar", "fr", "de", "es", "it", "pt", "ru"}) {
            const QString catalogue = vignetta::app::catalogueNameFor(QString::fromLatin1(name));
            QVERIFY2(QFile::exists(QStringLiteral(":/translations/") + catalogue +
                                   QStringLiteral(".qm")),
                     qPrintable(catalogue));
        }
        QVERIFY(QFile::exists(QStringLiteral(":/translations/cocoa.qm")));
    }
};

QTEST_GUILESS_MAIN(TestLocaleSelection)
#include "tst_locale_selection.moc"
