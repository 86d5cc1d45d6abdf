#include "property/asset_file_list.h"

#include <QDebug>
#include <QDir>
#include <QJSValue>
#include <QUrl>

namespace vignetta::property {

namespace {

QVariantMap caseIssue(const QString &found, const QString &expected)
{
    return {
        {QStringLiteral("title"), AssetFileList::tr("File Extension Name")},
        {QStringLiteral("description"),
         AssetFileList::tr("File names should end with \u201c.%1\u201d instead of \u201c.%2\u201d. "
                           "Otherwise your game may not run correctly in case-sensitive "
                           "environments, such as Linux web hosting services.")
             .arg(expected, found)},
        {QStringLiteral("buttons"), QVariantList()},
    };
}

bool sameRows(const std::vector<assets::AssetEntry> &a, const std::vector<assets::AssetEntry> &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].name.fileName != b[i].name.fileName || a[i].targetSuffix != b[i].targetSuffix)
            return false;
    }
    return true;
}

} // namespace

AssetFileList::AssetFileList(QObject *parent) : QAbstractListModel(parent)
{
    // Copying many files touches the folder many times: read it once they have settled.
    settle_.setSingleShot(true);
    settle_.setInterval(100);
    connect(&settle_, &QTimer::timeout, this, &AssetFileList::onFolderTouched);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { settle_.start(); });
}

QString AssetFileList::localFolder(const QString &folderUrl)
{
    if (folderUrl.isEmpty())
        return QString();
    const QUrl url(folderUrl);
    if (url.isLocalFile())
        return QDir::cleanPath(url.toLocalFile());
    if (url.scheme().isEmpty() && QDir::isAbsolutePath(folderUrl))
        return QDir::cleanPath(folderUrl);
    return QString();
}

void AssetFileList::setFolder(const QString &folder)
{
    if (folder == folder_)
        return;
    folder_ = folder;
    emit folderChanged();
    refresh();
}

void AssetFileList::setAllowedSuffixes(const QVariant &suffixes)
{
    QVariant value = suffixes;
    if (value.userType() == qMetaTypeId<QJSValue>())
        value = value.value<QJSValue>().toVariant();
    if (value == allowedSuffixes_)
        return;
    allowedSuffixes_ = value;
    emit allowedSuffixesChanged();
    if (!folder_.isEmpty())
        refresh();
}

QString AssetFileList::folderStatus() const
{
    switch (status_) {
    case assets::FolderStatus::Listed:
        return QStringLiteral("listed");
    case assets::FolderStatus::Missing:
        return QStringLiteral("missing");
    case assets::FolderStatus::NotAFolder:
        return QStringLiteral("notAFolder");
    case assets::FolderStatus::Unreadable:
        return QStringLiteral("unreadable");
    }
    return QString();
}

std::optional<std::vector<std::string>> AssetFileList::suffixList() const
{
    const QVariantList list = allowedSuffixes_.toList();
    if (list.isEmpty())
        return std::nullopt;
    std::vector<std::string> out;
    for (const QVariant &v : list)
        out.push_back(v.toString().toStdString());
    return out;
}

assets::AssetListing AssetFileList::readListing(QString *path) const
{
    *path = localFolder(folder_);
    if (path->isEmpty())
        return {};
    return assets::listAssetFolder(std::filesystem::path(path->toStdString()), suffixList());
}

void AssetFileList::componentComplete()
{
    building_ = false;
    refresh();
}

void AssetFileList::refresh()
{
    if (building_)
        return;
    QString path;
    const assets::AssetListing listing = readListing(&path);
    apply(listing, path, true);
}

void AssetFileList::onFolderTouched()
{
    QString path;
    const assets::AssetListing listing = readListing(&path);
    // Only a change of the listed files rebuilds the rows (and moves the owner's selection).
    apply(listing, path,
          !sameRows(listing.entries, rows_) || listing.status != status_ || path != folderPath_);
}

