#pragma once

#include "editor/dialogs/SpriteDialog.h"

class QSpinBox;

namespace ztv::editor {

// The animation dialog (rows 26 to 29): a strip that travels from its start position to its
// arrival in a number of steps; or the disappearance of the row's previous animation.
class AnimationDialog : public SpriteDialog {
    Q_OBJECT
  public:
    AnimationDialog(SessionSettings& settings, Prompter& prompter, Storyboard& storyboard,
                    bool hasElement, QWidget* parent = nullptr);

  protected:
    void setNewDefaults() override;
    void showRecord(const ElementRecord& record) override;
    bool fillRecord(ElementRecord& record, QString& cellText) override;
    QString helpPage(bool french) const override;
    void afterSave(const ElementRecord& record) override;
    QRect proposedDisappearance() override;
    void onPictureShown() override;
    void onOptionChanged() override;

  private:
    QWidget* arrival_ = nullptr;
    QLineEdit* arrivalLeft_ = nullptr;
    QLineEdit* arrivalTop_ = nullptr;
    QSpinBox* steps_ = nullptr;
};

}  // namespace ztv::editor
