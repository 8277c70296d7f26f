#pragma once

#include <QRect>

namespace ztv {
struct ElementRecord;
}

namespace ztv::editor {

// Positions and sizes far beyond any screen are brought back within reach, so that no
// rectangle arithmetic can overflow whatever a file or an edit holds.
inline constexpr int kFarthest = 1000000;
int withinReach(qint64 value);
QRect reachableRect(qint64 left, qint64 top, qint64 width, qint64 height);
// The record's rectangle (`Gauche`, `Haut`, `Largeur`, `Hauteur`) within reach.
QRect recordRect(const ElementRecord& record);
// Puts the rectangle into the record's `Gauche`, `Haut`, `Largeur` and `Hauteur`.
void setRecordRect(ElementRecord& record, const QRect& rect);

// The rectangle as the player accepts it: sides from 1 to the largest picture it draws, the
// area within its cap; the position stays, negative or off the page as the author put it.
QRect playableRect(const QRect& rect);

}  // namespace ztv::editor
