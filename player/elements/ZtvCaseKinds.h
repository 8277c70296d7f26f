#pragma once

#include "player/elements/ZtvCase.h"

// The element kinds whose own behaviour comes with their feature: the engine already creates
// them, calls them in its order and frees them. Until their feature is built they draw and
// play nothing, and the ones that take timer steps finish at their first step so that a column
// holding them still goes on.
namespace ztv {

// Row 1. Media playback is not built yet: the sound is scheduled at page load like every
// sound, but nothing plays it.
class TZtvCaseSon : public TZtvCase {
  public:
    void Lier(TZTVImage& engine) { attacher(engine); }
    // Schedules the first sound of the load (`SonFutur`, `FicSonFutur`).
    void Preparer(TZTVImage& engine);
    // Starts the sound; true when it plays (the column may then wait for its end).
    bool Afficher();
    // The sound-stop marker: the music pauses.
    void Effacer(TZTVImage& engine);
};

// Row 2. Like the sound: scheduled at page load, nothing plays it yet.
class TZtvCaseVideo : public TZtvCase {
  public:
    void Lier(TZTVImage& engine) { attacher(engine); }
    void Preparer(TZTVImage& engine);
    bool Afficher();
    void Effacer(TZTVImage& engine);
};

// Rows 24 (character), 26 to 29 (animations) and 30 to 49 (texts): they take timer steps and
// free themselves when done.
class TSteppedElement : public TZtvCase {
  public:
    void Preparer(TZTVImage& engine, bool mediaByPage);
    void Afficher() {}
    void Effacer(TZTVImage& engine) { attacher(engine); }
    void Avancer();
};

class TZTVCasePerso : public TSteppedElement {};
class TZtvCaseAnim : public TSteppedElement {};
class TZtvCaseTexte : public TSteppedElement {};

// Row 25: stays alive after its steps to serve clicks.
class TZtvCasePano : public TZtvCase {
  public:
    void Preparer(TZTVImage& engine, int pictureWidth, int pictureHeight);
    void Afficher() {}
    void Effacer(TZTVImage& engine) { attacher(engine); }
    void Avancer();
};

// Rows 60 and 61: controls that the engine hides and frees at a page change.
class TShownControl : public TZtvCase {
  public:
    void Preparer(TZTVImage& engine) { attacher(engine); }
    void Afficher() {}
    void Cacher() {}
};

class TZtvCaseMotCle : public TShownControl {};
class TZtvCaseLongTexte : public TShownControl {};

}  // namespace ztv
