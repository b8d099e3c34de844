// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/picture.h"

#include <QImage>
#include <cstdint>
#include <gtest/gtest.h>

// A table-sized picture lives in memory of its own making; it must still act as Qt's own.
TEST(Picture, ALargePictureStartsOnALargePageAndActsAsAnyOther) {
    QImage picture = MakePicture(1122, 1122, 0x0000FF);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(picture.constBits()) % (std::uintptr_t(2) << 20),
              0u);
    EXPECT_EQ(picture.size(), QSize(1122, 1122));
    EXPECT_EQ(picture.format(), QImage::Format_RGB32);
    EXPECT_EQ(picture.dotsPerMeterX(), 3780);
    EXPECT_EQ(picture.pixel(1121, 1121), qRgb(255, 0, 0));

    QImage copy = picture;
    copy.setPixel(0, 0, qRgb(1, 2, 3));
    EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(copy.pixel(0, 0), qRgb(1, 2, 3));

    const QImage small = MakeTransparentPicture(3, 2);
    EXPECT_EQ(small.size(), QSize(3, 2));
    EXPECT_EQ(small.pixel(2, 1), qRgba(0, 0, 0, 0));
}
