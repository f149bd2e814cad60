#pragma once

#include <QColor>

#include <cstdint>

namespace com
{

// An OLE colour: 0x00BBGGRR, or 0x80000000 + n naming system colour n.
using OleColor = uint32_t;
// A plain RGB value, red in the low byte: what drawing code uses.
using ColorRef = uint32_t;

constexpr uint32_t SystemColorFlag = 0x80000000u;
constexpr int SystemColorCount = 31;

constexpr bool isSystemColorValue(OleColor c)
{
    return (c & 0xFF000000u) == SystemColorFlag;
}

// The one conversion of OLE colours: a system colour comes from the table built from the
// application palette (rebuilt whenever that palette changes); any other value keeps its low
// three bytes. An unknown system colour index gives black and ok = false.
ColorRef translateColor(OleColor color, bool* ok = nullptr);

// Current RGB value of system colour index (0..30), as translateColor gives it.
ColorRef systemColor(int index);

inline QColor toQColor(ColorRef c)
{
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}
inline ColorRef fromQColor(const QColor& c)
{
    return static_cast<ColorRef>(c.red()) | (static_cast<ColorRef>(c.green()) << 8) |
           (static_cast<ColorRef>(c.blue()) << 16);
}
inline ColorRef rgb(int r, int g, int b)
{
    return static_cast<ColorRef>(r & 0xFF) | (static_cast<ColorRef>(g & 0xFF) << 8) |
           (static_cast<ColorRef>(b & 0xFF) << 16);
}

} // namespace com
