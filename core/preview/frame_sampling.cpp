#include "preview/frame_sampling.h"

#include <algorithm>
#include <cmath>

#include "scene/block_mode.h"

namespace vignetta::preview {

namespace {

using scene::Block;

int truncToInt(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(std::trunc(value), -2147483648.0, 2147483647.0));
}

int channel(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(std::round(value), 0.0, 255.0));
}

// The event data handed to the preview and the text previews: the block's own fields plus its id.
Json withBlockId(const Block &block)
{
    Json data = block.eventData();
    data["blockId"] = block.blockId;
    return data;
}

struct Picture
{
    const Block *block;
    int imageIndex;
};

} // namespace

int FrameSample::shakeOffset() const
{
    return truncToInt(shake);
}

std::string FrameSample::displayListText() const
{
    return preview::displayListText(displayList, tweens);
}

double blockRatio(int frame, int blockStart, int blockDelay)
{
    const double span = static_cast<double>(blockDelay) - 1;
    if (span == 0)
        return 0;
    return (static_cast<double>(frame) - blockStart) / span;
}

double shakeAt(double power, double speed, double elapse)
{
    const double amplitude = power * 4;
    if (amplitude == 0 || !std::isfinite(amplitude))
        return 0;
    const double half = amplitude / 2;
    const double delta = power * speed / 10;
    const double total = elapse * delta + half;
    const double steps = std::trunc(total / amplitude);
    const double step = std::fmod(total, amplitude); // keeps the sign of total
    const double offset = std::fmod(steps, 2.0) == 0 ? step - half : amplitude - step - half;
    return std::isfinite(offset) ? offset : 0;
}

FrameSample sampleBlocks(const std::vector<Block> &covering, int frame, SampleMode mode)
{
    const bool playback = mode == SampleMode::playback;
    FrameSample sample;
    sample.frame = frame;

    std::vector<Picture> pictures;
    const Block *firstFade = nullptr;
    const Block *message = nullptr;
    const Block *fadeOut = nullptr;
    std::vector<const Block *> sounds;
    std::vector<const Block *> screens;

    for (const Block &block : covering) {
        const scene::BlockView &view = block.view();
        const bool atFirstFrame = block.start() == frame;
        switch (view.blockMode) {
        case scene::mode_picture: {
            if (view.imageName.empty())
                break;
            auto same = std::find_if(pictures.begin(), pictures.end(), [&](const Picture &p) {
                return p.imageIndex == view.imageIndex;
            });
            if (same != pictures.end())
                same->block = &block;
            else
                pictures.push_back({&block, view.imageIndex});
            break;
        }
        case scene::mode_message:
        case scene::mode_scroll:
            if (!playback || atFirstFrame)
                message = &block;
            break;
        case scene::mode_fade:
            if (!firstFade)
                firstFade = &block;
            break;
        case scene::mode_sound:
            if (!view.audioName.empty())
                sounds.push_back(&block);
            break;
        case scene::mode_sound_fade:
            if (!playback || atFirstFrame)
                fadeOut = &block;
            break;
        case scene::mode_screen:
            screens.push_back(&block);
            break;
        default:
            break;
        }
    }

    std::stable_sort(pictures.begin(), pictures.end(), [](const Picture &a, const Picture &b) {
        return a.imageIndex < b.imageIndex;
    });
    for (const Picture &picture : pictures) {
        sample.displayList.push_back(withBlockId(*picture.block));
        sample.tweens.push_back(blockRatio(frame, picture.block->start(), picture.block->delay()));
    }

    if (firstFade) {
        const double r = blockRatio(frame, firstFade->start(), firstFade->delay());
        const double brightness = firstFade->view().fadeType == 0 ? 1 - r : r;
        sample.fade = std::clamp(truncToInt(255 * brightness), 0, 255);
    }

    for (const Block *screen : screens) {
        const scene::BlockView &view = screen->view();
        const double elapse = static_cast<double>(frame) - screen->start();
        if (view.flashEnabled) {
            // A one-frame flash is at its end at once: nothing shows.
            const double left =
                screen->delay() == 1 ? 0 : 1 - blockRatio(frame, screen->start(), screen->delay());
            sample.flash = {channel(view.flashColor.R), channel(view.flashColor.G),
                            channel(view.flashColor.B),
                            std::clamp(truncToInt(view.flashColor.P * left), 0, 255)};
        }
        if (view.shakeEnabled)
            sample.shake = shakeAt(view.shakePower, view.shakeSpeed, elapse);
    }

    if (message) {
        sample.textKind =
            message->mode() == scene::mode_message ? TextKind::message : TextKind::scroll;
        sample.textBlockId = message->blockId;
        sample.text = withBlockId(*message);
    }

    if (playback) {
        for (const Block *sound : sounds) {
            if (sound->start() != frame)
                continue;
            const scene::BlockView &view = sound->view();
            Json audio = Json::object();
            audio["name"] = view.audioName;
            audio["volume"] = view.volume;
            audio["pitch"] = view.pitch;
            audio["pan"] = view.pan;
            sample.sounds.push_back({view.audioType, std::move(audio)});
        }
        if (fadeOut)
            sample.fadeOut =
                SoundFadeOut{fadeOut->view().fadeoutAudioType, fadeOut->delay() / 60.0};
    }
    return sample;
}

FrameSample sampleFrame(const scene::Document &document, int frame, SampleMode mode)
{
    return sampleBlocks(document.getContainsBlocks(frame, 1, false), frame, mode);
}

std::string displayListText(const std::vector<Json> &list, const std::vector<double> &tweens)
{
    Json root = Json::object();
    root["list"] = Json::array();
    for (const Json &entry : list)
        root["list"].push_back(entry);
    root["tween"] = Json::array();
    for (double ratio : tweens)
        root["tween"].push_back(ratio);
    return json::stringify(root);
}

} // namespace vignetta::preview
