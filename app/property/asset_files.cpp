#include "property/asset_files.h"

#include <QUrl>

#include "assets/asset_listing.h"
#include "property/asset_file_list.h"

namespace vignetta::property {

QString AssetFiles::fileUrl(const QString &folderUrl, const QString &name, const QString &suffix)
{
    const QString folder = AssetFileList::localFolder(folderUrl);
    if (folder.isEmpty() || name.isEmpty())
        return QString();
    const auto file = assets::resolveAssetFile(std::filesystem::path(folder.toStdString()),
                                               name.toStdString(), suffix.toStdString());
    if (!file)
        return QString();
    // The folder as given (not its real path), so that the URL reads as the user expects.
    const QString fileName = suffix.isEmpty() ? name : name + QLatin1Char('.') + suffix;
    return QUrl::fromLocalFile(folder + QLatin1Char('/') + fileName).toString(QUrl::FullyEncoded);
}

QString AssetFiles::folderUrl(const QString &baseUrl, const QString &subFolder)
{
    if (baseUrl.isEmpty())
        return QString();
    if (baseUrl.endsWith(QLatin1Char('/')))
        return baseUrl + subFolder;
    return baseUrl + QLatin1Char('/') + subFolder;
}

} // namespace vignetta::property
