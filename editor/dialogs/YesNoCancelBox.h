#pragma once

#include "editor/dialogs/MessageDialog.h"

namespace ztv::editor {

// Yes/No/Cancel box, on top of the other windows: returns 6, 7 or 2. An unasked question keeps
// the work by default (Cancel) and its buttons wait a moment before they take clicks, so that a
// click meant for the window that was there answers nothing.
class YesNoCancelBox : public MessageDialog {
    Q_OBJECT
  public:
    enum Origin { Asked, Unasked };
    static constexpr int kUnaskedClickDelayMs = 600;

    YesNoCancelBox(const LanguageFile& language, const QString& text, QWidget* parent = nullptr,
                   Origin origin = Asked);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    Origin origin_;
};

}  // namespace ztv::editor
