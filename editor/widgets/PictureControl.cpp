#include "editor/widgets/PictureControl.h"

namespace ztv::editor {

QImage PictureControl::shown() const {
    if (!transparent || image.isNull()) {
        return image;
    }
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparentColour | 0xFF000000u;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] | 0xFF000000u) == key) {
                line[x] = 0;
            }
        }
    }
    return out;
}

}  // namespace ztv::editor
