#include "player/elements/SavedEffects.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace ztv::effects {
namespace {

// Source index of pixel i when the picture is magnified about its middle by d / 50.
int magnified(int i, int length, int d) {
    const int middle = length / 2;
    const int source = roundDiv(std::int64_t(middle) * d + std::int64_t(i - middle) * 50, d);
    return std::clamp(source, 0, length - 1);
}

void drawMagnified(const EffectTarget& t, int d) {
    const QRect area = t.visible();
    std::vector<int> columns(std::size_t(area.width()));
    for (int x = area.left(); x <= area.right(); ++x) {
        columns[std::size_t(x - area.left())] = magnified(x, t.width(), d);
    }
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb* row = t.canvasRow(y, area.left());
        const QRgb* source = t.pictureRow(magnified(y, t.height(), d), 0);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            row[i] = source[columns[i]];
        }
    }
}

// v x w div 100 for a channel v and a weight w up to 100: the product fits in 16 bits, and
// x div 100 for x up to 25 500 is exactly x x 41 944 >> 22, so the compiler can keep the whole
// loop in 16-bit vector lanes.
inline std::uint8_t share(std::uint8_t v, std::uint16_t w) {
    const auto x = std::uint16_t(v * w);
    return std::uint8_t(std::uint16_t((std::uint32_t(x) * 41944u) >> 16) >> 6);
}

#ifdef __SSE2__
// share() on eight 16-bit lanes.
inline __m128i shareLanes(__m128i v, __m128i w) {
    const __m128i x = _mm_mullo_epi16(v, w);
    return _mm_srli_epi16(_mm_mulhi_epu16(x, _mm_set1_epi16(short(41944))), 6);
}
#endif

// old x (100 - p) div 100 + new x p div 100 on each byte of the row, the pixels made opaque
// again. Sixteen bytes at a time where the processor allows: the compiler does not vectorise
// the byte loop by itself, and the fade is the slowest step of the effects.
void fadeRow(std::uint8_t* out, const std::uint8_t* old, const std::uint8_t* next, int width,
             std::uint16_t a, std::uint16_t b) {
    const int bytes = width * 4;
    int i = 0;
#ifdef __SSE2__
    const __m128i wa = _mm_set1_epi16(short(a));
    const __m128i wb = _mm_set1_epi16(short(b));
    const __m128i zero = _mm_setzero_si128();
    const __m128i opaque = _mm_set1_epi32(int(0xFF000000u));
    for (; i + 16 <= bytes; i += 16) {
        const __m128i o = _mm_loadu_si128(reinterpret_cast<const __m128i*>(old + i));
        const __m128i n = _mm_loadu_si128(reinterpret_cast<const __m128i*>(next + i));
        const __m128i low = _mm_add_epi16(shareLanes(_mm_unpacklo_epi8(o, zero), wa),
                                          shareLanes(_mm_unpacklo_epi8(n, zero), wb));
        const __m128i high = _mm_add_epi16(shareLanes(_mm_unpackhi_epi8(o, zero), wa),
                                           shareLanes(_mm_unpackhi_epi8(n, zero), wb));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i),
                         _mm_or_si128(_mm_packus_epi16(low, high), opaque));
    }
#endif
    const int tail = i / 4;
    for (; i < bytes; ++i) {
        out[i] = std::uint8_t(share(old[i], a) + share(next[i], b));
    }
    auto* pixels = reinterpret_cast<QRgb*>(out);
    for (int pixel = tail; pixel < width; ++pixel) {
        pixels[pixel] |= 0xFF000000u;
    }
}

void drawFaded(const TransitionState& s, const EffectTarget& t, int p) {
    const QRect area = t.visible();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        fadeRow(reinterpret_cast<std::uint8_t*>(t.canvasRow(y, area.left())),
                s.saved.constScanLine(y) + area.left() * 4,
                reinterpret_cast<const std::uint8_t*>(t.pictureRow(y, area.left())), area.width(),
                std::uint16_t(100 - p), std::uint16_t(p));
    }
}

}  // namespace

void stepPulse(TransitionState& s, const EffectTarget& t) {
    s.position = std::min(advancePosition(s.position, s.step), 99);
    s.position = std::min(s.position, s.end);
    if (s.position >= 99) {
        t.copyWholeThrough(s.keyColour);
        release(s);
        return;
    }
    // A factor below 1 would shrink the divisor to nothing on the way: it counts as 1.
    const int factor = std::max(1, s.option);
    const int p = std::clamp(s.position, 0, 99);
    const std::int64_t grown = std::int64_t(factor - 1) * (p < 50 ? p : 100 - p);
    drawMagnified(t, int(std::min<std::int64_t>(50 + grown, INT32_MAX / 64)));
    if (s.position >= s.end) {
        release(s);
    }
}

void stepCrossFade(TransitionState& s, const EffectTarget& t) {
    if (!s.held) {
        saveUnder(s, t.canvas(), QRect(t.at(), t.picture().size()));
    }
    s.position = std::min(advancePosition(s.position, s.step), s.end);
    if (s.position >= 100) {
        finishWhole(s, t);
        return;
    }
    drawFaded(s, t, std::clamp(s.position, 0, 100));
    if (s.position >= s.end) {
        release(s);
    }
}

}  // namespace ztv::effects
