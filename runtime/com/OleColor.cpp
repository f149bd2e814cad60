#include "runtime/com/OleColor.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>

namespace com
{

namespace
{

struct Entry {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
    ColorRef fallback; // used without an application
};

// System colour index -> palette entry, in index order.
constexpr std::array<Entry, SystemColorCount> kSystemColors{{
    {QPalette::Active, QPalette::Mid, 0xC8C8C8},               // 0 scroll bar
    {QPalette::Active, QPalette::Dark, 0x000000},              // 1 desktop
    {QPalette::Active, QPalette::Highlight, 0xD1B499},         // 2 active caption
    {QPalette::Inactive, QPalette::Highlight, 0xDBCDBF},       // 3 inactive caption
    {QPalette::Active, QPalette::Window, 0xF0F0F0},            // 4 menu
    {QPalette::Active, QPalette::Base, 0xFFFFFF},              // 5 window
    {QPalette::Active, QPalette::Shadow, 0x646464},            // 6 window frame
    {QPalette::Active, QPalette::WindowText, 0x000000},        // 7 menu text
    {QPalette::Active, QPalette::Text, 0x000000},              // 8 window text
    {QPalette::Active, QPalette::HighlightedText, 0x000000},   // 9 caption text
    {QPalette::Active, QPalette::Window, 0xB4B4B4},            // 10 active border
    {QPalette::Inactive, QPalette::Window, 0xFCF7F4},          // 11 inactive border
    {QPalette::Active, QPalette::Mid, 0xABABAB},               // 12 application workspace
    {QPalette::Active, QPalette::Highlight, 0xFF9933},         // 13 highlight
    {QPalette::Active, QPalette::HighlightedText, 0xFFFFFF},   // 14 highlight text
    {QPalette::Active, QPalette::Button, 0xF0F0F0},            // 15 button face
    {QPalette::Active, QPalette::Dark, 0xA0A0A0},              // 16 button shadow
    {QPalette::Disabled, QPalette::Text, 0x6D6D6D},            // 17 grey text
    {QPalette::Active, QPalette::ButtonText, 0x000000},        // 18 button text
    {QPalette::Inactive, QPalette::HighlightedText, 0x000000}, // 19 inactive caption text
    {QPalette::Active, QPalette::Light, 0xFFFFFF},             // 20 button highlight
    {QPalette::Active, QPalette::Shadow, 0x696969},            // 21 3-D dark shadow
    {QPalette::Active, QPalette::Midlight, 0xE3E3E3},          // 22 3-D light
    {QPalette::Active, QPalette::ToolTipText, 0x000000},       // 23 tool-tip text
    {QPalette::Active, QPalette::ToolTipBase, 0xE1FFFF},       // 24 tool-tip background
    {QPalette::Active, QPalette::Button, 0xB5B5B5},            // 25 (unused index)
    {QPalette::Active, QPalette::Link, 0xCC6600},              // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight, 0xEAD1B9},         // 27 active caption gradient
    {QPalette::Inactive, QPalette::Highlight, 0xF2E4D7},       // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight, 0xFF9933},         // 29 menu highlight
    {QPalette::Active, QPalette::Window, 0xF0F0F0},            // 30 menu bar
}};

struct Table {
    qint64 paletteKey = -1;
    bool fromApplication = false;
    std::array<ColorRef, SystemColorCount> values{};
};

const Table& currentTable()
{
    static Table table;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        const QPalette palette = QGuiApplication::palette();
        if (!table.fromApplication || table.paletteKey != palette.cacheKey()) {
            for (int i = 0; i < SystemColorCount; ++i)
                table.values[i] = fromQColor(palette.color(kSystemColors[i].group, kSystemColors[i].role));
            table.paletteKey = palette.cacheKey();
            table.fromApplication = true;
        }
    } else if (table.paletteKey == -1 || table.fromApplication) {
        for (int i = 0; i < SystemColorCount; ++i)
            table.values[i] = kSystemColors[i].fallback;
        table.paletteKey = 0;
        table.fromApplication = false;
    }
    return table;
}

} // namespace

ColorRef systemColor(int index)
{
    if (index < 0 || index >= SystemColorCount) return 0;
    return currentTable().values[index];
}

ColorRef translateColor(OleColor color, bool* ok)
{
    if (ok) *ok = true;
    if (isSystemColorValue(color)) {
        const int index = static_cast<int>(color & 0xFFFFu);
        if (index >= SystemColorCount) {
            if (ok) *ok = false;
            return 0;
        }
        return systemColor(index);
    }
    return color & 0x00FFFFFFu;
}

} // namespace com
