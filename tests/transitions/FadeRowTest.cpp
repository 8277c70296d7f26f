// The cross-fade's rows: every path this processor takes gives the exact integer blend.
#include "player/transitions/FadeRow.h"

#include <gtest/gtest.h>

#include <random>

namespace ztv::test {
namespace {

QRgb expectedBlend(QRgb old, QRgb next, int p) {
    QRgb pixel = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const int o = int((old >> shift) & 0xFF);
        const int n = int((next >> shift) & 0xFF);
        pixel |= QRgb(o * (100 - p) / 100 + n * p / 100) << shift;
    }
    return pixel;
}

std::vector<QRgb> randomRow(std::mt19937& random, int width) {
    std::vector<QRgb> row(static_cast<std::size_t>(width));
    for (QRgb& pixel : row) {
        pixel = QRgb(random());
    }
    return row;
}

TEST(FadeRow, EveryPathGivesTheExactBlendOfEveryByteAtEveryPosition) {
    // Each channel of each side runs through all 256 values, against a different partner in
    // each channel; 259 pixels leave a tail after the vector blocks.
    constexpr int kWidth = 259;
    std::vector<QRgb> old(kWidth), next(kWidth);
    for (int i = 0; i < kWidth; ++i) {
        const int v = i & 0xFF;
        old[std::size_t(i)] = qRgba(v, 255 - v, (v * 37) & 0xFF, v);
        next[std::size_t(i)] = qRgba((v * 101) & 0xFF, v, 255 - v, 255 - v);
    }
    for (const FadeRowPath& path : fadeRowPaths()) {
        std::vector<QRgb> out(kWidth);
        for (int p = 0; p <= 100; ++p) {
            path.run(out.data(), old.data(), next.data(), kWidth, p);
            for (int i = 0; i < kWidth; ++i) {
                const auto at = std::size_t(i);
                ASSERT_EQ(out[at], expectedBlend(old[at], next[at], p))
                    << path.name << ", p " << p << ", pixel " << i;
            }
        }
    }
}

TEST(FadeRow, PathsAgreeOnRandomRowsOfAnyWidthAndStartAndWriteNothingPastTheRow) {
    const std::vector<FadeRowPath> paths = fadeRowPaths();
    ASSERT_STREQ(paths.front().name, "portable");
#if defined(__x86_64__)
    EXPECT_GE(paths.size(), 2u) << "every x86-64 processor has SSE2";
#endif
    std::mt19937 random(7);
    std::vector<int> widths{1920, 1921, 1927};
    for (int width = 0; width <= 40; ++width) {
        widths.push_back(width);
    }
    for (const int width : widths) {
        // Starting one to three pixels in: rows of a clipped element are rarely aligned.
        const int start = int(random() % 4);
        const int p = width % 3 == 0 ? int(random() % 101) : (width % 2 == 0 ? 0 : 100);
        const std::vector<QRgb> old = randomRow(random, start + width);
        const std::vector<QRgb> next = randomRow(random, start + width);
        const std::vector<QRgb> before = randomRow(random, start + width + 1);
        std::vector<QRgb> reference = before;
        paths.front().run(reference.data() + start, old.data() + start, next.data() + start, width,
                          p);
        for (int i = 0; i < width; ++i) {
            const auto at = std::size_t(start + i);
            ASSERT_EQ(reference[at], expectedBlend(old[at], next[at], p));
        }
        for (const FadeRowPath& path : paths) {
            std::vector<QRgb> out = before;
            path.run(out.data() + start, old.data() + start, next.data() + start, width, p);
            EXPECT_EQ(out, reference)
                << path.name << ", width " << width << ", start " << start << ", p " << p;
        }
    }
}

}  // namespace
}  // namespace ztv::test
