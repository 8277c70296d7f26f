#include "editor/document/RecordGeometry.h"

#include "common/formats/ElementRecord.h"
#include "common/platform/SafetyLimits.h"

#include <algorithm>

namespace ztv::editor {

int withinReach(qint64 value) {
    return int(std::clamp<qint64>(value, -kFarthest, kFarthest));
}

QRect reachableRect(qint64 left, qint64 top, qint64 width, qint64 height) {
    return {withinReach(left), withinReach(top), withinReach(width), withinReach(height)};
}

QRect recordRect(const ElementRecord& record) {
    return reachableRect(record.Gauche, record.Haut, record.Largeur, record.Hauteur);
}

void setRecordRect(ElementRecord& record, const QRect& rect) {
    record.Gauche = rect.left();
    record.Haut = rect.top();
    record.Largeur = rect.width();
    record.Hauteur = rect.height();
}

QRect playableRect(const QRect& rect) {
    const int side = int(limits::kMaxPictureSide);
    const int w = std::clamp(rect.width(), 1, side);
    int h = std::clamp(rect.height(), 1, side);
    if (qint64(w) * h > limits::kMaxPictureArea) {
        h = int(limits::kMaxPictureArea / w);
    }
    return {withinReach(rect.left()), withinReach(rect.top()), w, h};
}

}  // namespace ztv::editor
