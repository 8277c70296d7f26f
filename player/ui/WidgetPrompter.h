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

    // The player is ending: the open question is closed and later ones answer Cancel (or no
    // path) at once.
    void stopAsking();

  private:
    bool stopped_ = false;
};

}  // namespace ztv
