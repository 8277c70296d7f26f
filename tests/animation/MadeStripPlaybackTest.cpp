// A strip the maker saves, placed as the element dialogs place it, plays as a character.
#include "editor/animation/AnimationOutput.h"
#include "tests/engine/PagePlayFixture.h"

namespace ztv::test {
namespace {

class MadeStripPlayback : public PagePlayFixture {};

TEST_F(MadeStripPlayback, SavedStripPlaysFrameByFrameAsACharacter) {
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
    QList<QImage> frames;
    for (const QColor& colour : colours) {
        QImage frame(40, 30, QImage::Format_RGB32);
        frame.fill(colour);
        frames.append(frame);
    }
    ASSERT_TRUE(editor::saveAnimation(host(QStringLiteral("media/made.bmp")),
                                      editor::AnimationFormat::Bitmap, frames, {})
                    .saved);
    const editor::AnimationPlacement at = editor::placementFor({640, 480}, {40, 30}, 4);
    ElementRecord figure = picture(24, 1, QStringLiteral("\\media\\made.bmp"),
                                   QRect(at.left, at.top, at.width, at.height));
    figure.Couleur = at.frames;
    figure.Couldegra = 2;  // loops
    writePage(1, {figure});
    startPreview();

    QList<QRgb> seen;
    const auto look = [&] {
        const QRgb c = canvasAt(at.left + 20, at.top + 15);
        if (c != rgb(Qt::black) && (seen.isEmpty() || seen.last() != c)) {
            seen.append(c);
        }
    };
    engine_->playPage();
    look();
    for (int i = 0; i < 10000 && engine_->timer().isActive(); ++i) {
        tick();
        look();
    }
    QList<QRgb> expected;
    for (int loop = 0; loop < 2; ++loop) {
        for (const QColor& colour : colours) {
            expected.append(rgb(colour));
        }
    }
    EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace ztv::test
