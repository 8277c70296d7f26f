#include "editor/dialogs/OkBox.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"

namespace ztv::editor {

OkBox::OkBox(const LanguageFile& language, const QString& text, QWidget* parent, MessageSign sign)
    : MessageDialog(language, text, {{lang::ButtonOk, Prompter::Ok}}, parent, sign) {}

}  // namespace ztv::editor
