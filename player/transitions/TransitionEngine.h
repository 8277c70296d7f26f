#pragma once

#include "player/transitions/EffectNames.h"
#include "player/transitions/EffectTarget.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>

namespace ztv {

class LanguageFile;
class Prompter;

// The record's transition fields: `EffetDepart`, `EffetPas`, `EffetFin` and the option `size`.
struct TransitionParams {
    int EffetDepart = 0;
    int EffetPas = 0;
    int EffetFin = 100;
    int size = 0;
};

// Where one element's effect stands between two steps. The element owns it; the engine
// reads and advances it.
struct TransitionState {
    int effect = kEffectUnknown;  // kEffectGifFrames is the element's own business
    bool finished = false;
    int position = 0;  // percent; effect 37 runs its own course to 200
    int step = 1;      // percent per step, never below 1
    int end = 100;     // `EffetFin`, never above 100
    int option = 0;    // `size`: stretch flag, band count, turns, zoom factor
    // The transparent colour that B still holds when it was not composed over the page (effects
    // 40 to 48 and 52 to 59 in the transparent appearance modes): their final state draws B
    // through it.
    std::optional<QRgb> keyColour;
    // Effects 40 to 60: the page saved under the picture (or under its path) while they run,
    // and where on the canvas it came from. Held from their first step until they finish.
    QImage saved;
    QPoint savedAt;
    bool held = false;  // `saved` was made for this run
    int turns = 0;      // rotations: turns made
};

// The one transition engine, addressed by effect number, shared by every visual element of
// the player and by the editor's previews. An element uses it like this:
//   show:  transitions.applyInverse(Effet, EffetInverse);   (appearances only)
//          state = transitions.start(Effet, {EffetDepart, EffetPas, EffetFin, size},
//                                    canvas, elementBitmap, {Gauche, Haut});
//   tick:  if (!state.finished) transitions.step(state, canvas, elementBitmap, {Gauche, Haut});
// and ends itself at the tick after `finished` is set. It draws on the page's canvas, inside the
// element's rectangle only. The canvas is a 32-bit QImage (RGB32 or ARGB32_Premultiplied);
// a picture of another format is converted at every step, so elements keep theirs in the
// canvas's format.
class TransitionEngine {
  public:
    // The language file and the prompter (may be null: no messages) outlive the engine.
    TransitionEngine(const LanguageFile& lang, Prompter* prompter);

    const EffectNames& names() const { return names_; }

    // The effect that `effet` names; an unknown name shows language line 40.
    int effectNumber(const QString& effet);

    // An effect named by the record: the no-effect name (line 220) copies the picture at once
    // and returns a finished state; any other name is looked up (line 40 when unknown) and
    // starts at `EffetDepart`. `keyColour`: the transparent colour the picture still holds.
    TransitionState start(const QString& effet, const TransitionParams& params, QImage& canvas,
                          const QImage& picture, QPoint at,
                          std::optional<QRgb> keyColour = std::nullopt);
    // A state for an effect number, not drawn yet (previews, tools).
    static TransitionState begin(int effect, const TransitionParams& params);

    // Runs `effet` reversed when `effetInverse` is set (the engine's `EffetInverse`, cleared
    // here), unless it is the no-effect name, which is never inverted.
    void applyInverse(QString& effet, bool& effetInverse) const;

    // One step of the effect: moves the position, draws picture B (its size is the element's)
    // with its top-left corner at `at` on the canvas, and sets the finished flag at the end.
    // An unknown effect shows line 40 again and finishes without drawing.
    void step(TransitionState& state, QImage& canvas, const QImage& picture, QPoint at);

    // How far an effect's position runs: 200 for the two phases of 37, else 100.
    static int course(int effect);

    // Where flights may draw: the page on the canvas (inside the mask of masked projects). Null:
    // the whole canvas.
    void setPageArea(const QRect& area) { pageArea_ = area; }
    const QRect& pageArea() const { return pageArea_; }

    // A fixed seed for the random reveals (tests, generated pictures); production reseeds the
    // generator at every step.
    void seed(std::uint32_t value) { random_.seed(value); }

  private:
    void showUnknownEffect();
    void stepStandard(TransitionState& state, const EffectTarget& target);
    void stepTwoPhases(TransitionState& state, const EffectTarget& target);
    void stepOverSaved(TransitionState& state, const EffectTarget& target);
    static void finish(TransitionState& state, const EffectTarget& target);

    const LanguageFile& lang_;
    Prompter* prompter_;
    EffectNames names_;
    EffectRandom random_;
    QRect pageArea_;
};

}  // namespace ztv
