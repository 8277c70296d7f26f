#include "editor/dialogs/WelcomeDialog.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/Storyboard.h"
#include "editor/widgets/DialogButton.h"
#include "editor/widgets/HelpPages.h"
#include "editor/widgets/WindowServices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QRadioButton>

namespace ztv::editor {

WelcomeDialog::WelcomeDialog(const WindowServices& window, std::function<void()> tutorial,
                             QWidget* parent)
    : TiledDialog(parent), window_(window), tutorial_(std::move(tutorial)) {
    const SessionSettings& state = window.state;
    setObjectName(QStringLiteral("Form50"));
    setWindowTitle(state.text(lang::WelcomeCaption));
    setFixedSize(420, 290);
    QGroupBox* group = panelGroup(state.text(lang::WelcomeGroup), QRect(12, 12, 396, 200), this);
    const bool introOn = state.settings.line(IntroLine) == QStringLiteral("O");
    const int lines[] = {introOn ? lang::WelcomeOpen : lang::OpenExistingProject,
                         lang::WelcomeLastProject, lang::WelcomeNew, lang::WelcomeQuit,
                         state.introShown ? lang::ReadStartGuide : lang::TutorialCaption};
    for (int i = 0; i < 5; ++i) {
        choices_[i] = new QRadioButton(state.text(lines[i]), group);
        choices_[i]->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        choices_[i]->setGeometry(16, 30 + i * 32, 370, 24);
    }
    noIntro_ = new QCheckBox(QStringLiteral("Ne plus lancer l'introduction."), this);
    noIntro_->setObjectName(QStringLiteral("CheckBox1"));
    noIntro_->hide();
    auto* ok = dialogButton(this, "BitBtn1", state.text(lang::ButtonOk), QRect(12, 240, 90, 30));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &WelcomeDialog::carryOutChoice);
    attachHelp(this,
               dialogButton(this, "BitBtn2", state.text(lang::ButtonHelp), QRect(110, 240, 90, 30)),
               state, window.prompter, startHelp());
}

void WelcomeDialog::showEvent(QShowEvent* event) {
    checkFirstChoice();
    TiledDialog::showEvent(event);
}

void WelcomeDialog::checkFirstChoice() {
    choices_[OpenChoice]->setChecked(true);
    if (window_.state.settings.line(LastProjectLine) == QStringLiteral("$")) {
        choices_[LastProjectChoice]->setEnabled(false);
        choices_[TutorialChoice]->setChecked(true);
    }
}

void WelcomeDialog::showHelp() {
    openHelpPage(window_.state, window_.prompter, startHelp());
}

void WelcomeDialog::carryOutChoice() {
    SessionSettings& state = window_.state;
    state.settings.setLine(IntroLine,
                           noIntro_->isChecked() ? QStringLiteral("$") : QStringLiteral("O"));
    if (choices_[OpenChoice]->isChecked()) {
        openChoice();
    } else if (choices_[LastProjectChoice]->isChecked()) {
        lastProjectChoice();
    } else if (choices_[NewChoice]->isChecked()) {
        accept();
        window_.newProject();
    } else if (choices_[QuitChoice]->isChecked()) {
        done(QuitResult);
    } else if (choices_[TutorialChoice]->isChecked()) {
        if (state.introShown) {
            showHelp();
        } else {
            tutorial_();
        }
    }
}

void WelcomeDialog::openChoice() {
    SessionSettings& state = window_.state;
    const QString path = window_.prompter.openFileName(state.text(lang::OpenProjectCaption),
                                                       state.paths.appDir(), window_.projectFilter);
    // Work recovered at start-up is not dropped without the usual question.
    if (path.isEmpty() || !window_.saveChangesPrompt()) {
        return;
    }
    window_.clearPageList();
    window_.openProject(path);
    accept();
}

void WelcomeDialog::lastProjectChoice() {
    SessionSettings& state = window_.state;
    const QString last = state.settings.line(LastProjectLine);
    const QString host = state.drives.outsideToHost(last);
    if (host.isEmpty() || !QFileInfo(host).isFile()) {
        window_.prompter.message(last + u' ' + state.text(lang::ProjectMissingSuffix));
        state.settings.setLine(LastProjectLine, QStringLiteral("$"));
        choices_[LastProjectChoice]->setEnabled(false);
        return;
    }
    if (!window_.saveChangesPrompt()) {
        return;
    }
    window_.storyboard.closePage();
    window_.openProject(host);
    accept();
}

}  // namespace ztv::editor
