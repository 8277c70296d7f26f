#pragma once

#include "common/platform/Prompter.h"

namespace ztv {

// The player's questions as message boxes and file dialogs.
class WidgetPrompter final : public Prompter {
  public:
    int ask(const QString& text, const QString& caption, Buttons buttons) override;
    QString openFileName(const QString& caption, const QString& dirHost,
                         const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& dirHost,
                         const QString& filter) override;
    QString folderName(const QString& caption, const QString& dirHost) override;
};

}  // namespace ztv
