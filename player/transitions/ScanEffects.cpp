#include "player/transitions/SavedEffects.h"

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

// One step of a scan-line effect. Everything that depends only on the column or only on the
// row is worked out once per step, so the pixel loops hold no division.
class ScanDrawing {
  public:
    ScanDrawing(const TransitionState& s, const EffectTarget& t, int p)
        : s_(s), t_(t), p_(p), w_(t.width()), h_(t.height()), columns_(std::size_t(w_)) {}

    void draw() {
        const QRect area = t_.visible();
        const int effect = s_.effect;
        for (int x = 0; x < w_; ++x) {
            columns_[std::size_t(x)] = effect <= 46   ? squeezed(x, w_, p_, effect == 46)
                                       : effect <= 48 ? pointedReach(x, w_, h_, p_)
                                                      : (x * 10 / w_) % 2;
        }
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (effect <= 46) {
                drawPointedRow(y, area);
            } else if (effect <= 48) {
                drawPointedColumns(y, area);
            } else {
                drawCheckeredRow(y, area);
            }
        }
    }

  private:
    // 45 and 46: the row's reach from its edge, each revealed pixel from its squeezed column.
    void drawPointedRow(int y, const QRect& area) {
        const int reach = pointedReach(y, h_, w_, p_);
        const int from = s_.effect == 45 ? 0 : w_ - reach;
        const int to = s_.effect == 45 ? reach : w_;
        const QRgb* picture = t_.pictureRow(y, 0);
        Row row = rowAt(y, area);
        for (int x = area.left(); x <= area.right(); ++x) {
            row.put(x, x >= from && x < to, picture[columns_[std::size_t(x)]]);
        }
    }

    // 47 and 48: each column's reach from its edge, the row from its squeezed source row.
    void drawPointedColumns(int y, const QRect& area) {
        const bool fromTop = s_.effect == 47;
        const QRgb* picture = t_.pictureRow(squeezed(y, h_, p_, !fromTop), 0);
        Row row = rowAt(y, area);
        for (int x = area.left(); x <= area.right(); ++x) {
            const int reach = columns_[std::size_t(x)];
            row.put(x, fromTop ? y < reach : y >= h_ - reach, picture[x]);
        }
    }

    // 49 and 50: a 10 x 10 checkerboard; cells whose column and row share their parity come
    // from the left first, the others after half the course, from the left (49) or the right.
    void drawCheckeredRow(int y, const QRect& area) {
        const int rowParity = (y * 10 / h_) % 2;
        const int firstEnd = 2 * p_ * w_ / 100;
        const bool second = p_ > 50;
        const int fromRight = (200 - 2 * p_) * w_ / 100;
        const int fromLeft = (2 * p_ - 100) * w_ / 100;
        const QRgb* picture = t_.pictureRow(y, 0);
        Row row = rowAt(y, area);
        for (int x = area.left(); x <= area.right(); ++x) {
            const bool first = columns_[std::size_t(x)] == rowParity;
            const bool shown =
                first ? x < firstEnd : second && (s_.effect == 50 ? x > fromRight : x < fromLeft);
            row.put(x, shown, picture[x]);
        }
    }

    // A canvas row and the saved row under it, in element columns. The key colour is copied in
    // so that the compiler need not reload it after every pixel written.
    struct Row {
        QRgb* canvas;  // from the area's left column
        int left;
        const QRgb* under;
        bool keyed;
        QRgb key;
        void put(int x, bool revealed, QRgb b) const {
            const bool transparent = keyed && ((b ^ key) & 0x00FFFFFF) == 0;
            canvas[x - left] = revealed && !transparent ? b : under[x];
        }
    };
    Row rowAt(int y, const QRect& area) const {
        return {t_.canvasRow(y, area.left()), area.left(),
                reinterpret_cast<const QRgb*>(s_.saved.constScanLine(y)), s_.keyColour.has_value(),
                s_.keyColour.value_or(0)};
    }

    const TransitionState& s_;
    const EffectTarget& t_;
    const int p_;
    const int w_;
    const int h_;
    // Per column: the squeezed source column (45, 46), the reach (47, 48) or the cell parity.
    std::vector<int> columns_;
};

}  // namespace

void stepScan(TransitionState& s, const EffectTarget& t) {
    if (!s.held) {
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
        ScanDrawing(s, t, s.position).draw();
    }
    if (s.position >= s.end) {
        release(s);
    }
}

}  // namespace ztv::effects
