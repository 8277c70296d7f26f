// Window sizing and the page background: centred, full screen (scaled) or masked, and the
// transparent project's screen copy.
#include "tests/engine/PlayerFixture.h"

namespace ztv::test {
namespace {

class DisplaySizing : public PlayerFixture {
  protected:
    bool startWith(QStringList settings, QSize screen) {
        screen_ = screen;
        writeProject(appHost(), QStringLiteral("demo"), settings);
        return start({}, QStringLiteral("demo"));
    }
};

TEST_F(DisplaySizing, CentredOnTheFourThirdsHeightOfTheScreen) {
    // A 1280 x 1024 display: the height used is 960, so a 640 x 480 page sits at 320, 240.
    ASSERT_TRUE(startWith(settingsLines(), {1280, 1024}));
    EXPECT_EQ(engine_->project().screenHeight, 960);
    EXPECT_EQ(engine_->windowRect(), QRect(320, 240, 640, 480));
    EXPECT_EQ(engine_->canvas().size(), QSize(640, 480));
    EXPECT_EQ(engine_->canvas().pixelColor(10, 10), QColor(Qt::black));
    EXPECT_EQ(engine_->background(), engine_->canvas());
    EXPECT_FALSE(engine_->project().ProjetStretch);
    EXPECT_FALSE(engine_->project().ProjetCache);
}

TEST_F(DisplaySizing, StretchedProjectCoversTheFullScreenWidth) {
    QStringList lines = settingsLines(800, 600);
    lines[11] = QStringLiteral("oui");
    lines[14] = QStringLiteral("oui");  // the full-screen option wins over the mask
    ASSERT_TRUE(startWith(lines, {1280, 1024}));
    EXPECT_TRUE(engine_->project().ProjetStretch);
    EXPECT_FALSE(engine_->project().ProjetCache);
    EXPECT_EQ(engine_->windowRect(), QRect(0, 0, 1280, 960));
    EXPECT_EQ(engine_->canvas().size(), QSize(1280, 960));
}

TEST_F(DisplaySizing, MaskedProjectFillsTheScreenWithTheMaskColour) {
    QStringList lines = settingsLines(640, 480);
    lines[14] = QStringLiteral("oui");
    lines[15] = QStringLiteral("$000000FF");  // blue, green, red: red
    ASSERT_TRUE(startWith(lines, {1024, 768}));
    EXPECT_TRUE(engine_->project().ProjetCache);
    EXPECT_EQ(engine_->project().CouleurCache, QColor(Qt::red));
    EXPECT_EQ(engine_->windowRect(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(engine_->canvas().pixelColor(1023, 767), QColor(Qt::red));
    EXPECT_EQ(engine_->background().pixelColor(0, 0), QColor(Qt::red));
}

TEST_F(DisplaySizing, ProjectAsWideAsTheScreenIsNotMasked) {
    QStringList lines = settingsLines(800, 600);
    lines[14] = QStringLiteral("oui");
    lines[15] = QStringLiteral("$000000FF");
    ASSERT_TRUE(startWith(lines, {800, 600}));
    EXPECT_FALSE(engine_->project().ProjetCache);
    EXPECT_EQ(engine_->project().CouleurCache, QColor(Qt::black));
    EXPECT_EQ(engine_->windowRect(), QRect(0, 0, 800, 600));
    EXPECT_EQ(engine_->canvas().pixelColor(5, 5), QColor(Qt::black));
}

TEST_F(DisplaySizing, TransparentProjectStartsFromTheScreenUnderTheWindow) {
    QStringList lines = settingsLines(640, 480);
    lines[7] = QStringLiteral("1");
    screen_ = {1280, 1024};
    writeProject(appHost(), QStringLiteral("demo"), lines);
    QRect asked;
    PlayerEnvironment env = environment({}, QStringLiteral("demo"));
    env.grabScreen = [&asked](const QRect& r) {
        asked = r;
        QImage shot(r.size(), QImage::Format_RGB32);
        shot.fill(Qt::green);
        return shot;
    };
    Engine engine(env);
    ASSERT_TRUE(engine.start(appHost()));
    EXPECT_EQ(asked, QRect(320, 240, 640, 480));
    EXPECT_EQ(engine.canvas().pixelColor(100, 100), QColor(Qt::green));
    EXPECT_EQ(engine.background().pixelColor(639, 479), QColor(Qt::green));
}

// The opening prepares the page but plays nothing: a tick that comes before the first page
// neither draws nor starts the timer again.
TEST_F(DisplaySizing, NothingPlaysBeforeTheFirstPage) {
    ASSERT_TRUE(startWith(settingsLines(), {1280, 1024}));
    EXPECT_FALSE(engine_->timer().isActive());
    const QImage before = engine_->canvas();
    clock_.advance(5000);
    engine_->stepDueElements();
    EXPECT_EQ(engine_->canvas(), before);
    EXPECT_FALSE(engine_->timer().isActive());
    EXPECT_TRUE(prompter_.texts().isEmpty());
}

}  // namespace
}  // namespace ztv::test
