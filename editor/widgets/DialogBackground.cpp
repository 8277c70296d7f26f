#include "editor/widgets/DialogBackground.h"

#include "editor/document/SessionSettings.h"

#include <QPainter>

namespace ztv::editor {

namespace {
QImage& storage() {
    static QImage image;
    return image;
}
}  // namespace

void DialogBackground::load(const QString& hostPath) {
    storage().load(hostPath);
}

const QImage& DialogBackground::picture() {
    return storage();
}

void DialogBackground::tile(QPainter& painter, const QRect& area) {
    const QImage& image = picture();
    if (image.isNull()) {
        painter.fillRect(area, panelColour());
        return;
    }
    const int w = image.width();
    const int h = image.height();
    for (int c = 0; c <= area.width() / w; ++c) {
        for (int r = 0; r <= area.height() / h; ++r) {
            painter.drawImage(QRect(area.left() + c * w, area.top() + r * h, w, h), image);
        }
    }
}

}  // namespace ztv::editor
