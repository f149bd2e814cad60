#pragma once

#include <QRect>

namespace com
{

// Design geometry is given in twips. The program works at a fixed 15 twips per (logical) pixel
// on every screen; a device pixel ratio scales the pixels, never the twips.
inline constexpr int TwipsPerPixel = 15;

// To the nearest pixel. At 15 twips per pixel no whole number of twips lies halfway.
constexpr int twipsToPixels(int twips)
{
    constexpr int half = TwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / TwipsPerPixel : -((half - twips) / TwipsPerPixel);
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

// A rectangle given in twips, in pixels.
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

} // namespace com
