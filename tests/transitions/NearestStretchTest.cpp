#include "player/transitions/NearestStretch.h"
#include "tests/transitions/TransitionFixture.h"

#include <QPainter>
#include <vector>

namespace ztv::test {
namespace {

// What the painter draws for the same parts: the pixels the row-by-row stretch must match.
QImage paintedWith(QImage canvas, const QImage& picture, const std::vector<StretchPart>& parts,
                   const QRect& clip) {
    QPainter painter(&canvas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setClipRect(clip);
    for (const StretchPart& part : parts) {
        painter.drawImage(part.to, picture, part.from);
    }
    return canvas;
}

TEST(NearestStretch, TakesThePaintersPixelsForOddSizesAndAtTheCanvasEdges) {
    const QImage picture = makePicture(37, 23);
    const QImage blank = makeCanvas(60, 40);
    const std::vector<QRect> sources = {picture.rect(), QRect(0, 0, 18, 23), QRect(18, 0, 19, 23),
                                        QRect(5, 3, 1, 17), QRect(9, 11, 27, 1)};
    const std::vector<QSize> sizes = {{1, 1},   {1, 23},  {18, 1},  {7, 5},   {13, 29},
                                      {37, 23}, {36, 22}, {74, 46}, {100, 7}, {3, 61}};
    const std::vector<QPoint> places = {{0, 0}, {11, 6}, {-9, -4}, {45, 30}, {-20, 25}};
    const std::vector<QRect> clips = {blank.rect(), QRect(3, 2, 41, 33), QRect(59, 0, 1, 40),
                                      QRect(-8, 30, 90, 20)};
    for (const QRect& from : sources) {
        for (const QSize& size : sizes) {
            for (const QPoint& place : places) {
                for (const QRect& clip : clips) {
                    const std::vector<StretchPart> parts = {{from, QRect(place, size)}};
                    QImage canvas = blank;
                    ASSERT_TRUE(stretchNearest(canvas, picture, parts, clip));
                    ASSERT_EQ(canvas, paintedWith(blank, picture, parts, clip))
                        << "from " << from.x() << "," << from.y() << " " << from.width() << "x"
                        << from.height() << " to " << place.x() << "," << place.y() << " "
                        << size.width() << "x" << size.height() << " clip " << clip.x();
                }
            }
        }
    }
}

TEST(NearestStretch, DrawsThePartsInTurnRowByRow) {
    // The halves of a wipe overlap once the band passes the middle; the later one stays on top,
    // and a part lying off the clip draws nothing.
    const QImage picture = makePicture(41, 27);
    const QImage blank = makeCanvas(50, 35);
    const std::vector<StretchPart> parts = {{QRect(0, 0, 20, 27), QRect(2, 1, 31, 27)},
                                            {QRect(20, 0, 21, 27), QRect(17, 3, 29, 21)},
                                            {QRect(0, 0, 41, 27), QRect(60, 0, 9, 9)}};
    QImage canvas = blank;
    ASSERT_TRUE(stretchNearest(canvas, picture, parts, blank.rect()));
    EXPECT_EQ(canvas, paintedWith(blank, picture, parts, blank.rect()));
}

TEST(NearestStretch, LeavesToThePainterWhatItCannotMatch) {
    const QImage picture = makePicture(9, 8);
    const std::vector<StretchPart> fine = {{picture.rect(), QRect(0, 0, 5, 5)}};
    const std::vector<StretchPart> onePixel = {fine[0], {QRect(3, 3, 1, 1), QRect(0, 0, 4, 4)}};
    const std::vector<StretchPart> huge = {{picture.rect(), QRect(0, 0, 40000, 5)}};
    QImage canvas = makeCanvas(20, 20);
    const QImage before = canvas;
    EXPECT_FALSE(stretchNearest(canvas, picture, onePixel, canvas.rect()));
    EXPECT_FALSE(stretchNearest(canvas, picture, huge, canvas.rect()));
    QImage premultiplied = canvas.convertedTo(QImage::Format_ARGB32_Premultiplied);
    EXPECT_FALSE(stretchNearest(premultiplied, picture, fine, canvas.rect()));
    EXPECT_FALSE(
        stretchNearest(canvas, picture.convertedTo(QImage::Format_ARGB32), fine, canvas.rect()));
    EXPECT_EQ(canvas, before);  // declining draws nothing, not even the parts that would fit
}

}  // namespace
}  // namespace ztv::test
