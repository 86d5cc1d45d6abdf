#pragma once

#include <QJSValue>
#include <QObject>
#include <QStringList>
#include <QVariant>

#include "project/preset_collection.h"

namespace vignetta::presets {

// The preset collections as the preset dialogs see them (QML type "PresetCollections" of
// "Vignetta.Presets" 1.0). A dialog makes one, loads it when it opens and asks it for names,
// blocks, asset lists and checks; the rules live in core/project.
//
// Names reach the lists through categoryNames()/presetNames(), with control characters
// escaped so that a hand-edited file cannot break a row; checks and saving use the names as
// they stand.
class PresetCollections : public QObject
{
    Q_OBJECT
    // The built-in collection unless set: the shipped "Presets" folder, beside the executable
    // in a build tree and in the installation's data folder otherwise (data_folders.h).
    Q_PROPERTY(QString builtInFolder READ builtInFolder WRITE setBuiltInFolder NOTIFY foldersChanged)
    // The user's collection: "Presets" in the per-user data folder unless set.
    Q_PROPERTY(QString userFolder READ userFolder WRITE setUserFolder NOTIFY foldersChanged)
    // What was loaded last: [{name, presets: [name, ...]}, ...] with the names as they stand.
    Q_PROPERTY(QVariantList categories READ categories NOTIFY loaded)
    // Why the last load left something out: one line per file or entry; "" when nothing was.
    Q_PROPERTY(QString loadProblem READ loadProblem NOTIFY loaded)

public:
    // Verdicts of checkNewPreset.
    enum NameVerdict { NameOk = 0, NameIncorrect, CategoryExists, PresetExists };
    Q_ENUM(NameVerdict)

    explicit PresetCollections(QObject *parent = nullptr);

    QString builtInFolder() const { return builtInFolder_; }
    void setBuiltInFolder(const QString &folder);
    QString userFolder() const { return userFolder_; }
    void setUserFolder(const QString &folder);
    QVariantList categories() const;
    QString loadProblem() const { return loadProblem_; }

    // Both collections for the preset selector: the built-in categories, then the user's.
    // False when a collection file could not be used (see loadProblem).
    Q_INVOKABLE bool load();
    // The user's collection alone, for "Add Preset". A missing file is an empty collection;
    // false when the file exists but cannot be used.
    Q_INVOKABLE bool loadUser();

    Q_INVOKABLE QStringList categoryNames() const;
    Q_INVOKABLE QStringList presetNames(int category) const;
    // A copy of the preset's "data" as it stands in the file, or null.
    Q_INVOKABLE QVariant presetBlocks(int category, int preset) const;
    // The folder the preset's files are copied from: the collection its category came from.
    Q_INVOKABLE QString presetFolder(int category) const;

    // {ok, error, assets}: whether the preset's blocks can be inserted (a list of usable
    // blocks within the limits of a scene, naming no file outside the asset folders), and the
    // relative paths of the files they use.
    Q_INVOKABLE QVariant inspectPreset(int category, int preset) const;
    // The same for the blocks of a scene about to be saved as a preset.
    Q_INVOKABLE QVariant inspectBlocks(const QJSValue &blocks) const;

    // Checks the names "Add Preset" was given against the loaded user collection.
    Q_INVOKABLE int checkNewPreset(bool makeNewCategory, const QString &category,
                                   const QString &preset) const;

    // Appends the preset to the collection file (a local-file URL or a path):
    // {ok, error}. The file is read again first; one that cannot be used is left untouched.
    Q_INVOKABLE QVariant savePreset(const QString &fileUrl, bool makeNewCategory,
                                    const QString &category, const QString &preset,
                                    const QJSValue &blocks) const;

    // `text` with control characters shown as "\u" escapes.
    Q_INVOKABLE QString displayText(const QString &text) const;

signals:
    void foldersChanged();
    void loaded();

private:
    QVariant out(const project::Json &value) const;
    const project::PresetEntry *entry(int category, int preset) const;
    QVariant inspect(const project::Json &blocks) const;
    void setLoaded(std::vector<project::PresetCategory> categories,
                   const std::vector<std::string> &problems);

    QString builtInFolder_;
    QString userFolder_;
    std::vector<project::PresetCategory> categories_;
    QString loadProblem_;
};

} // namespace vignetta::presets
