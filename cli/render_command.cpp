#include "render_command.h"

#include <iostream>

namespace vignetta::cli {

const char *const renderUsage =
    "  render --project DIR SCENE.json --frame F -o OUT.png [--size WxH] [--message-line N]\n"
    "  render --project DIR SCENE.json --frames A:B --out-dir D [--size WxH] [--message-line N]\n"
    "                         draw the game screen at frame F (or at frames A to B, into\n"
    "                         D/frame_00000.png, ...) with the pictures of project folder DIR;\n"
    "                         the screen is 816x624 unless --size is given. A message or\n"
    "                         scrolling text covering the frame is drawn as the editor shows\n"
    "                         it while editing: the whole text, or with --message-line N only\n"
    "                         the four-line page of the message that holds line N (from 0)\n"
    "  render --project DIR SCENE.json --playback --frames A:B [--out-dir D] [--trace FILE]\n"
    "         [--auto-advance N] [--press-at T,...] [--hold A:B]... [--size WxH]\n"
    "                         play the scene as the editor does, one tick per 1/60 second\n"
    "                         from frame 0, and draw ticks A to B (D/frame_NNNNN.png, N the\n"
    "                         tick; --frame T -o OUT.png draws one tick). Each tick: input is\n"
    "                         delivered, the timeline moves one frame unless a message or\n"
    "                         scrolling text holds it (a text starting there shows its first\n"
    "                         character at once), the shown text plays one frame, the frame\n"
    "                         is drawn. Input: --press-at presses the button before each tick\n"
    "                         T and releases it after; --hold holds it from tick A through B;\n"
    "                         --auto-advance presses whenever a message has waited N ticks\n"
    "                         for input. --trace writes one JSON line per tick: tick, scene\n"
    "                         frame, whether a text holds the timeline, and the shown text's\n"
    "                         kind, page, visible characters, wait count, pause and end\n";

} // namespace vignetta::cli

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QUrl>

#include <cstdio>
#include <functional>
#include <optional>
#include <set>

#include "cli_common.h"
#include "preview/display_list.h"
#include "preview/frame_sampling.h"
#include "preview/preview_renderer.h"
#include "preview/text_layer.h"
#include "project/database.h"
#include "scene/block_mode.h"
#include "scene/limits.h"
#include "scene/scene_file.h"
#include "services/file_services.h"
#include "text/names.h"
#include "text/scene_playback.h"
#include "text/text_window.h"

