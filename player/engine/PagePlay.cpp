#include "player/engine/PagePlay.h"

namespace ztv {

void PagePlayState::clearTables() {
    rows.fill(RowState{});
    for (auto& row : nextStep) {
        row.fill(0);
    }
    hoverShown = false;
}

}  // namespace ztv
