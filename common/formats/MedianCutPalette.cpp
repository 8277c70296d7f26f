#include "common/formats/MedianCutPalette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace ztv {
namespace {

constexpr int kBits = 5;
constexpr int kLevels = 1 << kBits;
constexpr int kRefinements = 2;

// The pixels that fall in one cell of the histogram.
struct Bin {
    std::int64_t count = 0;
    std::array<std::int64_t, 3> sum{};
    std::array<std::int64_t, 3> squares{};
    double mean(int channel) const { return double(sum[channel]) / double(count); }
};

// A run of bins, sorted along its widest channel when it was split, and its squared error.
struct Box {
    int begin = 0;
    int end = 0;
    double error = 0;
    int axis = 0;
};

std::vector<Bin> histogram(const QImage& frame, std::optional<QRgb> skipped) {
    std::vector<Bin> bins(kLevels * kLevels * kLevels);
    const QRgb skip = skipped ? (*skipped | 0xFF000000u) : 0;
    for (int y = 0; y < frame.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
        for (int x = 0; x < frame.width(); ++x) {
            const QRgb pixel = line[x] | 0xFF000000u;
            if (skipped && pixel == skip) {
                continue;
            }
            const std::array<int, 3> c{qRed(pixel), qGreen(pixel), qBlue(pixel)};
            Bin& bin = bins[(c[0] >> 3) << 10 | (c[1] >> 3) << 5 | c[2] >> 3];
            ++bin.count;
            for (int k = 0; k < 3; ++k) {
                bin.sum[k] += c[k];
                bin.squares[k] += c[k] * c[k];
            }
        }
    }
    std::erase_if(bins, [](const Bin& bin) { return bin.count == 0; });
    return bins;
}

// The box's squared error and the channel along which it spreads most. A box of one bin cannot
// be split and counts as exact.
Box measured(const std::vector<Bin>& bins, int begin, int end) {
    Box box{begin, end, 0, 0};
    if (end - begin < 2) {
        return box;
    }
    std::int64_t count = 0;
    std::array<double, 3> sum{}, squares{};
    for (int i = begin; i < end; ++i) {
        count += bins[i].count;
        for (int k = 0; k < 3; ++k) {
            sum[k] += double(bins[i].sum[k]);
            squares[k] += double(bins[i].squares[k]);
        }
    }
    double widest = -1;
    for (int k = 0; k < 3; ++k) {
        const double spread = squares[k] - sum[k] * sum[k] / double(count);
        box.error += spread;
        if (spread > widest) {
            widest = spread;
            box.axis = k;
        }
    }
    return box;
}

// Sorts the box along its axis and cuts it where the two halves' errors along that axis add up
// to the least.
int splitPoint(std::vector<Bin>& bins, const Box& box) {
    const int axis = box.axis;
    std::sort(bins.begin() + box.begin, bins.begin() + box.end,
              [axis](const Bin& a, const Bin& b) { return a.mean(axis) < b.mean(axis); });
    double totalCount = 0, totalSum = 0;
    for (int i = box.begin; i < box.end; ++i) {
        totalCount += double(bins[i].count);
        totalSum += double(bins[i].sum[axis]);
    }
    double count = 0, sum = 0, best = -1;
    int cut = box.begin + 1;
    for (int i = box.begin; i + 1 < box.end; ++i) {
        count += double(bins[i].count);
        sum += double(bins[i].sum[axis]);
        // Minimising the halves' error is maximising the between-halves term.
        const double gain =
            sum * sum / count + (totalSum - sum) * (totalSum - sum) / (totalCount - count);
        if (gain > best) {
            best = gain;
            cut = i + 1;
        }
    }
    return cut;
}

QRgb meanColour(const std::array<double, 3>& sum, double count) {
    const auto channel = [&](int k) {
        return std::clamp(int(std::lround(sum[k] / count)), 0, 255);
    };
    return qRgb(channel(0), channel(1), channel(2));
}

int nearest(const QList<QRgb>& palette, const std::array<double, 3>& colour) {
    int best = 0;
    double bestDistance = -1;
    for (int i = 0; i < palette.size(); ++i) {
        const double dr = colour[0] - qRed(palette[i]);
        const double dg = colour[1] - qGreen(palette[i]);
        const double db = colour[2] - qBlue(palette[i]);
        const double distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

// Moves each colour to the mean of the bins nearest to it (a round of k-means over the bins).
void refine(QList<QRgb>& palette, const std::vector<Bin>& bins) {
    std::vector<std::array<double, 3>> sums(palette.size(), {0, 0, 0});
    std::vector<double> counts(palette.size(), 0);
    for (const Bin& bin : bins) {
        const int i = nearest(palette, {bin.mean(0), bin.mean(1), bin.mean(2)});
        counts[i] += double(bin.count);
        for (int k = 0; k < 3; ++k) {
            sums[i][k] += double(bin.sum[k]);
        }
    }
    for (int i = 0; i < palette.size(); ++i) {
        if (counts[i] > 0) {
            palette[i] = meanColour(sums[i], counts[i]);
        }
    }
}

}  // namespace

QList<QRgb> medianCutPalette(const QImage& frame, int maxColours, std::optional<QRgb> skipped) {
    std::vector<Bin> bins = histogram(frame, skipped);
    if (bins.empty()) {
        return {};
    }
    std::vector<Box> boxes{measured(bins, 0, int(bins.size()))};
    while (int(boxes.size()) < std::clamp(maxColours, 1, 256)) {
        const auto worst =
            std::max_element(boxes.begin(), boxes.end(),
                             [](const Box& a, const Box& b) { return a.error < b.error; });
        if (worst->error <= 0) {
            break;
        }
        const Box box = *worst;
        const int cut = splitPoint(bins, box);
        *worst = measured(bins, box.begin, cut);
        boxes.push_back(measured(bins, cut, box.end));
    }
    QList<QRgb> palette;
    for (const Box& box : boxes) {
        std::array<double, 3> sum{};
        double count = 0;
        for (int i = box.begin; i < box.end; ++i) {
            count += double(bins[i].count);
            for (int k = 0; k < 3; ++k) {
                sum[k] += double(bins[i].sum[k]);
            }
        }
        palette.append(meanColour(sum, count));
    }
    for (int round = 0; round < kRefinements; ++round) {
        refine(palette, bins);
    }
    return palette;
}

}  // namespace ztv
