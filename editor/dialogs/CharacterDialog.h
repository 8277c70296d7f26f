#pragma once

#include "editor/dialogs/SpriteDialog.h"
#include "editor/widgets/PanelMedia.h"

class QSpinBox;

namespace ztv::editor {

// The character dialog (row 24): a strip whose frames play in place while its voice plays, or
// for a number of loops without one; its voice can be heard here before it is placed.
class CharacterDialog : public SpriteDialog {
    Q_OBJECT
  public:
    CharacterDialog(SessionSettings& settings, Prompter& prompter, Storyboard& storyboard,
                    bool hasElement, QWidget* parent = nullptr);

    // The voice chosen in the file dialog; a cancelled choice clears it.
    void chooseSound();
    void playSound();
    void pauseSound();
    void playSoundAgain();
    void startSoundTool();
    void done(int result) override;

  protected:
    void fillLists() override;
    void setNewDefaults() override;
    void showRecord(const ElementRecord& record) override;
    void afterActivate() override;
    bool fillRecord(ElementRecord& record, QString& cellText) override;
    QString helpPage(bool french) const override;
    void afterSave(const ElementRecord& record) override;
    QRect proposedDisappearance() override;

  private:
    void buildSoundControls();
    void showSound(const QString& stored);
    void onSoundModeChanged();
    void onEndPoseChanged();

    PanelMedia media_;
    qint64 pausedAt_ = 0;
    QLineEdit* sound_ = nullptr;
    QWidget* mediaButtons_ = nullptr;
    QComboBox* soundMode_ = nullptr;
    QSpinBox* loops_ = nullptr;
};

}  // namespace ztv::editor
