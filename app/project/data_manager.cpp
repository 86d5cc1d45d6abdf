#include "project/data_manager.h"

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

bool containsDigit(const QString &name)
{
    for (const QChar c : name) {
        if (c.isDigit())
            return true;
    }
    return false;
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
    if (value.is_null())
        return QJSValue(QJSValue::NullValue);
    // The engine's own JSON parser keeps member order and builds plain script objects.
    QJSValue parse = engine_->globalObject().property("JSON").property("parse");
    return parse.call({QString::fromStdString(json::stringify(value))});
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
    return getObjectValue(system(), member, defaultValue);
}

bool DataManager::setSystemValue(const QString &member, const QJSValue &value)
{
    QJSValue json = engine_->globalObject().property("JSON").property("stringify").call({value});
    if (!json.isString())
        return false;
    const json::ParseResult parsed = json::parseJson(json.toString().toStdString());
    if (!parsed)
        return false;
    if (!project::setObjectValue(database_.mutableTable("system"), member.toStdString(),
                                 parsed.value))
        return false;
    publish("system");
    emit databaseChanged();
    return true;
}

QJSValue DataManager::getObjectValue(const QJSValue &object, const QString &member,
                                     const QJSValue &defaultValue)
{
    if (object.isNull() || object.isUndefined() || member.isEmpty())
        return defaultValue;
    QJSValue node = object;
    for (const QString &name : member.split(QLatin1Char('.'))) {
        if (!node.isObject())
            return defaultValue;
        node = node.property(name);
        if (node.isUndefined())
            return defaultValue;
    }
    return node;
}

bool DataManager::setObjectValue(const QJSValue &object, const QString &member,
                                 const QJSValue &value)
{
    if (!object.isObject() || member.isEmpty())
        return false;
    const QStringList names = member.split(QLatin1Char('.'));
    // Check the path before creating anything, so a refused write leaves the object as it was.
    // An array grows by a write only up to the index limit of member paths: a script engine
    // array may be sparse, but whatever lists or writes it out later walks its whole length.
    auto growsTooFar = [](const QJSValue &node, const QString &name) {
        const long long index = project::memberIndex(name.toStdString());
        return node.isArray() && index > project::maxGrownArrayIndex &&
               index >= node.property(QStringLiteral("length")).toNumber();
    };
    QJSValue probe = object;
    int created = names.size(); // the first step whose container the write creates
    for (int i = 0; i < names.size(); ++i) {
        if (growsTooFar(probe, names[i]))
            return false;
        if (i + 1 == names.size())
            break;
        probe = probe.property(names[i]);
        if (probe.isUndefined() || probe.isNull()) {
            created = i + 1;
            break;
        }
        if (!probe.isObject())
            return false;
    }
    // Containers made by the write start empty: an index into one is past its length.
    for (int i = created; i < names.size(); ++i) {
        if (project::memberIndex(names[i].toStdString()) > project::maxGrownArrayIndex)
            return false;
    }
    QJSValue node = object;
    for (int i = 0; i + 1 < names.size(); ++i) {
        QJSValue next = node.property(names[i]);
        if (next.isUndefined() || next.isNull()) {
            next = containsDigit(names[i + 1]) ? engine_->newArray() : engine_->newObject();
            node.setProperty(names[i], next);
        }
        node = next;
    }
    const QJSValue old = node.property(names.last());
    if (old.strictlyEquals(value))
        return false;
    node.setProperty(names.last(), value);
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
