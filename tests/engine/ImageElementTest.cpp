// The picture cell on a played page: backgrounds kept in Fond, appearance modes, GIF loops and
// hover pictures, checked by the canvas's pixels.
#include "common/formats/LangLines.h"
#include "player/elements/Appearance.h"
#include "tests/engine/PagePlayFixture.h"
#include "tests/support/PictureMakers.h"

#include <QPainter>

namespace ztv::test {
namespace {

// `Couleur` holds colours as 0x00BBGGRR.
std::int32_t storedColour(QColor c) {
    return std::int32_t(c.red() | (c.green() << 8) | (c.blue() << 16));
}

class ImageElement : public PagePlayFixture {
  protected:
    ElementRecord plainBackground(QColor colour) const {
        ElementRecord r = picture(3, 1, text(lang::MarkerPlainBackground), QRect(0, 0, 640, 480));
        r.Couleur = storedColour(colour);
        return r;
    }
    // A picture of one colour with a block of another in its middle.
    QString blockBmp(const QString& name, QColor outside, QColor inside, QSize size) const {
        QImage img(size, QImage::Format_RGB32);
        img.fill(outside);
        QPainter(&img).fillRect(
            QRect(QPoint(0, 0), size / 2).translated(size.width() / 4, size.height() / 4), inside);
        img.save(host(QStringLiteral("media/") + name), "BMP");
        return QStringLiteral("\\media\\") + name;
    }
    void play() {
        startPreview();
        engine_->playPage();
        ASSERT_TRUE(runUntilIdle());
    }
    QRgb fondAt(int x, int y) const { return engine_->background().pixel(x, y) & 0xffffff; }
};

TEST_F(ImageElement, APlainBackgroundIsKeptInFondAndALaterDisappearanceRestoresIt) {
    ElementRecord gone = picture(4, 3, text(lang::MarkerDisappear), QRect(10, 10, 40, 30));
    writePage(1, {plainBackground(Qt::blue),
                  picture(4, 2, solidBmp("r.bmp", Qt::red), QRect(10, 10, 40, 30)), gone});
    play();
    EXPECT_EQ(fondAt(20, 20), rgb(Qt::blue));
    EXPECT_EQ(canvasAt(20, 20), rgb(Qt::blue));
    EXPECT_EQ(canvasAt(300, 300), rgb(Qt::blue));
}

TEST_F(ImageElement, TheCornerModeSeesThroughTheBottomLeftColourAfterAWipe) {
    ElementRecord r = picture(4, 2, blockBmp("m.bmp", Qt::magenta, Qt::yellow, {40, 40}),
                              QRect(100, 100, 40, 40));
    r.Transparent = text(lang::AppearanceCornerClear);
    r.Effet = text(221);
    r.EffetPas = 25;
    writePage(1, {plainBackground(Qt::green), r});
    play();
    EXPECT_EQ(canvasAt(102, 102), rgb(Qt::green)) << "magenta is see-through";
    EXPECT_EQ(canvasAt(137, 137), rgb(Qt::green));
    EXPECT_EQ(canvasAt(120, 120), rgb(Qt::yellow));
    EXPECT_TRUE(prompter_.texts().isEmpty());
}

// Effects over a saved background get the picture with its transparent colour still in it:
// neither the canvas nor Fond may show it.
TEST_F(ImageElement, APictureHoldingItsKeyColourIsDrawnThroughIt) {
    ElementRecord r =
        picture(4, 2, blockBmp("w.bmp", Qt::white, Qt::red, {40, 40}), QRect(100, 100, 40, 40));
    r.Transparent = text(lang::AppearanceWhiteClear);
    r.Effet = text(262);
    r.size = 1;  // one turn: without a count the picture turns until the page is left
    r.IntegrFond = ouiNon(true);
    writePage(1, {plainBackground(Qt::green), r});
    play();
    EXPECT_EQ(canvasAt(102, 102), rgb(Qt::green));
    EXPECT_EQ(fondAt(102, 102), rgb(Qt::green));
    EXPECT_EQ(canvasAt(120, 120), rgb(Qt::red));
    EXPECT_EQ(fondAt(120, 120), rgb(Qt::red));
}

TEST_F(ImageElement, TintsBlendWithTheirColourAndTheNegativeInverts) {
    EXPECT_EQ(appearanceMode(text(208), french_), 208);
    EXPECT_EQ(appearanceMode(QStringLiteral("Opaque "), french_), 0);
    const auto tinted = [](int mode, QRgb pixel) {
        QImage img(1, 1, QImage::Format_RGB32);
        img.setPixel(0, 0, pixel);
        applyTint(img, mode);
        return img.pixel(0, 0) & 0xffffff;
    };
    EXPECT_EQ(tinted(204, qRgb(100, 100, 100)), qRgb(177, 50, 50) & 0xffffff);
    EXPECT_EQ(tinted(206, qRgb(0, 0, 0)), qRgb(0, 64, 0) & 0xffffff);
    EXPECT_EQ(tinted(213, qRgb(0, 0, 0)), qRgb(63, 63, 63) & 0xffffff);
    EXPECT_EQ(tinted(215, qRgb(200, 200, 200)), qRgb(150, 150, 150) & 0xffffff);
    EXPECT_EQ(tinted(216, qRgb(10, 200, 255)), qRgb(245, 55, 0) & 0xffffff);
    EXPECT_EQ(tinted(201, qRgb(10, 200, 255)), qRgb(10, 200, 255) & 0xffffff);
}

TEST_F(ImageElement, AGifThatLoopsTwiceEndsOnItsFirstFrameAndIsFreed) {
    GifTestPicture gif{QSize(8, 8), {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)}, 2, {}};
    for (int i = 0; i < 3; ++i) {
        gif.frames.append(solidGifFrame(QRect(0, 0, 8, 8), i, 0, i == 1 ? 12 : 5));
    }
    writePage(1, {picture(4, 1, writeMedia("a.gif", makeGif(gif)), QRect(0, 0, 32, 32))});
    startPreview();
    engine_->playPage();
    EXPECT_EQ(engine_->pagePlay().GifVitesse, 120);
    QList<QRgb> shown{canvasAt(5, 5)};
    while (engine_->pagePlay().elements.present(4, 1) && shown.size() < 50) {
        tick();
        shown.append(canvasAt(5, 5));
    }
    const QRgb r = rgb(Qt::red), g = rgb(Qt::green), b = rgb(Qt::blue);
    // The appearance, then the rest of its first cycle and two more.
    EXPECT_EQ(shown, (QList<QRgb>{r, g, b, r, g, b, r, g, b, r}));
    ASSERT_TRUE(runUntilIdle());
    EXPECT_TRUE(engine_->pagePlay().runFinished);
    EXPECT_EQ(canvasAt(5, 5), r);
}

TEST_F(ImageElement, TheHoverPictureIsStretchedAndLeavingBringsTheTransparentPictureBack) {
    QImage hover(20, 15, QImage::Format_RGB32);
    hover.fill(Qt::blue);
    QPainter(&hover).fillRect(10, 0, 10, 15, Qt::yellow);
    hover.save(host(QStringLiteral("media/h.bmp")), "BMP");
    ElementRecord r =
        picture(4, 2, blockBmp("w.bmp", Qt::white, Qt::red, {40, 30}), QRect(100, 100, 80, 60));
    r.Transparent = text(lang::AppearanceWhiteClear);
    r.SurvolFichier = QStringLiteral("\\media\\h.bmp");
    r.SurvolRetablir = 1;
    // Rows register their hover look with their action.
    r.Acte = text(lang::ActionGoToColumn);
    r.Destination = QStringLiteral("1");
    r.Click = QStringLiteral("oui");
    writePage(1, {plainBackground(Qt::green), r});
    play();
    ASSERT_TRUE(engine_->pagePlay().elements.present(4, 2)) << "kept for its hover picture";

    engine_->hoverAt(QPoint(140, 130));
    EXPECT_EQ(canvasAt(101, 101), rgb(Qt::blue));
    EXPECT_EQ(canvasAt(178, 158), rgb(Qt::yellow));
    EXPECT_EQ(canvasAt(139, 130), rgb(Qt::blue));
    EXPECT_EQ(canvasAt(141, 130), rgb(Qt::yellow));

    engine_->hoverAt(QPoint(300, 300));
    EXPECT_EQ(canvasAt(101, 101), rgb(Qt::green)) << "the page under the picture, not white";
    EXPECT_EQ(canvasAt(140, 130), rgb(Qt::red));
    engine_->hoverAt(QPoint(180, 160));  // the edges belong to the rectangle
    EXPECT_EQ(canvasAt(101, 101), rgb(Qt::blue));
}

}  // namespace
}  // namespace ztv::test
