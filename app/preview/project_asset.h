#pragma once

#include <QString>

namespace vignetta::preview {

// Asset files larger than this are not read (a skin, icon sheet or face is far smaller).
constexpr qint64 maxAssetFileBytes = qint64(64) * 1024 * 1024;

// The local file of a project asset: projectUrl + folder + "/" + name + "." + extension, or ""
// when the project URL is not a local folder, the name is empty, the file is missing, is no
// regular file, is larger than maxAssetFileBytes, or lies outside the folder once "..",
// absolute paths and symbolic links are resolved. Names may name files in subfolders.
QString projectAssetFile(const QString &projectUrl, const QString &folder, const QString &name,
                         const QString &extension = QStringLiteral("png"));

} // namespace vignetta::preview
