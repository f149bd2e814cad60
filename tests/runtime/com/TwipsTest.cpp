#include "runtime/com/Twips.h"

#include <gtest/gtest.h>

TEST(Twips, ToTheNearestPixelOnBothSidesOfZero)
{
    struct Case {
        int twips;
        int pixels;
    } cases[] = {
        {0, 0},  {7, 0},   {8, 1},    {15, 1},   {22, 1},     {23, 2},       {260, 17},
        {-7, 0}, {-8, -1}, {-22, -1}, {-23, -2}, {9600, 640}, {32767, 2184}, {-32768, -2185},
    };
    for (const Case& c : cases)
        EXPECT_EQ(com::twipsToPixels(c.twips), c.pixels) << c.twips;
}

TEST(Twips, PixelsComeBackUnchanged)
{
    for (int pixels : {-640, -1, 0, 1, 17, 640})
        EXPECT_EQ(com::twipsToPixels(com::pixelsToTwips(pixels)), pixels) << pixels;
    EXPECT_EQ(com::twipsRect(720, 260, 7575, 4935), QRect(48, 17, 505, 329));
}
