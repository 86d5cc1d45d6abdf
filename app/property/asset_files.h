#pragma once

#include <QObject>
#include <QString>

namespace vignetta::property {

// Where the asset a block names lies, for the image wells and clips of the interface (QML
// singleton AssetFiles of "Vignetta.Property" 1.0). A name from a block is data: it must never
// lead outside its folder, through "..", a separator or a link.
class AssetFiles : public QObject
{
    Q_OBJECT

public:
    explicit AssetFiles(QObject *parent = nullptr) : QObject(parent) {}

    // The URL of folderUrl/name.suffix (fully encoded, so a space reads "%20" and '#' "%23"),
    // or an empty string when the name is empty, the folder is not a local one, the file is
    // missing or not a regular file, or it lies outside the folder.
    Q_INVOKABLE static QString fileUrl(const QString &folderUrl, const QString &name,
                                       const QString &suffix);
    // The URL of a sub-folder of a folder URL: folderUrl + subFolder, with a "/" between them
    // when the folder URL lacks one.
    Q_INVOKABLE static QString folderUrl(const QString &baseUrl, const QString &subFolder);
};

} // namespace vignetta::property
