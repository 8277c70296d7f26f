// The image dialog in the shipped languages: every caption fits its control. With
// ZTV_SHOT_DIR set, each tab is also saved there as a picture, to be looked at.
#include "common/platform/FileIo.h"
#include "editor/dialogs/ImageDialog.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/Storyboard.h"
#include "tests/editor/DialogCaptions.h"
#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest.h>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace ztv::test {
namespace {

class ImageDialogLayout : public ::testing::TestWithParam<const char*> {};

// Every caption of both tabs fits; with ZTV_SHOT_DIR set, each tab is saved there.
void checkDialog(editor::SessionSettings& state, editor::Storyboard& storyboard,
                 ScriptedPrompter& prompter, int row) {
    storyboard.setCurrentCell(1, row);
    editor::ImageDialog dialog(state, prompter, storyboard, false);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    ASSERT_TRUE(tabs);
    const QString shots = qEnvironmentVariable("ZTV_SHOT_DIR");
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QTest::qWait(50);
        EXPECT_TRUE(clippedCaptions(dialog).isEmpty())
            << clippedCaptions(dialog).join(u'|').toStdString();
        if (!shots.isEmpty()) {
            const QString name = QStringLiteral("%1/image-dialog-row%2-%3-tab%4")
                                     .arg(shots)
                                     .arg(row)
                                     .arg(state.languageName)
                                     .arg(tab + 1);
            dialog.grab().save(name + QStringLiteral(".png"));
        }
    }
}

TEST_P(ImageDialogLayout, CaptionsFitOnBothTabs) {
    QTemporaryDir dir;
    editor::SessionSettings state;
    ASSERT_TRUE(state.language.load(QStringLiteral(ZTV_SOURCE_DIR "/assets/lang/") + GetParam() +
                                    QStringLiteral(".asc")));
    state.languageName = QString::fromLatin1(GetParam());
    state.paths = AppPaths(dir.path(), dir.path());
    state.drives.set(u'C', QStringLiteral("/"), DriveType::Fixed);
    state.projectWidth = 800;
    state.projectHeight = 600;
    editor::Storyboard storyboard(dir.path());
    ASSERT_TRUE(storyboard.openPage(1));
    ScriptedPrompter prompter;
    // The picture dialog, then the background's.
    for (const int row : {4, 3}) {
        checkDialog(state, storyboard, prompter, row);
    }
    EXPECT_TRUE(prompter.asked().isEmpty()) << prompter.texts().join(u'|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, ImageDialogLayout, ::testing::Values("FRENCH", "ENGLISH"));

}  // namespace
}  // namespace ztv::test
