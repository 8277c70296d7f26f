#pragma once

#include "editor/document/RecordGeometry.h"

#include <QPoint>
#include <QRect>
#include <array>

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

}  // namespace ztv::editor
