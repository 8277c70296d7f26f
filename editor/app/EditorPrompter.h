#pragma once

#include "common/formats/LanguageFile.h"
#include "common/platform/Prompter.h"

class QWidget;

namespace ztv::editor {

// The editor's answerer of blocking questions. Without a caption a question shows in the
// editor's own boxes (OkBox, OkCancelBox, YesNoCancelBox); with one it is a platform message box of
// that title, as used before the language file is known.
class EditorPrompter : public Prompter {
  public:
    explicit EditorPrompter(const LanguageFile& language) : language_(language) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    int ask(const QString& text, const QString& caption, Buttons buttons) override;
    void inform(const QString& text, const QString& caption) override;
    QString openFileName(const QString& caption, const QString& dirHost,
                         const QString& filter) override;
    QStringList openFileNames(const QString& caption, const QString& dirHost,
                              const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& dirHost,
                         const QString& filter) override;
    QString folderName(const QString& caption, const QString& dirHost) override;

  private:
    int platformMessage(const QString& text, const QString& caption, Buttons buttons);

    const LanguageFile& language_;
    QWidget* parent_ = nullptr;
};

}  // namespace ztv::editor
