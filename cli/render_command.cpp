#include "render_command.h"

#include <iostream>

namespace vignetta::cli {

const char *const renderUsage =
    "  render --project DIR SCENE.json --frame F -o OUT.png [--size WxH]\n"
    "  render --project DIR SCENE.json --frames A:B --out-dir D [--size WxH]\n"
    "                         draw the game screen at frame F (or at frames A to B, into\n"
    "                         D/frame_00000.png, ...) with the pictures of project folder DIR;\n"
    "                         the screen is 816x624 unless --size is given\n";

} // namespace vignetta::cli

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QString>
#include <QUrl>

#include <cstdio>
#include <optional>
#include <set>

#include "cli_common.h"
#include "preview/display_list.h"
#include "preview/frame_sampling.h"
#include "preview/preview_renderer.h"
#include "scene/limits.h"
#include "scene/scene_file.h"

namespace vignetta::cli {

namespace {

constexpr int maxScreenSide = 8192;

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
};

// Parses the arguments; on a problem prints it and returns the exit status in `status`.
std::optional<Options> parse(const std::vector<std::string> &args, int &status)
{
    Options o;
    bool frameGiven = false;
    auto bad = [&status](const std::string &message) {
        status = usage(message);
        return std::nullopt;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        const bool takesValue = arg == "--project" || arg == "--frame" || arg == "--frames" ||
                                arg == "-o" || arg == "--out-dir" || arg == "--size";
        if (takesValue && i + 1 >= args.size())
            return bad(arg + " needs a value");
        if (arg == "--project") {
            o.project = args[++i];
        } else if (arg == "--frame" || arg == "--frames") {
            if (frameGiven)
                return bad("give --frame or --frames once");
            frameGiven = true;
            const std::string &value = args[++i];
            if (arg == "--frame") {
                const auto frame = parseInt(value, 0, scene::maxDuration - 1);
                if (!frame)
                    return bad("--frame must be a frame from 0 to " +
                               std::to_string(scene::maxDuration - 1) + ", not '" + value + "'");
                o.firstFrame = o.lastFrame = *frame;
            } else {
                const auto frames = pairOf(value, ':', 0, scene::maxDuration - 1);
                if (!frames || frames->first > frames->second)
                    return bad("--frames must be A:B with 0 <= A <= B <= " +
                               std::to_string(scene::maxDuration - 1) + ", not '" + value + "'");
                o.firstFrame = frames->first;
                o.lastFrame = frames->second;
                o.range = true;
            }
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
    if (!o.range && o.output.empty())
        return bad("--frame needs -o OUT.png");
    if (o.range && o.outDir.empty())
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

bool writeFrame(preview::PreviewRenderer &renderer, const scene::Document &document, int frame,
                const QSize &size, const QString &path)
{
    const preview::FrameSample sample =
        preview::sampleFrame(document, frame, preview::SampleMode::editing);
    renderer.setBlendColor(sample.flash[0], sample.flash[1], sample.flash[2], sample.flash[3]);
    renderer.setShake(sample.shakeOffset());
    renderer.setDisplayList(
        preview::parseDisplayList(QString::fromStdString(sample.displayListText()), frame));
    renderer.setFade(sample.fade);
    const QImage image = renderer.render(size).convertToFormat(QImage::Format_RGB32);
    QByteArray png;
    QBuffer buffer(&png);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        fail("cannot draw frame " + std::to_string(frame) + " for " + path.toStdString());
        return false;
    }
    return writeOutputFile(path.toLocal8Bit().toStdString(), png.toStdString());
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

    int argc = 1;
    char name[] = "vignetta-cli";
    char *argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);

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

    // Every file to write, one per frame, checked against the inputs before any is written.
    std::vector<QString> outputs;
    if (!o.range) {
        outputs.push_back(fromLocal(o.output));
    } else {
        const QString outDir = fromLocal(o.outDir);
        if (!QDir().mkpath(outDir)) {
            fail("cannot create folder " + o.outDir);
            return exit_bad_input;
        }
        for (int frame = o.firstFrame; frame <= o.lastFrame; ++frame)
            outputs.push_back(QDir(outDir).filePath(
                QStringLiteral("frame_%1.png").arg(frame, 5, 10, QLatin1Char('0'))));
    }
    for (const QString &output : outputs) {
        const std::string target = output.toLocal8Bit().toStdString();
        if (const std::string input = inputs.sameFile(target); !input.empty()) {
            fail("the output " + target + " is the input " + input +
                 "; nothing is written over an input");
            return exit_bad_usage;
        }
    }

    const QSize size(o.width, o.height);
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        if (!writeFrame(renderer, document, o.firstFrame + int(i), size, outputs[i]))
            return exit_bad_input;
    }
    return exit_ok;
}

} // namespace vignetta::cli
