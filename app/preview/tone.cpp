#include "preview/tone.h"

#include "preview/numbers.h"

#include <algorithm>
#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define VIGNETTA_TONE_AVX2 1
#endif

namespace vignetta::preview {

namespace {

// x × a / 255 on each 8-bit channel of a pixel, rounded the way the raster painter rounds.
inline quint32 byteMul(quint32 x, quint32 a)
{
    quint32 t = (x & 0xff00ff) * a;
    t = (t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8;
    t &= 0xff00ff;
    x = ((x >> 8) & 0xff00ff) * a;
    x = (x + ((x >> 8) & 0xff00ff) + 0x800080);
    x &= 0xff00ff00;
    return x | t;
}

// The painter keeps its opacity as a whole number of 1/256 steps (truncated) and blends an image
// with the constant alpha (steps × 255) >> 8; this reproduces that value for opacity gray / 255.
// 256 means "fully opaque" (plain source-over).
int grayConstAlpha(int gray)
{
    const int steps = int(gray / 255.0 * 256.0);
    if (steps >= 256)
        return 256;
    return (steps * 255) >> 8;
}

inline quint32 tonePixel(quint32 p, quint32 g, int grayAlpha, quint32 addMask, quint32 subMask)
{
    const quint32 alpha = p >> 24;
    if (grayAlpha == 256) {
        p = g + byteMul(p, 255 - (g >> 24));
    } else if (grayAlpha > 0) {
        const quint32 s = byteMul(g, quint32(grayAlpha));
        p = s + byteMul(p, 255 - (s >> 24));
    }
    quint32 out = 0xff000000;
    for (int shift = 0; shift < 24; shift += 8) {
        int c = int((p >> shift) & 0xff) + int((addMask >> shift) & 0xff) -
                int((subMask >> shift) & 0xff);
        c = std::clamp(c, 0, 255);
        out |= quint32(c) << shift;
    }
    return byteMul(out, alpha);
}

#if defined(__SSE2__)
// Same as byteMul on eight 16-bit lanes (two pixels) whose factors are in `a`.
inline __m128i byteMul16(__m128i x, __m128i a)
{
    const __m128i half = _mm_set1_epi16(0x80);
    __m128i t = _mm_mullo_epi16(x, a);
    t = _mm_add_epi16(t, _mm_srli_epi16(t, 8));
    t = _mm_add_epi16(t, half);
    return _mm_srli_epi16(t, 8);
}

// Each pixel's alpha copied to all four of its 16-bit lanes.
inline __m128i alphaLanes(__m128i x16)
{
    x16 = _mm_shufflelo_epi16(x16, _MM_SHUFFLE(3, 3, 3, 3));
    return _mm_shufflehi_epi16(x16, _MM_SHUFFLE(3, 3, 3, 3));
}

inline __m128i toneFour(__m128i p, const quint32 *gray, int grayAlpha, __m128i add, __m128i sub)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i ones = _mm_set1_epi16(255);
    const __m128i alphaBits = _mm_set1_epi32(int(0xff000000));
    // Opaque pixels need no multiplication by their own alpha at the end (x * 255 / 255 = x).
    const bool opaque =
        _mm_movemask_epi8(_mm_cmpeq_epi32(_mm_and_si128(p, alphaBits), alphaBits)) == 0xffff;
    __m128i pLo = _mm_unpacklo_epi8(p, zero);
    __m128i pHi = _mm_unpackhi_epi8(p, zero);
    const __m128i alphaLo = alphaLanes(pLo);
    const __m128i alphaHi = alphaLanes(pHi);
    if (grayAlpha > 0) {
        const __m128i g = _mm_loadu_si128(reinterpret_cast<const __m128i *>(gray));
        __m128i sLo = _mm_unpacklo_epi8(g, zero);
        __m128i sHi = _mm_unpackhi_epi8(g, zero);
        if (grayAlpha < 256) {
            const __m128i ca = _mm_set1_epi16(short(grayAlpha));
            sLo = byteMul16(sLo, ca);
            sHi = byteMul16(sHi, ca);
        }
        pLo = _mm_add_epi16(sLo, byteMul16(pLo, _mm_sub_epi16(ones, alphaLanes(sLo))));
        pHi = _mm_add_epi16(sHi, byteMul16(pHi, _mm_sub_epi16(ones, alphaLanes(sHi))));
        p = _mm_packus_epi16(pLo, pHi);
    }
    // Colour channels: saturating add, then saturating subtract; alpha forced to 255 so that the
    // multiplication below leaves each pixel's own alpha.
    p = _mm_subs_epu8(_mm_adds_epu8(p, add), sub);
    p = _mm_or_si128(p, alphaBits);
    if (opaque)
        return p;
    pLo = byteMul16(_mm_unpacklo_epi8(p, zero), alphaLo);
    pHi = byteMul16(_mm_unpackhi_epi8(p, zero), alphaHi);
    return _mm_packus_epi16(pLo, pHi);
}
#endif

#if defined(VIGNETTA_TONE_AVX2)
__attribute__((target("avx2"))) inline __m256i byteMul16x2(__m256i x, __m256i a)
{
    __m256i t = _mm256_mullo_epi16(x, a);
    t = _mm256_add_epi16(t, _mm256_srli_epi16(t, 8));
    t = _mm256_add_epi16(t, _mm256_set1_epi16(0x80));
    return _mm256_srli_epi16(t, 8);
}

__attribute__((target("avx2"))) inline __m256i alphaLanesx2(__m256i x16)
{
    x16 = _mm256_shufflelo_epi16(x16, _MM_SHUFFLE(3, 3, 3, 3));
    return _mm256_shufflehi_epi16(x16, _MM_SHUFFLE(3, 3, 3, 3));
}

// The same as toneFour on eight pixels, for processors with AVX2 (chosen at run time).
__attribute__((target("avx2"))) void toneRowAvx2(const quint32 *src, const quint32 *gray,
                                                 quint32 *dst, int count, int grayAlpha,
                                                 quint32 addMask, quint32 subMask)
{
    const __m256i zero = _mm256_setzero_si256();
    const __m256i ones = _mm256_set1_epi16(255);
    const __m256i alphaBits = _mm256_set1_epi32(int(0xff000000));
    const __m256i add = _mm256_set1_epi32(int(addMask));
    const __m256i sub = _mm256_set1_epi32(int(subMask));
    const __m256i ca = _mm256_set1_epi16(short(grayAlpha));
    for (int x = 0; x + 8 <= count; x += 8) {
        __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(src + x));
        const bool opaque = _mm256_movemask_epi8(_mm256_cmpeq_epi32(_mm256_and_si256(p, alphaBits),
                                                                    alphaBits)) == -1;
        __m256i pLo = _mm256_unpacklo_epi8(p, zero);
        __m256i pHi = _mm256_unpackhi_epi8(p, zero);
        const __m256i alphaLo = alphaLanesx2(pLo);
        const __m256i alphaHi = alphaLanesx2(pHi);
        if (grayAlpha > 0) {
            const __m256i g = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(gray + x));
            __m256i sLo = _mm256_unpacklo_epi8(g, zero);
            __m256i sHi = _mm256_unpackhi_epi8(g, zero);
            if (grayAlpha < 256) {
                sLo = byteMul16x2(sLo, ca);
                sHi = byteMul16x2(sHi, ca);
            }
            pLo =
                _mm256_add_epi16(sLo, byteMul16x2(pLo, _mm256_sub_epi16(ones, alphaLanesx2(sLo))));
            pHi =
                _mm256_add_epi16(sHi, byteMul16x2(pHi, _mm256_sub_epi16(ones, alphaLanesx2(sHi))));
            p = _mm256_packus_epi16(pLo, pHi);
        }
        p = _mm256_subs_epu8(_mm256_adds_epu8(p, add), sub);
        p = _mm256_or_si256(p, alphaBits);
        if (!opaque) {
            pLo = byteMul16x2(_mm256_unpacklo_epi8(p, zero), alphaLo);
            pHi = byteMul16x2(_mm256_unpackhi_epi8(p, zero), alphaHi);
            p = _mm256_packus_epi16(pLo, pHi);
        }
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(dst + x), p);
    }
}

