#pragma once

#include "player/elements/Element.h"

namespace ztv {

// Row 2: like the sound, an adapter between its record and the video device.
class VideoElement : public Element {
  public:
    // The disappear marker is the only marker of the row.
    bool skipsPreparation() const override;
    bool disappears() const override;
    void prepare() override;
    bool show() override;
    // The disappear marker: the video pauses and its window goes.
    void disappear() override;
};

}  // namespace ztv
