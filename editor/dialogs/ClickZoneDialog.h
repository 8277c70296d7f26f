#pragma once

#include "editor/dialogs/ElementDialog.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ztv::editor {

struct ClickZoneFields;

// The click-zone dialog: a zone cell (rows 50 to 59), an invisible rectangle of the page that
// starts its action after a click or as soon as it shows, and may go to a page and column when
// the pointer passes over it.
class ClickZoneDialog : public ElementDialog {
    Q_OBJECT
  public:
    ClickZoneDialog(SessionSettings& settings, Prompter& prompter, Storyboard& storyboard,
                    bool hasElement, QWidget* parent = nullptr);

  protected:
    void fillLists() override;
    void setNewDefaults() override;
    void showRecord(const ElementRecord& record) override;
    void afterActivate() override;
    bool fillRecord(ElementRecord& record, QString& cellText) override;
    QString helpPage(bool french) const override;

  private:
    QGroupBox* buildPosition();
    QGroupBox* buildAction();
    QGroupBox* buildHover();
    void buildButtons(QLayout* layout);
    void showFields(const ClickZoneFields& zone);
    void onActionChanged();
    void onHoverActionChanged();

    std::array<QLineEdit*, 4> rect_{};
    QComboBox* action_ = nullptr;
    QLineEdit* destination_ = nullptr;
    QPushButton* browseDestination_ = nullptr;
    QLineEdit* destin2_ = nullptr;
    QPushButton* browseDestin2_ = nullptr;
    QCheckBox* reverse_ = nullptr;
    QRadioButton* afterClick_ = nullptr;
    QRadioButton* atOnce_ = nullptr;
    QComboBox* hoverAction_ = nullptr;
    QLineEdit* hoverPage_ = nullptr;
    QLineEdit* hoverColumn_ = nullptr;
};

}  // namespace ztv::editor
