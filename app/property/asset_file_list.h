#pragma once

#include <QAbstractListModel>
#include <QQmlParserStatus>
#include <QFileSystemWatcher>
#include <QTimer>
#include <QVariant>
#include <vector>

#include "assets/asset_listing.h"

namespace vignetta::property {

// The asset files of one project folder as a list model for the image and audio selectors
// (QML type AssetFileList of "Vignetta.Property" 1.0). Row 0 is always "(None)", the choice of
// no asset; then one row per asset, by base name, in the asset order (core/assets). Files whose
// suffix is written in another case than the allowed one are marked with an issue that
// explains the problem.
//
// The list follows its folder: when files come or go it is read again, and `updated()` tells
// the owner to select its current asset again. A folder that is missing, unreadable or not a
// local folder lists only "(None)".
class AssetFileList : public QAbstractListModel, public QQmlParserStatus
{
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)
    // URL of the folder ("file:///.../img/pictures"); a plain local path is taken as well.
    Q_PROPERTY(QString folder READ folder WRITE setFolder NOTIFY folderChanged)
    // Suffixes in the case the engine expects (["png"]); null or empty for every file.
    Q_PROPERTY(QVariant allowedSuffixes READ allowedSuffixes WRITE setAllowedSuffixes NOTIFY
                   allowedSuffixesChanged)
    Q_PROPERTY(int count READ count NOTIFY updated)
    // One array of issues per marked file, in row order; a row's issuesIndex points here. An
    // issue is {title, description, buttons} (no issue of this program has buttons).
    Q_PROPERTY(QVariantList allIssues READ allIssues NOTIFY updated)
    // "listed", "missing", "notAFolder" or "unreadable".
    Q_PROPERTY(QString folderStatus READ folderStatus NOTIFY updated)
    // The folder held more files than one listing looks at; the rest are not shown.
    Q_PROPERTY(bool truncated READ truncated NOTIFY updated)

public:
    enum Role {
        FileNameRole = Qt::UserRole + 1, // "fileName": the name with its suffix, as on disk
        FileBaseNameRole,                // "fileBaseName": the asset's name; "" for "(None)"
        FilePathRole,                    // "filePath": URL of the file, name URL-encoded
        PrefixRole,                      // "prefix": leading '!' and '$' of the base name
        NodeNameRole,                    // "nodeName": base name less prefix and digits
        NumberRole,                      // "number": the trailing digits as a number
        SuffixRole,                      // "suffix": as found on disk
        TargetSuffixRole,                // "targetSuffix": as the allowed list writes it
        HasIssuesRole,                   // "hasIssues": bool, the row is marked
        IssuesIndexRole,                 // "issuesIndex": index in allIssues, -1 when unmarked
        TextRole,                        // "text": what the row shows
    };
    Q_ENUM(Role)

    explicit AssetFileList(QObject *parent = nullptr);

    QString folder() const { return folder_; }
    void setFolder(const QString &folder);
    QVariant allowedSuffixes() const { return allowedSuffixes_; }
    void setAllowedSuffixes(const QVariant &suffixes);
    int count() const { return static_cast<int>(rows_.size()) + 1; }
    QVariantList allIssues() const { return allIssues_; }
    QString folderStatus() const;
    bool truncated() const { return truncated_; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Reads the folder again. The rows are replaced (and updated() raised) even when nothing
    // changed, so that the owner selects its asset again.
    Q_INVOKABLE void refresh();
    // First row whose base name is exactly `name` (0 for ""), or -1.
    Q_INVOKABLE int indexOfBaseName(const QString &name) const;
    // Type-ahead: starting after row `current` and wrapping round, the first row whose text
    // begins with `typed`, both compared in lower case; -1 when no row does.
    Q_INVOKABLE int findNext(const QString &typed, int current) const;
    // The row's roles by name, or an empty map outside the list.
    Q_INVOKABLE QVariantMap get(int row) const;
    // The issues of a row (an empty list for an unmarked row).
    Q_INVOKABLE QVariantList issues(int row) const;

    // Created from QML, the folder is first read once all properties are set.
    void classBegin() override { building_ = true; }
    void componentComplete() override;

    // The local folder a URL names, or an empty string when it names none.
    static QString localFolder(const QString &folderUrl);

signals:
    void folderChanged();
    void allowedSuffixesChanged();
    // The rows were rebuilt.
    void updated();

private:
    void watch(const QString &path);
    void onFolderTouched();
    std::optional<std::vector<std::string>> suffixList() const;
    assets::AssetListing readListing(QString *path) const;
    void apply(const assets::AssetListing &listing, const QString &path, bool always);

    QString folder_;
    QVariant allowedSuffixes_;
    QString folderPath_;
    QStringList folderUrls_; // URL of each row's file, row 1 on
    std::vector<assets::AssetEntry> rows_;
    QVariantList allIssues_;
    std::vector<int> issueIndex_;
    assets::FolderStatus status_ = assets::FolderStatus::Missing;
    bool truncated_ = false;
    QFileSystemWatcher watcher_;
    QTimer settle_;
    bool building_ = false;
};

} // namespace vignetta::property
