#pragma once

#include "editor/dialogs/MessageDialog.h"

namespace ztv::editor {

// OK box: one button; returns 1.
class OkBox : public MessageDialog {
    Q_OBJECT
  public:
    OkBox(const LanguageFile& language, const QString& text, QWidget* parent = nullptr,
          MessageSign sign = MessageSign::Warning);
};

}  // namespace ztv::editor
