#include "player/AniCursor.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QImage>
#include <QtEndian>

namespace ztv::test {
namespace {

QByteArray le32(quint32 v) {
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray chunk(const QByteArray& id, const QByteArray& body) {
    QByteArray c = id + le32(quint32(body.size())) + body;
    if (body.size() % 2) {
        c += '\0';
    }
    return c;
}

// A 32 x 32 cursor frame with its hot spot at (5, 7).
QByteArray cursorFrame() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QByteArray ico;
    QBuffer buffer(&ico);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "ICO"));
    ico[2] = 2;
    ico[10] = 5;
    ico[11] = 0;
    ico[12] = 7;
    ico[13] = 0;
    return ico;
}

QByteArray ani(const QByteArray& frames) {
    const QByteArray body =
        "ACON" + chunk("anih", QByteArray(36, '\0')) + chunk("LIST", "fram" + frames);
    return "RIFF" + le32(quint32(body.size())) + body;
}

TEST(AniCursor, FirstFrameWithItsHotSpot) {
    const auto cursor = cursorFromAni(ani(chunk("icon", cursorFrame()) + chunk("icon", "x")));
    ASSERT_TRUE(cursor.has_value());
    EXPECT_EQ(cursor->hotSpot(), QPoint(5, 7));
    EXPECT_EQ(cursor->pixmap().size(), QSize(32, 32));
}

TEST(AniCursor, AnythingElseIsRefused) {
    EXPECT_FALSE(cursorFromAni(QByteArray()).has_value());
    EXPECT_FALSE(cursorFromAni(cursorFrame()).has_value());
    EXPECT_FALSE(cursorFromAni(ani(QByteArray())).has_value());
    EXPECT_FALSE(cursorFromAni(ani(chunk("icon", "not a picture at all"))).has_value());
    // A chunk that claims more bytes than the file holds.
    QByteArray truncated = ani(chunk("icon", cursorFrame()));
    truncated.chop(100);
    EXPECT_FALSE(cursorFromAni(truncated).has_value());
    QByteArray huge = ani(chunk("icon", cursorFrame()));
    huge.replace(huge.indexOf("icon") + 4, 4, le32(0xfffffff0u));
    EXPECT_FALSE(cursorFromAni(huge).has_value());
}

}  // namespace
}  // namespace ztv::test
