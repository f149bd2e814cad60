#pragma once

#include <cstdint>

namespace ombLustrel::modColors
{

// Colours are 32-bit values: an OLE colour (0x80000000 + n names system colour n) or a
// COLORREF 0x00BBGGRR. Hue, lightness and saturation run 0..240.

// Shadow = two thirds of the lightness, DarkShadow black, Highlight = half the lightness + 120.
void Get3DColors(int32_t color, int32_t& shadow, int32_t& darkShadow, int32_t& highlight);
void SplitRGB(int32_t color, int32_t& red, int32_t& green, int32_t& blue);
bool IsSystemColor(int32_t color);
void RGBToHLS(int32_t color, float& h, float& s, float& l);
float MaxSingle(float a, float b);
float MinSingle(float a, float b);
int32_t HLSToRGB(float h, float s, float l);
float HueToRGB(float m1, float m2, float& h);

} // namespace ombLustrel::modColors
