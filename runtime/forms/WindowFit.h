#pragma once

#include <QMargins>

#include <functional>
#include <optional>

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

// The frame the window system has put around a shown window; none while it has not framed it.
using FrameProbe = std::function<std::optional<QMargins>(const QWidget*)>;
std::optional<QMargins> ownFrameOf(const QWidget* window);

// Fits the window to its screen each time it is shown, and again once the window system has
// framed it (frameOf tells; ownFrameOf unless given).
void keepOnScreen(QWidget* window, FrameProbe frameOf = {});

} // namespace forms
