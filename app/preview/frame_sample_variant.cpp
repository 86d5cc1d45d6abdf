#include "preview/frame_sample_variant.h"

#include "bridge/json_qt.h"

namespace vignetta::preview {

QVariantMap frameSampleToVariant(const FrameSample &sample)
{
    QVariantList sounds;
    for (const SoundStart &sound : sample.sounds) {
        sounds.append(
            QVariantMap{{QStringLiteral("channel"), QString::fromStdString(sound.channel)},
                        {QStringLiteral("audio"), bridge::toVariant(sound.audio)}});
    }
    QVariant fadeOut;
    if (sample.fadeOut) {
        fadeOut = QVariantMap{
            {QStringLiteral("channel"), QString::fromStdString(sample.fadeOut->channel)},
            {QStringLiteral("seconds"), sample.fadeOut->seconds}};
    }
    return QVariantMap{
        {QStringLiteral("frame"), sample.frame},
        {QStringLiteral("displayList"), QString::fromStdString(sample.displayListText())},
        {QStringLiteral("fade"), sample.fade},
        {QStringLiteral("blendColor"),
         QVariantList{sample.flash[0], sample.flash[1], sample.flash[2], sample.flash[3]}},
        {QStringLiteral("shake"), sample.shakeOffset()},
        {QStringLiteral("text"),
         sample.textKind == TextKind::none ? QVariant() : bridge::toVariant(sample.text)},
        {QStringLiteral("textBlockId"), sample.textBlockId},
        {QStringLiteral("sounds"), sounds},
        {QStringLiteral("fadeOut"), fadeOut},
    };
}

} // namespace vignetta::preview
