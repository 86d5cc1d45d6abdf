#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QVariant>
#include <QVariantMap>

namespace vignetta::audio {

// The audio preview (QML singleton "AudioPlayer", module "Vignetta.Audio" 1.0): plays the open
// project's sounds on the channels "bgm", "bgs", "me" and "se" through a page script running in
// a hidden web-engine view that the main window hands over with setWebEngine.
//
// Every call into the page is a script run queued to the page, executed in call order; nothing
// comes back. Until a view is set the calls do nothing; until the page of the current project
// has loaded (pageReady) they reach no page and play nothing, but lastPlayed still records
// them. A call naming an unknown channel does nothing at all.
//
// Names reach the page only as JSON strings. A name that would read a file outside the
// project's "audio/<channel>" folder (a path separator, or a symbolic link leading elsewhere)
// is sent as an empty name: that channel falls silent as for a file that cannot be read.
//
//     AudioPlayer.play("bgm", {"name": "Meadow_Theme", "volume": 90, "pitch": 100, "pan": 0})
//     AudioPlayer.fadeOut("bgm", 1.5)
class AudioPlayer : public QObject
{
    Q_OBJECT
    // The web-engine view; null until set.
    Q_PROPERTY(QObject *engine READ engine NOTIFY engineChanged)
    // Channel name -> the audio object last played on it (null after a stop of the channel).
    Q_PROPERTY(QVariantMap lastPlayed READ lastPlayed NOTIFY lastPlayedChanged)
    // The page of the current project has loaded and holds the page script.
    Q_PROPERTY(bool pageReady READ pageReady NOTIFY pageReadyChanged)

public:
    explicit AudioPlayer(QObject *parent = nullptr);

    QObject *engine() const { return engine_; }
    QVariantMap lastPlayed() const { return lastPlayed_; }
    bool pageReady() const { return pageReady_; }

    // Takes the view the page runs in: it may read the project's local files (and nothing on the
    // network) and plays without waiting for a user gesture. When a folder is already set, its
    // page is loaded into the view.
    Q_INVOKABLE void setWebEngine(QObject *engine);
    // Stops every sound, forgets lastPlayed and reloads the page with `folder` (the project
    // folder URL, ending in "/") as its address, so that "audio/..." resolves inside the project.
    // An empty folder, or one not on the local disk, leaves a blank page that plays nothing.
    Q_INVOKABLE void setFolder(const QString &folder);
    Q_INVOKABLE void play(const QString &type, const QVariant &audio);
    Q_INVOKABLE void stop(const QString &type);
    // Stops every channel; lastPlayed is kept.
    Q_INVOKABLE void stopAll();
    // Fades the channel out over `duration` seconds; lastPlayed is kept.
    Q_INVOKABLE void fadeOut(const QString &type, double duration);
    // The audio object last played on the channel, or null.
    Q_INVOKABLE QVariant getLastPlayed(const QString &type) const;

    // The page library as it is installed into the page.
    static QString pageLibrary();

signals:
    void engineChanged();
    void lastPlayedChanged();
    void pageReadyChanged();

private slots:
    void onLoadProgressChanged();

private:
    void configureView();
    void loadPage();
    void runScript(const QString &script);
    void setPageReady(bool ready);
    QUrl pageUrl() const;

    QPointer<QObject> engine_;
    QMetaObject::Connection progressConnection_;
    QString folderPath_; // local project folder, empty when none
    QVariantMap lastPlayed_;
    bool pageReady_ = false;
};

} // namespace vignetta::audio
