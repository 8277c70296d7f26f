#include "editor/dialogs/TransitionOption.h"

#include "common/formats/LanguageFile.h"
#include "editor/dialogs/Vocabulary.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace ztv::editor {

namespace {

constexpr int kTurnsLine = 386;
constexpr int kZoomLine = 387;
constexpr int kBandsLine = 548;

int effectLine(const QString& effect, const LanguageFile& language) {
    return vocabularyLine(language, effect, 220, 298);
}

TransitionOptionKind kindOfLine(int line) {
    if ((line >= 239 && line <= 242) || (line >= 262 && line <= 266) || line == 273) {
        return TransitionOptionKind::Bands;
    }
    if ((line >= 221 && line <= 224) || (line >= 229 && line <= 236)) {
        return TransitionOptionKind::Stretch;
    }
    return TransitionOptionKind::None;
}

}  // namespace

TransitionOptionKind transitionOptionKind(const QString& effect, const LanguageFile& language) {
    return kindOfLine(effectLine(effect, language));
}

void showTransitionOption(const QString& effect, const LanguageFile& language, QLabel* bandsLabel,
                          QLineEdit* bands, QCheckBox* stretch, bool keepStored, int storedSize) {
    const int line = effectLine(effect, language);
    const TransitionOptionKind kind = kindOfLine(line);
    bandsLabel->setVisible(kind == TransitionOptionKind::Bands);
    bands->setVisible(kind == TransitionOptionKind::Bands);
    stretch->setVisible(kind == TransitionOptionKind::Stretch);
    const bool stored = keepStored && storedSize != 0;
    if (kind == TransitionOptionKind::Bands) {
        bandsLabel->setText(language.text(line >= 262 && line <= 266 ? kTurnsLine
                                          : line == 273              ? kZoomLine
                                                                     : kBandsLine));
        bands->setText(stored ? QString::number(storedSize) : QStringLiteral("2"));
    } else if (kind == TransitionOptionKind::Stretch) {
        stretch->setChecked(stored);
    }
}

}  // namespace ztv::editor
