#include "common/formats/AniCursor.h"
#include "tests/support/PictureMakers.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QtEndian>

namespace ztv::test {
namespace {

QByteArray le32(quint32 v) {
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// A 32 x 32 cursor frame with its hot spot at (5, 7).
QByteArray cursorFrame() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::red);
    return makeCursorFrame(image, QPoint(5, 7));
}

TEST(AniCursor, FirstFrameWithItsHotSpot) {
    const auto cursor =
        cursorFromAni(makeAni(riffChunk("icon", cursorFrame()) + riffChunk("icon", "x")));
    ASSERT_TRUE(cursor.has_value());
    EXPECT_EQ(cursor->hotSpot(), QPoint(5, 7));
    EXPECT_EQ(cursor->pixmap().size(), QSize(32, 32));
}

TEST(AniCursor, AnythingElseIsRefused) {
    EXPECT_FALSE(cursorFromAni(QByteArray()).has_value());
    EXPECT_FALSE(cursorFromAni(cursorFrame()).has_value());
    EXPECT_FALSE(cursorFromAni(makeAni(QByteArray())).has_value());
    EXPECT_FALSE(cursorFromAni(makeAni(riffChunk("icon", "not a picture at all"))).has_value());
    // A chunk that claims more bytes than the file holds.
    QByteArray truncated = makeAni(riffChunk("icon", cursorFrame()));
    truncated.chop(100);
    EXPECT_FALSE(cursorFromAni(truncated).has_value());
    QByteArray huge = makeAni(riffChunk("icon", cursorFrame()));
    huge.replace(huge.indexOf("icon") + 4, 4, le32(0xfffffff0u));
    EXPECT_FALSE(cursorFromAni(huge).has_value());
}

}  // namespace
}  // namespace ztv::test
