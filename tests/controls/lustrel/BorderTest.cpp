#include "LustrelTestSupport.h"

#include <gtest/gtest.h>

using namespace lustreltest;
using ombLustrel::Lustrel;

namespace
{

struct PixelCase {
    int x, y;
    QRgb expected;
};

void expectPixels(const Lustrel& b, std::initializer_list<PixelCase> cases, const char* what)
{
    for (const PixelCase& c : cases)
        EXPECT_EQ(pixel(b, c.x, c.y), c.expected | 0xFF000000u) << what << " at " << c.x << "," << c.y;
}

} // namespace

TEST(Borders, StandardThreeDUpDownAndHot)
{
    Lustrel b;
    configure(b, Lustrel::ombStyleStandard, Lustrel::ombAppearance3D);
    for (int state : {Lustrel::StateUp, Lustrel::StateHot}) {
        b.Redraw(state);
        expectPixels(b,
                     {{0, 0, rgbOf(kHighlight)},
                      {30, 0, rgbOf(kHighlight)},
                      {0, 28, rgbOf(kHighlight)},
                      {59, 0, rgbOf(kBorder)},
                      {59, 29, rgbOf(kBorder)},
                      {0, 29, rgbOf(kBorder)},
                      {58, 1, rgbOf(kShadow)},
                      {58, 28, rgbOf(kShadow)},
                      {1, 28, rgbOf(kShadow)},
                      {1, 1, rgbOf(kBack)},
                      {57, 27, rgbOf(kBack)}},
                     "up/hot");
    }
    b.Redraw(Lustrel::StateDown);
    expectPixels(
        b, {{0, 0, rgbOf(kShadow)}, {59, 29, rgbOf(kShadow)}, {59, 0, rgbOf(kShadow)}, {1, 1, rgbOf(kBack)}},
        "down");
}

TEST(Borders, FocusRectanglePlaces)
{
    struct Case {
        const char* what;
        int appearance;
        bool isDefault;
        int inset; // the focus rectangle is (inset, inset, W - inset - 1 + flat, ...)
        int rightInset;
    } cases[] = {
        {"3D", Lustrel::ombAppearance3D, false, 2, 3},
        {"3D default", Lustrel::ombAppearance3D, true, 3, 4},
        {"flat", Lustrel::ombAppearanceFlat, false, 1, 1},
    };
    for (const Case& c : cases) {
        Lustrel b;
        configure(b, Lustrel::ombStyleStandard, c.appearance);
        b.setDefault(c.isDefault);
        b.Redraw(Lustrel::StateHot);
        const QImage without = b.surface();
        giveFocus(&b);
        b.Redraw(Lustrel::StateHot);
        const QImage with = b.surface();
        // Left-top corner of the focus frame and its right-bottom corner (both on even x + y).
        const int l = c.inset;
        const int r = 60 - c.rightInset - 1;
        const int bottom = 30 - c.rightInset - 1;
        EXPECT_EQ(with.pixel(l, l), without.pixel(l, l) ^ 0x00FFFFFFu) << c.what;
        EXPECT_EQ(with.pixel(l - 1, l - 1), without.pixel(l - 1, l - 1)) << c.what;
        const int rx = ((r + bottom) % 2 == 0) ? r : r - 1;
        EXPECT_EQ(with.pixel(rx, bottom), without.pixel(rx, bottom) ^ 0x00FFFFFFu) << c.what;
        EXPECT_EQ(with.pixel(r + 1, bottom + 1), without.pixel(r + 1, bottom + 1)) << c.what;
        EXPECT_EQ(with.pixel(30, 15), without.pixel(30, 15)) << c.what;
    }
}

TEST(Borders, ActiveThreeDUpHasNoBorderUnlessDefault)
{
    Lustrel b;
    configure(b, Lustrel::ombStyleActive, Lustrel::ombAppearance3D);
    b.Redraw(Lustrel::StateUp);
    expectPixels(b, {{0, 0, rgbOf(kBack)}, {59, 29, rgbOf(kBack)}}, "plain");
    b.setDefault(true);
    b.setShowDefault(true);
    b.Redraw(Lustrel::StateUp);
    expectPixels(b, {{0, 0, rgbOf(kBorder)}, {1, 1, rgbOf(kHighlight)}, {58, 28, rgbOf(kShadow)}}, "default");
    b.Redraw(Lustrel::StateHot);
    expectPixels(b, {{1, 1, rgbOf(kHighlight)}, {58, 28, rgbOf(kShadow)}, {2, 2, rgbOf(kBack)}}, "hot");
}

