#pragma once

#include "project/database.h"

#include <QHash>
#include <QJSValue>
#include <QObject>

class QJSEngine;

namespace vignetta::project {

// The open project's folder, title and game database for the interface ("DataManager" of the
// module Vignetta.Project). The tables reach QML as script values parsed once per load, so a
// binding such as DataManager.actors[3].name does not convert the table on every read.
// Nothing here ever writes to the project.
class DataManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(
        bool projectOpened READ projectOpened WRITE setProjectOpened NOTIFY projectOpenedChanged)
    Q_PROPERTY(QString projectUrl READ projectUrl WRITE setProjectUrl NOTIFY projectUrlChanged)
    Q_PROPERTY(QString gameTitle READ gameTitle WRITE setGameTitle NOTIFY gameTitleChanged)
    Q_PROPERTY(QString errorFileName READ errorFileName NOTIFY errorFileNameChanged)
    Q_PROPERTY(QJSValue plugins READ plugins NOTIFY pluginsChanged)
    Q_PROPERTY(QJSValue actors READ actors NOTIFY databaseChanged)
    Q_PROPERTY(QJSValue classes READ classes NOTIFY databaseChanged)
    Q_PROPERTY(QJSValue skills READ skills NOTIFY databaseChanged)
    Q_PROPERTY(QJSValue items READ items NOTIFY databaseChanged)
    Q_PROPERTY(QJSValue weapons READ weapons NOTIFY databaseChanged)
    Q_PROPERTY(QJSValue armors READ armors NOTIFY databaseChanged)
    Q_PROPERTY(QJSValue enemies READ enemies NOTIFY databaseChanged)
    Q_PROPERTY(QJSValue troops READ troops NOTIFY databaseChanged)
    Q_PROPERTY(QJSValue states READ states NOTIFY databaseChanged)
    Q_PROPERTY(QJSValue animations READ animations NOTIFY databaseChanged)
    Q_PROPERTY(QJSValue tilesets READ tilesets NOTIFY databaseChanged)
    Q_PROPERTY(QJSValue commonEvents READ commonEvents NOTIFY databaseChanged)
    Q_PROPERTY(QJSValue system READ system NOTIFY databaseChanged)
    Q_PROPERTY(QJSValue mapInfos READ mapInfos NOTIFY databaseChanged)

public:
    explicit DataManager(QJSEngine *engine, QObject *parent = nullptr);

    bool projectOpened() const { return projectOpened_; }
    void setProjectOpened(bool opened);
    QString projectUrl() const { return projectUrl_; }
    void setProjectUrl(const QString &url);
    QString gameTitle() const { return gameTitle_; }
    void setGameTitle(const QString &title);
    QString errorFileName() const { return errorFileName_; }
    QJSValue plugins() const { return plugins_; }

    QJSValue actors() const { return published("actors"); }
    QJSValue classes() const { return published("classes"); }
    QJSValue skills() const { return published("skills"); }
    QJSValue items() const { return published("items"); }
    QJSValue weapons() const { return published("weapons"); }
    QJSValue armors() const { return published("armors"); }
    QJSValue enemies() const { return published("enemies"); }
    QJSValue troops() const { return published("troops"); }
    QJSValue states() const { return published("states"); }
    QJSValue animations() const { return published("animations"); }
    QJSValue tilesets() const { return published("tilesets"); }
    QJSValue commonEvents() const { return published("commonEvents"); }
    QJSValue system() const { return published("system"); }
    QJSValue mapInfos() const { return published("mapInfos"); }

    // Clears, then loads the fourteen tables from projectUrl + "data/". False at the first file
    // that fails, named in errorFileName.
    Q_INVOKABLE bool loadDatabase();
    // Reads projectUrl + "js/plugins.js" into plugins; false (errorFileName "plugins.js") when
    // no list can be read from it.
    Q_INVOKABLE bool loadPlugins();
    // One parsed file of the "data" folder, or null when it cannot be read or parsed.
    Q_INVOKABLE QJSValue loadDataFile(const QString &fileName);
    Q_INVOKABLE QString makeDataFileUrl(const QString &fileName) const;
    Q_INVOKABLE void clearAll();
    Q_INVOKABLE void updateGameTitle();

    Q_INVOKABLE QJSValue getSystemValue(const QString &member,
                                        const QJSValue &defaultValue = QJSValue());
    Q_INVOKABLE bool setSystemValue(const QString &member, const QJSValue &value);
    // Dotted-path access to any script object (see member_path.h for the rules).
    Q_INVOKABLE QJSValue getObjectValue(const QJSValue &object, const QString &member,
                                        const QJSValue &defaultValue = QJSValue());
    Q_INVOKABLE bool setObjectValue(const QJSValue &object, const QString &member,
                                    const QJSValue &value);

    Q_INVOKABLE QString actorName(int id) const;
    Q_INVOKABLE bool isBigCharacter(const QString &imageName) const;

    const project::Database &database() const { return database_; }

signals:
    void projectOpenedChanged();
    void projectUrlChanged();
    void gameTitleChanged();
    void errorFileNameChanged();
    void pluginsChanged();
    void databaseChanged();

private:
    QJSValue published(const char *member) const;
    void publish(const char *member);
    void publishAll();
    void setErrorFileName(const QString &name);
    QJSValue toScript(const project::Json &value) const;
    // The value at `member` in `object` (see member_path.h), or `defaultValue` when missing.
    QJSValue valueAt(const project::Json &object, const QString &member,
                     const QJSValue &defaultValue) const;
    // Reads a URL (file:, qrc: or a plain path) as bytes; nothing when it cannot be opened.
    static std::optional<std::string> readUrl(const QString &url);

    QJSEngine *engine_;
    project::Database database_;
    QHash<QString, QJSValue> tables_;
    QJSValue plugins_;
    bool projectOpened_ = false;
    QString projectUrl_;
    QString gameTitle_;
    QString errorFileName_;
};

} // namespace vignetta::project
