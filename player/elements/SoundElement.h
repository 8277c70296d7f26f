#pragma once

#include "player/elements/Element.h"

namespace ztv {

// Row 1: a short-lived adapter. At page load it schedules its file on the music device; when
// its column is shown it hands its record over to that device as a cue and frees itself.
class SoundElement : public Element {
  public:
    // The sound-stop marker is the only marker of the row.
    bool skipsPreparation() const override;
    bool disappears() const override;
    void prepare() override;
    bool show() override;
    // The sound-stop marker: the music pauses.
    void disappear() override;
};

}  // namespace ztv
