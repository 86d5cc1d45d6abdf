#include "audio/audio_player.h"

#include <QDebug>
#include <QFile>
#include <QMetaMethod>
#include <QMetaProperty>

#include "audio/audio_calls.h"
#include "audio/sound_files.h"
#include "bridge/json_qt.h"

namespace vignetta::audio {

namespace {

// The page is empty: it only gives the script a document and, through its address, the base of
// the relative "audio/..." locations.
const char kBlankPage[] = "<!DOCTYPE html><html><head><meta charset=\"utf-8\">"
                          "<title>Audio preview</title></head><body></body></html>";

const char kLibraryResource[] = ":/components_fc/qml/Scripts/AudioLib.js";

// Names in messages are quoted JSON strings, so control characters show as escapes.
QString quoted(const QString &text)
{
    return QString::fromStdString(json::quoteString(text.toStdString()));
}

} // namespace

AudioPlayer::AudioPlayer(QObject *parent) : QObject(parent) {}

QString AudioPlayer::pageLibrary()
{
    static const QString library = [] {
        QFile file(QString::fromLatin1(kLibraryResource));
        if (!file.open(QIODevice::ReadOnly)) {
            qWarning("The audio page script is missing from the resources");
            return QString();
        }
        return QString::fromUtf8(file.readAll());
    }();
    return library;
}

void AudioPlayer::setWebEngine(QObject *engine)
{
    if (engine == engine_)
        return;
    if (engine_) {
        disconnect(progressConnection_);
        disconnect(engine_, nullptr, this, nullptr);
    }
    engine_ = engine;
    setPageReady(false);
    if (engine_) {
        configureView();
        const QMetaObject *meta = engine_->metaObject();
        const int property = meta->indexOfProperty("loadProgress");
        const int slot = metaObject()->indexOfSlot("onLoadProgressChanged()");
        if (property >= 0 && meta->property(property).hasNotifySignal()) {
            progressConnection_ = connect(engine_, meta->property(property).notifySignal(), this,
                                          metaObject()->method(slot));
        }
        connect(engine_, &QObject::destroyed, this, [this] {
            setPageReady(false);
            emit engineChanged();
        });
        if (!folderPath_.isEmpty())
            loadPage();
    }
    emit engineChanged();
}

void AudioPlayer::configureView()
{
    QObject *settings = engine_->property("settings").value<QObject *>();
    if (!settings)
        return;
    // Sounds start from the editor's calls, never from a click in the (hidden) page.
    settings->setProperty("playbackRequiresUserGesture", false);
    // The page reads the project's sound files beside its own address, and nothing else.
    settings->setProperty("localContentCanAccessFileUrls", true);
    settings->setProperty("localContentCanAccessRemoteUrls", false);
    settings->setProperty("javascriptCanOpenWindows", false);
    settings->setProperty("pluginsEnabled", false);
}

void AudioPlayer::setFolder(const QString &folder)
{
    if (engine_ && pageReady_)
        runScript(stopAllCall());
    lastPlayed_.clear();
    emit lastPlayedChanged();
    folderPath_ = localProjectFolder(folder);
    loadPage();
}

QUrl AudioPlayer::pageUrl() const
{
    QString path = folderPath_;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return QUrl::fromLocalFile(path);
}

void AudioPlayer::loadPage()
{
    if (!engine_)
        return;
    setPageReady(false);
    if (folderPath_.isEmpty()) {
        engine_->setProperty("url", QUrl(QStringLiteral("about:blank")));
        return;
    }
    QMetaObject::invokeMethod(engine_, "loadHtml", Q_ARG(QString, QString::fromLatin1(kBlankPage)),
                              Q_ARG(QUrl, pageUrl()));
}

void AudioPlayer::onLoadProgressChanged()
{
    if (!engine_)
        return;
    if (engine_->property("loadProgress").toInt() < 100) {
        setPageReady(false);
        return;
    }
    // Only the page of the current folder gets the script (a late report of an earlier page,
    // or a blank page, does not).
    if (folderPath_.isEmpty() || engine_->property("url").toUrl() != pageUrl())
        return;
    runScript(installScript(pageLibrary()));
    setPageReady(true);
}

void AudioPlayer::runScript(const QString &script)
{
    if (engine_)
        QMetaObject::invokeMethod(engine_, "runJavaScript", Q_ARG(QString, script));
}

void AudioPlayer::setPageReady(bool ready)
{
    if (pageReady_ == ready)
        return;
    pageReady_ = ready;
    emit pageReadyChanged();
}

void AudioPlayer::play(const QString &type, const QVariant &audio)
{
    const std::optional<QString> channel = channelName(type);
    if (!channel) {
        qWarning().noquote() << "Unknown audio channel" << quoted(type);
        return;
    }
    if (!engine_)
        return;
    lastPlayed_.insert(*channel, bridge::toVariant(bridge::fromVariant(audio)));
    emit lastPlayedChanged();
    if (!pageReady_)
        return;

    json::Json object = audioObject(audio);
    const QString name = QString::fromStdString(object["name"].get<std::string>());
    if (!soundNameAllowed(folderPath_, *channel, name)) {
        qWarning().noquote() << "Sound" << quoted(name)
                             << "is outside the folder audio/" + *channel + "; it is not played";
        object["name"] = "";
    }
    runScript(playCall(*channel, object));
}

void AudioPlayer::stop(const QString &type)
{
    const std::optional<QString> channel = channelName(type);
    if (!channel) {
        qWarning().noquote() << "Unknown audio channel" << quoted(type);
        return;
    }
    if (!engine_)
        return;
    lastPlayed_.insert(*channel, QVariant::fromValue(nullptr));
    emit lastPlayedChanged();
    if (pageReady_)
        runScript(stopCall(*channel));
}

void AudioPlayer::stopAll()
{
    if (engine_ && pageReady_)
        runScript(stopAllCall());
}

void AudioPlayer::fadeOut(const QString &type, double duration)
{
    const std::optional<QString> channel = channelName(type);
    if (!channel) {
        qWarning().noquote() << "Unknown audio channel" << quoted(type);
        return;
    }
    if (engine_ && pageReady_)
        runScript(fadeOutCall(*channel, duration));
}

QVariant AudioPlayer::getLastPlayed(const QString &type) const
{
    const std::optional<QString> channel = channelName(type);
    if (!channel)
        return QVariant::fromValue(nullptr);
    return lastPlayed_.value(*channel, QVariant::fromValue(nullptr));
}

} // namespace vignetta::audio
