#pragma once

#include "common/formats/ElementKinds.h"
#include "common/formats/ElementRecord.h"

#include <QDialog>
#include <QRect>
#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QSpinBox;
class QVBoxLayout;
class QLineEdit;
class QPushButton;

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;

// Whether the palette offers "Voir effet" for the kind; the others show their rectangle only.
bool kindHasPreview(ElementKind kind);
class PaletteTextLook;

// The "Positions" palette of the position editor: the edited element's rectangle, the cell to
// go to, and the options of its kind that can be changed in place. Its buttons call back into
// the editor; Esc is passed on to it.
class PositionPalette : public QDialog {
    Q_OBJECT
  public:
    PositionPalette(SessionSettings& state, Prompter& prompter, QWidget* parent);

    // Shows the record's rectangle, cell and the options of its kind.
    void fill(const ElementRecord& record);
    // The rectangle of the four edits; nullopt after the conversion message, also when the bands
    // edit shown holds no number (nothing is saved then).
    std::optional<QRect> rect();
    // A text: its size in the look the palette shows goes into the width and height edits.
    void remeasureText();
    // Moves the shown position's left and top edits by the offsets (the editor's arrow keys).
    void nudge(int dx, int dy);
    // Animations: which of their two positions the editor shows, and the arrival's edits
    // (nullopt after the conversion message).
    void showArrival(bool shown);
    std::optional<QPoint> arrival();
    // Puts the options of the element's kind into its record.
    void applyValues(ElementRecord& record) const;
    // Whether the edited kind has a preview.
    void setEffectAvailable(bool available);

    std::function<void()> onApply;                    // "Modifier"
    std::function<void(int row, int column)> onGoTo;  // "Aller à"
    std::function<void()> onClose;                    // "Fermer"
    std::function<void()> onEffect;                   // "Voir effet"
    std::function<void()> onEscape;
    std::function<void()> onToggleArrival;  // "Voir arrivée" / "Voir le départ"
    std::function<void()> onApplyArrival;   // the second "Modifier"
    std::function<void()> onTextLook;       // a text's font, colour or spacing changed

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void build();
    QLineEdit* numberEdit(int index);
    void buildOptions(QVBoxLayout* layout);
    void buildTransitionOption();
    void buildCharacterOptions();
    void buildArrival(QVBoxLayout* layout);
    void showKindOptions();
    void showTransitionOption();
    int previewLine() const;
    std::optional<int> readEdit(QLineEdit* edit);

    SessionSettings& state_;
    Prompter& prompter_;
    int row_ = 0;
    bool arrivalShown_ = false;
    std::array<QLineEdit*, 4> edits_{};
    QPushButton* apply_ = nullptr;
    QWidget* arrivalGroup_ = nullptr;
    std::array<QLineEdit*, 2> arrival_{};
    QSpinBox* steps_ = nullptr;
    QPushButton* arrivalButton_ = nullptr;
    QPushButton* applyArrival_ = nullptr;
    QFormLayout* options_ = nullptr;
    QComboBox* rows_ = nullptr;
    QComboBox* columns_ = nullptr;
    QComboBox* effect_ = nullptr;
    QComboBox* speed_ = nullptr;
    QComboBox* appearance_ = nullptr;
    QWidget* transitionOption_ = nullptr;
    QLabel* bandsLabel_ = nullptr;
    QLineEdit* bands_ = nullptr;
    QCheckBox* stretch_ = nullptr;
    int storedSize_ = 0;
    QComboBox* sound_ = nullptr;  // a character: speaking or a number of loops
    QSpinBox* loops_ = nullptr;
    QComboBox* endPose_ = nullptr;  // characters and animations
    PaletteTextLook* textLook_ = nullptr;
    QPushButton* effectButton_ = nullptr;
};

}  // namespace ztv::editor
