#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVariantList>

namespace vignetta::presets {

// Copies a list of asset files from one folder to another, one file per 1-millisecond tick so
// that the window stays responsive (QML type "FileCopier" of "Vignetta.Presets" 1.0).
//
//     FileCopier { sourceFolder: presetUrl; destinationFolder: projectUrl
//                  assets: ["/img/pictures/Bird.png"]; onComplete: ...; onError: ... }
//     copier.start()
//
// Each entry of `list` is {name, source, destination}: the relative path and the two file
// URLs. A copy replaces the destination through a temporary file and never reads or writes
// outside the asset folders of the two folders (core/project/asset_copy.h). The first failure
// stops the run with error(); setting `interruption` stops it after the entry in hand with
// interrupt(); after the last entry it stops with complete().
class FileCopier : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString sourceFolder READ sourceFolder WRITE setSourceFolder NOTIFY foldersChanged)
    Q_PROPERTY(QString destinationFolder READ destinationFolder WRITE setDestinationFolder NOTIFY
                   foldersChanged)
    Q_PROPERTY(QStringList assets READ assets WRITE setAssets NOTIFY assetsChanged)
    Q_PROPERTY(QVariantList list READ list NOTIFY listChanged)
    Q_PROPERTY(int count READ count NOTIFY listChanged)
    // The next entry to handle; equals count when all were copied.
    Q_PROPERTY(int index READ index NOTIFY progressChanged)
    // The relative path of the entry in hand (or handled last).
    Q_PROPERTY(QString name READ name NOTIFY progressChanged)
    Q_PROPERTY(bool running READ running NOTIFY runningChanged)
    Q_PROPERTY(bool hasError READ hasError NOTIFY progressChanged)
    // Why the failed entry could not be copied (for the log), "" without a failure.
    Q_PROPERTY(QString errorReason READ errorReason NOTIFY progressChanged)
    Q_PROPERTY(bool interruption READ interruption WRITE setInterruption NOTIFY
                   interruptionChanged)

public:
    explicit FileCopier(QObject *parent = nullptr);

    QString sourceFolder() const { return sourceFolder_; }
    void setSourceFolder(const QString &folder);
    QString destinationFolder() const { return destinationFolder_; }
    void setDestinationFolder(const QString &folder);
    QStringList assets() const { return assets_; }
    void setAssets(const QStringList &assets);
    QVariantList list() const { return list_; }
    int count() const { return list_.size(); }
    int index() const { return index_; }
    QString name() const { return name_; }
    bool running() const { return timer_.isActive(); }
    bool hasError() const { return hasError_; }
    QString errorReason() const { return errorReason_; }
    bool interruption() const { return interruption_; }
    void setInterruption(bool interruption);

    // Builds `list` from `assets` and the two folders and starts copying. An empty list
    // completes at the first tick.
    Q_INVOKABLE void start();

signals:
    void foldersChanged();
    void assetsChanged();
    void listChanged();
    void progressChanged();
    void runningChanged();
    void interruptionChanged();
    void complete();
    void error();
    void interrupt();

private:
    void step();
    void finish();

    QString sourceFolder_;
    QString destinationFolder_;
    QStringList assets_;
    QVariantList list_;
    int index_ = 0;
    QString name_;
    bool hasError_ = false;
    QString errorReason_;
    bool interruption_ = false;
    QTimer timer_;
};

} // namespace vignetta::presets
