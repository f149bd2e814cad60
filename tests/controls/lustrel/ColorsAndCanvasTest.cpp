#include "controls/Canvas.h"
#include "controls/PaintEffects.h"
#include "controls/modColors.h"
#include "runtime/vb/VbError.h"

#include <gtest/gtest.h>

using namespace ombLustrel;

TEST(modColors, Get3DColorsTable)
{
    struct Case {
        int32_t color, highlight, shadow;
    } cases[] = {
        {0xFFFFFF, 0xFFFFFF, 0xAAAAAA},
        {0x000000, 0x7F7F7F, 0x000000},
        {0xC0C0C0, 0xDFDFDF, 0x7F7F7F},
        {0x0000FF, 0x7F7FFF, 0x0000AA},
    };
    for (const Case& c : cases) {
        int32_t shadow = -1, dark = -1, highlight = -1;
        modColors::Get3DColors(c.color, shadow, dark, highlight);
        EXPECT_EQ(highlight, c.highlight) << std::hex << c.color;
        EXPECT_EQ(shadow, c.shadow) << std::hex << c.color;
        EXPECT_EQ(dark, 0);
    }
}

TEST(modColors, SystemColoursAndHues)
{
    EXPECT_TRUE(modColors::IsSystemColor(static_cast<int32_t>(0x8000000Fu)));
    EXPECT_FALSE(modColors::IsSystemColor(0x00FFFF00));
    EXPECT_FALSE(modColors::IsSystemColor(static_cast<int32_t>(0xFF000000u)));
    struct Case {
        int32_t color;
        float h, s, l;
    } cases[] = {{0x0000FF, 0, 240, 120}, {0x00FF00, 80, 240, 120}, {0xFF0000, 160, 240, 120}};
    for (const Case& c : cases) {
        float h, s, l;
        modColors::RGBToHLS(c.color, h, s, l);
        EXPECT_FLOAT_EQ(h, c.h);
        EXPECT_FLOAT_EQ(s, c.s);
        EXPECT_FLOAT_EQ(l, c.l);
    }
    EXPECT_EQ(modColors::HLSToRGB(0, 0, 240), 0xFFFFFF);
    EXPECT_EQ(modColors::HLSToRGB(0, 0, 120), 0x7F7F7F);
}

namespace
{

struct Surface {
    Canvas canvas;
    explicit Surface(int w = 12, int h = 12)
    {
        canvas.CreatehDC();
        canvas.CreateBitmap(canvas.hdc(), w, h);
        canvas.InitProperties();
        canvas.setBackColor(0x00FFFFFF);
        canvas.Cls();
    }
    uint32_t at(int x, int y) const { return canvas.image().pixel(x, y) & 0xFFFFFF; }
};

constexpr uint32_t kWhite = 0xFFFFFF;

} // namespace

TEST(Canvas, Rect3DColoursEdgesInsideTheLimits)
{
    Surface s;
    s.canvas.DrawRect3D(0, 0, 10, 10, 0x0000FF, 0x00FF00); // red highlight, green shadow
    const uint32_t red = 0xFF0000, green = 0x00FF00;       // as QRgb 0xRRGGBB
    for (int i = 0; i <= 9; ++i) {
        EXPECT_EQ(s.at(0, i), red) << "left " << i;
        if (i < 9) {
            EXPECT_EQ(s.at(i, 0), red) << "top " << i;
        }
    }
    for (int i = 1; i <= 9; ++i) {
        EXPECT_EQ(s.at(9, i), green) << "right " << i;
        EXPECT_EQ(s.at(i, 9), green) << "bottom " << i;
    }
    EXPECT_EQ(s.at(0, 9), red);
    EXPECT_EQ(s.at(10, 10), kWhite);
    EXPECT_EQ(s.at(5, 5), kWhite);
}

TEST(Canvas, LinesLeaveOutTheirEndPointAndRestoreTheColour)
{
    Surface s;
    s.canvas.setForeColor(0x00FF0000);
    s.canvas.DrawLine(1, 1, 5, 1, 0x000000FF);
    EXPECT_EQ(s.at(1, 1), 0xFF0000u);
    EXPECT_EQ(s.at(4, 1), 0xFF0000u);
    EXPECT_EQ(s.at(5, 1), kWhite);
    EXPECT_EQ(s.canvas.ForeColor(), 0x00FF0000u);
    s.canvas.DrawLine(1, 3, 1, 6);
    EXPECT_EQ(s.at(1, 5), 0x0000FFu);
    EXPECT_EQ(s.at(1, 6), kWhite);
}

