// An author's first project: a background and three pictures placed through the image dialog,
// saved, reopened, and played by the player's engine.
#include "common/platform/Clock.h"
#include "common/platform/FileIo.h"
#include "editor/dialogs/ImageDialog.h"
#include "player/engine/Engine.h"
#include "player/engine/PlayerEnvironment.h"
#include "tests/editor/ProjectFixture.h"
#include "tests/support/PictureMakers.h"
#include "tests/support/ScriptedMediaService.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace ztv::test {
namespace {

using editor::ImageDialog;

class DialogsEndToEnd : public ProjectFixture {
  protected:
    void TearDown() override {
        window().hide();
        session_.reset();
    }
    QString bmp(const QString& name, QSize size, QColor colour) const {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const QString host = folder() + u'/' + name;
        EXPECT_TRUE(writeFileAtomically(host, makeBmp(image)));
        return host;
    }
    // Double-clicks the cell; the dialog is scripted by fill, then OK is pressed.
    void placeInCell(int column, int row, std::function<void(ImageDialog&)> fill) {
        onDialog([fill](QDialog& d) {
            d.show();
            fill(static_cast<ImageDialog&>(d));
            d.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        });
        doubleClickCell(column, row);
    }
    void doubleClickCell(int column, int row) {
        auto& grid = window().grid();
        const QPoint centre = grid.visualRect(grid.model()->index(row - 1, column - 1)).center();
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, centre);
    }
    void placePicture(int column, int row, const QString& host, QRect rect) {
        placeInCell(column, row, [this, host, rect](ImageDialog& d) {
            prompter_.choosePath(host);
            d.choosePicture();
            const int values[] = {rect.left(), rect.top(), rect.width(), rect.height()};
            const char* names[] = {"Edit2", "Edit3", "Edit4", "Edit5"};
            for (int i = 0; i < 4; ++i) {
                d.findChild<QLineEdit*>(QLatin1String(names[i]))
                    ->setText(QString::number(values[i]));
            }
        });
    }
};

TEST_F(DialogsEndToEnd, PicturesPlacedThroughTheDialogPlayInThePlayer) {
    newProjectWithPages({QStringLiteral("Accueil")});
    window().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    state().rememberedColours[0] = QColor(0, 0, 200);
    placeInCell(1, 3, [](ImageDialog& d) { d.selectImageType(ImageDialog::ImageType::Plain); });
    placePicture(1, 4, bmp(QStringLiteral("rouge.bmp"), {100, 80}, Qt::red), {10, 10, 100, 80});
    placePicture(1, 5, bmp(QStringLiteral("vert.bmp"), {50, 50}, Qt::green), {300, 200, 50, 50});
    // The third picture is centred on the page by the chooser.
    placeInCell(2, 6, [this](ImageDialog& d) {
        prompter_.choosePath(bmp(QStringLiteral("jaune.bmp"), {40, 20}, Qt::yellow));
        d.choosePicture();
    });
    EXPECT_EQ(window().storyboard().cellText(1, 4), QStringLiteral("rouge.bmp"));
    EXPECT_EQ(window().storyboard().cellText(2, 6), QStringLiteral("jaune.bmp"));
    EXPECT_EQ(window().storyboard().cellText(1, 3), QStringLiteral("T120"));
    EXPECT_TRUE(state().modified);

    prompter_.choosePath(folder() + QStringLiteral("/premier"));
    window().runCommand(editor::Command::Save);
    const QString pzv = folder() + QStringLiteral("/premier.PZV");
    ASSERT_TRUE(QFileInfo::exists(pzv));
    state().modified = false;
    ASSERT_TRUE(window().openProject(pzv));
    EXPECT_EQ(window().storyboard().cellText(1, 5), QStringLiteral("vert.bmp"));

    // The player, with the same language file as rlang.asc.
    const QString playerDir = dir_.path() + QStringLiteral("/player");
    QDir().mkpath(playerDir);
    ASSERT_TRUE(copyFileAtomically(appDir() + QStringLiteral("/lang/FRENCH.asc"),
                                   playerDir + QStringLiteral("/rlang.asc")));
    ManualClock clock;
    ScriptedPrompter playerPrompter;
    PlayerEnvironment env;
    env.prompter = &playerPrompter;
    env.clock = &clock;
    env.drives = state().drives;
    env.screenSize = QSize(640, 480);
    env.programPath = playerDir + QStringLiteral("/ztvplay");
    env.arguments = {folder() + QStringLiteral("/premier.ZTV")};
    env.media = std::make_shared<ScriptedMediaService>();
    env.runAndWait = [](const QString&, const QStringList&) { return 0; };
    Engine engine(env);
    ASSERT_TRUE(engine.start(playerDir));
    engine.playPage();
    auto runUntilIdle = [&] {
        for (int i = 0; i < 100000 && engine.timer().isActive(); ++i) {
            clock.advance(engine.timer().interval());
            engine.stepDueElements();
        }
    };
    runUntilIdle();
    EXPECT_TRUE(playerPrompter.asked().isEmpty()) << playerPrompter.texts().join('|').toStdString();
    auto at = [&](int x, int y) { return engine.canvas().pixel(x, y) & 0xFFFFFF; };
    EXPECT_EQ(at(5, 5), 0x0000C8u);
    EXPECT_EQ(at(60, 50), 0xFF0000u);
    EXPECT_EQ(at(325, 225), 0x00FF00u);
    // Column 2 follows in the same run: the centred picture.
    EXPECT_EQ(at(320, 240), 0xFFFF00u);
    EXPECT_EQ(at(299, 240), 0x0000C8u);
}

// A cancel closes the dialog without writing the cell, but what happened meanwhile lasts: the
// colours chosen are remembered, and a new element whose positions were kept is in the page, so
// the next dialog on the cell edits it.
TEST_F(DialogsEndToEnd, ACancelledDialogLeavesItsColoursAndItsKeptElementToTheNextOne) {
    newProjectWithPages({QStringLiteral("Accueil")});
    window().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    const QString host = bmp(QStringLiteral("rouge.bmp"), {100, 80}, Qt::red);
    onDialog([this, host](QDialog& d) {
        auto& dialog = static_cast<ImageDialog&>(d);
        d.show();
        EXPECT_FALSE(dialog.editing());
        prompter_.choosePath(host);
        dialog.choosePicture();
        dialog.positionElement(false);
        dialog.chooseColour = [](const QColor&) { return std::optional<QColor>(QColor(1, 2, 3)); };
        dialog.chooseSwatchColour(0);
        d.reject();
    });
    onDialog([this](QDialog& d) {
        d.show();
        QTest::keyClick(&d, Qt::Key_Left);
        prompter_.answer(Prompter::Ok);
        d.reject();
    });
    bool nextEdits = false;
    onDialog([&nextEdits](QDialog& d) { nextEdits = static_cast<ImageDialog&>(d).editing(); });
    const qsizetype before = dialogsShown.size();
    doubleClickCell(1, 4);
    window().runCommand(editor::Command::EditCell);
    EXPECT_EQ(dialogsShown.size() - before, 3);
    EXPECT_TRUE(nextEdits);
    EXPECT_EQ(state().rememberedColours[0], QColor(1, 2, 3));
}

}  // namespace
}  // namespace ztv::test
