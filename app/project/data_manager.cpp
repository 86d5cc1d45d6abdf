#include "project/data_manager.h"

#include "bridge/json_qt.h"
#include "common/file_read.h"
#include "printable_text.h"
#include "project/character_sheet.h"
#include "project/member_path.h"
#include "project/plugin_list.h"
#include "json/js_json.h"

#include <QDir>
#include <QFile>
#include <QJSEngine>
#include <QUrl>

namespace vignetta::project {

namespace {

// A script value that JSON cannot hold (undefined, a function, a wrapped object) is no data:
// a path step holding one counts as missing, and such a value is never written.
bool vacant(const QJSValue &value)
{
    return value.isUndefined() || value.isNull() || value.isCallable() || value.isQObject();
}

} // namespace

DataManager::DataManager(QJSEngine *engine, QObject *parent)
    : QObject(parent), engine_(engine), plugins_(engine->newArray())
{
    publishAll();
}

void DataManager::setProjectOpened(bool opened)
{
    if (projectOpened_ == opened)
        return;
    projectOpened_ = opened;
    emit projectOpenedChanged();
}

void DataManager::setProjectUrl(const QString &url)
{
    if (projectUrl_ == url)
        return;
    projectUrl_ = url;
    emit projectUrlChanged();
}

void DataManager::setGameTitle(const QString &title)
{
    if (gameTitle_ == title)
        return;
    gameTitle_ = title;
    emit gameTitleChanged();
}

void DataManager::setErrorFileName(const QString &name)
{
    if (errorFileName_ == name)
        return;
    errorFileName_ = name;
    emit errorFileNameChanged();
}

QJSValue DataManager::toScript(const project::Json &value) const
{
    return bridge::toJSValue(*engine_, value);
}

QJSValue DataManager::published(const char *member) const
{
    return tables_.value(QString::fromLatin1(member), QJSValue(QJSValue::NullValue));
}

void DataManager::publish(const char *member)
{
    tables_.insert(QString::fromLatin1(member), toScript(database_.table(member)));
}

void DataManager::publishAll()
{
    for (const auto &t : project::databaseTables())
        publish(t.member);
    emit databaseChanged();
}

std::optional<std::string> DataManager::readUrl(const QString &url)
{
    const QUrl u(url);
    QString path;
    if (u.scheme() == QLatin1String("qrc"))
        path = QLatin1Char(':') + u.path();
    else if (u.isLocalFile())
        path = u.toLocalFile();
    else if (url.startsWith(QLatin1Char(':')) ||
             (u.scheme().isEmpty() && QDir::isAbsolutePath(url)))
        path = url; // a resource or an absolute path; a relative one (no project) reads nothing
    else if (u.scheme().size() == 1) // a Windows drive letter read as a scheme
        path = url;
    else
        return std::nullopt;
    if (path.startsWith(QLatin1Char(':'))) { // a resource: part of the program itself
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || file.size() > qint64(files::maxDataFileBytes))
            return std::nullopt;
        const QByteArray bytes = file.readAll();
        return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
    }
    // Only a regular file of bounded size: a pipe would block the editor, a device would
    // never end.
    files::FileReadResult read =
        files::readRegularFile(QFile::encodeName(path).toStdString(), files::maxDataFileBytes);
    if (!read) {
        if (read.failure != files::ReadFailure::Missing)
            qWarning("%s %s", qPrintable(app::printableText(QDir::toNativeSeparators(path))),
                     read.error.c_str());
        return std::nullopt;
    }
    return std::move(read.bytes);
}

bool DataManager::loadDatabase()
{
    clearAll();
    const bool ok = database_.load([this](const std::string &file) {
        return readUrl(makeDataFileUrl(QString::fromStdString(file)));
    });
    if (!ok) {
        setErrorFileName(QString::fromStdString(database_.errorFileName()));
        qWarning("Unable to load %s", database_.errorMessage().c_str());
        return false;
    }
    publishAll();
    return true;
}

