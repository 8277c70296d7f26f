#pragma once

#include "common/formats/LanguageFile.h"

#include <QDialog>
#include <QList>
#include <utility>

namespace ztv::editor {

// The picture beside a message: a warning, or the information sign of a success.
enum class MessageSign { Warning, Information };

// The editor's three message boxes: the text word-wrapped beside the warning picture, the
// dialog background tiled behind, the caption of language line 528. Each is created, shown
// modally and released per use (through EditorPrompter).
class MessageDialog : public QDialog {
    Q_OBJECT
  public:
    // (language line of the caption, result) for each button, left to right.
    MessageDialog(const LanguageFile& language, const QString& text,
                  const QList<std::pair<int, int>>& buttons, QWidget* parent = nullptr,
                  MessageSign sign = MessageSign::Warning);

    // Closing the box by its frame or Esc answers as its last button.
    void reject() override { done(escapeResult_); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int escapeResult_ = 0;
};

}  // namespace ztv::editor
