#include "editor/dialogs/DisappearanceFollow.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/document/SessionSettings.h"
#include "editor/position/CellRecords.h"

namespace ztv::editor {

void followWithDisappearance(CellRecords& records, Prompter& prompter, const SessionSettings& state,
                             const ElementRecord& saved, const QRect& lastRect) {
    if (state.language.isLine(saved.Fichier, lang::MarkerDisappear)) {
        return;
    }
    QString error;
    if (!records.propagateNextDisappearance(saved.Ligne, saved.Colonne, lastRect, &error)) {
        prompter.message(state.text(lang::ElementNotWritten) + u'\n' + error);
    }
}

}  // namespace ztv::editor
