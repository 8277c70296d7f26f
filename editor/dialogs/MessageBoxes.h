#pragma once

#include "common/formats/LanguageFile.h"

#include <QDialog>
#include <QList>
#include <utility>

class QLabel;

namespace ztv::editor {

// The picture beside a message: a warning, or the information sign of a success.
enum class MessageSign { Warning, Information };

// The editor's three message boxes: the text word-wrapped beside the warning picture, the
// dialog background tiled behind, the caption of language line 528. Each is created, shown
// modally and released per use (through EditorPrompter).
class TMessBox : public QDialog {
    Q_OBJECT
  public:
    // (language line of the caption, result) for each button, left to right.
    TMessBox(const LanguageFile& language, const QString& text,
             const QList<std::pair<int, int>>& buttons, QWidget* parent = nullptr,
             MessageSign sign = MessageSign::Warning);

    // Closing the box by its frame or Esc answers as its last button.
    void reject() override { done(escapeResult_); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int escapeResult_ = 0;
};

// OK box: one button; returns 1.
class TMessOk : public TMessBox {
    Q_OBJECT
  public:
    TMessOk(const LanguageFile& language, const QString& text, QWidget* parent = nullptr,
            MessageSign sign = MessageSign::Warning);
};

// Yes/No/Cancel box, on top of the other windows: returns 6, 7 or 2. An unasked question keeps
// the work by default (Cancel) and its buttons wait a moment before they take clicks, so that a
// click meant for the window that was there answers nothing.
class TFYNC : public TMessBox {
    Q_OBJECT
  public:
    enum Origin { Asked, Unasked };
    static constexpr int kUnaskedClickDelayMs = 600;

    TFYNC(const LanguageFile& language, const QString& text, QWidget* parent = nullptr,
          Origin origin = Asked);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    Origin origin_;
};

// OK/Cancel box: returns 1 or 2.
class TFOC : public TMessBox {
    Q_OBJECT
  public:
    TFOC(const LanguageFile& language, const QString& text, QWidget* parent = nullptr);
};

}  // namespace ztv::editor
