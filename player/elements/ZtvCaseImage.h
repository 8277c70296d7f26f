#pragma once

#include "player/elements/TransitionEngine.h"
#include "player/elements/ZtvCase.h"

#include <QImage>
#include <QList>

namespace ztv {

// A picture cell: the background (row 3) or a picture row 4 to 23. It loads its picture at page
// load and makes it appear with its transition when its column is shown; the pixels stay on
// the page when the element is gone.
class TZtvCaseImage : public TZtvCase {
  public:
    // Loads `Fichier` (a file, a plain colour, a gradient or a marker) as frame 0.
    void Preparer(TZTVImage& engine, bool mediaByPage);
    // Starts the appearance of frame 0 at the element's rectangle.
    void Afficher();
    // Starts the disappearance: what `Fond` holds under the rectangle comes back.
    void Effacer(TZTVImage& engine);
    // One step of the transition; the step after the last frees the element.
    void Avancer();

    bool transitionFinie() const { return state_.finished || state_.effect == kEffectGifFrames; }
    bool hasPicture() const { return !frames_.isEmpty(); }
    const QList<QImage>& frames() const { return frames_; }

  private:
    bool drawable() const;
    QImage loadPicture(bool mediaByPage);
    void startTransition(const QString& effet);

    QList<QImage> frames_;  // frame 0: the picture, at the element's size
    QImage bitmap_;         // what is to appear
    TransitionState state_;
    bool hasHover_ = false;
};

}  // namespace ztv
