#include "recovery/recovery_manager.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtDebug>

#include "printable_text.h"
#include "services/file_services.h"

namespace vignetta::recovery {

namespace {

// Text from files and the system, made safe to show (see common::printable): control
// characters (a line feed in a folder name, an escape sequence) appear as \uXXXX.
QString printable(const std::string &text)
{
    return QString::fromStdString(common::printable(text));
}

QString printable(const QString &text)
{
    return app::printableText(text);
}

QString printable(const std::filesystem::path &path)
{
    return printable(QString::fromStdString(path.string()));
}

// The project file as one stable string: the canonical path when the file exists, so that a
// link or a relative path names the same project.
QString projectPathOf(const QString &projectFileUrl)
{
    const QString local = files::localPathOfPathOrUrl(projectFileUrl);
    if (local.isEmpty())
        return QString();
    const QFileInfo info(local);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

// Why a recovery file was set aside, in the user's words (the details go to the log).
QString problemText(scene::RecoveryProblem problem)
{
    using P = scene::RecoveryProblem;
    switch (problem) {
    case P::notJson:
        return RecoveryManager::tr("it is cut short or damaged");
    case P::newerVersion:
        return RecoveryManager::tr("it was written by a newer version of Vignetta");
    case P::otherProject:
        return RecoveryManager::tr("it belongs to another project");
    case P::tooLarge:
        return RecoveryManager::tr("it is too large");
    case P::notRegular:
        return RecoveryManager::tr("it is not a regular file");
    case P::unreadable:
        return RecoveryManager::tr("the system refused to read it");
    case P::none:
    case P::missing:
    case P::notRecovery:
    case P::badScene:
        break;
    }
    return RecoveryManager::tr("it does not hold a usable scene");
}

} // namespace

RecoveryManager::RecoveryManager(QObject *parent)
    : QObject(parent), folder_(defaultFolder()),
      writer_([this](const scene::RecoveryWriteOutcome &outcome) {
          // From the writer's thread to this object's.
          QMetaObject::invokeMethod(
              this, [this, outcome] { writerReported(outcome); }, Qt::QueuedConnection);
      })
{
    clock_.start();
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &RecoveryManager::writeNow);
}

RecoveryManager::~RecoveryManager()
{
    if (latest_)
        writeNow();
    writer_.flush();
    // The claim ends with the store, after the last write is on disk.
}

QString RecoveryManager::defaultFolder()
{
    // The folder that also holds the user's presets.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? QString() : QDir(data).filePath(QStringLiteral("Recovery"));
}

void RecoveryManager::setScene(bridge::TimelineDataManager *scene)
{
    if (scene == scene_)
        return;
    if (scene_)
        disconnect(scene_, nullptr, this, nullptr);
    scene_ = scene;
    if (scene_)
        connect(scene_, &bridge::TimelineDataManager::documentCommitted, this,
                &RecoveryManager::documentCommitted);
    emit sceneChanged();
}

void RecoveryManager::setFolder(const QString &folder)
{
    if (folder == folder_)
        return;
    folder_ = folder;
    emit folderChanged();
}

QString RecoveryManager::recoveryFile() const
{
    return store_ ? QString::fromStdString(store_->file().string()) : QString();
}

void RecoveryManager::projectOpened(const QString &projectFileUrl)
{
    projectClosed();
    const QString projectPath = projectPathOf(projectFileUrl);
    if (projectPath.isEmpty() || folder_.isEmpty())
        return;

    auto store = std::make_unique<scene::RecoveryStore>(
        folder_.toStdString(), projectPath.toStdString(), long(QCoreApplication::applicationPid()));
    std::string error;
    if (!store->claim(&error)) {
        emit warning(tr("The scene cannot be protected against a crash: %1. Editing goes on, "
                        "but a crash would lose the changes.")
                         .arg(printable(error)));
        return;
    }
    const scene::RecoveryStore::Inspection found = store->inspect();
    using Kind = scene::RecoveryStore::Inspection::Kind;
    switch (found.kind) {
    case Kind::none:
        break;
    case Kind::scene:
        offered_ = found.read.document;
        break;
    case Kind::setAside:
        qWarning().noquote() << "Recovery:" << printable(found.error);
        emit warning(tr("A recovery file of this project could not be read (%1). It has been "
                        "kept as %2.")
                         .arg(problemText(found.read.problem), printable(found.setAsideAs)));
        break;
    case Kind::stuck:
        // Writing would replace a file that nobody has looked at: leave it alone.
        qWarning().noquote() << "Recovery:" << printable(found.error);
        emit warning(tr("The recovery file %1 could not be read (%2) and could not be set "
                        "aside. The scene is not protected against a crash.")
                         .arg(printable(store->file()), problemText(found.read.problem)));
        return;
    }
    store_ = std::move(store);
    emit stateChanged();
    if (offered_) {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                            found.read.savedAt.time_since_epoch())
                            .count();
        const QString when = QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC)
                                 .toLocalTime()
                                 .toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        emit restoreOffered(offered_->numBlock(), when);
        return;
    }
    documentCommitted(); // an edit made before the project was ready is not left out
}

