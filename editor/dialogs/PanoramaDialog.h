#pragma once

#include "editor/dialogs/ElementDialog.h"
#include "editor/dialogs/OutsideTool.h"

#include <QSize>
#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace ztv::editor {

// The panorama dialog (row 25): a picture larger than its window, which clicks scroll by a
// percent of the window; or the disappearance of the row's panorama.
class PanoramaDialog : public ElementDialog {
    Q_OBJECT
  public:
    PanoramaDialog(SessionSettings& settings, Prompter& prompter, Storyboard& storyboard,
                   bool hasElement, QWidget* parent = nullptr);

    bool disappearChosen() const;
    void choosePicture();
    void chooseDisappearance();
    void startPictureEditor();
    void startScanner();

  protected:
    void fillLists() override;
    void setNewDefaults() override;
    void showRecord(const ElementRecord& record) override;
    void afterActivate() override;
    bool fillRecord(ElementRecord& record, QString& cellText) override;
    QString helpPage(bool french) const override;
    void afterSave(const ElementRecord& record) override;

  private:
    void buildPictureBox();
    void buildShowBox();
    void buildButtons();
    void applyOption();
    void onOptionClicked();
    void onEffectChanged();
    void drawPreview();
    void showRect(const QRect& rect);

    PictureControl preview_;
    QSize pictureSize_;  // the picture's own size, as the player draws it
    int storedSize_ = 0;
    bool loading_ = false;

    QRadioButton* pictureOption_ = nullptr;
    QRadioButton* disappearOption_ = nullptr;
    QButtonGroup* options_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QPushButton* browse_ = nullptr;
    QFrame* panel_ = nullptr;
    QLabel* image_ = nullptr;
    QComboBox* effect_ = nullptr;
    QLabel* bandsLabel_ = nullptr;
    QLineEdit* bands_ = nullptr;
    QCheckBox* stretch_ = nullptr;
    QComboBox* speed_ = nullptr;
    QSpinBox* stepX_ = nullptr;
    QSpinBox* stepY_ = nullptr;
    QCheckBox* wrapAround_ = nullptr;
    QCheckBox* joinBackground_ = nullptr;
    QCheckBox* autoDisappear_ = nullptr;
    std::array<QLineEdit*, 4> rect_{};
    QPushButton* position_ = nullptr;
    QPushButton* previewButton_ = nullptr;
    QPushButton* help_ = nullptr;
};

}  // namespace ztv::editor
