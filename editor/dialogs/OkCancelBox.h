#pragma once

#include "editor/dialogs/MessageDialog.h"

namespace ztv::editor {

// OK/Cancel box: returns 1 or 2.
class OkCancelBox : public MessageDialog {
    Q_OBJECT
  public:
    OkCancelBox(const LanguageFile& language, const QString& text, QWidget* parent = nullptr);
};

}  // namespace ztv::editor
