#pragma once

#include "editor/dialogs/ElementDialog.h"
#include "editor/document/TextFields.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace ztv::editor {

// The text dialog (rows 30 to 49): a few lines typed into the dialog with their font, colours,
// shadow, line spacing and alignment, or the disappearance of the row's text; the transition,
// speed, wait and flags on the first tab; the action and a hover colour on the second. The
// rectangle's size is the text's, measured as the player draws it, and the preview is the
// player's own rendering of the lines.
class TextDialog : public ElementDialog {
    Q_OBJECT
  public:
    TextDialog(SessionSettings& settings, Prompter& prompter, Storyboard& storyboard,
               bool hasElement, QWidget* parent = nullptr);

    bool disappearing() const;
    // The two options: the typed text, or "make the previous text disappear".
    void selectDisappearance(bool disappear);
    // "Fonte", "Style" or "Taille" clicked: the font dialog on the remembered font.
    void chooseFont();
    // The swatches: 0 text colour, 1 shadow colour, 2 hover colour.
    void chooseSwatchColour(int swatch);
    // The text as the controls show it.
    TextFields fields() const;
    // What the preview shows: the lines drawn by the player over the memo's ground.
    const QImage& previewImage() const { return previewImage_; }

    // Colour and font dialogs; tests replace them.
    std::function<std::optional<QColor>(const QColor&)> chooseColour;
    std::function<std::optional<QFont>(const QFont&)> chooseFontFrom;

  protected:
    void fillLists() override;
    void setNewDefaults() override;
    void showRecord(const ElementRecord& record) override;
    void afterActivate() override;
    bool fillRecord(ElementRecord& record, QString& cellText) override;
    QString helpPage(bool french) const override;
    void afterSave(const ElementRecord& record) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static constexpr QSize kPreviewPanel{300, 110};

    void buildTextTab(QWidget* tab);
    QWidget* buildLookControls(QWidget* parent);
    void buildAppearanceGroup(QWidget* tab, QGridLayout* grid);
    void buildActionsTab(QWidget* tab);
    void buildButtons();
    void onOptionChosen();
    void applyOptionControls();
    void onEffectChanged();
    void onActionChanged();
    void onHoverActionChanged();
    // The text's size into "Largeur" and "Hauteur", and the preview drawn again.
    void measure();
    bool refuseText(const TextFields& text);
    void showRect(const QRect& rect);
    void showFont();
    void paintSwatches();
    QColor ground() const;
    QStringList memoLines() const;

    QColor hoverColour_;
    QImage previewImage_;
    bool loading_ = false;
    int storedSize_ = 0;

    QTabWidget* tabs_ = nullptr;
    QRadioButton* textOption_ = nullptr;
    QRadioButton* disappearOption_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    std::array<QLabel*, 3> fontLabels_{};
    std::array<QFrame*, 3> swatches_{};
    QComboBox* align_ = nullptr;
    QLineEdit* spacing_ = nullptr;
    std::array<QSpinBox*, 2> shadow_{};
    QLabel* preview_ = nullptr;
    QComboBox* effect_ = nullptr;
    QComboBox* speed_ = nullptr;
    QLineEdit* wait_ = nullptr;
    QLabel* bandsLabel_ = nullptr;
    QLineEdit* bands_ = nullptr;
    QCheckBox* stretch_ = nullptr;
    QComboBox* step_ = nullptr;
    QComboBox* start_ = nullptr;
    QComboBox* end_ = nullptr;
    QCheckBox* autoDisappear_ = nullptr;
    QCheckBox* joinBackground_ = nullptr;
    std::array<QLineEdit*, 4> rect_{};
    QComboBox* action_ = nullptr;
    QLineEdit* destination_ = nullptr;
    QPushButton* browseDestination_ = nullptr;
    QLineEdit* destin2_ = nullptr;
    QPushButton* browseDestin2_ = nullptr;
    QCheckBox* reverse_ = nullptr;
    QRadioButton* afterClick_ = nullptr;
    QRadioButton* atOnce_ = nullptr;
    QCheckBox* hoverColourBox_ = nullptr;
    QComboBox* hoverAction_ = nullptr;
    QLineEdit* hoverPage_ = nullptr;
    QLineEdit* hoverColumn_ = nullptr;
    QCheckBox* restoreOnExit_ = nullptr;
    QPushButton* position_ = nullptr;
    QPushButton* previewButton_ = nullptr;
    QPushButton* help_ = nullptr;
};

}  // namespace ztv::editor