bool DataManager::loadPlugins()
{
    const std::string text =
        readUrl(projectUrl_ + QStringLiteral("js/plugins.js")).value_or(std::string());
    std::string error;
    const auto list = project::parsePluginScript(text, &error);
    if (!list) {
        if (!text.empty())
            qWarning("plugins.js: %s", error.c_str());
        setErrorFileName(QStringLiteral("plugins.js"));
        return false;
    }
    plugins_ = toScript(*list);
    emit pluginsChanged();
    return true;
}

QJSValue DataManager::loadDataFile(const QString &fileName)
{
    const auto text = readUrl(makeDataFileUrl(fileName));
    std::string error;
    const auto value = text ? project::parseDataFile(*text, &error) : std::nullopt;
    if (!value) {
        if (text)
            qWarning("%s: %s", qPrintable(app::printableText(fileName)), error.c_str());
        return QJSValue(QJSValue::NullValue);
    }
    return toScript(*value);
}

QString DataManager::makeDataFileUrl(const QString &fileName) const
{
    return projectUrl_ + QStringLiteral("data/") + fileName;
}

void DataManager::clearAll()
{
    database_.clear();
    publishAll();
    plugins_ = engine_->newArray();
    emit pluginsChanged();
    setErrorFileName(QString());
}

void DataManager::updateGameTitle()
{
    setGameTitle(QString::fromStdString(database_.gameTitle()));
}

QJSValue DataManager::getSystemValue(const QString &member, const QJSValue &defaultValue)
{
    return valueAt(database_.table("system"), member, defaultValue);
}

bool DataManager::setSystemValue(const QString &member, const QJSValue &value)
{
    if (value.isUndefined() || value.isCallable())
        return false;
    if (!project::setObjectValue(database_.mutableTable("system"), member.toStdString(),
                                 bridge::fromJSValue(value)))
        return false;
    publish("system");
    emit databaseChanged();
    return true;
}

QJSValue DataManager::valueAt(const project::Json &object, const QString &member,
                              const QJSValue &defaultValue) const
{
    const project::Json missing(project::Json::value_t::discarded);
    const project::Json found = project::getObjectValue(object, member.toStdString(), missing);
    return found.is_discarded() ? defaultValue : toScript(found);
}

QJSValue DataManager::getObjectValue(const QJSValue &object, const QString &member,
                                     const QJSValue &defaultValue)
{
    if (!object.isObject())
        return defaultValue;
    return valueAt(bridge::fromJSValue(object), member, defaultValue);
}

bool DataManager::setObjectValue(const QJSValue &object, const QString &member,
                                 const QJSValue &value)
{
    if (!object.isObject() || member.isEmpty() || value.isUndefined() || value.isCallable())
        return false;
    // Whether the write may happen, and whether it changes anything, is decided on the
    // object's JSON form by the one member-path rule; then the same steps are taken in the
    // caller's object itself, which sees the write.
    const std::string path = member.toStdString();
    project::Json copy = bridge::fromJSValue(object);
    if (!project::setObjectValue(copy, path, bridge::fromJSValue(value)))
        return false;
    const std::vector<std::string> names = project::splitMemberPath(path);
    QJSValue node = object;
    for (std::size_t i = 0; i + 1 < names.size(); ++i) {
        const QString name = QString::fromStdString(names[i]);
        QJSValue next = node.property(name);
        if (vacant(next)) {
            next = project::stepNeedsArray(names[i + 1]) ? engine_->newArray()
                                                         : engine_->newObject();
            node.setProperty(name, next);
        }
        node = next;
    }
    node.setProperty(QString::fromStdString(names.back()), value);
    return true;
}

QString DataManager::actorName(int id) const
{
    return QString::fromStdString(database_.actorName(id));
}

bool DataManager::isBigCharacter(const QString &imageName) const
{
    return project::isBigCharacter(imageName.toStdString());
}

} // namespace vignetta::project
