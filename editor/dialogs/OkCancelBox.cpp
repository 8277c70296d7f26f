#include "editor/dialogs/OkCancelBox.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"

namespace ztv::editor {

OkCancelBox::OkCancelBox(const LanguageFile& language, const QString& text, QWidget* parent)
    : MessageDialog(language, text,
                    {{lang::ButtonOk, Prompter::Ok}, {lang::ButtonCancel, Prompter::Cancel}},
                    parent) {}

}  // namespace ztv::editor
