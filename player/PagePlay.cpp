#include "player/PagePlay.h"

namespace ztv {
namespace {

template <class T>
void freeColumns(ColumnCells<T>& cells) {
    for (auto& cell : cells) {
        cell.reset();
    }
}

template <class T, std::size_t N>
void freeRows(std::array<ColumnCells<T>, N>& rows) {
    for (auto& row : rows) {
        freeColumns(row);
    }
}

}  // namespace

bool PageElements::present(int row, int column) const {
    if (column < 1 || column > kColumnCount) {
        return false;
    }
    if (row >= 3 && row <= 23) {
        return images[row][column] != nullptr;
    }
    if (row == 24) {
        return persos[column] != nullptr;
    }
    if (row == 25) {
        return panos[column] != nullptr;
    }
    if (row >= 26 && row <= 29) {
        return anims[row][column] != nullptr;
    }
    if (row >= 30 && row <= 49) {
        return textes[row][column] != nullptr;
    }
    return false;
}

void PageElements::freeVisual() {
    freeRows(images);
    freeColumns(persos);
    freeColumns(panos);
    freeRows(anims);
    freeRows(textes);
}

void PageElements::freeAll() {
    freeVisual();
    freeColumns(sons);
    freeColumns(videos);
    freeColumns(motcles);
    freeColumns(longtextes);
}

void PagePlayState::clearTables() {
    rows.fill(RowState{});
    for (auto& row : nextStep) {
        row.fill(0);
    }
    hoverShown = false;
}

}  // namespace ztv
