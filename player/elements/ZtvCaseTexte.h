#pragma once

#include "player/transitions/TransitionEngine.h"
#include "player/elements/ZtvCase.h"

#include <QImage>

namespace ztv {

// A text cell (rows 30 to 49): a few lines in one font and colour with an optional shadow,
// rendered once at page load with their coverage in an alpha channel, composed over what the
// page shows when the column is reached and brought in by the cell's transition. A hover colour
// gives it a second look. The disappearance marker brings the page's background back instead.
class TZtvCaseTexte : public TZtvCase {
  public:
    bool aEffacer() const override;
    // Renders the text, and the hover look when `SurvolFichier` holds a colour.
    void Preparer() override;
    bool Afficher() override;
    void Effacer() override;
    void Avancer() override;
    void Survoler(bool on) override;

    bool transitionFinie() const override { return state_.finished; }
    double pauseColonne() const override { return Attente; }

  private:
    QImage render(QColor text) const;
    void startTransition(const QString& effet, std::optional<QRgb> keyColour);
    QPoint at() const { return {Gauche, Haut}; }

    QImage rendering_;       // the text over transparency
    QImage hoverRendering_;  // the same in the hover colour; null without a hover look
    QImage under_;           // the page beneath the text when it appeared
    QImage bitmap_;          // what the transition brings in
    TransitionState state_;
};

}  // namespace ztv
