#pragma once

#include "player/elements/ZtvCase.h"

namespace ztv {

// Row 2: like the sound, an adapter between its record and the engine's video device.
class TZtvCaseVideo : public TZtvCase {
  public:
    // The disappear marker (line 122) is the only marker of the row.
    bool sansPreparation() const override;
    bool aEffacer() const override;
    void Preparer() override;
    bool Afficher() override;
    // The disappear marker: the video pauses and its window goes.
    void Effacer() override;
};

}  // namespace ztv
