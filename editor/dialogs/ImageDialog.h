#pragma once

#include "editor/dialogs/ElementDialog.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <array>
#include <functional>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace ztv::editor {

// The image and background dialog: the background cell (row 3) or a picture cell (rows 4 to
// 23). A picture file, a gradient or a plain colour, or the disappearance of the row's picture;
// its transition, appearance mode, speed, wait and flags on the first tab; its action and
// hover picture on the second.
class ImageDialog : public ElementDialog {
    Q_OBJECT
  public:
    ImageDialog(SessionSettings& settings, Prompter& prompter, Storyboard& storyboard,
                bool hasElement, QWidget* parent = nullptr);

    enum class ImageType { Picture, Gradient, Plain, Disappear };
    ImageType imageType() const;
    void selectImageType(ImageType type);
    // The picture chooser: the browse button, or a click on the preview.
    void choosePicture();
    void chooseHoverPicture();
    void clearHoverPicture();
    // The swatches: 0 plain colour, 1 gradient start, 2 gradient end.
    void chooseSwatchColour(int swatch);
    // The outside programs of the settings, started on the picture (the editor) or alone.
    void startPictureEditor();
    void startScanner();
    // The preview as it shows now.
    const PictureControl& preview() const { return preview_; }

    // The colour dialog; tests replace it.
    std::function<std::optional<QColor>(const QColor&)> chooseColour;

  protected:
    void fillLists() override;
    void setNewDefaults() override;
    void showRecord(const ElementRecord& record) override;
    void afterActivate() override;
    bool fillRecord(ElementRecord& record, QString& cellText) override;
    QString helpPage(bool french) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static constexpr QSize kPreviewPanel{240, 180};
    static constexpr QSize kHoverPanel{120, 90};

    void buildImageTab(QWidget* tab);
    void buildActionsTab(QWidget* tab);
    void buildButtons();
    void onImageTypeChosen(ImageType type);
    void applyTypeControls(ImageType type);
    bool drawPreview();
    bool fitPreview();
    void onAppearanceChanged();
    void onEffectChanged();
    void onActionChanged();
    void onHoverActionChanged();
    void showRect(const QRect& rect);
    void paintSwatches();
    bool isBackground() const { return row_ == 3; }
    void takeTypedPicture();
    void usePicture(const QString& stored, const QString& shown);
    void offerReducedCopy(const QString& windowsPath);
    QColor swatchColour(int swatch) const;

    PictureControl preview_;
    PictureControl hover_;
    bool loading_ = false;
    int storedSize_ = 0;

    QTabWidget* tabs_ = nullptr;
    std::array<QRadioButton*, 4> types_{};
    QButtonGroup* typeGroup_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QPushButton* browse_ = nullptr;
    std::array<QFrame*, 3> swatches_{};
    QComboBox* direction_ = nullptr;
    QFrame* panel_ = nullptr;
    QLabel* image_ = nullptr;
    QComboBox* effect_ = nullptr;
    QComboBox* appearance_ = nullptr;
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
    std::array<QLabel*, 4> rectLabels_{};
    QComboBox* action_ = nullptr;
    QLineEdit* destination_ = nullptr;
    QPushButton* browseDestination_ = nullptr;
    QLineEdit* destin2_ = nullptr;
    QPushButton* browseDestin2_ = nullptr;
    QCheckBox* reverse_ = nullptr;
    QRadioButton* afterClick_ = nullptr;
    QRadioButton* atOnce_ = nullptr;
    QWidget* hoverGroup_ = nullptr;
    QLineEdit* hoverPath_ = nullptr;
    QComboBox* hoverAction_ = nullptr;
    QLineEdit* hoverPage_ = nullptr;
    QLineEdit* hoverColumn_ = nullptr;
    QCheckBox* restoreOnExit_ = nullptr;
    QFrame* hoverPanel_ = nullptr;
    QLabel* hoverImage_ = nullptr;
    QPushButton* position_ = nullptr;
    QPushButton* previewButton_ = nullptr;
    QPushButton* help_ = nullptr;
};

}  // namespace ztv::editor
