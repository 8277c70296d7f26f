#pragma once

#include "common/formats/ElementRecord.h"
#include "player/elements/Element.h"

#include <array>
#include <memory>
#include <vector>

namespace ztv {

// The elements of the loaded columns, one owning cell per row 1 to 61 and column 1 to 20.
// A cell that holds an element is the cell's present flag: an element that is freed leaves
// nothing behind that could still point at it.
class ElementGrid {
  public:
    Element* at(int row, int column) const;
    bool present(int row, int column) const { return at(row, column) != nullptr; }
    // Cells outside the grid keep nothing.
    void put(int row, int column, std::unique_ptr<Element> element);

    // Calls f on the cell's element, then frees it when it asked to be freed. An empty cell is
    // left alone. What the call frees (even the element itself) lives until the call returns.
    template <class F>
    void with(int row, int column, F&& f) {
        Element* element = at(row, column);
        if (element == nullptr) {
            return;
        }
        ++depth_;
        f(*element);
        --depth_;
        if (at(row, column) == element && element->freeRequested()) {
            free(row, column);
        }
        if (depth_ == 0) {
            retired_.clear();
        }
    }

    void free(int row, int column);
    // Frees the elements of the rows for which keep(row) is false.
    template <class Keep>
    void freeRowsUnless(Keep keep) {
        for (int r = 1; r <= kRowCount; ++r) {
            if (!keep(r)) {
                for (int c = 1; c <= kColumnCount; ++c) {
                    free(r, c);
                }
            }
        }
    }
    void freeAll() {
        freeRowsUnless([](int) { return false; });
    }

  private:
    std::array<std::array<std::unique_ptr<Element>, kColumnCount + 1>, kRowCount + 1> cells_;
    std::vector<std::unique_ptr<Element>> retired_;  // freed during a call
    int depth_ = 0;
};

}  // namespace ztv
