// The animation maker driven as an author would: pictures chosen, refused, reordered, saved as
// a strip or a GIF, and what an element dialog receives.
#include "common/formats/AnimatedPicture.h"
#include "common/formats/LangLines.h"
#include "common/formats/PictureLoader.h"
#include "editor/animation/AnimationMaker.h"
#include "editor/animation/AnimationMakerWindow.h"
#include "editor/animation/GifOptionsDialog.h"
#include "editor/document/SessionSettings.h"
#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QSet>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <array>

namespace ztv::test {
namespace {

using editor::AnimationMakerWindow;

const QColor kColours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};

class AnimationMaker : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(
            state_.language.load(QStringLiteral(ZTV_SOURCE_DIR "/assets/lang/ENGLISH.asc")));
        // The GIF options are taken as they open.
        state_.dialogRunner = [](QDialog& dialog) {
            return qobject_cast<editor::GifOptionsDialog*>(&dialog) ? int(Prompter::Yes)
                                                                    : dialog.exec();
        };
    }

    // A picture of one colour, saved in the format its name says.
    QString picture(const QString& name, QColor colour, QSize size = {40, 30}) const {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path;
    }
    // Chooses each picture in its own "Nouveau".
    void add(AnimationMakerWindow& window, const QStringList& paths) {
        for (const QString& path : paths) {
            prompter_.choosePath(path);
            window.addPictures();
        }
    }
    QStringList frames(int count, QSize size = {40, 30}) const {
        QStringList paths;
        for (int i = 0; i < count; ++i) {
            paths << picture(QStringLiteral("f%1.bmp").arg(i), kColours[i % 4], size);
        }
        return paths;
    }
    QStringList messages() const {
        QStringList out;
        for (const auto& asked : prompter_.asked()) {
            if (asked.buttons != Prompter::Buttons::OkCancel) {
                out << asked.text;
            }
        }
        return out;
    }
    QString text(int line) const { return state_.text(line); }

    QTemporaryDir dir_;
    editor::SessionSettings state_;
    ScriptedPrompter prompter_;
};

// Three 40 x 30 pictures saved as "nom": nom.BMP, 120 x 30, the third frame at x 80; the element
// dialog places it at 300, 225, 40 x 30, 3 frames in a 640 x 480 project.
TEST_F(AnimationMaker, ThreePicturesMakeAStripThatTheOpenerCentres) {
    const QStringList paths = frames(3);
    state_.dialogRunner = [&](QDialog& dialog) {
        auto& window = dynamic_cast<AnimationMakerWindow&>(dialog);
        add(window, paths);
        prompter_.choosePath(dir_.filePath(QStringLiteral("nom")));
        window.create();
        return window.result();
    };
    const auto made = editor::makeAnimation(state_, prompter_, nullptr);
    ASSERT_TRUE(made.has_value());
    EXPECT_EQ(made->hostPath, dir_.filePath(QStringLiteral("nom.BMP")));
    const Picture strip = loadPictureFile(made->hostPath);
    ASSERT_TRUE(strip.ok());
    EXPECT_EQ(strip.image.size(), QSize(120, 30));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(strip.image.pixel(40 * i + 5, 10), kColours[i].rgb()) << i;
    }
    const editor::AnimationPlacement placed = made->placement({640, 480});
    EXPECT_EQ((std::array{placed.left, placed.top, placed.width, placed.height, placed.frames}),
              (std::array{300, 225, 40, 30, 3}));
}

TEST_F(AnimationMaker, PicturesAreReorderedRemovedAndPreviewedInTurn) {
    AnimationMakerWindow window(state_, prompter_, false);
    add(window, frames(3));
    auto* list = window.findChild<QListWidget*>(QStringLiteral("ListBox1"));
    ASSERT_NE(list, nullptr);
    list->setCurrentRow(0);
    window.moveSelected(1);  // red after green
    EXPECT_EQ(window.frames().frame(0).image.pixel(0, 0), QColor(Qt::green).rgb());
    EXPECT_EQ(list->currentRow(), 1);
    window.moveSelected(5);  // past the end: nothing moves
    EXPECT_EQ(window.frames().frame(1).image.pixel(0, 0), QColor(Qt::red).rgb());
    window.removeSelected();
    EXPECT_EQ(window.frames().count(), 2);
    EXPECT_EQ(list->count(), 2);

    // The preview steps through the frames at the chosen pace.
    window.findChild<QSpinBox*>(QStringLiteral("Pace"))->setValue(40);
    QSet<int> shown{window.previewFrame()};
    QElapsedTimer waited;
    waited.start();
    while (shown.size() < 2 && waited.elapsed() < 2000) {
        QTest::qWait(10);
        shown.insert(window.previewFrame());
    }
    EXPECT_EQ(shown.size(), 2);

    window.removeSelected();
    window.removeSelected();
    EXPECT_TRUE(window.frames().isEmpty());
    // An emptied list takes a picture of any size again.
    add(window, {picture(QStringLiteral("big.png"), Qt::cyan, {60, 20})});
    EXPECT_EQ(window.frames().frameSize(), QSize(60, 20));
}

