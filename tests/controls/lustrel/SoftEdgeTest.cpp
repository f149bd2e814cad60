#include "LustrelTestSupport.h"

#include "controls/Canvas.h"
#include "controls/PaintEffects.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace lustreltest;
using ombLustrel::Canvas;
using ombLustrel::Lustrel;
using ombLustrel::PaintEffects;

namespace
{

constexpr uint32_t kCyanMask = 0x00FFFF00u; // the default mask colour

// A blue disc with anti-aliased edges on a clear ground.
QImage softDisc(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 255));
    p.drawEllipse(QRectF(1.5, 1.5, size - 3, size - 3));
    return image;
}

// On a white ground, blue and its blends keep red equal to green; any trace of the cyan
// mask colour lifts green above red.
struct Tally {
    int cyanTinted = 0;
    int softEdge = 0;
    int figure = 0;
};
Tally tally(const QImage& image, QRect area)
{
    Tally t;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::abs(qGreen(p) - qRed(p)) > 1) ++t.cyanTinted;
            if (qRed(p) > 0 && qRed(p) < 255) ++t.softEdge;
            if (qRed(p) == 0) ++t.figure;
        }
    }
    return t;
}

} // namespace

TEST(SoftEdges, TransparentPaintingBlendsWithTheGroundNotTheMaskColour)
{
    Canvas canvas;
    canvas.CreatehDC();
    canvas.CreateBitmap(canvas.hdc(), 40, 40);
    canvas.InitProperties();
    canvas.setBackColor(0xFFFFFFu);
    canvas.Cls();
    PaintEffects().PaintTransparentStdPic(canvas.image(), 10, 10, 20, 20, com::StdPicture(softDisc(20)), 0, 0,
                                          kCyanMask);
    const Tally t = tally(canvas.image(), QRect(0, 0, 40, 40));
    EXPECT_EQ(t.cyanTinted, 0);
    EXPECT_GT(t.softEdge, 0); // the edges stay soft
    EXPECT_GT(t.figure, 0);
}

TEST(SoftEdges, EmbossedAndShadowedLooksShowNoMaskColourEither)
{
    const com::StdPicture disc(softDisc(20));
    const PaintEffects effects;
    Canvas canvas;
    canvas.CreatehDC();
    canvas.CreateBitmap(canvas.hdc(), 40, 40);
    canvas.InitProperties();
    canvas.setBackColor(0xFFFFFFu);
    canvas.Cls();
    effects.PaintDisabledStdPic(canvas.image(), 0, 0, 20, 20, disc, 0, 0, kCyanMask, 0xFFFFFFu, 0x808080u);
    effects.PaintBlurredStandardPic(disc, canvas, 20, 20, 18, 18, 1, kCyanMask, 0x808080u, true);
    EXPECT_EQ(tally(canvas.image(), QRect(0, 0, 40, 40)).cyanTinted, 0);
}

TEST(SoftEdges, ButtonsShowNoFringeInAnyLook)
{
    struct Case {
        const char* name;
        bool enabled;
        int appearance;
        int pictureStyle;
        bool dropShadow;
    } cases[] = {
        {"plain", true, Lustrel::ombAppearanceFlat, Lustrel::ombPicStyleNormal, false},
        {"mono", true, Lustrel::ombAppearanceFlat, Lustrel::ombPicStyleMono, false},
        {"shadowed", true, Lustrel::ombAppearanceFlat, Lustrel::ombPicStyleNormal, true},
        {"disabled flat", false, Lustrel::ombAppearanceFlat, Lustrel::ombPicStyleNormal, false},
        {"disabled 3D", false, Lustrel::ombAppearance3D, Lustrel::ombPicStyleNormal, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Lustrel b;
        b.InitProperties();
        b.resize(40, 40);
        b.setCaption(QString());
        b.setAppearance(c.appearance);
        b.setBackColor(0xFFFFFFu);
        b.setHighlightColor(0xFFFFFFu);
        b.setShadowColor(0x808080u);
        b.setDisabledColor(0x808080u);
        b.setForeColor(0u);
        b.setPictureStyle(c.pictureStyle);
        b.setDropShadow(c.dropShadow);
        b.setPicture(QPixmap::fromImage(softDisc(20)));
        b.setEnabledProperty(c.enabled);
        b.Refresh();
        // The grey looks keep red, green and blue equal; the coloured one keeps red = green.
        EXPECT_EQ(tally(b.surface(), QRect(8, 8, 26, 26)).cyanTinted, 0);
    }
}

TEST(SoftEdges, HardEdgedPicturesStillDropTheirMaskColour)
{
    QImage picture(6, 6, QImage::Format_RGB32);
    picture.fill(qRgb(0, 255, 255));
    for (int i = 1; i < 5; ++i)
        picture.setPixel(i, i, qRgb(0, 0, 255));
    Lustrel b;
    b.InitProperties();
    b.resize(30, 30);
    b.setCaption(QString());
    b.setAppearance(Lustrel::ombAppearanceFlat);
    b.setBackColor(0xFFFFFFu);
    b.setPicture(QPixmap::fromImage(picture));
    b.Refresh();
    const Tally t = tally(b.surface(), QRect(0, 0, 30, 30));
    EXPECT_EQ(t.cyanTinted, 0);
    EXPECT_EQ(t.figure, 4);
    EXPECT_EQ(t.softEdge, 0);
}
