// A page's pictures are decoded ahead while the page loads: what the page shows and says must be
// what loading them one by one shows and says.
#include "common/formats/LangLines.h"
#include "common/formats/PictureLoader.h"
#include "tests/engine/PagePlayFixture.h"
#include "tests/support/PictureMakers.h"

#include <QTransform>

namespace ztv::test {
namespace {

class PagePictures : public PagePlayFixture {
  protected:
    // The canvas under rect holds exactly the decoded picture.
    void expectShown(const QString& mediaName, QRect rect) const {
        const QImage decoded = loadPictureFile(host(QStringLiteral("media/") + mediaName)).image;
        ASSERT_EQ(decoded.size(), rect.size());
        for (int y = 0; y < rect.height(); ++y) {
            for (int x = 0; x < rect.width(); ++x) {
                ASSERT_EQ(canvasAt(rect.x() + x, rect.y() + y), decoded.pixel(x, y) & 0xffffff)
                    << mediaName.toStdString() << " at " << x << "," << y;
            }
        }
    }
};

TEST_F(PagePictures, PicturesDecodedAheadShowTheLoadersPixelsAndBrokenOnesTheirMessage) {
    const QByteArray a = makeJpeg(patternImage(40, 30), 70);
    const QString storedA = writeMedia("a.jpg", a);
    const QString storedB =
        writeMedia("b.JPEG", makeJpeg(patternImage(40, 30).transformed(QTransform().rotate(180))));
    const QString cut = writeMedia("cut.jpg", a.left(a.size() / 3));
    // Column 2 shows a again: one decode serves both rows.
    writePage(
        1,
        {picture(4, 1, storedA, QRect(0, 0, 40, 30)), picture(5, 1, storedB, QRect(50, 0, 40, 30)),
         picture(6, 1, cut, QRect(100, 0, 40, 30)), picture(7, 2, storedA, QRect(150, 0, 40, 30))});
    startPreview();
    engine_->playPage();
    ASSERT_TRUE(runUntilIdle());
    expectShown("a.jpg", QRect(0, 0, 40, 30));
    expectShown("b.JPEG", QRect(50, 0, 40, 30));
    expectShown("a.jpg", QRect(150, 0, 40, 30));
    EXPECT_EQ(prompter_.texts(), QStringList{text(lang::UnknownPictureFormat)});
}

}  // namespace
}  // namespace ztv::test
