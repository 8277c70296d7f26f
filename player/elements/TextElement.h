#pragma once

#include "player/elements/Element.h"
#include "player/transitions/TransitionEngine.h"

#include <QImage>

namespace ztv {

// A text cell (rows 30 to 49): a few lines in one font and colour with an optional shadow,
// rendered once at page load with their coverage in an alpha channel, composed over what the
// page shows when the column is reached and brought in by the cell's transition. A hover colour
// gives it a second look. The disappearance marker brings the page's background back instead.
class TextElement : public Element {
  public:
    bool disappears() const override;
    // Renders the text, and the hover look when `SurvolFichier` holds a colour.
    void prepare() override;
    bool show() override;
    void disappear() override;
    void step() override;
    void hover(bool on) override;

    bool transitionFinished() const override { return state_.finished; }
    double columnPause() const override { return record().Attente; }

  private:
    QImage render(QColor text) const;
    void startTransition(const QString& effet, std::optional<QRgb> keyColour);
    QPoint at() const { return {record().Gauche, record().Haut}; }

    QImage rendering_;       // the text over transparency
    QImage hoverRendering_;  // the same in the hover colour; null without a hover look
    QImage under_;           // the page beneath the text when it appeared
    QImage bitmap_;          // what the transition brings in
    TransitionState state_;
};

}  // namespace ztv
