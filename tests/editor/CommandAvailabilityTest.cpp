// No command does nothing silently: it works, or it is disabled and says it is not available
// yet. Commands that have nothing to act on say so and stop.
#include "common/formats/LangLines.h"
#include "common/platform/FileIo.h"
#include "editor/app/CommandTable.h"
#include "editor/dialogs/ToolSettingsDialog.h"
#include "tests/editor/ProjectFixture.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace ztv::test {
namespace {

class CommandAvailability : public ProjectFixture {
  protected:
    const QString notYet = numberedText(lang::NotAvailableYet);

    // Enabled; or held back by the state (no page, nothing copied) while its feature is there;
    // or disabled and saying that it is not available yet.
    void expectWorksOrSaysNotYet(const QString& name, editor::Command command, bool enabled,
                                 const QString& tooltip) {
        if (enabled || window().hasCommandHandler(command)) {
            EXPECT_FALSE(tooltip.contains(notYet)) << name.toStdString();
        } else {
            EXPECT_TRUE(tooltip.endsWith(notYet))
                << name.toStdString() << ": " << tooltip.toStdString();
        }
    }
};

TEST_F(CommandAvailability, EveryItemButtonAndShortcutWorksOrSaysItIsNotAvailableYet) {
    for (const auto& entry : editor::commandEntries()) {
        if (const char* name = entry.item.name) {
            const QAction* action = window().menuItem(QLatin1String(name));
            expectWorksOrSaysNotYet(QLatin1String(name), entry.command, action->isEnabled(),
                                    action->toolTip());
        }
        if (const char* name = entry.button.name) {
            const QToolButton* b = window().toolButton(QLatin1String(name));
            expectWorksOrSaysNotYet(QLatin1String(name), entry.command, b->isEnabled(),
                                    b->toolTip());
        }
    }
    // The help key is the shortcut of an item that works.
    EXPECT_TRUE(window().menuItem(QStringLiteral("Aide2"))->isEnabled());
}

TEST_F(CommandAvailability, OpeningACellWithoutItsDialogSaysSo) {
    newProjectWithPages({QStringLiteral("Un")});
    // A video row: its dialog comes later.
    window().storyboard().setCurrentCell(2, 2);
    window().openCell();  // double click and Enter
    ASSERT_FALSE(prompter_.asked().isEmpty());
    EXPECT_EQ(prompter_.asked().last().text, notYet);
    const QToolButton* open = window().toolButton(QStringLiteral("BAjout"));
    EXPECT_FALSE(open->isEnabled());
    EXPECT_TRUE(open->toolTip().contains(notYet));
    // A picture row has its dialog.
    window().storyboard().setCurrentCell(2, 5);
    window().updateStatus();
    EXPECT_TRUE(open->isEnabled());
    EXPECT_FALSE(open->toolTip().contains(notYet));
}

TEST_F(CommandAvailability, TooltipsShowNoMnemonicMarks) {
    EXPECT_EQ(editor::withoutMnemonics(QStringLiteral("&Aide")), QStringLiteral("Aide"));
    EXPECT_EQ(editor::withoutMnemonics(QStringLiteral("R&&D &x&")), QStringLiteral("R&D x&"));
    QStringList lines = *readLines(appDir() + QStringLiteral("/lang/FRENCH.asc"));
    lines[492] = QStringLiteral("492,&Aide");
    ASSERT_TRUE(writeLines(appDir() + QStringLiteral("/lang/FRENCH.asc"), lines));
    session_.reset();
    session_ = start();
    ASSERT_TRUE(session_);
    EXPECT_EQ(window().toolButton(QStringLiteral("Baide"))->toolTip(), QStringLiteral("Aide"));
}

TEST_F(CommandAvailability, QtDialogsSpeakTheLanguageOfTheLanguageFile) {
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
    session_.reset();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    QStringList settings(15, QStringLiteral("$"));
    settings[14] = QStringLiteral("ENGLISH");
    writeSettings(settings);
    ASSERT_TRUE(copyFileAtomically(appDir() + QStringLiteral("/lang/FRENCH.asc"),
                                   appDir() + QStringLiteral("/lang/ENGLISH.asc")));
    session_ = start();
    ASSERT_TRUE(session_);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

TEST_F(CommandAvailability, PastingAPageWithNoPageOpenStopsAfterItsMessage) {
    window().setCommandEnabled(editor::Command::PastePage, true);
    window().runCommand(editor::Command::PastePage);
    EXPECT_EQ(prompter_.texts(), QStringList{numberedText(lang::NoCurrentPage)});
    EXPECT_TRUE(dialogsShown.isEmpty()) << "no new page dialog follows";
    EXPECT_EQ(window().pageCombo().count(), 0);
}

TEST_F(CommandAvailability, BuildingNeedsAPageAndLetsUnsavedChangesStopIt) {
    window().runCommand(editor::Command::BuildApplication);
    EXPECT_EQ(prompter_.texts(), QStringList{numberedText(lang::NoCurrentPage)});
    newProjectWithPages({QStringLiteral("Un")});
    dialogsShown.clear();
    window().document().setModified(true);
    prompter_.answer(Prompter::Cancel);
    window().runCommand(editor::Command::BuildApplication);
    EXPECT_EQ(prompter_.texts().last(), numberedText(lang::SaveBeforeQuit));
    EXPECT_TRUE(dialogsShown.isEmpty()) << "Cancel stops before the wizard";
    prompter_.answer(Prompter::No);
    window().runCommand(editor::Command::BuildApplication);
    EXPECT_EQ(dialogsShown, QStringList{"FCreerLog"}) << "No goes on to the wizard";
}

TEST_F(CommandAvailability, TheFirstPageMustBeAPageOfTheProject) {
    newProjectWithPages({QStringLiteral("Un"), QStringLiteral("Deux")});
    const QByteArray before = readBytes(workingDir() + QStringLiteral("/$inip.ini"));
    onDialog([](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("Edit3"))->setText(QStringLiteral("7"));
        d.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        EXPECT_EQ(d.result(), 0) << "the dialog stays";
        d.findChild<QLineEdit*>(QStringLiteral("Edit3"))->setText(QStringLiteral("2"));
        d.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    });
    window().runCommand(editor::Command::ProjectParameters);
    EXPECT_EQ(prompter_.texts(), QStringList{numberedText(lang::FirstPageMissing)});
    EXPECT_NE(readBytes(workingDir() + QStringLiteral("/$inip.ini")), before);
    EXPECT_EQ(readLines(workingDir() + QStringLiteral("/$inip.ini"))->value(3),
              QStringLiteral("2"));
}

TEST_F(CommandAvailability, AChosenProgramCanBeClearedAgain) {
    state().settings.setLine(0, QStringLiteral("/usr/bin/gimp"));
    editor::ToolSettingsDialog dialog(state(), prompter_);
    dialog.findChild<QPushButton*>(QStringLiteral("BtChoixRetClear"))->click();
    EXPECT_EQ(state().settings.line(0), QStringLiteral("$"));
    EXPECT_TRUE(dialog.findChild<QLineEdit*>(QStringLiteral("EditRet"))->text().isEmpty());
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("BtChoixRetClear"))->toolTip(),
              numberedText(lang::ClearToolProgram));
}

}  // namespace
}  // namespace ztv::test
