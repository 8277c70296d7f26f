#pragma once

#include "common/builder/ApplicationBuild.h"

#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace ztv {
class DesktopShell;
class Prompter;
}  // namespace ztv

namespace ztv::editor {

struct SessionSettings;

// The build window: a status line, a progress bar, the output folder (Label2), "Démarrer"
// (BitBtn2), which runs the build and turns into the cancel button (BitBtn1), and help (BitBtn3).
// While the build runs, Esc and closing the window ask it to stop as the cancel button does. A
// finished build offers to start the application, shows where it is and closes with 6; a failed
// or cancelled one closes with 2.
class BuildWindow : public QDialog {
    Q_OBJECT
  public:
    BuildWindow(SessionSettings& state, Prompter& prompter, DesktopShell& shell,
                builder::BuildRequest request, QWidget* parent = nullptr);

    void start();          // Démarrer
    void requestCancel();  // cancel
    bool cancelRequested() const { return cancel_; }
    QLabel& statusLabel() const { return *label_; }
    void reject() override;
    QProgressBar& progressBar() const { return *bar_; }
    // Called at every page gathered (tests cancel from here).
    std::function<void(int page)> onPageGathered;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    builder::BuildHooks hooks();
    void finish(builder::ApplicationBuild& build);

    SessionSettings& state_;
    Prompter& prompter_;
    DesktopShell& shell_;
    builder::BuildRequest request_;
    bool cancel_ = false;
    bool running_ = false;
    QLabel* label_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace ztv::editor