TEST(Borders, DefaultFrameOnlyWhenEnabledOrDesigning)
{
    Lustrel b;
    configure(b, Lustrel::ombStyleStandard, Lustrel::ombAppearance3D);
    b.setDefault(true);
    b.Redraw(Lustrel::StateUp);
    EXPECT_EQ(pixel(b, 0, 0), rgbOf(kBorder) | 0xFF000000u);
    b.setEnabledProperty(false); // also clears Default
    EXPECT_FALSE(b.Default());
    b.setDefault(true);
    b.Redraw(Lustrel::StateUp);
    EXPECT_EQ(pixel(b, 0, 0), rgbOf(kHighlight) | 0xFF000000u);
    b.setUserMode(false);
    b.Redraw(Lustrel::StateUp);
    EXPECT_EQ(pixel(b, 0, 0), rgbOf(kBorder) | 0xFF000000u);
}

TEST(Borders, Win3xSingleShowsTheContainerColourInItsCorners)
{
    QWidget form;
    QPalette p = form.palette();
    p.setColor(QPalette::Window, QColor(10, 200, 30));
    form.setPalette(p);
    Lustrel b(&form);
    configure(b, Lustrel::ombStyleWin3x, Lustrel::ombAppearance3D);
    b.setBackColor(kBack);
    b.setHighlightColor(kHighlight);
    b.setShadowColor(kShadow);
    b.setBorderColor(kBorder);
    b.Redraw(Lustrel::StateUp);
    const QRgb ambient = qRgb(10, 200, 30);
    expectPixels(b,
                 {{0, 0, ambient},
                  {59, 0, ambient},
                  {0, 29, ambient},
                  {59, 29, ambient},
                  {1, 0, rgbOf(kBorder)},
                  {0, 1, rgbOf(kBorder)},
                  {1, 1, rgbOf(kHighlight)},
                  {2, 2, rgbOf(kHighlight)},
                  {58, 28, rgbOf(kShadow)}},
                 "win3x");
}

namespace
{

QImage square(int size, QRgb colour)
{
    QImage img(size, size, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

const QRgb kRed = qRgb(255, 0, 0);

} // namespace

TEST(Painting, PressedThreeDShiftsThePictureUnlessStatic)
{
    Lustrel b;
    configure(b, Lustrel::ombStyleStandard, Lustrel::ombAppearance3D);
    b.setPicture(square(6, kRed)); // laid out at (27, 12)
    b.Redraw(Lustrel::StateUp);
    EXPECT_EQ(pixel(b, 27, 12), kRed);
    EXPECT_NE(pixel(b, 33, 18), kRed);
    b.Redraw(Lustrel::StateDown);
    EXPECT_NE(pixel(b, 27, 12), kRed);
    EXPECT_EQ(pixel(b, 33, 18), kRed);
    b.setPictureStyle(Lustrel::ombPicStyleStatic);
    b.Redraw(Lustrel::StateDown);
    EXPECT_EQ(pixel(b, 27, 12), kRed);
    EXPECT_NE(pixel(b, 33, 18), kRed);
}

TEST(Painting, DropShadowOffsets)
{
    Lustrel b;
    configure(b, Lustrel::ombStyleStandard, Lustrel::ombAppearance3D);
    b.setPicture(square(6, kRed));
    b.setDropShadow(true);
    b.setShadowColor(0x00404040u);
    const QRgb shadow = qRgb(0x40, 0x40, 0x40);
    b.Redraw(Lustrel::StateUp);
    EXPECT_EQ(pixel(b, 27 + 7, 12 + 7), shadow); // 2 pixels right and down
    EXPECT_EQ(pixel(b, 27, 12), kRed);

    b.setPictureStyle(Lustrel::ombPicStylePopup);
    b.Redraw(Lustrel::StateUp); // the picture covers its shadow exactly
    EXPECT_EQ(pixel(b, 32, 17), kRed);
    EXPECT_NE(pixel(b, 34, 19), shadow);
    b.Redraw(Lustrel::StateHot); // 2 pixels up and left of the shadow
    EXPECT_EQ(pixel(b, 25, 10), kRed);
    EXPECT_EQ(pixel(b, 32, 17), shadow);
}

TEST(Painting, FlatColoursByStyleAndState)
{
    struct Case {
        int style, state;
        uint32_t background;
    } cases[] = {
        {Lustrel::ombStyleStandard, Lustrel::StateDown, 0x00000080u}, // ForeColor
        {Lustrel::ombStyleActive, Lustrel::StateHot, kHighlight},
        {Lustrel::ombStyleActive, Lustrel::StateDown, kShadow},
        {Lustrel::ombStyleStandard, Lustrel::StateUp, kBack},
    };
    for (const Case& c : cases) {
        Lustrel b;
        configure(b, c.style, Lustrel::ombAppearanceFlat);
        b.setForeColor(0x00000080u);
        b.Redraw(c.state);
        EXPECT_EQ(pixel(b, 30, 15), rgbOf(c.background) | 0xFF000000u) << c.style << "/" << c.state;
    }
}
