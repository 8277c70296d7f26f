#pragma once

#include "player/elements/ColumnPacing.h"
#include "player/elements/EffectReversal.h"
#include "player/elements/ElementMessages.h"
#include "player/elements/MediaCues.h"
#include "player/elements/MediaFinder.h"
#include "player/elements/PageCanvas.h"
#include "player/elements/PageMediaFiles.h"
#include "player/elements/RowPlacement.h"
#include "player/elements/StepScheduler.h"

#include <type_traits>

namespace ztv {

// The roles an element may be given by what plays it. Each kind uses the ones it needs; a
// host that plays no column (the editor's previews) leaves the pacing, the effect reversal, the
// packed media files, the media cues and the row placement out.
struct ElementRoles {
    PageCanvas* canvas = nullptr;
    StepScheduler* steps = nullptr;
    ColumnPacing* pacing = nullptr;
    EffectReversal* reversal = nullptr;
    ElementMessages* messages = nullptr;
    MediaFinder* finder = nullptr;
    PageMediaFiles* files = nullptr;
    MediaCues* cues = nullptr;
    RowPlacement* rows = nullptr;

    // Every role `host` plays.
    template <class Host>
    static ElementRoles of(Host& host) {
        ElementRoles roles;
        roles.canvas = as<PageCanvas>(host);
        roles.steps = as<StepScheduler>(host);
        roles.pacing = as<ColumnPacing>(host);
        roles.reversal = as<EffectReversal>(host);
        roles.messages = as<ElementMessages>(host);
        roles.finder = as<MediaFinder>(host);
        roles.files = as<PageMediaFiles>(host);
        roles.cues = as<MediaCues>(host);
        roles.rows = as<RowPlacement>(host);
        return roles;
    }

  private:
    template <class Role, class Host>
    static Role* as(Host& host) {
        if constexpr (std::is_base_of_v<Role, Host>) {
            return &host;
        } else {
            return nullptr;
        }
    }
};

}  // namespace ztv