TEST(Canvas, RectangleIsAnOutlineAndFocusRectangleRestores)
{
    Surface s;
    s.canvas.DrawRect(2, 2, 8, 8, 0);
    EXPECT_EQ(s.at(2, 2), 0u);
    EXPECT_EQ(s.at(7, 7), 0u);
    EXPECT_EQ(s.at(8, 8), kWhite);
    EXPECT_EQ(s.at(4, 4), kWhite); // hollow brush

    const QImage before = s.canvas.image().copy();
    s.canvas.DrawFocusRect(1, 1, 11, 11);
    EXPECT_NE(s.canvas.image(), before);
    EXPECT_EQ(s.at(1, 1), 0u); // white inverted
    s.canvas.DrawFocusRect(1, 1, 11, 11);
    EXPECT_EQ(s.canvas.image(), before);
}

TEST(Canvas, NoDrawingContextRaisesTheObjectDefinedError)
{
    struct Case {
        const char* source;
        std::function<void(Canvas&)> call;
    } cases[] = {
        {"CreateBitmap", [](Canvas& c) { c.CreateBitmap(0, 10, 10); }},
        {"Initialize", [](Canvas& c) { c.InitProperties(); }},
    };
    for (const Case& c : cases) {
        Canvas canvas;
        try {
            c.call(canvas);
            FAIL() << c.source;
        } catch (const vb::VbError& e) {
            EXPECT_EQ(e.number(), vb::ErrObjectDefined);
            EXPECT_EQ(e.source(), QString::fromLatin1(c.source));
            EXPECT_EQ(e.description(),
                      QStringLiteral("Must set hDC property before performing this operation"));
        }
        EXPECT_EQ(canvas.Width(), 0);
        EXPECT_EQ(canvas.Height(), 0);
    }
}

TEST(Canvas, WordBreakWrapsAndAmpersandMarksTheAccessKey)
{
    QFont font;
    font.setPixelSize(12);
    const QList<TextLine> lines = layoutText(QStringLiteral("Sa&ve && go on now"), font, 40, DT_WORDBREAK);
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0].text.left(4), QStringLiteral("Save"));
    EXPECT_EQ(lines[0].underlined, QList<int>{2});
    QString joined;
    for (const TextLine& l : lines)
        joined += l.text + u' ';
    EXPECT_TRUE(joined.contains(u'&'));
    // A word wider than the line is broken between characters.
    const QList<TextLine> broken = layoutText(QStringLiteral("WWWWWWWWWWWW"), font, 20, DT_WORDBREAK);
    EXPECT_GT(broken.size(), 1);
}

TEST(PaintEffects, MaskColourPixelsLeaveTheDestination)
{
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(qRgb(0, 255, 255)); // the default mask colour 0x00FFFF00
    picture.setPixel(1, 1, qRgb(255, 0, 0));
    Surface s;
    const PaintEffects effects;
    effects.PaintTransparentStdPic(s.canvas.image(), 2, 2, 4, 4, com::StdPicture(picture), 0, 0, 0x00FFFF00u);
    EXPECT_EQ(s.at(3, 3), 0xFF0000u);
    EXPECT_EQ(s.at(2, 2), kWhite);
    EXPECT_EQ(s.at(5, 5), kWhite);

    // Silhouette: with the mask only the figure, without it the whole rectangle.
    Surface mono;
    effects.PaintMonoStandardPic(com::StdPicture(picture), mono.canvas, 0, 0, 4, 4, 0x00FFFF00u, 0x00000000u,
                                 true);
    EXPECT_EQ(mono.at(1, 1), 0u);
    EXPECT_EQ(mono.at(0, 0), kWhite);
    Surface filled;
    effects.PaintMonoStandardPic(com::StdPicture(picture), filled.canvas, 0, 0, 4, 4, 0x00FFFF00u,
                                 0x00000000u, false);
    EXPECT_EQ(filled.at(0, 0), 0u);
    EXPECT_EQ(filled.at(3, 3), 0u);
    EXPECT_EQ(filled.at(4, 4), kWhite);
}

TEST(PaintEffects, SystemMaskColourIsTranslatedBeforeComparing)
{
    const uint32_t face = com::translateColor(0x8000000Fu);
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(face & 0xFF, (face >> 8) & 0xFF, (face >> 16) & 0xFF));
    picture.setPixel(1, 0, qRgb(1, 2, 3));
    Surface s;
    PaintEffects().PaintMonoStandardPic(com::StdPicture(picture), s.canvas, 0, 0, 2, 1, 0x8000000Fu,
                                        0x000000FFu, true);
    EXPECT_EQ(s.at(0, 0), kWhite);
    EXPECT_EQ(s.at(1, 0), 0xFF0000u);
}

TEST(PaintEffects, NoPictureRaises481)
{
    Surface s;
    try {
        PaintEffects().PaintNormalStdPic(s.canvas.image(), 0, 0, 2, 2, com::StdPicture(), 0, 0);
        FAIL();
    } catch (const vb::VbError& e) {
        EXPECT_EQ(e.number(), vb::ErrInvalidPicture);
    }
}
