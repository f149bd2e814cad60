#include "controls/modColors.h"

#include "runtime/com/OleColor.h"

#include <cmath>

namespace ombLustrel::modColors
{

namespace
{

// Nearest integer, a half going to the even neighbour.
float roundEven(float v)
{
    return std::nearbyint(v);
}

int32_t rgbValue(int32_t r, int32_t g, int32_t b)
{
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}

} // namespace

bool IsSystemColor(int32_t color)
{
    return (static_cast<uint32_t>(color) & 0xFF000000u) == 0x80000000u;
}

void SplitRGB(int32_t color, int32_t& red, int32_t& green, int32_t& blue)
{
    // Truncating division and a remainder with the dividend's sign, as the colour's bytes.
    red = color % 256;
    green = (color / 256) % 256;
    blue = (color / 65536) % 256;
}

float MaxSingle(float a, float b)
{
    return b > a ? b : a;
}

float MinSingle(float a, float b)
{
    return a >= b ? b : a;
}

void RGBToHLS(int32_t color, float& h, float& s, float& l)
{
    const float r = static_cast<float>(color & 0xFF) / 255.0f;
    const float g = static_cast<float>((color / 256) & 0xFF) / 255.0f;
    const float b = static_cast<float>((color / 65536) & 0xFF) / 255.0f;
    const float max = MaxSingle(r, MaxSingle(g, b));
    const float min = MinSingle(r, MinSingle(g, b));
    const float lightness = (max + min) / 2.0f;
    if (max == min) {
        s = 0;
        h = 0;
        l = lightness * 240.0f;
        return;
    }
    const float d = max - min;
    float saturation = lightness < 0.5f ? d / (max + min) : d / (2.0f - max - min);
    if (saturation < 0) saturation = 0;
    float hue;
    if (r == max)
        hue = (g - b) / d;
    else if (g == max)
        hue = 2.0f + (b - r) / d;
    else
        hue = 4.0f + (r - g) / d;
    h = hue * 40.0f;
    if (h < 0) h += 240.0f;
    s = saturation * 240.0f;
    l = lightness * 240.0f;
}

float HueToRGB(float m1, float m2, float& h)
{
    if (h < 0) h = h + 1.0f;
    if (h > 1) h = h - 1.0f;
    if (6.0f * h < 1.0f) return m1 + (m2 - m1) * h * 6.0f;
    if (2.0f * h < 1.0f) return m2;
    if (3.0f * h < 2.0f) return m1 + (m2 - m1) * (4.0f - 6.0f * h);
    return m1;
}

int32_t HLSToRGB(float hIn, float sIn, float lIn)
{
    const float h = hIn / 240.0f;
    const float s = sIn / 240.0f;
    const float l = lIn / 240.0f;
    if (s == 0) {
        const auto c = static_cast<int32_t>(std::floor(l * 255.0f));
        return rgbValue(c, c, c);
    }
    const float m2 = l < 0.5f ? l * (1.0f + s) : l + s - l * s;
    const float m1 = 2.0f * l - m2;
    float hr = h + 1.0f / 3.0f;
    float hg = h;
    float hb = h - 1.0f / 3.0f;
    const float red = HueToRGB(m1, m2, hr);
    const float green = HueToRGB(m1, m2, hg);
    const float blue = HueToRGB(m1, m2, hb);
    return rgbValue(static_cast<int32_t>(std::floor(red * 255.0f)),
                    static_cast<int32_t>(std::floor(green * 255.0f)),
                    static_cast<int32_t>(std::floor(blue * 255.0f)));
}

void Get3DColors(int32_t color, int32_t& shadow, int32_t& darkShadow, int32_t& highlight)
{
    const auto translated = static_cast<int32_t>(com::translateColor(static_cast<uint32_t>(color)));
    float h = 0;
    float s = 0;
    float l = 0;
    RGBToHLS(translated, h, s, l);
    highlight = HLSToRGB(roundEven(h), roundEven(s), roundEven(l / 2.0f + 120.0f));
    darkShadow = 0;
    shadow = HLSToRGB(roundEven(h), roundEven(s), roundEven(l * 2.0f / 3.0f));
}

} // namespace ombLustrel::modColors
