#include "player/transitions/FadeRow.h"

#include <algorithm>
#include <cstdint>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define ZTV_FADE_X86 1
#endif

namespace ztv {
namespace {

// v x w div 100 for a byte v is (v x m) >> 16 with m = w x 65 536 / 100 rounded up: m / 65 536
// overshoots w / 100 by less than 1 / 65 536, so v x m / 65 536 overshoots v x w / 100 by less
// than 256 / 65 536, below the 1 / 100 that separates v x w / 100 from the next integer above.
// One multiply per byte instead of a multiply and a division.
struct Multipliers {
    std::uint32_t old;
    std::uint32_t next;

    // Only a weight of 100 needs a seventeenth bit; the vector lanes have sixteen.
    bool fitSixteenBits() const { return old <= 0xFFFF && next <= 0xFFFF; }
};

Multipliers multipliers(int p) {
    const auto of = [](int weight) { return std::uint32_t((weight * 65536 + 99) / 100); };
    p = std::clamp(p, 0, 100);
    return {of(100 - p), of(p)};
}

void fadePortable(QRgb* out, const QRgb* old, const QRgb* next, int width, Multipliers m) {
    for (int x = 0; x < width; ++x) {
        QRgb pixel = 0xFF000000u;
        for (int shift = 0; shift < 24; shift += 8) {
            const std::uint32_t o = (old[x] >> shift) & 0xFF;
            const std::uint32_t n = (next[x] >> shift) & 0xFF;
            pixel |= (((o * m.old) >> 16) + ((n * m.next) >> 16)) << shift;
        }
        out[x] = pixel;
    }
}

// A vector path: the pixels it did from the start of the row, whose first pixel lies on a
// vector boundary (the rest go the portable way).
using VectorRun = int (*)(QRgb* out, const QRgb* old, const QRgb* next, int width, Multipliers m);

template <VectorRun run, std::uintptr_t alignment>
void fadeWith(QRgb* out, const QRgb* old, const QRgb* next, int width, int p) {
    const Multipliers m = multipliers(p);
    int done = 0;
    if (m.fitSixteenBits()) {
        const auto misplaced = reinterpret_cast<std::uintptr_t>(out) % alignment;
        const int head = std::min(width, int((alignment - misplaced) % alignment / sizeof(QRgb)));
        fadePortable(out, old, next, head, m);
        done = head + run(out + head, old + head, next + head, width - head, m);
    }
    fadePortable(out + done, old + done, next + done, width - done, m);
}

int noVectors(QRgb*, const QRgb*, const QRgb*, int, Multipliers) {
    return 0;
}

#ifdef ZTV_FADE_X86
// The faded rows go straight to memory: a step reads two pictures of the element's size and
// writes a third, more than a cache holds for a large element, and nothing reads them back
// before the page is shown. Stores that first fetched each line would add a fourth stream.

// Four pixels at a time: bytes widened to 16-bit lanes, where the high half of the product with
// the multiplier is the share.
__attribute__((target("sse2"))) int fadeSse2(QRgb* out, const QRgb* old, const QRgb* next,
                                             int width, Multipliers m) {
    const __m128i mo = _mm_set1_epi16(short(m.old));
    const __m128i mn = _mm_set1_epi16(short(m.next));
    const __m128i zero = _mm_setzero_si128();
    const __m128i opaque = _mm_set1_epi32(int(0xFF000000u));
    int x = 0;
    for (; x + 4 <= width; x += 4) {
        const __m128i o = _mm_loadu_si128(reinterpret_cast<const __m128i*>(old + x));
        const __m128i n = _mm_loadu_si128(reinterpret_cast<const __m128i*>(next + x));
        const __m128i low = _mm_add_epi16(_mm_mulhi_epu16(_mm_unpacklo_epi8(o, zero), mo),
                                          _mm_mulhi_epu16(_mm_unpacklo_epi8(n, zero), mn));
        const __m128i high = _mm_add_epi16(_mm_mulhi_epu16(_mm_unpackhi_epi8(o, zero), mo),
                                           _mm_mulhi_epu16(_mm_unpackhi_epi8(n, zero), mn));
        _mm_stream_si128(reinterpret_cast<__m128i*>(out + x),
                         _mm_or_si128(_mm_packus_epi16(low, high), opaque));
    }
    _mm_sfence();
    return x;
}

// The same, eight pixels at a time (the unpacking and packing stay within each 128-bit half, so
// the pixels keep their order).
__attribute__((target("avx2"))) int fadeAvx2(QRgb* out, const QRgb* old, const QRgb* next,
                                             int width, Multipliers m) {
    const __m256i mo = _mm256_set1_epi16(short(m.old));
    const __m256i mn = _mm256_set1_epi16(short(m.next));
    const __m256i zero = _mm256_setzero_si256();
    const __m256i opaque = _mm256_set1_epi32(int(0xFF000000u));
    int x = 0;
    for (; x + 8 <= width; x += 8) {
        const __m256i o = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(old + x));
        const __m256i n = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(next + x));
        const __m256i low = _mm256_add_epi16(_mm256_mulhi_epu16(_mm256_unpacklo_epi8(o, zero), mo),
                                             _mm256_mulhi_epu16(_mm256_unpacklo_epi8(n, zero), mn));
        const __m256i high =
            _mm256_add_epi16(_mm256_mulhi_epu16(_mm256_unpackhi_epi8(o, zero), mo),
                             _mm256_mulhi_epu16(_mm256_unpackhi_epi8(n, zero), mn));
        _mm256_stream_si256(reinterpret_cast<__m256i*>(out + x),
                            _mm256_or_si256(_mm256_packus_epi16(low, high), opaque));
    }
    _mm_sfence();
    return x;
}
#endif

}  // namespace

std::vector<FadeRowPath> fadeRowPaths() {
    std::vector<FadeRowPath> paths{{"portable", fadeWith<noVectors, 1>}};
#ifdef ZTV_FADE_X86
    if (__builtin_cpu_supports("sse2")) {
        paths.push_back({"sse2", fadeWith<fadeSse2, 16>});
    }
    if (__builtin_cpu_supports("avx2")) {
        paths.push_back({"avx2", fadeWith<fadeAvx2, 32>});
    }
#endif
    return paths;
}

void fadeRow(QRgb* out, const QRgb* old, const QRgb* next, int width, int p) {
    static const FadeRowFunction fastest = fadeRowPaths().back().run;
    fastest(out, old, next, width, p);
}

}  // namespace ztv
