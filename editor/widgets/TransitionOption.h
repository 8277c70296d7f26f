#pragma once

#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace ztv {
class LanguageFile;
}

namespace ztv::editor {

// What the transition option (`size`) of an effect is: a number of bands, turns or a zoom
// factor typed in an edit, stretching chosen with a check box, or nothing.
enum class TransitionOptionKind { None, Bands, Stretch };

TransitionOptionKind transitionOptionKind(const QString& effect, const LanguageFile& language);

// Shows the edit and its label or the check box that the effect takes, and hides the others.
// The edit shows the stored size when `keepStored` and it is not 0, else 2; the box is checked
// when `keepStored` and the size is not 0.
void showTransitionOption(const QString& effect, const LanguageFile& language, QLabel* bandsLabel,
                          QLineEdit* bands, QCheckBox* stretch, bool keepStored, int storedSize);

}  // namespace ztv::editor
