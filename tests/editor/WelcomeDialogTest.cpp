// The start-up screens: the welcome dialog's choices, the intro screen and the about box.
#include "common/formats/LangLines.h"
#include "editor/app/AboutBox.h"
#include "editor/app/IntroScreen.h"
#include "editor/app/LaunchCommands.h"
#include "editor/app/ProjectCommands.h"
#include "editor/dialogs/WelcomeDialog.h"
#include "tests/editor/ProjectFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace ztv::test {
namespace {

using Welcome = editor::WelcomeDialog;

class WelcomeDialog : public ProjectFixture {
  protected:
    std::unique_ptr<Welcome> dialog() {
        auto d = std::make_unique<Welcome>(window().services(), [this] { ++tutorials_; });
        d->checkFirstChoice();
        return d;
    }
    void pressOk(Welcome& d) {
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    }
    // Picks the choice in the welcome dialog shown at start-up and presses OK.
    void chooseAtStart(Welcome::Choice choice) {
        onDialog([this, choice](QDialog& d) {
            auto& welcome = static_cast<Welcome&>(d);
            welcome.choice(choice)->setChecked(true);
            pressOk(welcome);
        });
    }
    QString lastText() const {
        return prompter_.asked().isEmpty() ? QString() : prompter_.asked().last().text;
    }
    int tutorials_ = 0;
};

TEST_F(WelcomeDialog, WithoutALastProjectTheTutorialIsChosenAndTheLastProjectDisabled) {
    auto first = dialog();
    EXPECT_FALSE(first->choice(Welcome::LastProjectChoice)->isEnabled());
    EXPECT_TRUE(first->choice(Welcome::TutorialChoice)->isChecked());
    EXPECT_EQ(first->choice(Welcome::TutorialChoice)->text(), numberedText(lang::TutorialCaption));
    EXPECT_EQ(first->choice(Welcome::OpenChoice)->text(), numberedText(lang::OpenExistingProject));
    pressOk(*first);
    EXPECT_EQ(tutorials_, 1);
    EXPECT_EQ(first->result(), 0);  // the tutorial leaves the dialog open
    // OK records that the intro is to be shown at the next start.
    EXPECT_EQ(state().settings.line(editor::IntroLine), QStringLiteral("O"));

    state().settings.setLine(editor::LastProjectLine, QStringLiteral("/p/x.PZV"));
    state().introShown = true;
    auto later = dialog();
    EXPECT_TRUE(later->choice(Welcome::LastProjectChoice)->isEnabled());
    EXPECT_TRUE(later->choice(Welcome::OpenChoice)->isChecked());
    EXPECT_EQ(later->choice(Welcome::OpenChoice)->text(), numberedText(lang::WelcomeOpen));
    // After the intro the last choice reads the start guide, which opens as a help page.
    EXPECT_EQ(later->choice(Welcome::TutorialChoice)->text(), numberedText(lang::ReadStartGuide));
    later->choice(Welcome::TutorialChoice)->setChecked(true);
    pressOk(*later);
    EXPECT_EQ(tutorials_, 1);
    EXPECT_TRUE(lastText().startsWith(numberedText(lang::HelpPageMissing)));
}

TEST_F(WelcomeDialog, AMissingLastProjectIsForgottenAndTheDialogStays) {
    state().settings.setLine(editor::LastProjectLine, QStringLiteral("/nowhere/x.PZV"));
    auto d = dialog();
    d->choice(Welcome::LastProjectChoice)->setChecked(true);
    pressOk(*d);
    EXPECT_EQ(lastText(), QStringLiteral("/nowhere/x.PZV ") + numberedText(76));
    EXPECT_EQ(state().settings.line(editor::LastProjectLine), QStringLiteral("$"));
    EXPECT_FALSE(d->choice(Welcome::LastProjectChoice)->isEnabled());
    EXPECT_EQ(d->result(), 0);
}

TEST_F(WelcomeDialog, TheLastProjectOpens) {
    newProjectWithPages({QStringLiteral("Un")});
    const QString project = folder() + QStringLiteral("/essai.PZV");
    ASSERT_TRUE(window().projects().saveAs(project));
    window().projects().newProject(false);
    ASSERT_NE(state().projectName, project);
    state().settings.setLine(editor::LastProjectLine, project);
    chooseAtStart(Welcome::LastProjectChoice);
    window().showWelcome();
    EXPECT_EQ(state().projectName, project);
    EXPECT_GT(window().storyboard().page(), 0);
}

TEST_F(WelcomeDialog, OpeningStartsInTheProgramFolderAndACancelKeepsTheDialog) {
    auto d = dialog();
    d->choice(Welcome::OpenChoice)->setChecked(true);
    pressOk(*d);
    EXPECT_EQ(prompter_.lastDir, appDir());
    EXPECT_EQ(d->result(), 0);
}

TEST_F(WelcomeDialog, QuitEndsTheEditorWithoutAskingAgainAndTheCloseBoxLeavesItRunning) {
    onDialog([](QDialog& d) { d.reject(); });  // the window's close box
    window().showWelcome();
    EXPECT_EQ(previewCloseRequests_, 0);  // closeDown did not run
    EXPECT_TRUE(state().projectName == numberedText(lang::UntitledProject));

    chooseAtStart(Welcome::QuitChoice);
    window().showWelcome();
    EXPECT_FALSE(prompter_.texts().contains(numberedText(lang::QuitQuestion)));
    EXPECT_EQ(previewCloseRequests_, 1);
}

TEST_F(WelcomeDialog, TheStartScreensShowOnceAndTheIntroOnlyWhenTheSettingsAskForIt) {
    window().showStartScreens();
    EXPECT_EQ(dialogsShown, QStringList{QStringLiteral("Form50")});

    dialogsShown.clear();
    state().settings.setLine(editor::IntroLine, QStringLiteral("O"));
    window().showStartScreens();
    EXPECT_EQ(dialogsShown, (QStringList{QStringLiteral("formintro"), QStringLiteral("Form50")}));
    EXPECT_TRUE(state().introShown);

    dialogsShown.clear();
    state().commandLine = QStringList{QStringLiteral("/p/x.PZV")};
    window().showStartScreens();
    EXPECT_TRUE(dialogsShown.isEmpty());
}

TEST_F(WelcomeDialog, TheIntroClosesAfterFiveSecondsOnAClickOrOnEscape) {
    editor::IntroScreen intro(QStringLiteral("/missing/logo.jpg"));
    EXPECT_EQ(intro.timer().interval(), 5000);
    intro.show();
    EXPECT_TRUE(intro.timer().isActive());
    QTest::keyClick(&intro, Qt::Key_Escape);
    EXPECT_FALSE(intro.isVisible());
    intro.show();
    QTest::mouseClick(&intro, Qt::LeftButton);
    EXPECT_FALSE(intro.isVisible());
}

TEST_F(WelcomeDialog, TheAboutBoxShowsItsLines) {
    editor::AboutBox about(state());
    EXPECT_EQ(about.windowTitle(), numberedText(lang::AboutCaption));
    QStringList texts;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        texts.append(label->text());
    }
    EXPECT_EQ(texts, (QStringList{numberedText(484), numberedText(485), numberedText(486),
                                  numberedText(487), numberedText(488), numberedText(490)}));
    onDialog([](QDialog&) {});
    window().runCommand(editor::Command::About);
    EXPECT_EQ(dialogsShown, QStringList{QStringLiteral("AboutBox")});
}

}  // namespace
}  // namespace ztv::test
