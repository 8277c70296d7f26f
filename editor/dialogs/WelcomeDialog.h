#pragma once

#include "editor/widgets/TiledDialog.h"
#include "editor/widgets/WindowServices.h"

class QCheckBox;
class QRadioButton;

namespace ztv::editor {

// The welcome dialog (Form50) shown at start-up: open a project, open the last one, create
// one, quit, or the tutorial. OK carries out the choice; the first three close the dialog
// (Accepted), quit closes it with QuitResult. Closing the window otherwise leaves the editor
// with no project.
class WelcomeDialog : public TiledDialog {
    Q_OBJECT
  public:
    enum Choice { OpenChoice, LastProjectChoice, NewChoice, QuitChoice, TutorialChoice };
    static constexpr int QuitResult = 2;

    WelcomeDialog(const WindowServices& window, std::function<void()> tutorial,
                  QWidget* parent = nullptr);

    QRadioButton* choice(Choice which) const { return choices_[which]; }
    // OK: carries out the checked choice.
    void carryOutChoice();
    // The first choice checked, or the tutorial when no project was opened before.
    void checkFirstChoice();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void openChoice();
    void lastProjectChoice();
    void showHelp();

    WindowServices window_;
    std::function<void()> tutorial_;
    QRadioButton* choices_[5] = {};
    QCheckBox* noIntro_ = nullptr;
};

}  // namespace ztv::editor