TEST_F(AnimationMaker, PicturesThatDoNotFitAreRefusedWithTheirReason) {
    AnimationMakerWindow window(state_, prompter_, false);
    add(window, frames(1));
    // A second "Nouveau" of another size.
    add(window, {picture(QStringLiteral("wide.jpg"), Qt::red, {50, 30})});
    EXPECT_EQ(window.frames().count(), 1);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].contains(QStringLiteral(" 50 x 30 ")));
    EXPECT_TRUE(messages()[0].contains(QStringLiteral("measure 40 x 30")));
    // A file that is no picture.
    QFile junk(dir_.filePath(QStringLiteral("junk.bmp")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();
    add(window, {junk.fileName()});
    EXPECT_TRUE(messages().last().endsWith(text(lang::PictureNotPreparedSuffix)));
    EXPECT_EQ(window.frames().count(), 1);

    // No more than 256 frames.
    editor::AnimationFrames many;
    const auto refused = many.add(QStringList(257, frames(1)[0]));
    EXPECT_EQ(many.count(), 256);
    ASSERT_EQ(refused.size(), 1);
    EXPECT_EQ(refused[0].reason, editor::AnimationFrames::Refusal::TooMany);
    // No more pixels than a GIF the player reads: three pictures of 4100 x 4100, not four.
    editor::AnimationFrames large;
    const QString big = picture(QStringLiteral("big.jpg"), Qt::gray, {4100, 4100});
    const auto tooLarge = large.add(QStringList(4, big));
    EXPECT_EQ(large.count(), 3);
    ASSERT_EQ(tooLarge.size(), 1);
    EXPECT_EQ(tooLarge[0].reason, editor::AnimationFrames::Refusal::TooLarge);
}

// Each way a save is refused or fails keeps the window open and says why; nothing is written.
TEST_F(AnimationMaker, RefusedAndFailedSavesSaySoAndKeepTheWindowOpen) {
    struct Case {
        const char* name;
        QSize frameSize;
        QString output;
        int line;  // the message's first line
    };
    const Case cases[] = {
        {"unknown extension",
         {40, 30},
         dir_.filePath(QStringLiteral("nom.png")),
         lang::AnimationUnknownExtension},
        {"strip wider than a picture",
         {6000, 2},
         dir_.filePath(QStringLiteral("wide.bmp")),
         lang::StripTooWide},
        {"strip into no folder",
         {40, 30},
         dir_.filePath(QStringLiteral("no/where.jpg")),
         lang::FileNotWritten},
        {"GIF into no folder",
         {40, 30},
         dir_.filePath(QStringLiteral("no/where.gif")),
         lang::FileNotWritten},
    };
    for (const Case& c : cases) {
        AnimationMakerWindow window(state_, prompter_, true);
        add(window, frames(3, c.frameSize));
        prompter_.choosePath(c.output);
        window.create();
        EXPECT_TRUE(window.savedPath().isEmpty()) << c.name;
        EXPECT_EQ(window.result(), 0) << c.name;
        EXPECT_TRUE(messages().last().startsWith(text(c.line).left(15))) << c.name;
        EXPECT_FALSE(QFile::exists(c.output)) << c.name;
    }
    // An empty list.
    AnimationMakerWindow empty(state_, prompter_, true);
    empty.create();
    EXPECT_EQ(messages().last(), text(lang::AnimationListEmpty));
}

TEST_F(AnimationMaker, ExistingFileIsReplacedOnlyWhenTheAuthorSaysSo) {
    const QString output = picture(QStringLiteral("old.bmp"), Qt::white, {7, 7});
    for (const int answer : {int(Prompter::No), int(Prompter::Yes)}) {
        AnimationMakerWindow window(state_, prompter_, false);
        add(window, frames(2));
        prompter_.choosePath(output);
        prompter_.answer(answer);
        window.create();
        const QSize size = loadPictureFile(output).image.size();
        EXPECT_EQ(size, answer == Prompter::Yes ? QSize(80, 30) : QSize(7, 7));
    }
    // From the menu, a save is told and the window stays for another.
    EXPECT_EQ(messages().last(), text(lang::AnimationSaved) + u' ' + output);
}

// ".gif" in lower case makes an animated GIF with the options' loop count and delay.
TEST_F(AnimationMaker, LowerCaseGifNameMakesAnAnimatedGif) {
    state_.dialogRunner = [](QDialog& dialog) {
        auto& options = dynamic_cast<editor::GifOptionsDialog&>(dialog);
        options.findChild<QSpinBox*>(QStringLiteral("Edit1"))->setValue(3);
        options.findChild<QSpinBox*>(QStringLiteral("Edit2"))->setValue(150);
        return int(Prompter::Yes);
    };
    AnimationMakerWindow window(state_, prompter_, true);
    add(window, frames(4));
    prompter_.choosePath(dir_.filePath(QStringLiteral("anim.gif")));
    window.create();
    EXPECT_EQ(window.result(), int(Prompter::Yes));
    AnimatedPicture gif;
    ASSERT_EQ(gif.loadFile(window.savedPath()), GifError::None);
    ASSERT_EQ(gif.frameCount(), 4);
    EXPECT_EQ(gif.loopCount(), 3);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(gif.frame(i).delayMs, 150);
        EXPECT_EQ(gif.frame(i).image.pixel(20, 15), kColours[i].rgb());
    }
    // The GIF brings its four frames back into a new list.
    AnimationMakerWindow again(state_, prompter_, false);
    add(again, {window.savedPath()});
    EXPECT_EQ(again.frames().count(), 4);
    EXPECT_EQ(again.frames().frame(3).image.pixel(1, 1), kColours[3].rgb());
}

}  // namespace
}  // namespace ztv::test
