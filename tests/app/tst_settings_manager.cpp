#include "qml_registration.h"

#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// The program's settings singleton against a real per-user store in a temporary folder.
class TestSettingsManager : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        QCoreApplication::setOrganizationName("VignettaTests");
        QCoreApplication::setOrganizationDomain("tests.invalid");
        QCoreApplication::setApplicationName("SettingsManagerTest");
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
        vignetta::app::registerQmlTypes();
    }

    void init() { QSettings().clear(); }

    void firstStartUsesDefaultsAndWritesNothing()
    {
        QCOMPARE(
            evaluate(
                "[Vig.SettingsManager.storage.checkerboardRed, "
                "Vig.SettingsManager.storage.checkerboardGreen, "
                "Vig.SettingsManager.storage.checkerboardBlue, "
                "Vig.SettingsManager.storage.themeName, FC.ThemeManager.currentTheme.name].join()")
                .toString(),
            QString("255,255,255,default,default"));
        QVERIFY(QSettings().allKeys().isEmpty());
        // Assigning the value a key already has is no change either.
        evaluate("(Vig.SettingsManager.storage.checkerboardRed = 255, "
                 "Vig.SettingsManager.storage.themeName = 'default')");
        QVERIFY(QSettings().allKeys().isEmpty());
    }

    void storedThemeAppliesAtCreation()
    {
        QSettings().setValue("themeName", "highContrastBlack");
        QSettings().sync();
        // Singletons are created on first use; the main window touches the settings at start.
        QCOMPARE(evaluate("(Vig.SettingsManager.storage, FC.ThemeManager.currentTheme.name + ',' "
                          "+ Vig.ThemeManager.currentTheme.isDarkMode)")
                     .toString(),
                 QString("highContrastBlack,true"));
        // Keys missing from the store stay missing, and the keys that are there are kept: the
        // theme stays, and so does a stored colour after a missing one.
        QSettings s;
        QCOMPARE(s.value("themeName").toString(), QString("highContrastBlack"));
        QVERIFY(!s.contains("checkerboardRed"));

        s.clear();
        s.setValue("checkerboardGreen", 0);
        s.setValue("themeName", "dark");
        s.sync();
        QCOMPARE(evaluate("[Vig.SettingsManager.storage.checkerboardGreen, "
                          "Vig.SettingsManager.storage.themeName].join()")
                     .toString(),
                 QString("0,dark"));
        s.sync();
        QCOMPARE(s.value("checkerboardGreen").toInt(), 0);
        QCOMPARE(s.value("themeName").toString(), QString("dark"));
        QVERIFY(!s.contains("checkerboardBlue"));
    }

    // Colours outside 0-255 are clamped to the nearest end; what is no number at all takes the
    // default.
    void badStoredValuesAreClampedOrFallBack()
    {
        {
            QSettings s;
            s.setValue("checkerboardRed", "abc");
            s.setValue("checkerboardGreen", 300);
            s.setValue("checkerboardBlue", -40);
            s.setValue("themeName", QStringList{"dark", "x"});
        }
        QCOMPARE(evaluate("[Vig.SettingsManager.storage.checkerboardRed, "
                          "Vig.SettingsManager.storage.checkerboardGreen, "
                          "Vig.SettingsManager.storage.checkerboardBlue, "
                          "Vig.SettingsManager.storage.themeName].join()")
                     .toString(),
                 QString("255,255,0,default"));
        // The store is healed, so other readers see usable values too.
        QSettings s;
        QCOMPARE(s.value("checkerboardRed").toInt(), 255);
        QCOMPARE(s.value("checkerboardBlue").toInt(), 0);
        QCOMPARE(s.value("themeName").toString(), QString("default"));

        // Text that holds a number is that number; a fraction is rounded.
        s.setValue("checkerboardRed", " 34 ");
        s.setValue("checkerboardBlue", "-0.4");
        s.sync();
        QCOMPARE(evaluate("[Vig.SettingsManager.storage.checkerboardRed, "
                          "Vig.SettingsManager.storage.checkerboardBlue].join()")
                     .toString(),
                 QString("34,0"));

        // An unknown theme name is kept but shows the default theme.
        s.setValue("themeName", "sepia");
        s.sync();
        QCOMPARE(
            evaluate(
                "Vig.SettingsManager.storage.themeName + ',' + FC.ThemeManager.currentTheme.name")
                .toString(),
            QString("sepia,default"));
    }

    void changesAreStored()
    {
        evaluate(
            "(Vig.SettingsManager.storage.checkerboardRed = 0, "
            "Vig.SettingsManager.storage.themeName = 'dark', FC.ThemeManager.currentTheme.name)");
        QSettings s;
        QCOMPARE(s.value("checkerboardRed").toInt(), 0);
        QCOMPARE(s.value("themeName").toString(), QString("dark"));
        QCOMPARE(evaluate("Vig.SettingsManager.storage.checkerboardRed + ',' + "
                          "FC.ThemeManager.currentTheme.name")
                     .toString(),
                 QString("0,dark"));
    }

private:
    // Evaluates an expression in a fresh engine whose document imports the settings singleton.
    QVariant evaluate(const QString &expression)
    {
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(QStringLiteral("import QtQuick 2.15\n"
                                         "import \"qrc:/qml/Singletons\" as Vig\n"
                                         "import \"qrc:/qml/Controls\" as Vig\n"
                                         "import \"qrc:/components_fc/qml/BasicControls\" as FC\n"
                                         "QtObject { function run() { return %1 } }\n")
                              .arg(expression)
                              .toUtf8(),
                          QUrl(QStringLiteral("qrc:/tests/settings_probe.qml")));
        QObject *object = component.create();
        if (!object) {
            qWarning() << component.errorString();
            return QVariant();
        }
        QVariant result;
        QMetaObject::invokeMethod(object, "run", Q_RETURN_ARG(QVariant, result));
        delete object;
        QSettings().sync();
        return result;
    }

    QTemporaryDir dir_;
};

QTEST_MAIN(TestSettingsManager)
#include "tst_settings_manager.moc"
