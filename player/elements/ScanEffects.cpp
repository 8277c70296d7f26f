#include "player/elements/SavedEffects.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ztv::effects {
namespace {

// How many pixels of line k (of n lines) a pointed front reveals along lines of `length` pixels
// at position p (1 to 99): the band about the middle line goes furthest, the lines outside it
// less the further they are from the middle.
int pointedReach(int k, int n, int length, int p) {
    const int middle = n / 2;
    const int band = n * p / 200;
    if (k >= middle - band && k <= middle + band) {
        return std::min(length, length * p / 100 + 1);
    }
    const int fromEdge = k < middle ? k : n - k;
    const double limit = 2.0 * length * p * fromEdge / (double(100 - p) * n);
    return int(std::clamp(std::ceil(limit), 0.0, double(length)));
}

// Where revealed pixel i of a line of `length` takes its source: squeezed from the start edge
// (i x 100 / p) or, mirrored, from the end edge.
int squeezed(int i, int length, int p, bool fromEnd) {
    const int source = fromEnd ? length - (length - i) * 100 / p : i * 100 / p;
    return std::clamp(source, 0, length - 1);
}

class ScanDrawing {
  public:
    ScanDrawing(const TransitionState& s, const EffectTarget& t) : s_(s), t_(t) {}

    void draw(int p) {
        const QRect area = t_.visible();
        if (s_.effect == 47 || s_.effect == 48) {
            columnReach_.resize(std::size_t(t_.width()));
            for (int i = 0; i < t_.width(); ++i) {
                columnReach_[std::size_t(i)] = pointedReach(i, t_.width(), t_.height(), p);
            }
        }
        for (int y = area.top(); y <= area.bottom(); ++y) {
            drawRow(y, area.left(), area.right(), p);
        }
    }

  private:
    void drawRow(int y, int left, int right, int p) {
        const int w = t_.width();
        const int h = t_.height();
        QRgb* row = t_.canvasRow(y, left);
        const auto* under = reinterpret_cast<const QRgb*>(s_.saved.constScanLine(y));
        const int rowReach = (s_.effect <= 46) ? pointedReach(y, h, w, p) : 0;
        for (int x = left; x <= right; ++x) {
            QPoint source(-1, -1);
            switch (s_.effect) {
                case 45:
                    source = x < rowReach ? QPoint(squeezed(x, w, p, false), y) : source;
                    break;
                case 46:
                    source = x >= w - rowReach ? QPoint(squeezed(x, w, p, true), y) : source;
                    break;
                case 47:
                    source = y < columnReach_[std::size_t(x)] ? QPoint(x, squeezed(y, h, p, false))
                                                              : source;
                    break;
                case 48:
                    source = y >= h - columnReach_[std::size_t(x)]
                                 ? QPoint(x, squeezed(y, h, p, true))
                                 : source;
                    break;
                default:
                    source = checkered(x, y, p) ? QPoint(x, y) : source;
                    break;
            }
            QRgb pixel = under[x];
            if (source.x() >= 0) {
                const QRgb b = t_.pictureRow(source.y(), source.x())[0];
                pixel = isKey(s_, b) ? pixel : b;
            }
            row[x - left] = pixel;
        }
    }

    // 49 and 50: a 10 x 10 checkerboard; cells whose column and row share their parity come
    // from the left first, the others after half the course, from the left (49) or the right.
    bool checkered(int x, int y, int p) const {
        const int w = t_.width();
        const bool first = ((x * 10 / w) + (y * 10 / t_.height())) % 2 == 0;
        if (first) {
            return x < 2 * p * w / 100;
        }
        if (p <= 50) {
            return false;
        }
        return s_.effect == 50 ? x > (200 - 2 * p) * w / 100 : x < (2 * p - 100) * w / 100;
    }

    const TransitionState& s_;
    const EffectTarget& t_;
    std::vector<int> columnReach_;
};

}  // namespace

void stepScan(TransitionState& s, const EffectTarget& t) {
    if (s.saved.isNull()) {
        saveUnder(s, t.canvas(), QRect(t.at(), t.picture().size()));
    }
    s.position = advancePosition(s.position, s.step);
    if (s.position > 98) {
        s.position = 100;
    }
    s.position = std::min(s.position, s.end);
    if (s.position >= 100) {
        finishWhole(s, t);
        return;
    }
    if (s.position > 0) {
        ScanDrawing(s, t).draw(s.position);
    }
    if (s.position >= s.end) {
        release(s);
    }
}

}  // namespace ztv::effects
