#pragma once

#include <QMargins>

class QScreen;
class QWidget;

namespace forms
{

// The screen a top-level window opens on: its owner's while it has not been placed, else the
// one under it.
QScreen* screenOf(const QWidget* window);

// The window system's frame around a top-level window. Until the window has a frame of its own,
// the frame of another shown window, or a title bar's worth when there is none.
QMargins frameMarginsOf(const QWidget* window);

// Makes the window no larger than the available geometry of its screen less the frame (never
// below its minimum size) and, when it is shown or was placed, moves its frame inside it.
void fitToScreen(QWidget* window);

// Fits the window to its screen each time it is shown, and once more after the window system
// has framed and placed it.
void keepOnScreen(QWidget* window);

} // namespace forms
