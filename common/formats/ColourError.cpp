#include "common/formats/ColourError.h"

#include <cmath>

namespace ztv {

double meanColourError(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull()) {
        return -1;
    }
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    double total = 0;
    for (int y = 0; y < left.height(); ++y) {
        const auto* l = reinterpret_cast<const QRgb*>(left.constScanLine(y));
        const auto* r = reinterpret_cast<const QRgb*>(right.constScanLine(y));
        for (int x = 0; x < left.width(); ++x) {
            const int dr = qRed(l[x]) - qRed(r[x]);
            const int dg = qGreen(l[x]) - qGreen(r[x]);
            const int db = qBlue(l[x]) - qBlue(r[x]);
            total += std::sqrt(double(dr * dr + dg * dg + db * db));
        }
    }
    return total / (double(left.width()) * left.height());
}

}  // namespace ztv
