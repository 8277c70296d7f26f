#pragma once

#include "player/elements/ZtvCase.h"

namespace ztv {

// Row 1: a short-lived adapter. At page load it schedules its file on the engine's music
// device; when its column is shown it hands its record over to that device and frees itself.
class TZtvCaseSon : public TZtvCase {
  public:
    // The sound-stop marker (line 124) is the only marker of the row.
    bool sansPreparation() const override;
    bool aEffacer() const override;
    void Preparer() override;
    bool Afficher() override;
    // The sound-stop marker: the music pauses.
    void Effacer() override;
};

}  // namespace ztv
