#include "editor/widgets/TransitionOption.h"

#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "player/transitions/EffectNames.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <span>

namespace ztv::editor {

namespace {

// The effects whose option is a number: bands, the turns of the rotations (40 to 44), the zoom
// factor of the zoom pulse (51).
constexpr int kTurnEffects[] = {40, 41, 42, 43, 44};
constexpr int kZoomEffect = 51;
constexpr int kBandEffects[] = {17, 18, 19, 20, kZoomEffect};
// The wipes and pushes that may stretch their picture over the way.
constexpr int kStretchEffects[] = {2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14};

bool oneOf(int effect, std::span<const int> effects) {
    return std::find(effects.begin(), effects.end(), effect) != effects.end();
}

TransitionOptionKind kindOfEffect(int effect) {
    if (oneOf(effect, kTurnEffects) || oneOf(effect, kBandEffects)) {
        return TransitionOptionKind::Bands;
    }
    if (oneOf(effect, kStretchEffects)) {
        return TransitionOptionKind::Stretch;
    }
    return TransitionOptionKind::None;
}

}  // namespace

TransitionOptionKind transitionOptionKind(const QString& effect, const LanguageFile& language) {
    return kindOfEffect(EffectNames(language).number(effect));
}

void showTransitionOption(const QString& effect, const LanguageFile& language, QLabel* bandsLabel,
                          QLineEdit* bands, QCheckBox* stretch, bool keepStored, int storedSize) {
    const int number = EffectNames(language).number(effect);
    const TransitionOptionKind kind = kindOfEffect(number);
    bandsLabel->setVisible(kind == TransitionOptionKind::Bands);
    bands->setVisible(kind == TransitionOptionKind::Bands);
    stretch->setVisible(kind == TransitionOptionKind::Stretch);
    const bool stored = keepStored && storedSize != 0;
    if (kind == TransitionOptionKind::Bands) {
        bandsLabel->setText(language.text(oneOf(number, kTurnEffects) ? lang::TurnsLabel
                                          : number == kZoomEffect     ? lang::ZoomFactorLabel
                                                                      : lang::BandsLabel));
        bands->setText(stored ? QString::number(storedSize) : QStringLiteral("2"));
    } else if (kind == TransitionOptionKind::Stretch) {
        stretch->setChecked(stored);
    }
}

}  // namespace ztv::editor
