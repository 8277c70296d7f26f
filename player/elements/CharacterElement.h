#pragma once

#include "player/elements/Element.h"
#include "player/elements/SpriteFrames.h"

#include <QImage>
#include <QRect>

namespace ztv {

// Row 24: the character, a figure that plays in place at its rectangle. Its frames, cut from a
// strip at page load, play for as long as its own sound (its voice) plays or for `Couldegra`
// loops; then it keeps its end pose (`size`) and frees itself. A disappearance marker brings the
// page background back over its rectangle.
class CharacterElement : public Element {
  public:
    // It looks its files up from drive C: again.
    void link() override;
    // Cuts the frames and asks for the voice to be preloaded.
    void prepare() override;
    // Opens (or reuses) the voice, starts it and shows the first frame.
    bool show() override;
    void disappear() override;
    // One frame, or the end pose once the voice or the loops are over; the step after that
    // frees the element.
    void step() override;

  private:
    QRect rect() const;
    bool speaks() const;
    QString voicePath() const;
    // False when the voice cannot be opened: the character does not show.
    bool chooseSoundMode();
    void voiceStep();
    void loopStep();
    void drawFrame();
    void finish();
    // Onto the canvas, and into the page background when the record joins it.
    void paint(const QImage& bitmap, bool intoBackground);

    SpriteFrames frames_;
    bool withVoice_ = false;
    int loops_ = 0;
    int loopsDone_ = 0;
    QImage firstFrame_;  // frame 0 as it first showed
    QImage under_;       // the page under the rectangle when the character started
    bool finished_ = true;
};

}  // namespace ztv
