#pragma once

#include <QPoint>

namespace ztv {

// Where a row takes clicks and hover: an element that moves over the page takes its row's
// rectangle along.
class RowPlacement {
  public:
    virtual ~RowPlacement() = default;

    // The row's rectangle keeps its size and gets this top-left corner.
    virtual void moveRow(int row, QPoint topLeft) = 0;
};

}  // namespace ztv
