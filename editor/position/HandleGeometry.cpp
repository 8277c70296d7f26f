#include "editor/position/HandleGeometry.h"

#include <algorithm>

namespace ztv::editor {

HandleSize handleSize(const QRect& element) {
    if (element.width() < 25 || element.height() < 25) {
        return {4, 2};
    }
    return {8, 4};
}

QPoint handlePosition(Handle handle, const QRect& e) {
    const int o = handleSize(e).offset;
    const int l = e.left();
    const int t = e.top();
    const int w = e.width();
    const int h = e.height();
    switch (handle) {
        case Handle::PGH:
            return {l - o, t - o};
        case Handle::PGB:
            return {l - o, t + h - o};
        case Handle::PDH:
            return {l + w - o, t - o};
        case Handle::PDB:
            return {l + w - o, t + h - o};
        case Handle::PCG:
            return {l - o, t - o + h / 2};
        case Handle::PCD:
            return {l + w - o, t - o + h / 2};
        case Handle::PCH:
            return {l - o + w / 2, t - o};
        case Handle::PCB:
            return {l - o + w / 2, t + h - o};
    }
    return {l, t};
}

namespace {

// The height that keeps the proportions for the new width; an element without width has
// none to keep, so its height stays.
int proportionalHeight(int width, int height, int newWidth) {
    if (width <= 0) {
        return height;
    }
    return std::max(1, int(qint64(height) * newWidth / width));
}

}  // namespace

QRect resizedRect(Handle handle, const QRect& e, QPoint drop) {
    int l = e.left();
    int t = e.top();
    int w = e.width();
    int h = e.height();
    const int fromLeft = std::max(1, w + (l - drop.x()) - 4);
    const int fromRight = std::max(1, drop.x() - l + 4);
    switch (handle) {
        case Handle::PGH:
            h = proportionalHeight(w, h, fromLeft);
            w = fromLeft;
            l = drop.x() + 4;
            t = drop.y() + 4;
            break;
        case Handle::PGB:
            h = proportionalHeight(w, h, fromLeft);
            w = fromLeft;
            l = drop.x() + 4;
            break;
        case Handle::PDH:
            h = proportionalHeight(w, h, fromRight);
            w = fromRight;
            t = drop.y() + 4;
            break;
        case Handle::PDB:
            h = proportionalHeight(w, h, fromRight);
            w = fromRight;
            break;
        case Handle::PCG:
            w = fromLeft;
            l = drop.x() + 4;
            break;
        case Handle::PCD:
            w = fromRight;
            break;
        case Handle::PCH:
            h = std::max(1, h + (t - drop.y()) - 4);
            t = drop.y() + 4;
            break;
        case Handle::PCB:
            h = std::max(1, drop.y() - t + 4);
            break;
    }
    return {l, t, w, h};
}

}  // namespace ztv::editor
