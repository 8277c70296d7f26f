#include "player/engine/ElementGrid.h"

namespace ztv {
namespace {

bool inGrid(int row, int column) {
    return row >= 1 && row <= kRowCount && column >= 1 && column <= kColumnCount;
}

}  // namespace

Element* ElementGrid::at(int row, int column) const {
    return inGrid(row, column) ? cells_[row][column].get() : nullptr;
}

void ElementGrid::put(int row, int column, std::unique_ptr<Element> element) {
    if (inGrid(row, column)) {
        free(row, column);
        cells_[row][column] = std::move(element);
    }
}

void ElementGrid::free(int row, int column) {
    if (!inGrid(row, column) || !cells_[row][column]) {
        return;
    }
    if (depth_ > 0) {
        retired_.push_back(std::move(cells_[row][column]));
    } else {
        cells_[row][column].reset();
    }
}

}  // namespace ztv