void AssetFileList::apply(const assets::AssetListing &listing, const QString &path, bool always)
{
    watch(listing.status == assets::FolderStatus::Listed ? path : QString());
    if (!always)
        return;
    if (listing.truncated)
        qWarning().noquote() << "The folder" << path << "holds more than"
                             << assets::maxScannedEntries << "entries; only some are listed.";
    beginResetModel();
    rows_ = listing.entries;
    status_ = listing.status;
    truncated_ = listing.truncated;
    folderPath_ = path;
    folderUrls_.clear();
    allIssues_.clear();
    issueIndex_.assign(rows_.size(), -1);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const auto &e = rows_[i];
        folderUrls_.append(
            QUrl::fromLocalFile(path + QLatin1Char('/') + QString::fromStdString(e.name.fileName))
                .toString(QUrl::FullyEncoded));
        if (e.suffixCaseMismatch()) {
            issueIndex_[i] = allIssues_.size();
            allIssues_.append(QVariant(QVariantList{caseIssue(
                QString::fromStdString(e.name.suffix), QString::fromStdString(e.targetSuffix))}));
        }
    }
    endResetModel();
    emit updated();
}

void AssetFileList::watch(const QString &path)
{
    const QStringList watched = watcher_.directories();
    if (watched.size() == 1 && watched.front() == path)
        return;
    if (!watched.isEmpty())
        watcher_.removePaths(watched);
    if (!path.isEmpty())
        watcher_.addPath(path);
}

int AssetFileList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant AssetFileList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= count())
        return QVariant();
    if (index.row() == 0) {
        switch (role) {
        case Qt::DisplayRole:
        case TextRole:
            return tr("(None)");
        case HasIssuesRole:
            return false;
        case IssuesIndexRole:
            return -1;
        case NumberRole:
            return 0;
        default:
            return QString();
        }
    }
    const std::size_t i = static_cast<std::size_t>(index.row() - 1);
    const assets::AssetEntry &e = rows_[i];
    switch (role) {
    case Qt::DisplayRole:
    case TextRole:
    case FileBaseNameRole:
        return QString::fromStdString(e.name.baseName);
    case FileNameRole:
        return QString::fromStdString(e.name.fileName);
    case FilePathRole:
        return folderUrls_.at(index.row() - 1);
    case PrefixRole:
        return QString::fromStdString(e.name.prefix);
    case NodeNameRole:
        return QString::fromStdString(e.name.nodeName);
    case NumberRole:
        return e.name.number();
    case SuffixRole:
        return QString::fromStdString(e.name.suffix);
    case TargetSuffixRole:
        return QString::fromStdString(e.targetSuffix);
    case HasIssuesRole:
        return issueIndex_[i] >= 0;
    case IssuesIndexRole:
        return issueIndex_[i];
    }
    return QVariant();
}

QHash<int, QByteArray> AssetFileList::roleNames() const
{
    return {
        {FileNameRole, "fileName"},     {FileBaseNameRole, "fileBaseName"},
        {FilePathRole, "filePath"},     {PrefixRole, "prefix"},
        {NodeNameRole, "nodeName"},     {NumberRole, "number"},
        {SuffixRole, "suffix"},         {TargetSuffixRole, "targetSuffix"},
        {HasIssuesRole, "hasIssues"},   {IssuesIndexRole, "issuesIndex"},
        {TextRole, "text"},
    };
}

int AssetFileList::indexOfBaseName(const QString &name) const
{
    if (name.isEmpty())
        return 0;
    const std::string wanted = name.toStdString();
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].name.baseName == wanted)
            return static_cast<int>(i) + 1;
    }
    return -1;
}

int AssetFileList::findNext(const QString &typed, int current) const
{
    if (typed.isEmpty())
        return -1;
    const QString needle = typed.toLower();
    const int n = count();
    const int start = current < 0 || current >= n ? -1 : current;
    for (int step = 1; step <= n; ++step) {
        const int row = (start + step) % n;
        const QString text = data(index(row), TextRole).toString().toLower();
        if (text.startsWith(needle))
            return row;
    }
    return -1;
}

QVariantMap AssetFileList::get(int row) const
{
    QVariantMap map;
    if (row < 0 || row >= count())
        return map;
    const auto names = roleNames();
    for (auto it = names.cbegin(); it != names.cend(); ++it)
        map.insert(QString::fromLatin1(it.value()), data(index(row), it.key()));
    return map;
}

QVariantList AssetFileList::issues(int row) const
{
    if (row < 1 || row >= count())
        return {};
    const int i = issueIndex_[static_cast<std::size_t>(row - 1)];
    return i < 0 ? QVariantList() : allIssues_.at(i).toList();
}

} // namespace vignetta::property
