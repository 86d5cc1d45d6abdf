#include "project/data_manager.h"
#include "project/database.h"

#include <QDir>
#include <QFile>
#include <QJSEngine>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <sys/stat.h>

using vignetta::project::DataManager;

// DataManager on project folders written to a temporary directory.
class TestDataManager : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        // A folder with a space and non-ASCII letters, as users' project folders often have.
        dir_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/Mein Spiel é-XXXXXX");
        QVERIFY(dir_->isValid());
        for (const auto &t : vignetta::project::databaseTables())
            write(QString("data/") + t.file, "[null,{\"id\":1}]");
        write("data/Actors.json", R"([null,{"id":1,"name":"Mara"}])");
        write("data/System.json", "\xEF\xBB\xBF"
                                  R"({"gameTitle":"Salt Road","currencyUnit":"G"})");
        write("js/plugins.js",
              "// header\r\nvar $plugins =\r\n[\r\n{\"name\":\"A\",\"status\":true}\r\n];\r\n");
    }

    void loadsAProject()
    {
        DataManager dm(&engine_);
        QSignalSpy published(&dm, &DataManager::databaseChanged);
        dm.setProjectUrl(projectUrl());
        QVERIFY(
            QUrl(dm.makeDataFileUrl("System.json")).toLocalFile().endsWith("/data/System.json"));
        QVERIFY(dm.loadDatabase());
        QVERIFY(published.count() >= 1);
        QCOMPARE(dm.errorFileName(), QString());
        QCOMPARE(dm.actors().property(1).property("name").toString(), QString("Mara"));
        QCOMPARE(dm.actorName(1), QString("Mara"));
        QCOMPARE(dm.actorName(7), QString());
        QVERIFY(dm.mapInfos().isArray());
        QCOMPARE(dm.gameTitle(), QString());
        dm.updateGameTitle();
        QCOMPARE(dm.gameTitle(), QString("Salt Road"));
        QCOMPARE(dm.loadDataFile("Actors.json").property("length").toInt(), 2);
        QVERIFY(dm.loadDataFile("Nope.json").isNull());
    }

    void failedLoadNamesTheFile()
    {
        DataManager dm(&engine_);
        dm.setProjectUrl(projectUrl());
        QVERIFY(dm.loadDatabase());

        // (Which texts count as failures is the loader's business; see the core tests.)
        const QList<QPair<QString, QByteArray>> cases = {
            {"Troops.json", QByteArray()}, // missing
            {"Items.json", "null"},
        };
        for (const auto &c : cases) {
            init();
            dm.setProjectUrl(projectUrl());
            if (c.second.isNull())
                QVERIFY(QFile::remove(dir_->filePath("data/" + c.first)));
            else
                write("data/" + c.first, c.second);
            QVERIFY2(!dm.loadDatabase(), qPrintable(c.first));
            QCOMPARE(dm.errorFileName(), c.first);
            // Nothing of a failed load is published to the views.
            QVERIFY(dm.system().isNull());
            QVERIFY(dm.actors().isNull());
            dm.updateGameTitle();
            QCOMPARE(dm.gameTitle(), QString());
        }
        dm.clearAll();
        QCOMPARE(dm.errorFileName(), QString());

        // Without a project folder nothing is read, not even files beside the working directory.
        QDir::setCurrent(dir_->path());
        dm.setProjectUrl(QString());
        QVERIFY(!dm.loadDatabase());
        QCOMPARE(dm.errorFileName(), QString("Actors.json"));
    }

    void filesThatBlockOrNeverEndAreRefused()
    {
        // A pipe would hold the editor in open() until something wrote to it, /dev/zero would
        // fill the memory, and nesting this deep would exhaust the stack of a recursive walk.
        DataManager dm(&engine_);
        dm.setProjectUrl(projectUrl());
        const QString classes = dir_->filePath("data/Classes.json");
        QVERIFY(QFile::remove(classes));
        QCOMPARE(::mkfifo(QFile::encodeName(classes).constData(), 0600), 0);
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("Classes.json is not a regular file"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Unable to load Classes.json"));
        QVERIFY(!dm.loadDatabase());
        QCOMPARE(dm.errorFileName(), QString("Classes.json"));

        init();
        dm.setProjectUrl(projectUrl());
        write("data/System.json", QByteArray(100000, '[') + QByteArray(100000, ']'));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("System.json: nesting deeper"));
        QVERIFY(!dm.loadDatabase());
        QCOMPARE(dm.errorFileName(), QString("System.json"));

        const QString plugins = dir_->filePath("js/plugins.js");
        QVERIFY(QFile::remove(plugins));
        QVERIFY(QFile::link("/dev/zero", plugins));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("plugins.js is not a regular file"));
        QVERIFY(!dm.loadPlugins());
        QCOMPARE(dm.errorFileName(), QString("plugins.js"));
    }

    void pluginList()
    {
        DataManager dm(&engine_);
        dm.setProjectUrl(projectUrl());
        QVERIFY(dm.loadPlugins());
        QCOMPARE(dm.plugins().property("length").toInt(), 1);
        QCOMPARE(dm.plugins().property(0).property("name").toString(), QString("A"));

        for (const QByteArray &bad : {QByteArray("// only comments\nvar $plugins =\n"),
                                      QByteArray("var $plugins =\n[\n{\"name\":\n];\n")}) {
            write("js/plugins.js", bad);
            QVERIFY(!dm.loadPlugins());
            QCOMPARE(dm.errorFileName(), QString("plugins.js"));
        }
        QVERIFY(QFile::remove(dir_->filePath("js/plugins.js")));
        dm.clearAll();
        QVERIFY(!dm.loadPlugins());
        QCOMPARE(dm.errorFileName(), QString("plugins.js"));
    }

    void memberPathsOnScriptObjects()
    {
        DataManager dm(&engine_);
        QJSValue block = engine_.evaluate("({ start: { x: 0, y: null }, name: 'a', n: 4 })");

        QCOMPARE(dm.getObjectValue(block, "start.x", 5).toInt(), 0);
        QVERIFY(dm.getObjectValue(block, "start.y", 5).isNull());
        QCOMPARE(dm.getObjectValue(block, "start.z", 5).toInt(), 5);
        QCOMPARE(dm.getObjectValue(block, "missing.x", 5).toInt(), 5);
        QCOMPARE(dm.getObjectValue(block, "n.x", 5).toInt(), 5);
        QCOMPARE(dm.getObjectValue(block, "", 5).toInt(), 5);
        QCOMPARE(dm.getObjectValue(QJSValue(QJSValue::NullValue), "a", 5).toInt(), 5);

        // Writes go into the caller's object itself.
        QVERIFY(dm.setObjectValue(block, "start.x", 12));
        QCOMPARE(block.property("start").property("x").toInt(), 12);
        QVERIFY(!dm.setObjectValue(block, "start.x", 12));
        QVERIFY(dm.setObjectValue(block, "list.0", 7));
        QVERIFY(block.property("list").isArray());
        QCOMPARE(block.property("list").property(0).toInt(), 7);
        QVERIFY(!dm.setObjectValue(block, "list.0", 7));
        QVERIFY(dm.setObjectValue(block, "end.pos.x", "1"));
        QVERIFY(!block.property("end").isArray());
        QVERIFY(dm.setObjectValue(block, "start.y.k", true)); // a null step becomes an object
        QCOMPARE(block.property("start").property("y").property("k").toBool(), true);

        // An index may not stretch an array to a billion entries, new or old.
        QJSValue system = engine_.evaluate("({ switches: [null, false, true] })");
        QVERIFY(!dm.setObjectValue(system, "switches.999999999", true));
        QVERIFY(!dm.setObjectValue(system, "variables.999999999", 1));
        QVERIFY(!dm.setObjectValue(system, "more.999999999.x", 1));
        QCOMPARE(system.property("switches").property("length").toInt(), 3);
        QVERIFY(system.property("variables").isUndefined());
        QVERIFY(system.property("more").isUndefined());
        QVERIFY(dm.setObjectValue(system, "switches.65535", true));
        QCOMPARE(system.property("switches").property("length").toInt(), 65536);

        // A plain value on the way cannot hold members: refused, nothing created.
        QVERIFY(!dm.setObjectValue(block, "name.deep.x", 1));
        QVERIFY(!dm.setObjectValue(block, "n.x", 1));
        QCOMPARE(block.property("name").toString(), QString("a"));
        QVERIFY(!dm.setObjectValue(QJSValue(QJSValue::NullValue), "a", 1));
        QVERIFY(!dm.setObjectValue(block, "", 1));

        // Inside an array only indices name members: a name such as "length" or "01" is
        // neither read nor written (a named property of an array would be lost with the
        // next save).
        QCOMPARE(dm.getObjectValue(block, "list.length", 5).toInt(), 5);
        QCOMPARE(dm.getObjectValue(block, "list.01", 5).toInt(), 5);
        QCOMPARE(dm.getObjectValue(block, "list.0", 5).toInt(), 7);
        QVERIFY(!dm.setObjectValue(block, "list.name", 1));
        QVERIFY(!dm.setObjectValue(block, "list.01", 1));
        QVERIFY(!dm.setObjectValue(block, "list.length", 0));
        QCOMPARE(block.property("list").property("length").toInt(), 1);
        QVERIFY(block.property("list").property("name").isUndefined());
        // Values JSON cannot hold are no data: a function on the way counts as missing, and
        // undefined is never written.
        QJSValue holder = engine_.evaluate("({ f: function() {}, k: 1 })");
        QCOMPARE(dm.getObjectValue(holder, "f", 5).toInt(), 5);
        QVERIFY(!dm.setObjectValue(holder, "k", QJSValue()));
        QCOMPARE(holder.property("k").toInt(), 1);
        QVERIFY(dm.setObjectValue(holder, "f.x", 2));
        QCOMPARE(holder.property("f").property("x").toInt(), 2);
        QVERIFY(!holder.property("f").isCallable());

        QVERIFY(dm.isBigCharacter("!$Gate"));
        QVERIFY(!dm.isBigCharacter("Gate$"));
    }

    void systemValues()
    {
        DataManager dm(&engine_);
        dm.setProjectUrl(projectUrl());
        QVERIFY(dm.loadDatabase());
        QCOMPARE(dm.getSystemValue("currencyUnit", "?").toString(), QString("G"));
        QCOMPARE(dm.getSystemValue("nothing.here", "?").toString(), QString("?"));
        QSignalSpy published(&dm, &DataManager::databaseChanged);
        QVERIFY(dm.setSystemValue("sounds.0.name", engine_.toScriptValue(QString("Cursor"))));
        QCOMPARE(published.count(), 1);
        QVERIFY(dm.system().property("sounds").isArray());
        QCOMPARE(dm.getSystemValue("sounds.0.name").toString(), QString("Cursor"));
        QVERIFY(!dm.setSystemValue("sounds.0.name", engine_.toScriptValue(QString("Cursor"))));
        QVERIFY(!dm.setSystemValue("gameTitle.x", 1));
        // The backup taken at load time keeps the loaded state.
        QVERIFY(!dm.database().backup()["system"].contains("sounds"));
    }

private:
    void write(const QString &relative, const QByteArray &bytes)
    {
        const QString path = dir_->filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QString projectUrl() const { return QUrl::fromLocalFile(dir_->path()).toString() + "/"; }

    std::unique_ptr<QTemporaryDir> dir_;
    QJSEngine engine_;
};

QTEST_GUILESS_MAIN(TestDataManager)
#include "tst_data_manager.moc"
