#include "player/transitions/EffectFamilies.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

namespace ztv::effects {
namespace {

// Effect 5: 500 div s + 1 blocks of about a hundredth of each side.
void dissolveSmallBlocks(const EffectTarget& t) {
    const int w = t.width();
    const int h = t.height();
    const double bw = std::max(1.0, w / 100.0);
    const double bh = std::max(1.0, h / 100.0);
    const int count = 500 / t.step() + 1;
    for (int i = 0; i < count; ++i) {
        const int x = t.random().below(w);
        const int y = t.random().below(h);
        // The block's far edge is rounded, so blocks of a fractional size tile evenly.
        const int right = int(std::nearbyint(x + bw));
        const int bottom = int(std::nearbyint(y + bh));
        t.copy(QRect(QPoint(x, y), QPoint(right - 1, bottom - 1)));
    }
}

// Effect 25: square blocks sized by the picture's area, (W x H) div (s x 10) + 1 per step.
// A large picture gets a great many blocks, so they are copied row by row of the canvas:
// each row is visited once and stays in cache for every block that crosses it.
void dissolveSquares(const EffectTarget& t) {
    const int w = t.width();
    const int h = t.height();
    const std::int64_t area = std::int64_t(w) * h;
    if (area == 0) {
        return;
    }
    const int side = area < 1000 ? 1 : area <= 9999 ? 5 : area <= 99999 ? 8 : 10;
    const std::size_t count = std::size_t(area / (std::int64_t(t.step()) * 10) + 1);
    // The blocks' columns, grouped by their top row (a counting sort).
    std::vector<int> rowStart(std::size_t(h) + 1, 0);
    std::vector<std::pair<int, int>> blocks(count);
    for (auto& [x, y] : blocks) {
        x = t.random().below(w);
        y = t.random().below(h);
        ++rowStart[std::size_t(y) + 1];
    }
    for (int y = 0; y < h; ++y) {
        rowStart[std::size_t(y) + 1] += rowStart[std::size_t(y)];
    }
    std::vector<int> columns(count);
    std::vector<int> next(rowStart.begin(), rowStart.end() - 1);
    for (const auto& [x, y] : blocks) {
        columns[std::size_t(next[std::size_t(y)]++)] = x;
    }
    const QRect visible = t.visible();
    for (int row = visible.top(); row <= visible.bottom(); ++row) {
        const int left = visible.left();
        const QRgb* source = t.pictureRow(row, left);
        QRgb* target = t.canvasRow(row, left);
        for (int top = std::max(0, row - side + 1); top <= row; ++top) {
            for (int i = rowStart[std::size_t(top)]; i < rowStart[std::size_t(top) + 1]; ++i) {
                const int from = std::max(columns[std::size_t(i)], left);
                const int to = std::min(columns[std::size_t(i)] + side, visible.right() + 1);
                if (from < to) {
                    std::memcpy(target + (from - left), source + (from - left),
                                std::size_t(to - from) * sizeof(QRgb));
                }
            }
        }
    }
}

// Effects 26 and 27: 51 random lines of one pixel across the whole picture.
void randomLines(const EffectTarget& t, bool horizontal) {
    for (int i = 0; i < 51; ++i) {
        if (horizontal) {
            t.copy(QRect(0, t.random().below(t.height()), t.width(), 1));
        } else {
            t.copy(QRect(t.random().below(t.width()), 0, 1, t.height()));
        }
    }
}

// Effects 21 to 24: 100 strips, each revealed from its edge to a fresh random 0 to 99 percent.
// The strips split the side evenly, so together they cover it even when it is under 100 pixels.
void randomStrips(int effect, const EffectTarget& t) {
    const bool columns = effect == 21 || effect == 22;
    const int across = columns ? t.width() : t.height();
    const int along = columns ? t.height() : t.width();
    std::array<int, 101> edges{};  // strip k covers [edges[k], edges[k + 1])
    std::array<int, 100> lengths{};
    for (int k = 0; k <= 100; ++k) {
        edges[k] = int(std::int64_t(across) * k / 100);
    }
    for (int& length : lengths) {
        length = int(std::int64_t(along) * t.random().below(100) / 100);
    }
    if (!columns) {
        for (int k = 0; k < 100; ++k) {
            const int start = effect == 23 ? 0 : along - lengths[k];
            t.copy(QRect(start, edges[k], lengths[k], edges[k + 1] - edges[k]));
        }
        return;
    }
    // Columns are copied row by row, neighbouring strips in one run, to read memory in order;
    // each row's pixels are reached once, and the runs clipped to the visible columns.
    const QRect visible = t.visible();
    const int left = visible.left();
    const int right = visible.right() + 1;
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        const auto covers = [&](int strip) {
            return effect == 21 ? y >= along - lengths[strip] : y < lengths[strip];
        };
        const QRgb* source = t.pictureRow(y, left);
        QRgb* target = t.canvasRow(y, left);
        int k = 0;
        while (k < 100) {
            if (!covers(k)) {
                ++k;
                continue;
            }
            const int first = k;
            while (k < 100 && covers(k)) {
                ++k;
            }
            const int from = std::max(edges[first], left);
            const int to = std::min(edges[k], right);
            if (from < to) {
                std::memcpy(target + (from - left), source + (from - left),
                            std::size_t(to - from) * sizeof(QRgb));
            }
        }
    }
}

}  // namespace

void drawRandom(int effect, const EffectTarget& t, int /*p*/) {
    switch (effect) {
        case 5:
            return dissolveSmallBlocks(t);
        case 25:
            return dissolveSquares(t);
        case 26:
            return randomLines(t, true);
        case 27:
            return randomLines(t, false);
        default:
            return randomStrips(effect, t);
    }
}

}  // namespace ztv::effects
