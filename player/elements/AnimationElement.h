#pragma once

#include "player/elements/Element.h"
#include "player/elements/SpriteFrames.h"
#include "player/elements/SpritePath.h"

#include <QImage>
#include <QRect>
#include <QRgb>
#include <optional>

namespace ztv {

// Rows 26 to 29: the animations. A sprite goes in a straight line from its first position to
// its arrival, one step a timer step, cycling through its frames; at the end it shows its end
// pose at the arrival and frees itself. Its row's clicks follow it. It looks its files up from
// drive C: again; the disappear marker is its only marker.
class AnimationElement : public Element {
  public:
    void link() override;
    bool skipsPreparation() const override;
    bool disappears() const override;
    // Loads the strip into frames and places the arrival on the display.
    void prepare() override;
    // The first frame at the first position at once.
    bool show() override;
    // What `Fond` holds under the first position comes back.
    void disappear() override;
    void step() override;

  private:
    QSize size() const { return {record().Largeur, record().Hauteur}; }
    std::optional<QPoint> arrival() const;
    void moveStep();
    void endStep();
    void saveUnder(QPoint at);
    void restoreUnder(QPoint at);
    // Draws onto the page, inside the page's area only.
    void drawOnPage(QImage& target, QPoint at, const QImage& bitmap) const;

    SpriteFrames frames_;
    SpritePath path_;
    std::optional<QRgb> key_;  // the see-through colour in the transparent modes
    int k_ = 0;                // the next step on the path
    QImage under_;             // the page under the sprite where it was drawn last
    bool finished_ = false;
};

}  // namespace ztv
