#pragma once

namespace forms
{

enum MousePointer : int {
    vbDefault = 0,
    vbHourglass = 11,
};

// The application-wide mouse pointer.
class Screen
{
public:
    static void setMousePointer(int pointer);
    static int mousePointer();
};

} // namespace forms