bool hasAvx2()
{
    static const bool supported = __builtin_cpu_supports("avx2");
    return supported;
}
#endif

quint32 channelMask(int red, int green, int blue)
{
    return (quint32(std::clamp(red, 0, 255)) << 16) | (quint32(std::clamp(green, 0, 255)) << 8) |
           quint32(std::clamp(blue, 0, 255));
}

} // namespace

Tone toneAt(int addR, int addG, int addB, int gray, double ratio)
{
    // Beyond a full channel a component changes nothing more; keeping it within that range
    // also keeps its negation (for the part taken off) within int.
    const auto component = [ratio](int value, int low) {
        return std::clamp(json::toInt(value * ratio, 0), low, 255);
    };
    Tone tone;
    tone.red = component(addR, -255);
    tone.green = component(addG, -255);
    tone.blue = component(addB, -255);
    tone.gray = component(gray, 0);
    return tone;
}

QImage makeGrayCopy(const QImage &picture)
{
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // A new image of its own: writing through a shared copy would first have to detach it,
    // and that allocation may fail like any other.
    QImage gray(source.size(), QImage::Format_ARGB32_Premultiplied);
    if (source.isNull() || gray.isNull())
        return QImage();
    const int width = gray.width();
    for (int y = 0; y < gray.height(); ++y) {
        const auto *from = reinterpret_cast<const quint32 *>(source.constScanLine(y));
        auto *line = reinterpret_cast<quint32 *>(gray.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const quint32 p = from[x];
            const quint32 r = (p >> 16) & 0xff;
            const quint32 g = (p >> 8) & 0xff;
            const quint32 b = p & 0xff;
            const quint32 v = (b + 2 * r + 4 * g) / 7;
            line[x] = (p & 0xff000000) | (v << 16) | (v << 8) | v;
        }
    }
    return gray;
}

