#include "editor/dialogs/TransitionOption.h"

#include "common/LanguageFile.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace ztv::editor {

namespace {

constexpr int kTurnsLine = 386;
constexpr int kZoomLine = 387;
constexpr int kBandsLine = 548;

int effectLine(const QString& effect, const LanguageFile& language) {
    for (int line = 220; line <= 298; ++line) {
        if (language.isLine(effect, line)) {
            return line;
        }
    }
    return 0;
}

}  // namespace

TransitionOptionKind transitionOptionKind(const QString& effect, const LanguageFile& language) {
    const int line = effectLine(effect, language);
    if ((line >= 239 && line <= 242) || (line >= 262 && line <= 266) || line == 273) {
        return TransitionOptionKind::Bands;
    }
    if ((line >= 221 && line <= 224) || (line >= 229 && line <= 236)) {
        return TransitionOptionKind::Stretch;
    }
    return TransitionOptionKind::None;
}

void showTransitionOption(const QString& effect, const LanguageFile& language, QLabel* bandsLabel,
                          QLineEdit* bands, QCheckBox* stretch, bool keepStored, int storedSize) {
    const TransitionOptionKind kind = transitionOptionKind(effect, language);
    bandsLabel->setVisible(kind == TransitionOptionKind::Bands);
    bands->setVisible(kind == TransitionOptionKind::Bands);
    stretch->setVisible(kind == TransitionOptionKind::Stretch);
    const bool stored = keepStored && storedSize != 0;
    if (kind == TransitionOptionKind::Bands) {
        const int line = effectLine(effect, language);
        bandsLabel->setText(language.text(line >= 262 && line <= 266 ? kTurnsLine
                                          : line == 273              ? kZoomLine
                                                                     : kBandsLine));
        bands->setText(stored ? QString::number(storedSize) : QStringLiteral("2"));
    } else if (kind == TransitionOptionKind::Stretch) {
        stretch->setChecked(stored);
    }
}

}  // namespace ztv::editor
