#pragma once

#include <memory>
#include <optional>

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include "bridge/timeline_data_manager.h"
#include "scene/recovery_store.h"
#include "scene/recovery_writer.h"
#include "scene/write_debounce.h"

namespace vignetta::recovery {

// Keeps the scene of the open project safe from a crash, a killed process or a power cut
// (QML type RecoveryManager, module "Vignetta.Recovery" 1.0).
//
// After every state the user can come back to (TimelineDataManager.documentCommitted: each undo
// snapshot, each undo and redo) the scene goes to the project's recovery file in `folder`: at
// most once a second, the last edit of a burst within a second, written on a thread of its own
// from a snapshot (the editing thread only copies the lane and block lists). When a project is
// opened and its recovery file holds a scene, restoreOffered() asks whether to bring it back;
// nothing is written until the answer (restore() or decline()). discard() removes the file once
// the user has let the scene go. Files that cannot be read are set aside and reported through
// warning(), as is the first of a run of failed writes (editing goes on).
//
// The window wires it up:
//     projectOpened(url) once a project is open and its scene reset;
//     projectClosed() as soon as the project is given up (before the next scene is reset);
//     discard() after "New Timeline" or "Exit" was confirmed.
class RecoveryManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(vignetta::bridge::TimelineDataManager *scene READ scene WRITE setScene NOTIFY
                   sceneChanged)
    // The folder of the recovery files: "Recovery" in the per-user data folder (beside the
    // user presets) unless set.
    Q_PROPERTY(QString folder READ folder WRITE setFolder NOTIFY folderChanged)
    // The file this instance writes for the open project; empty when none.
    Q_PROPERTY(QString recoveryFile READ recoveryFile NOTIFY stateChanged)
    // A scene is offered and its question not yet answered.
    Q_PROPERTY(bool restorePending READ restorePending NOTIFY stateChanged)

public:
    explicit RecoveryManager(QObject *parent = nullptr);
    // Writes the last edit, if one waits, before the program ends.
    ~RecoveryManager() override;

    bridge::TimelineDataManager *scene() const { return scene_; }
    void setScene(bridge::TimelineDataManager *scene);
    QString folder() const { return folder_; }
    void setFolder(const QString &folder);
    QString recoveryFile() const;
    bool restorePending() const { return offered_.has_value(); }

    static QString defaultFolder();

    // A project is open (a local-file URL or a path) and its empty scene is in place.
    Q_INVOKABLE void projectOpened(const QString &projectFileUrl);
    // The open project is given up: its last edit is written and its file left for next time.
    Q_INVOKABLE void projectClosed();
    // Brings the offered scene back as one undo step; false when none is offered.
    Q_INVOKABLE bool restore();
    // Removes the offered scene's file.
    Q_INVOKABLE void decline();
    // The user let the scene go: the recovery file is removed (writing goes on with the next
    // edit).
    Q_INVOKABLE void discard();
    // Waits until every write handed to the background is on disk.
    Q_INVOKABLE void flush();

signals:
    void sceneChanged();
    void folderChanged();
    void stateChanged();
    // The open project's recovery file holds a scene of `blockCount` blocks, saved at
    // `savedAt` (local time, "yyyy-MM-dd HH:mm").
    void restoreOffered(int blockCount, const QString &savedAt);
    // A message for the user (translated): a file set aside, or writing has begun to fail.
    void warning(const QString &message);
    // A write finished (on the editing thread's side); for those who wait for the disk.
    void writeFinished(bool ok);

private:
    void documentCommitted();
    void writeNow();
    void writerReported(const scene::RecoveryWriteOutcome &outcome);
    void resetWriting();

    QPointer<bridge::TimelineDataManager> scene_;
    QString folder_;
    std::unique_ptr<scene::RecoveryStore> store_;
    std::optional<scene::Document> offered_;
    // The last committed scene, waiting for its write.
    std::optional<scene::Document> latest_;
    // The slot's file may hold a scene (written or adopted), so an empty scene must be written
    // over it rather than skipped.
    bool fileMayExist_ = false;
    bool failing_ = false;
    scene::WriteDebounce debounce_;
    QElapsedTimer clock_;
    QTimer timer_;
    scene::RecoveryWriter writer_;
};

} // namespace vignetta::recovery