void applyTone(const QImage &picture, const QImage &grayPicture, const Tone &tone, QImage &out)
{
    if (picture.isNull()) {
        out = QImage();
        return;
    }
    if (out.size() != picture.size() || out.format() != QImage::Format_ARGB32_Premultiplied ||
        out.isDetached() == false) {
        out = QImage(picture.size(), QImage::Format_ARGB32_Premultiplied);
        if (out.isNull()) // not enough memory: no toned picture this time
            return;
    }
    const bool useGray = grayPicture.size() == picture.size() &&
                         grayPicture.format() == QImage::Format_ARGB32_Premultiplied;
    const int grayAlpha = useGray ? grayConstAlpha(std::clamp(tone.gray, 0, 255)) : 0;
    const quint32 addMask = channelMask(tone.red, tone.green, tone.blue);
    const auto taken = [](int component) { return -std::max(component, -255); };
    const quint32 subMask = channelMask(taken(tone.red), taken(tone.green), taken(tone.blue));
    const int width = picture.width();

#if defined(__SSE2__)
    const __m128i add = _mm_set1_epi32(int(addMask));
    const __m128i sub = _mm_set1_epi32(int(subMask));
#endif
    for (int y = 0; y < picture.height(); ++y) {
        const auto *src = reinterpret_cast<const quint32 *>(picture.constScanLine(y));
        const auto *gray =
            useGray ? reinterpret_cast<const quint32 *>(grayPicture.constScanLine(y)) : src;
        auto *dst = reinterpret_cast<quint32 *>(out.scanLine(y));
        int x = 0;
#if defined(VIGNETTA_TONE_AVX2)
        if (hasAvx2()) {
            toneRowAvx2(src, gray, dst, width, grayAlpha, addMask, subMask);
            x = width - width % 8;
        }
#endif
#if defined(__SSE2__)
        for (; x + 4 <= width; x += 4) {
            const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i *>(src + x));
            _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + x),
                             toneFour(p, gray + x, grayAlpha, add, sub));
        }
#endif
        for (; x < width; ++x)
            dst[x] = tonePixel(src[x], gray[x], grayAlpha, addMask, subMask);
    }
}

} // namespace vignetta::preview
