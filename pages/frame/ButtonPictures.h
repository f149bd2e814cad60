#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace pages
{

// The drawn face of a page button ("cmdBack", "cmdContinue", ...) at its size in logical
// pixels, drawn at the device pixel ratio.
QPixmap buttonPicture(const QString& buttonName, QSize size, qreal devicePixelRatio = 1.0);

} // namespace pages
