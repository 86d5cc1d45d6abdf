#include "presets/file_copier.h"

#include <QFile>
#include <QUrl>
#include <QtDebug>

#include "project/asset_copy.h"
#include "services/file_services.h"

namespace vignetta::presets {

namespace {

QString localFolder(const QString &pathOrUrl)
{
    return files::localPathOfPathOrUrl(pathOrUrl);
}

std::filesystem::path toFsPath(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString fileUrl(const QString &folder, const QString &relative)
{
    return QUrl::fromLocalFile(folder + relative).toString();
}

} // namespace

FileCopier::FileCopier(QObject *parent) : QObject(parent)
{
    timer_.setInterval(1);
    connect(&timer_, &QTimer::timeout, this, &FileCopier::step);
}

void FileCopier::setSourceFolder(const QString &folder)
{
    if (folder == sourceFolder_)
        return;
    sourceFolder_ = folder;
    emit foldersChanged();
}

void FileCopier::setDestinationFolder(const QString &folder)
{
    if (folder == destinationFolder_)
        return;
    destinationFolder_ = folder;
    emit foldersChanged();
}

void FileCopier::setAssets(const QStringList &assets)
{
    if (assets == assets_)
        return;
    assets_ = assets;
    emit assetsChanged();
}

void FileCopier::setInterruption(bool interruption)
{
    if (interruption == interruption_)
        return;
    interruption_ = interruption;
    emit interruptionChanged();
}

void FileCopier::start()
{
    const QString from = localFolder(sourceFolder_);
    const QString to = localFolder(destinationFolder_);
    list_.clear();
    for (const QString &name : assets_) {
        list_.append(QVariantMap{{QStringLiteral("name"), name},
                                 {QStringLiteral("source"), fileUrl(from, name)},
                                 {QStringLiteral("destination"), fileUrl(to, name)}});
    }
    index_ = 0;
    name_.clear();
    hasError_ = false;
    errorReason_.clear();
    setInterruption(false);
    emit listChanged();
    emit progressChanged();
    timer_.start();
    emit runningChanged();
}

void FileCopier::finish()
{
    timer_.stop();
    emit runningChanged();
}

void FileCopier::step()
{
    if (interruption_) {
        finish();
        emit interrupt();
        return;
    }
    if (index_ >= list_.size()) {
        finish();
        emit complete();
        return;
    }
    name_ = list_.at(index_).toMap().value(QStringLiteral("name")).toString();
    const QString from = localFolder(sourceFolder_);
    const QString to = localFolder(destinationFolder_);
    const project::AssetCopyResult copied =
        from.isEmpty() || to.isEmpty()
            ? project::AssetCopyResult{false, false, "no folder to copy from or to"}
            : project::copyAsset(toFsPath(from), toFsPath(to), name_.toStdString());
    if (!copied) {
        hasError_ = true;
        errorReason_ = QString::fromStdString(copied.error);
        qWarning().noquote() << "The file could not be copied:" << errorReason_;
        emit progressChanged();
        finish();
        emit error();
        return;
    }
    ++index_;
    emit progressChanged();
    if (index_ >= list_.size()) {
        finish();
        emit complete();
    }
}

} // namespace vignetta::presets
