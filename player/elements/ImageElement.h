#pragma once

#include "player/elements/Element.h"
#include "player/elements/PictureLoading.h"
#include "player/transitions/TransitionEngine.h"

#include <QImage>
#include <QList>
#include <QRgb>
#include <optional>

namespace ztv {

// A picture cell: the background (row 3) or a picture row 4 to 23. It loads its picture (and its
// hover picture) at page load, makes it appear with its transition when its column is shown,
// animates an animated GIF and swaps in the hover picture under the mouse. The pixels stay on
// the page when the element is gone.
class ImageElement : public Element {
  public:
    // Loads `Fichier` (a file, a plain colour, a gradient or a marker) into the frames, tinted
    // by the appearance mode, and `SurvolFichier` as the last frame.
    void prepare() override;
    // Composes the element bitmap (over the page in the transparent modes) and starts its
    // appearance at the element's rectangle.
    bool show() override;
    // Starts the disappearance: what `Fond` holds under the rectangle comes back.
    void disappear() override;
    // One step of the transition or one GIF frame; the step after the last frees the element
    // unless it keeps a hover picture.
    void step() override;
    // The hover picture on, or the picture shown before back.
    void hover(bool on) override;

    bool transitionFinished() const override {
        return state_.finished || state_.effect == kEffectGifFrames;
    }
    double columnPause() const override { return record().Attente; }
    bool hasPicture() const { return !frames_.isEmpty(); }
    bool animated() const { return gifFrameCount_ > 1; }

  private:
    bool drawable() const;
    QRect rect() const;
    QImage loadTinted(const QString& fichier, bool mediaByPage);
    void prepareFrames(QImage picture);
    void prepareHover(bool mediaByPage);
    QImage composeOverPage(const QImage& frame, bool overKeyColour);
    void startTransition(const QString& effet, std::optional<QRgb> keyColour);
    void showGifFrame();
    void endAnimation();

    LoadedPicture loaded_;  // what the last picture load kept (an animated GIF)
    QList<QImage> frames_;  // the picture (or the GIF's composed frames), then the hover picture
    QImage bitmap_;         // what is to appear
    QImage composed_;       // the bitmap composed at show(), for the end of a hover
    std::optional<QRgb> composedKey_;  // the transparent colour composed_ still holds
    int mode_ = 0;                     // appearance mode (a line of the appearance modes)
    std::optional<QRgb> transparent_;  // the transparent colour of the see-through modes
    TransitionState state_;
    bool hasHover_ = false;
    // Animated GIF
    int gifFrameCount_ = 0;
    int loopCount_ = 0;  // 0: endless
    int currentFrame_ = 0;
    int loopsPlayed_ = 0;
    QImage gifBackground_;  // the page under the picture when it appeared
};

}  // namespace ztv
