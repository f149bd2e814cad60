#pragma once

#include <QFont>

namespace ombLustrel::modLustrine
{

// Copies the font attributes into target: Bold, Charset, Italic, Name, Size, Strikethrough,
// Underline, then Weight, so the exact weight wins over Bold.
void CopyFont(const QFont& source, QFont& target);

} // namespace ombLustrel::modLustrine
