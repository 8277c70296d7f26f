#pragma once

#include "player/elements/ZtvCase.h"

// The element kinds whose own behaviour comes with their feature: the engine already creates
// them, calls them in its order and frees them. Until their feature is built they draw nothing,
// and the ones that take timer steps finish at their first step so that a column holding them
// still goes on.
namespace ztv {

// Rows 24 (character) and 26 to 29 (animations): they take timer steps and
// free themselves when done.
class TSteppedElement : public TZtvCase {
  public:
    void Avancer() override;
};

// The character, the panorama and the animations look their files up from drive C: again.
class TZTVCasePerso : public TSteppedElement {
  public:
    void Lier() override;
};

class TZtvCaseAnim : public TSteppedElement {
  public:
    void Lier() override;
    bool sansPreparation() const override;
    bool aEffacer() const override;
};

// Row 25: stays alive after its steps to serve clicks.
class TZtvCasePano : public TZtvCase {
  public:
    void Lier() override;
    bool sansPreparation() const override;
    bool aEffacer() const override;
    void Avancer() override;
};

// Rows 60 and 61: controls that the engine hides and frees at a page change; they never
// disappear through a marker.
class TShownControl : public TZtvCase {
  public:
    bool aEffacer() const override { return false; }
};

class TZtvCaseMotCle : public TShownControl {};
class TZtvCaseLongTexte : public TShownControl {};

}  // namespace ztv
