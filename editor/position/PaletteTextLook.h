#pragma once

#include "common/formats/ElementRecord.h"
#include "editor/document/RememberedFont.h"

#include <QColor>
#include <QSize>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace ztv::editor {

struct SessionSettings;

// The palette's controls of a text element: its font ("Fonte", "Style", "Taille", chosen in a
// font dialog), line spacing, shadow offsets, alignment and its two colours. A new font, colour
// or spacing calls `onLookChanged`, which sizes the text again and saves it.
class PaletteTextLook : public QWidget {
    Q_OBJECT
  public:
    PaletteTextLook(SessionSettings& state, QWidget* parent);

    void fill(const ElementRecord& record);
    // Font list into `sensdegra`, layout list into `Transparent`, colours into `Couleur` and
    // `Couldegra`.
    void applyTo(ElementRecord& record) const;
    // The size the text's lines take in the look shown, measured as the player draws them.
    QSize measured() const;

    std::function<void()> onLookChanged;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString fontList() const;
    QString layoutList() const;
    void showFont();
    void chooseFont();
    void chooseColour(std::size_t swatch);
    void paintSwatches();
    void lookChanged();

    SessionSettings& state_;
    QStringList lines_;
    RememberedFont font_;
    std::array<QColor, 2> colours_;  // text, then shadow
    std::array<QLabel*, 3> fontLabels_{};
    QLineEdit* spacing_ = nullptr;
    std::array<QSpinBox*, 2> shadow_{};
    QComboBox* align_ = nullptr;
    std::array<QFrame*, 2> swatches_{};
};

}  // namespace ztv::editor