void RecoveryManager::projectClosed()
{
    if (!store_)
        return;
    if (latest_)
        writeNow();
    // The claim must outlast the write, or another instance could take the slot meanwhile.
    writer_.flush();
    store_.reset();
    offered_.reset(); // an unanswered offer stays on disk for the next time
    resetWriting();
    emit stateChanged();
}

bool RecoveryManager::restore()
{
    if (!offered_ || !scene_)
        return false;
    scene::Document doc = std::move(*offered_);
    offered_.reset();
    fileMayExist_ = true;
    emit stateChanged();
    scene_->replaceDocument(std::move(doc)); // commits, and so is written again
    return true;
}

void RecoveryManager::decline()
{
    if (!offered_)
        return;
    offered_.reset();
    std::string error;
    if (store_ && !store_->remove(&error))
        qWarning().noquote() << "Recovery:" << printable(error);
    resetWriting();
    emit stateChanged();
    documentCommitted();
}

void RecoveryManager::discard()
{
    if (!store_ || offered_)
        return; // an offer nobody answered is not the user's to lose this way
    resetWriting();   // the edit waiting for its turn...
    writer_.cancel(); // ...and the one handed over but not yet started are dropped
    std::string error;
    if (!store_->remove(&error))
        qWarning().noquote() << "Recovery:" << printable(error);
}

void RecoveryManager::flush()
{
    if (latest_)
        writeNow();
    writer_.flush();
    // Deliver the outcomes that the writer has queued for this thread.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void RecoveryManager::documentCommitted()
{
    if (!store_ || offered_ || !scene_)
        return;
    const scene::Document &doc = scene_->document();
    if (doc.isEmpty() && !fileMayExist_) {
        latest_.reset(); // nothing to protect and nothing to overwrite
        return;
    }
    latest_ = doc;
    const qint64 delay = debounce_.changed(clock_.elapsed());
    if (delay == 0)
        writeNow();
    else if (!timer_.isActive())
        timer_.start(int(delay));
}

void RecoveryManager::writeNow()
{
    timer_.stop();
    if (!latest_ || !store_)
        return;
    writer_.submit({store_->file(), store_->projectPath(), std::move(*latest_),
                    scene::Clock::now()});
    latest_.reset();
    debounce_.written(clock_.elapsed());
    fileMayExist_ = true;
}

void RecoveryManager::writerReported(const scene::RecoveryWriteOutcome &outcome)
{
    if (outcome.ok) {
        failing_ = false;
    } else {
        qWarning().noquote() << "Recovery:" << printable(outcome.error);
        // One message for a run of failures (a read-only or full disk fails every time).
        if (!failing_)
            emit warning(tr("The scene cannot be saved for recovery (%1). Editing goes on, but "
                            "a crash would lose the changes.")
                             .arg(printable(outcome.error)));
        failing_ = true;
    }
    emit writeFinished(outcome.ok);
}

void RecoveryManager::resetWriting()
{
    timer_.stop();
    latest_.reset();
    debounce_.reset();
    fileMayExist_ = false;
}

} // namespace vignetta::recovery
