#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace pages
{

// The drawn face of a page button ("cmdBack", "cmdContinue", ...) at its size in pixels.
QPixmap buttonPicture(const QString& buttonName, QSize size);

} // namespace pages
