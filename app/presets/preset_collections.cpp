#include "presets/preset_collections.h"

#include <QDir>
#include <QFile>
#include <QJSEngine>
#include <QStandardPaths>

#include "bridge/json_qt.h"
#include "data_folders.h"
#include "common/printable.h"
#include "project/preset_assets.h"
#include "scene/scene_file.h"
#include "services/file_services.h"

namespace vignetta::presets {

namespace {

using project::Json;

std::filesystem::path toFsPath(const QString &pathOrUrl)
{
    return std::filesystem::path(
        QFile::encodeName(files::localPathOfPathOrUrl(pathOrUrl)).toStdString());
}

QString escaped(const std::string &text)
{
    return QString::fromStdString(common::printable(text));
}

QVariantMap verdict(bool ok, const QString &error, const QStringList &assets = {})
{
    return {{QStringLiteral("ok"), ok}, {QStringLiteral("error"), error},
            {QStringLiteral("assets"), assets}};
}

} // namespace

PresetCollections::PresetCollections(QObject *parent)
    : QObject(parent),
      builtInFolder_(app::applicationDataFolder(QStringLiteral("Presets"))),
      userFolder_(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                  QStringLiteral("/Presets"))
{
}

void PresetCollections::setBuiltInFolder(const QString &folder)
{
    if (folder == builtInFolder_)
        return;
    builtInFolder_ = folder;
    emit foldersChanged();
}

void PresetCollections::setUserFolder(const QString &folder)
{
    if (folder == userFolder_)
        return;
    userFolder_ = folder;
    emit foldersChanged();
}

QVariantList PresetCollections::categories() const
{
    QVariantList out;
    for (const auto &category : categories_) {
        QStringList presets;
        for (const auto &preset : category.presets)
            presets.append(QString::fromStdString(preset.name));
        out.append(QVariantMap{{QStringLiteral("name"), QString::fromStdString(category.name)},
                               {QStringLiteral("presets"), presets}});
    }
    return out;
}

void PresetCollections::setLoaded(std::vector<project::PresetCategory> categories,
                                  const std::vector<std::string> &problems)
{
    categories_ = std::move(categories);
    QStringList lines;
    for (const auto &line : problems)
        lines.append(QString::fromStdString(line));
    loadProblem_ = lines.join(QLatin1Char('\n'));
    emit loaded();
}

bool PresetCollections::load()
{
    project::PresetLibrary library =
        project::loadPresetLibrary(toFsPath(builtInFolder_), toFsPath(userFolder_));
    setLoaded(std::move(library.categories), library.problems);
    return !library.failed;
}

bool PresetCollections::loadUser()
{
    project::CollectionReadResult read =
        project::readPresetCollection(toFsPath(userFolder_) / project::kCollectionFileName);
    if (!read) {
        setLoaded({}, read.missing ? std::vector<std::string>() : std::vector{read.error});
        return read.missing;
    }
    for (auto &category : read.categories)
        category.source = project::PresetSource::User;
    setLoaded(std::move(read.categories), read.skipped);
    return true;
}

QStringList PresetCollections::categoryNames() const
{
    QStringList names;
    for (const auto &category : categories_)
        names.append(escaped(category.name));
    return names;
}

QStringList PresetCollections::presetNames(int category) const
{
    QStringList names;
    if (category >= 0 && category < int(categories_.size())) {
        for (const auto &preset : categories_[std::size_t(category)].presets)
            names.append(escaped(preset.name));
    }
    return names;
}

const project::PresetEntry *PresetCollections::entry(int category, int preset) const
{
    if (category < 0 || category >= int(categories_.size()))
        return nullptr;
    const auto &presets = categories_[std::size_t(category)].presets;
    if (preset < 0 || preset >= int(presets.size()))
        return nullptr;
    return &presets[std::size_t(preset)];
}

QVariant PresetCollections::out(const Json &value) const
{
    if (QJSEngine *engine = qjsEngine(this))
        return QVariant::fromValue(bridge::toJSValue(*engine, value));
    return bridge::toVariant(value);
}

QVariant PresetCollections::presetBlocks(int category, int preset) const
{
    const project::PresetEntry *found = entry(category, preset);
    return found ? out(found->data) : QVariant();
}

QString PresetCollections::presetFolder(int category) const
{
    if (category < 0 || category >= int(categories_.size()))
        return QString();
    return categories_[std::size_t(category)].source == project::PresetSource::BuiltIn
               ? builtInFolder_
               : userFolder_;
}

QVariant PresetCollections::inspect(const Json &blocks) const
{
    const scene::SceneReadResult read = scene::readSceneValue(blocks);
    if (!read)
        return verdict(false, escaped(read.error));
    const project::AssetListResult list = project::listAssetsInUse(read.blocks);
    if (!list)
        return verdict(false, QString::fromStdString(list.error));
    QStringList assets;
    for (const auto &path : list.paths)
        assets.append(QString::fromStdString(path));
    return verdict(true, QString(), assets);
}

QVariant PresetCollections::inspectPreset(int category, int preset) const
{
    const project::PresetEntry *found = entry(category, preset);
    if (!found)
        return verdict(false, QStringLiteral("no such preset"));
    return inspect(found->data);
}

QVariant PresetCollections::inspectBlocks(const QJSValue &blocks) const
{
    return inspect(bridge::fromJSValue(blocks));
}

int PresetCollections::checkNewPreset(bool makeNewCategory, const QString &category,
                                      const QString &preset) const
{
    std::vector<project::PresetCategory> user;
    for (const auto &c : categories_) {
        if (c.source == project::PresetSource::User)
            user.push_back(c);
    }
    switch (project::checkNewPresetNames(user, makeNewCategory, category.toStdString(),
                                         preset.toStdString())) {
    case project::PresetNameVerdict::Ok:
        return NameOk;
    case project::PresetNameVerdict::Incorrect:
        return NameIncorrect;
    case project::PresetNameVerdict::CategoryExists:
        return CategoryExists;
    case project::PresetNameVerdict::PresetExists:
        return PresetExists;
    }
    return NameIncorrect;
}

QVariant PresetCollections::savePreset(const QString &fileUrl, bool makeNewCategory,
                                       const QString &category, const QString &preset,
                                       const QJSValue &blocks) const
{
    const std::filesystem::path file = toFsPath(fileUrl);
    if (file.empty())
        return verdict(false, QStringLiteral("no collection file given"));
    const project::PresetSaveResult result =
        project::savePresetToCollection(file, makeNewCategory, category.toStdString(),
                                        preset.toStdString(), bridge::fromJSValue(blocks));
    QVariantMap map = verdict(bool(result), QString::fromStdString(result.error));
    map.insert(QStringLiteral("noSuchCategory"),
               result.status == project::PresetSaveStatus::NoSuchCategory);
    return map;
}

QString PresetCollections::displayText(const QString &text) const
{
    return escaped(text.toStdString());
}

} // namespace vignetta::presets
