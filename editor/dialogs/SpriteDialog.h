#pragma once

#include "editor/dialogs/ElementDialog.h"
#include "editor/dialogs/OutsideTool.h"
#include "editor/document/SpriteFields.h"

#include <QRect>
#include <QSize>
#include <array>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace ztv::editor {

// What the character and animation dialogs share: a picture strip cut into a number of frames
// (its width checked against the strip), or the disappearance of the row's figure; its
// appearance mode, speed, start rectangle (one frame's size), end pose, flags and action. Each
// kind adds its own controls to kindBox() and says how its values make a record.
class SpriteDialog : public ElementDialog {
    Q_OBJECT
  public:
    // The language lines of what the two kinds word differently.
    struct Wording {
        int placeCaption;
        int changeCaption;
        int pictureGroup;
        int disappearOption;
        int afterClick;  // then "at once"
        int joinBackground;
        int firstRectLabel;  // then the top
    };

    bool disappearChosen() const;
    // The picture option with a strip chosen in the file dialog.
    void choosePicture();
    // The disappearance option, as a click on it.
    void chooseDisappearance();
    // "Nouveau": the strip the animation maker writes, placed as the maker proposes.
    void makeStrip();
    void startPictureEditor();
    void startScanner();
    const PictureControl& preview() const { return preview_; }

  protected:
    SpriteDialog(SessionSettings& settings, Prompter& prompter, Storyboard& storyboard,
                 bool hasElement, const Wording& wording, QWidget* parent);

    void fillLists() override;
    void setNewDefaults() override;
    void afterActivate() override;

    // The kind's own controls go here, under the shared ones.
    QGridLayout* kindBox() const { return kindBox_; }
    // The rectangle a disappearance proposes in this cell.
    virtual QRect proposedDisappearance() = 0;
    // The picture option was chosen with a strip placed at the rectangle.
    virtual void onPictureShown() {}
    virtual void onOptionChanged() {}

    void showSpriteFields(const SpriteFields& fields);
    // The controls as values; false after the conversion message.
    bool readSpriteFields(SpriteFields* fields);
    // Shows the problem's message with the focus on its control; false when there is one.
    bool refuse(FieldProblem problem, const QString& typed = QString());
    int stripWidth() const { return preview_.loadedSize.width(); }
    void showRect(const QRect& rect);
    QString rectText(int i) const;
    QString cellTextOf(const ElementRecord& record) const;

    QSpinBox* frames_ = nullptr;
    QComboBox* endPose_ = nullptr;
    QCheckBox* autoDisappear_ = nullptr;
    QCheckBox* joinBackground_ = nullptr;
    QPushButton* browse_ = nullptr;
    QPushButton* makeStrip_ = nullptr;
    std::array<QLineEdit*, 4> rect_{};
    std::array<QLabel*, 4> rectLabels_{};
    bool loading_ = false;

  private:
    void buildPictureBox(QGridLayout* grid);
    void buildShowBox(QGridLayout* grid);
    void buildActionBox(QGridLayout* grid);
    void buildButtons();
    void applyOption();
    void onOptionClicked();
    void onFramesChanged();
    void onAppearanceChanged();
    void onActionChanged();
    bool drawPreview();
    // A strip that comes with its place and frame count (the maker's) is put there; any other
    // is centred at its own size and cut into the frames of a GIF.
    struct Placed {
        QRect rect;
        int frames = 1;
    };
    void usePicture(const QString& stored, const QString& shown,
                    const std::optional<Placed>& placed = std::nullopt);

    Wording wording_;
    PictureControl preview_;
    QRadioButton* pictureOption_ = nullptr;
    QRadioButton* disappearOption_ = nullptr;
    QButtonGroup* options_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QFrame* panel_ = nullptr;
    QLabel* image_ = nullptr;
    QComboBox* appearance_ = nullptr;
    QComboBox* speed_ = nullptr;
    QGridLayout* kindBox_ = nullptr;
    QComboBox* action_ = nullptr;
    QLineEdit* destination_ = nullptr;
    QPushButton* browseDestination_ = nullptr;
    QLineEdit* destin2_ = nullptr;
    QPushButton* browseDestin2_ = nullptr;
    QCheckBox* reverse_ = nullptr;
    QRadioButton* afterClick_ = nullptr;
    QRadioButton* atOnce_ = nullptr;
    QPushButton* position_ = nullptr;
    QPushButton* previewButton_ = nullptr;
    QPushButton* help_ = nullptr;
};

}  // namespace ztv::editor
