#pragma once

#include <QPoint>
#include <QRect>
#include <array>

namespace ztv {
struct ElementRecord;
}

namespace ztv::editor {

// The eight sizing handles around the edited element: corners, then the middles of the left,
// right, top and bottom edges.
enum class Handle { PGH, PGB, PDH, PDB, PCG, PCD, PCH, PCB };
inline constexpr std::array<Handle, 8> kHandles{Handle::PGH, Handle::PGB, Handle::PDH, Handle::PDB,
                                                Handle::PCG, Handle::PCD, Handle::PCH, Handle::PCB};

// Small elements get small handles, so that the handles leave the element visible.
struct HandleSize {
    int size;
    int offset;
};
HandleSize handleSize(const QRect& element);

// Where the handle's top-left corner lies for the element's rectangle.
QPoint handlePosition(Handle handle, const QRect& element);

// The element's rectangle once the handle is dropped with its top-left corner at drop. Corners
// keep the aspect ratio. A side dropped past the opposite edge leaves a size of 1, and a corner
// of an element without width keeps its height, so no size is ever 0 or negative.
QRect resizedRect(Handle handle, const QRect& element, QPoint drop);

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
