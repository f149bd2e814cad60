#pragma once

#include <QString>

namespace forms
{

// Sends keystrokes to the focused window without waiting: plain characters and the braced
// names "{F1}".."{F12}", "{ENTER}", "{TAB}", "{ESC}", "{BACKSPACE}". Unknown names are skipped.
void SendKeys(const QString& keys);

} // namespace forms
