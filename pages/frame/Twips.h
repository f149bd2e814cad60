#pragma once

#include <QRect>
#include <QtMath>

namespace pages
{

// Design geometry is kept in twips; the screen works at 15 twips per pixel.
inline int twips(int value)
{
    return qRound(value / 15.0);
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

} // namespace pages
