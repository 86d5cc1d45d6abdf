#pragma once

#include <QObject>
#include <QString>

namespace vignetta::app {

// File names, URLs and data folders for the window, the project manager and the dialogs: the
// project folder of a project file, the last part of a URL, the shipped data folders and a URL
// as a message shows it.
class FileNames : public QObject
{
    Q_OBJECT

public:
    explicit FileNames(QObject *parent = nullptr);

    Q_INVOKABLE QString projectFolderUrl(const QString &fileUrl) const;
    Q_INVOKABLE QString urlFileName(const QString &url) const;

    // The folder of the shipped data `name` ("Help", "Presets"): beside the executable in a
    // build tree, under <prefix>/share/vignetta in an installation (see data_folders.h).
    Q_INVOKABLE QString applicationDataFolder(const QString &name) const;

    // A URL as a message shows it: a local file's path, any other URL as it is, with control
    // and bidirectional-override characters written as \uXXXX so they cannot garble the text.
    Q_INVOKABLE QString displayPath(const QString &url) const;
};

} // namespace vignetta::app
