// The character, animation and panorama dialogs in the shipped languages: every caption fits
// its control. With ZTV_SHOT_DIR set, each dialog is saved there as a picture, to be looked at.
#include "editor/dialogs/AnimationDialog.h"
#include "editor/dialogs/CharacterDialog.h"
#include "editor/dialogs/PanoramaDialog.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/Storyboard.h"
#include "tests/editor/DialogCaptions.h"
#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>
#include <QTest>

namespace ztv::test {
namespace {

class FigureDialogsLayout : public ::testing::TestWithParam<const char*> {};

template <class Dialog>
void checkDialog(editor::SessionSettings& state, editor::Storyboard& storyboard,
                 ScriptedPrompter& prompter, int row, const char* name) {
    storyboard.setCurrentCell(1, row);
    Dialog dialog(state, prompter, storyboard, false);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTest::qWait(50);
    EXPECT_TRUE(clippedCaptions(dialog).isEmpty())
        << name << ": " << clippedCaptions(dialog).join(u'|').toStdString();
    if (const QString shots = qEnvironmentVariable("ZTV_SHOT_DIR"); !shots.isEmpty()) {
        dialog.grab().save(
            QStringLiteral("%1/%2-dialog-%3.png").arg(shots, name, state.languageName));
    }
}

TEST_P(FigureDialogsLayout, CaptionsFit) {
    QTemporaryDir dir;
    editor::SessionSettings state;
    ASSERT_TRUE(state.language.load(QStringLiteral(ZTV_SOURCE_DIR "/assets/lang/") + GetParam() +
                                    QStringLiteral(".asc")));
    state.languageName = QString::fromLatin1(GetParam());
    state.paths = AppPaths(dir.path(), dir.path());
    state.drives.set(u'C', QStringLiteral("/"), DriveType::Fixed);
    editor::Storyboard storyboard(dir.path());
    ASSERT_TRUE(storyboard.openPage(1));
    ScriptedPrompter prompter;
    checkDialog<editor::CharacterDialog>(state, storyboard, prompter, 24, "character");
    checkDialog<editor::AnimationDialog>(state, storyboard, prompter, 26, "animation");
    checkDialog<editor::PanoramaDialog>(state, storyboard, prompter, 25, "panorama");
    EXPECT_TRUE(prompter.asked().isEmpty()) << prompter.texts().join(u'|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, FigureDialogsLayout, ::testing::Values("FRENCH", "ENGLISH"));

}  // namespace
}  // namespace ztv::test