namespace vignetta::cli {

namespace {

constexpr int maxScreenSide = 8192;
// A played scene may run longer than its frames (texts hold it): up to an hour of ticks.
constexpr int maxPlaybackTick = 60 * 60 * 60 - 1;
constexpr int maxMessageLine = 1000000;

void fail(const std::string &message)
{
    printError("render: " + message);
}

int usage(const std::string &message)
{
    return usageError("render: " + message);
}

// "A:B" or "WxH": two whole numbers around a separator.
std::optional<std::pair<int, int>> pairOf(const std::string &text, char separator, int min, int max)
{
    const auto at = text.find(separator);
    if (at == std::string::npos)
        return std::nullopt;
    const auto first = parseInt(text.substr(0, at), min, max);
    const auto second = parseInt(text.substr(at + 1), min, max);
    if (!first || !second)
        return std::nullopt;
    return std::make_pair(*first, *second);
}

struct Options
{
    std::string project;
    std::string scene;
    int firstFrame = -1;
    int lastFrame = -1;
    bool range = false;
    std::string output; // one file
    std::string outDir; // a folder of numbered files
    int width = scene::defaultScreenWidth;
    int height = scene::defaultScreenHeight;
    std::optional<int> messageLine;
    bool playback = false;
    text::InputSchedule input;
    std::string trace;
};

// Parses the arguments; on a problem prints it and returns the exit status in `status`.
std::optional<Options> parse(const std::vector<std::string> &args, int &status)
{
    Options o;
    bool frameGiven = false;
    std::string frameOption;
    std::string frameValue;
    std::vector<std::string> playbackOnly;
    auto bad = [&status](const std::string &message) {
        status = usage(message);
        return std::nullopt;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        const bool takesValue = arg == "--project" || arg == "--frame" || arg == "--frames" ||
                                arg == "-o" || arg == "--out-dir" || arg == "--size" ||
                                arg == "--message-line" || arg == "--auto-advance" ||
                                arg == "--press-at" || arg == "--hold" || arg == "--trace";
        if (takesValue && i + 1 >= args.size())
            return bad(arg + " needs a value");
        if (arg == "--project") {
            o.project = args[++i];
        } else if (arg == "--frame" || arg == "--frames") {
            if (frameGiven)
                return bad("give --frame or --frames once");
            frameGiven = true;
            frameOption = arg;
            frameValue = args[++i];
        } else if (arg == "-o") {
            o.output = args[++i];
        } else if (arg == "--out-dir") {
            o.outDir = args[++i];
        } else if (arg == "--size") {
            const std::string &value = args[++i];
            const auto size = pairOf(value, 'x', 1, maxScreenSide);
            if (!size)
                return bad("--size must be WxH with sides from 1 to " +
                           std::to_string(maxScreenSide) + ", not '" + value + "'");
            o.width = size->first;
            o.height = size->second;
        } else if (arg == "--message-line") {
            const std::string &value = args[++i];
            o.messageLine = parseInt(value, 0, maxMessageLine);
            if (!o.messageLine)
                return bad("--message-line must be a line from 0 to " +
                           std::to_string(maxMessageLine) + ", not '" + value + "'");
        } else if (arg == "--playback") {
            o.playback = true;
        } else if (arg == "--auto-advance") {
            const std::string &value = args[++i];
            const auto ticks = parseInt(value, 1, maxPlaybackTick);
            if (!ticks)
                return bad("--auto-advance must be a number of ticks from 1 to " +
                           std::to_string(maxPlaybackTick) + ", not '" + value + "'");
            o.input.autoAdvance = *ticks;
            playbackOnly.push_back(arg);
        } else if (arg == "--press-at") {
            const std::string &value = args[++i];
            std::size_t from = 0;
            while (true) {
                const std::size_t comma = value.find(',', from);
                const auto tick =
                    parseInt(value.substr(from, comma == std::string::npos ? std::string::npos
                                                                           : comma - from),
                             0, maxPlaybackTick);
                if (!tick)
                    return bad("--press-at must be ticks T,... from 0 to " +
                               std::to_string(maxPlaybackTick) + ", not '" + value + "'");
                o.input.pressAt.insert(*tick);
                if (comma == std::string::npos)
                    break;
                from = comma + 1;
            }
            playbackOnly.push_back(arg);
        } else if (arg == "--hold") {
            const std::string &value = args[++i];
            const auto ticks = pairOf(value, ':', 0, maxPlaybackTick);
            if (!ticks || ticks->first > ticks->second)
                return bad("--hold must be A:B with 0 <= A <= B <= " +
                           std::to_string(maxPlaybackTick) + ", not '" + value + "'");
            o.input.holds.push_back(*ticks);
            playbackOnly.push_back(arg);
        } else if (arg == "--trace") {
            o.trace = args[++i];
            playbackOnly.push_back(arg);
        } else if (!arg.empty() && arg[0] == '-') {
            return bad("unknown option " + arg);
        } else if (o.scene.empty()) {
            o.scene = arg;
        } else {
            return bad("more than one scene file given");
        }
    }
    if (o.project.empty())
        return bad("--project DIR is missing");
    if (o.scene.empty())
        return bad("the scene file is missing");
    if (!frameGiven)
        return bad("--frame F or --frames A:B is missing");
    if (!o.playback && !playbackOnly.empty())
        return bad(playbackOnly.front() + " goes with --playback");
    if (o.playback && o.messageLine)
        return bad("--message-line shows a page while editing; playback shows the whole text");

    // Frames of the scene, or ticks of a played scene.
    const int last = o.playback ? maxPlaybackTick : scene::maxDuration - 1;
    if (frameOption == "--frame") {
        const auto frame = parseInt(frameValue, 0, last);
        if (!frame)
            return bad("--frame must be a frame from 0 to " + std::to_string(last) + ", not '" +
                       frameValue + "'");
        o.firstFrame = o.lastFrame = *frame;
    } else {
        const auto frames = pairOf(frameValue, ':', 0, last);
        if (!frames || frames->first > frames->second)
            return bad("--frames must be A:B with 0 <= A <= B <= " + std::to_string(last) +
                       ", not '" + frameValue + "'");
        o.firstFrame = frames->first;
        o.lastFrame = frames->second;
        o.range = true;
    }
    if (!o.range && o.output.empty())
        return bad("--frame needs -o OUT.png");
    if (o.range && o.outDir.empty() && (!o.playback || o.trace.empty()))
        return bad("--frames needs --out-dir D");
    if (!o.range && !o.outDir.empty())
        return bad("--out-dir goes with --frames; use -o with --frame");
    if (o.range && !o.output.empty())
        return bad("-o goes with --frame; use --out-dir with --frames");
    return o;
}

QString fromLocal(const std::string &path)
{
    return QString::fromLocal8Bit(path.data(), int(path.size()));
}

// Draws over a rendered screen before it is written.
using Overlay = std::function<void(QImage &)>;

bool writeFrame(preview::PreviewRenderer &renderer, const scene::Document &document, int frame,
                const QSize &size, const QString &path, const Overlay &overlay)
{
    const preview::FrameSample sample =
        preview::sampleFrame(document, frame, preview::SampleMode::editing);
    renderer.setBlendColor(sample.flash[0], sample.flash[1], sample.flash[2], sample.flash[3]);
    renderer.setShake(sample.shakeOffset());
    renderer.setDisplayList(
        preview::parseDisplayList(QString::fromStdString(sample.displayListText()), frame));
    renderer.setFade(sample.fade);
    QImage image = renderer.render(size).convertToFormat(QImage::Format_RGB32);
    if (overlay && !image.isNull())
        overlay(image);
    QByteArray png;
    QBuffer buffer(&png);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        fail("cannot draw frame " + std::to_string(frame) + " for " + path.toStdString());
        return false;
    }
    return writeOutputFile(path.toLocal8Bit().toStdString(), png.toStdString());
}

QString framePath(const QString &outDir, int number)
{
    return QDir(outDir).filePath(
        QStringLiteral("frame_%1.png").arg(number, 5, 10, QLatin1Char('0')));
}

bool hasTextBlocks(const scene::Document &document)
{
    for (const scene::Lane &lane : document.lanes()) {
        for (const scene::Block &block : lane.blocks) {
            if (block.mode() == scene::mode_message || block.mode() == scene::mode_scroll)
                return true;
        }
    }
    return false;
}

// The names messages take from the project's database; empty when it cannot be read.
text::NameSource readNames(const QDir &project, bool report)
{
    project::Database database;
    const bool loaded = database.load([&project](const std::string &file) {
        const QString path =
            project.filePath(QStringLiteral("data/") + QString::fromStdString(file));
        if (!QFileInfo(path).isFile())
            return std::optional<std::string>();
        return std::optional<std::string>(files::readText(path).toStdString());
    });
    if (!loaded && report)
        fail("the project's database cannot be read (" + database.errorMessage() +
             "); names in messages are left empty");
    return text::namesFromDatabase(database);
}

// The preview font: the interface's fixed font, as the editor loads it.
QString previewFontFamily()
{
    const int id = QFontDatabase::addApplicationFont(
        QStringLiteral(":/components_fc/qml/Fonts/mplus-1m-regular.otf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QStringLiteral("monospace") : families.first();
}

// Passes every message on, except the note that the run-time folder is not set, which the GUI
// application prints on a desktop-less system although nothing of this command needs it.
QtMessageHandler previousMessageHandler = nullptr;
void filterMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (previousMessageHandler)
        previousMessageHandler(type, context, message);
}

int runPlayback(const Options &o, const scene::Document &document,
                preview::PreviewRenderer &renderer, preview::TextLayer &texts,
                const text::NameSource &names)
{
    const QSize size(o.width, o.height);
    const QString outDir = fromLocal(o.outDir);
    if (!outDir.isEmpty() && !QDir().mkpath(outDir)) {
        fail("cannot create folder " + o.outDir);
        return exit_bad_input;
    }
    text::ScenePlayback playback(document, texts.measure(), names, o.height, texts.ready(),
                                 o.input);
    QByteArray trace;
    for (int tick = 0; tick <= o.lastFrame; ++tick) {
        playback.tick();
        if (tick < o.firstFrame)
            continue;
        if (!o.trace.empty())
            trace += QByteArray::fromStdString(playback.traceLine()) + '\n';
        const Overlay overlay = [&](QImage &image) {
            texts.paint(image, playback.window(), playback.engine());
        };
        const QString path = o.range ? (outDir.isEmpty() ? QString() : framePath(outDir, tick))
                                     : fromLocal(o.output);
        if (!path.isEmpty() &&
            !writeFrame(renderer, document, playback.frame(), size, path, overlay))
            return exit_bad_input;
    }
    if (!o.trace.empty() && !writeOutputFile(o.trace, trace.toStdString()))
        return exit_bad_input;
    return exit_ok;
}

} // namespace

int runRender(const std::vector<std::string> &args)
{
    int status = exit_ok;
    const std::optional<Options> options = parse(args, status);
    if (!options)
        return status;
    const Options &o = *options;

    const QFileInfo projectDir(fromLocal(o.project));
    if (!projectDir.isDir()) {
        fail("project folder " + o.project + " does not exist");
        return exit_bad_input;
    }

    scene::SceneReadResult read = scene::readSceneFile(o.scene);
    if (!read.ok) {
        fail(read.error.find(o.scene) == std::string::npos ? o.scene + ": " + read.error
                                                           : read.error);
        return exit_bad_input;
    }
    scene::SceneDocumentResult made = scene::documentFromBlocks(read.blocks);
    if (!made.ok) {
        fail(o.scene + ": " + made.error);
        return exit_bad_input;
    }
    const scene::Document &document = made.document;

    // Text is drawn with fonts, which need a GUI application; no window is ever shown.
    int argc = 3;
    char name[] = "vignetta-cli";
    char platformOption[] = "-platform";
    char platform[] = "offscreen";
    char *argv[] = {name, platformOption, platform, nullptr};
    previousMessageHandler = qInstallMessageHandler(filterMessages);
    QGuiApplication application(argc, argv);

    preview::PreviewRenderer renderer;
    preview::PictureCache &pictures = renderer.pictures();
    pictures.projectUrl =
        QUrl::fromLocalFile(projectDir.absoluteFilePath()).toString() + QLatin1Char('/');
    // As in the editor, a picture that cannot be read is simply not drawn; say so once.
    InputFiles inputs;
    inputs.add(o.scene);
    for (const std::string &picture : document.getPictureList()) {
        const QString pictureName = QString::fromStdString(picture);
        bool outside = false;
        const QString file = pictures.pictureFilePath(pictureName, &outside);
        if (!file.isEmpty())
            inputs.add(file.toLocal8Bit().toStdString());
        if (!pictures.load(pictureName)) {
            const std::string where = outside ? "outside the picture folder"
                                      : file.isEmpty()
                                          ? "no such file"
                                          : QDir::toNativeSeparators(file).toStdString();
            fail("picture '" + picture + "' cannot be read (" + where + "); it is left out");
        }
    }

    // Every file to write, one per frame, checked against the inputs before any is written. A
    // playback run may write only its trace.
    std::vector<QString> outputs;
    if (!o.range) {
        outputs.push_back(fromLocal(o.output));
    } else if (!o.outDir.empty()) {
        const QString outDir = fromLocal(o.outDir);
        if (!QDir().mkpath(outDir)) {
            fail("cannot create folder " + o.outDir);
            return exit_bad_input;
        }
        for (int frame = o.firstFrame; frame <= o.lastFrame; ++frame)
            outputs.push_back(framePath(outDir, frame));
    }
    std::vector<QString> written = outputs;
    if (!o.trace.empty())
        written.push_back(fromLocal(o.trace));
    for (const QString &output : written) {
        const std::string target = output.toLocal8Bit().toStdString();
        if (const std::string input = inputs.sameFile(target); !input.empty()) {
            fail("the output " + target + " is the input " + input +
                 "; nothing is written over an input");
            return exit_bad_usage;
        }
    }

    // Messages and scrolling texts, drawn as the editor's text previews draw them.
    const bool texts = hasTextBlocks(document);
    preview::TextLayer textLayer;
    textLayer.setFontFamily(previewFontFamily());
    if (!textLayer.load(pictures.projectUrl) && texts)
        fail("img/system/Window.png or img/system/IconSet.png of the project cannot be read; "
             "messages and scrolling texts are left out");
    textLayer.setFaceProblem([](const QString &face) {
        fail("face '" + face.toStdString() + "' cannot be read; it is left out");
    });
    const text::NameSource names =
        readNames(QDir(projectDir.absoluteFilePath()), texts && textLayer.ready());

    if (o.playback)
        return runPlayback(o, document, renderer, textLayer, names);

    text::TextEngine engine(textLayer.measure());
    const auto overlayAt = [&](int frame) -> Overlay {
        return [&, frame](QImage &image) {
            const preview::FrameSample sample =
                preview::sampleFrame(document, frame, preview::SampleMode::editing);
            const text::TextWindow window = text::textWindowOf(sample, o.messageLine);
            if (window.kind == preview::TextKind::none || !textLayer.ready())
                return;
            textLayer.layOut(window, engine, names);
            textLayer.paint(image, window, engine);
        };
    };

    const QSize size(o.width, o.height);
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const int frame = o.firstFrame + int(i);
        if (!writeFrame(renderer, document, frame, size, outputs[i], overlayAt(frame)))
            return exit_bad_input;
    }
    return exit_ok;
}

} // namespace vignetta::cli
