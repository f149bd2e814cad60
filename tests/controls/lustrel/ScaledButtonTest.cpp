#include "LustrelTestSupport.h"

#include "controls/Canvas.h"
#include "controls/PaintEffects.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace lustreltest;
using ombLustrel::Lustrel;

namespace
{

// This binary runs on a screen scaled 2x, as a HiDPI desktop does; set before the application
// object is made.
[[maybe_unused]] const bool scaled = qputenv("QT_SCALE_FACTOR", "2");

// Image blocks of 2 x 2 pixels whose pixels differ: a 1x drawing enlarged has none.
int unevenBlocks(const QImage& image, QRect area)
{
    int uneven = 0;
    for (int y = area.top(); y + 1 <= area.bottom(); y += 2) {
        for (int x = area.left(); x + 1 <= area.right(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p)
                ++uneven;
        }
    }
    return uneven;
}

} // namespace

TEST(ScaledScreen, CaptionIsDrawnAtTheFullResolution)
{
    Lustrel b;
    configure(b, Lustrel::ombStyleStandard, Lustrel::ombAppearance3D, QStringLiteral("Continue"));
    b.resize(90, 30);
    b.Refresh();
    ASSERT_EQ(b.devicePixelRatioF(), 2.0);
    const QImage& s = b.surface();
    EXPECT_EQ(s.size(), QSize(180, 60));
    EXPECT_EQ(s.deviceIndependentSize().toSize(), QSize(90, 30));
    // Inside the bevel: the caption's glyph edges fall between the logical pixels.
    EXPECT_GT(unevenBlocks(s, QRect(8, 8, 164, 44)), 20);
}

TEST(ScaledScreen, OnePixelBordersStayOneLogicalPixel)
{
    Lustrel b;
    configure(b, Lustrel::ombStyleStandard, Lustrel::ombAppearance3D);
    b.resize(60, 30);
    b.Refresh();
    const QImage& s = b.surface();
    const QRgb highlight = rgbOf(kHighlight) | 0xFF000000u;
    const QRgb back = rgbOf(kBack) | 0xFF000000u;
    const QRgb border = rgbOf(kBorder) | 0xFF000000u;
    // Left: the highlight line covers image columns 0 and 1, the face begins at column 2.
    EXPECT_EQ(s.pixel(0, 20), highlight);
    EXPECT_EQ(s.pixel(1, 20), highlight);
    EXPECT_EQ(s.pixel(2, 20), back);
    // Bottom: the outer line in the border colour is two image rows high.
    EXPECT_EQ(s.pixel(40, 59), border);
    EXPECT_EQ(s.pixel(40, 58), border);
    EXPECT_NE(s.pixel(40, 57), border);
    // The whole surface is drawn, none of it left black.
    EXPECT_EQ(s.pixel(60, 30), back);
}

TEST(ScaledScreen, PicturesAreDrawnFromTheirOwnResolution)
{
    // A 2x picture: a diagonal of single image pixels that a 1x drawing could not hold.
    QImage picture(20, 20, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int i = 0; i < 20; ++i)
        picture.setPixel(i, i, qRgb(0, 0, 255));
    picture.setDevicePixelRatio(2);
    Lustrel b;
    configure(b, Lustrel::ombStyleStandard, Lustrel::ombAppearance3D);
    b.resize(40, 40);
    b.setPicture(QPixmap::fromImage(picture));
    b.Refresh();
    EXPECT_EQ(com::StdPicture(picture).size(), QSize(10, 10));
    // Centred: the picture's logical 10 x 10 at (15, 15), its image pixels one to one.
    const QImage& s = b.surface();
    const QRgb blue = qRgb(0, 0, 255);
    EXPECT_EQ(s.pixel(30, 30), blue);
    EXPECT_EQ(s.pixel(31, 31), blue);
    EXPECT_NE(s.pixel(31, 30), blue);
}
