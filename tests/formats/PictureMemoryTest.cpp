// Pixel memory of freed pictures serves the next pictures of the same size.
#include "common/formats/PictureMemory.h"

#include <gtest/gtest.h>

namespace ztv {
namespace {

TEST(PictureMemory, AFreedPicturesMemoryServesTheNextPictureOfItsSize) {
    const uchar* first = nullptr;
    {
        const QImage a = picturememory::newImage(1024, 768, QImage::Format_RGB32);
        ASSERT_FALSE(a.isNull());
        first = a.constBits();
    }
    QImage b = picturememory::newImage(1024, 768, QImage::Format_RGB32);
    EXPECT_EQ(b.constBits(), first);
    b.fill(Qt::red);
    EXPECT_EQ(b.constBits(), first) << "written in place, not copied";
    EXPECT_EQ(b.pixel(1023, 767), qRgb(255, 0, 0));
    EXPECT_TRUE(picturememory::newImage(20000, 10, QImage::Format_RGB32).isNull());
    EXPECT_EQ(picturememory::newImage(3, 2, QImage::Format_RGB32).size(), QSize(3, 2));
}

}  // namespace
}  // namespace ztv
