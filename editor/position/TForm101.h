#pragma once

#include "common/ElementRecord.h"

#include <QDialog>
#include <QRect>
#include <array>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct EditorState;

// The "Positions" palette of the position editor: the edited element's rectangle, the cell to
// go to, and the options of its kind that can be changed in place. Its buttons call back into
// the editor; Esc is passed on to it.
class TForm101 : public QDialog {
    Q_OBJECT
  public:
    TForm101(const EditorState& state, Prompter& prompter, QWidget* parent);

    // Shows the record's rectangle, cell and the options of its kind.
    void fill(const ElementRecord& record);
    // The rectangle of the four edits; nullopt after the conversion message.
    std::optional<QRect> rect();
    // Moves the left and top edits by the offsets (the editor's arrow keys).
    void nudge(int dx, int dy);
    // Puts the options of the element's kind into its record.
    void applyValues(ElementRecord& record) const;
    // Whether the edited kind has a preview.
    void setEffectAvailable(bool available);

    std::function<void()> onApply;                    // "Modifier"
    std::function<void(int row, int column)> onGoTo;  // "Aller à"
    std::function<void()> onClose;                    // "Fermer"
    std::function<void()> onEffect;                   // "Voir effet"
    std::function<void()> onEscape;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void build();
    QLineEdit* numberEdit(int index);
    bool kindHasEffect() const;

    const EditorState& state_;
    Prompter& prompter_;
    int row_ = 0;
    std::array<QLineEdit*, 4> edits_{};
    QComboBox* rows_ = nullptr;
    QComboBox* columns_ = nullptr;
    QWidget* effectGroup_ = nullptr;
    QComboBox* effect_ = nullptr;
    QComboBox* speed_ = nullptr;
    QLabel* appearanceLabel_ = nullptr;
    QComboBox* appearance_ = nullptr;
    QPushButton* effectButton_ = nullptr;
};

}  // namespace ztv::editor
