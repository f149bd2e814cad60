#pragma once

#include "controls/Lustrel.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace lustreltest
{

// Plain colours so that pixels can be compared exactly.
constexpr uint32_t kBack = 0x00C0C0C0u;
constexpr uint32_t kHighlight = 0x00FFFFFFu;
constexpr uint32_t kShadow = 0x00808080u;
constexpr uint32_t kBorder = 0x00000000u;
constexpr uint32_t kFore = 0x00000000u;

inline QRgb rgbOf(uint32_t c)
{
    return qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}

inline QRgb pixel(const ombLustrel::Lustrel& b, int x, int y)
{
    return b.surface().pixel(x, y) | 0xFF000000u;
}

inline void configure(ombLustrel::Lustrel& b, int style, int appearance, const QString& caption = QString())
{
    b.InitProperties();
    b.resize(60, 30);
    b.setCaption(caption);
    b.setStyle(style);
    b.setAppearance(appearance);
    b.setBackColor(kBack);
    b.setHighlightColor(kHighlight);
    b.setShadowColor(kShadow);
    b.setBorderColor(kBorder);
    b.setForeColor(kFore);
}

inline void sendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease || type == QEvent::MouseMove ? Qt::NoButton : button;
    QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

inline void sendKey(QWidget* w, QEvent::Type type, int key, const QString& text = QString(),
                    bool autoRepeat = false)
{
    QKeyEvent e(type, key, Qt::NoModifier, text, autoRepeat);
    QCoreApplication::sendEvent(w, &e);
}

inline void giveFocus(QWidget* w)
{
    QFocusEvent e(QEvent::FocusIn, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(w, &e);
}

} // namespace lustreltest
