#include "runtime/forms/WindowFit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace forms
{

namespace
{

// Time for a window manager to frame a newly mapped window.
constexpr int FramedDelayMs = 250;

QMargins ownFrame(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                    frame.bottom() - client.bottom());
}

bool framed(const QWidget* window)
{
    return window->isVisible() && !ownFrame(window).isNull();
}

int clampInto(int start, int length, int areaStart, int areaLength)
{
    return std::clamp(start, areaStart, std::max(areaStart, areaStart + areaLength - length));
}

// place: move the frame inside too; only for a window that is shown or was placed by the
// program (an unplaced dialog still centres itself on its owner).
void fit(QWidget* window, bool place)
{
    QScreen* screen = screenOf(window);
    if (!screen || window->isMaximized() || window->isFullScreen()) return;
    const QRect area = screen->availableGeometry();
    const QMargins m = frameMarginsOf(window);
    const QSize room(area.width() - m.left() - m.right(), area.height() - m.top() - m.bottom());
    const QSize size = window->size().boundedTo(room).expandedTo(window->minimumSize());
    if (size != window->size()) window->resize(size);
    if (!place) return;
    const QPoint frameTopLeft = window->geometry().topLeft() - QPoint(m.left(), m.top());
    const QSize frameSize = size.grownBy(m);
    const QPoint inside(clampInto(frameTopLeft.x(), frameSize.width(), area.x(), area.width()),
                        clampInto(frameTopLeft.y(), frameSize.height(), area.y(), area.height()));
    if (inside != frameTopLeft) window->move(inside);
}

class ScreenFit : public QObject
{
public:
    explicit ScreenFit(QWidget* window) : QObject(window)
    {
        setObjectName(QStringLiteral("ScreenFit"));
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show || watched != parent()) return false;
        auto* window = static_cast<QWidget*>(watched);
        // An owned window not placed by the program opens over its owner, as a dialog does.
        const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
        if (!window->testAttribute(Qt::WA_Moved) && owner && owner->isVisible() &&
            !qobject_cast<QDialog*>(window)) {
            const QMargins m = frameMarginsOf(window);
            const QSize frameSize = window->size().grownBy(m);
            window->move(owner->frameGeometry().center() -
                         QPoint(frameSize.width() / 2, frameSize.height() / 2));
        }
        fit(window, window->testAttribute(Qt::WA_Moved));
        QPointer<QWidget> shown(window);
        auto check = [shown] {
            if (shown && shown->isVisible()) fit(shown, true);
        };
        QTimer::singleShot(0, window, check);
        QTimer::singleShot(FramedDelayMs, window, check);
        return false;
    }
};

} // namespace

QScreen* screenOf(const QWidget* window)
{
    if (!window) return QGuiApplication::primaryScreen();
    window = window->window();
    const QWidget* owner = window->parentWidget();
    if (!window->isVisible() && !window->testAttribute(Qt::WA_Moved) && owner && owner->window()->isVisible())
        return owner->window()->screen();
    return window->screen();
}

QMargins frameMarginsOf(const QWidget* window)
{
    if (window && framed(window->window())) return ownFrame(window->window());
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget* other : windows)
        if (other != window && other->isWindow() && framed(other) &&
            !(other->windowFlags() & Qt::FramelessWindowHint) && other->windowType() != Qt::Popup &&
            other->windowType() != Qt::ToolTip)
            return ownFrame(other);
    if (window && (window->windowFlags() & Qt::FramelessWindowHint)) return {};
    const int border = 4;
    const int title = std::max(24, QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight));
    return QMargins(border, title, border, border);
}

void fitToScreen(QWidget* window)
{
    if (!window) return;
    window = window->window();
    fit(window, window->isVisible() || window->testAttribute(Qt::WA_Moved));
}

void keepOnScreen(QWidget* window)
{
    if (!window || window->findChild<QObject*>(QStringLiteral("ScreenFit"), Qt::FindDirectChildrenOnly))
        return;
    new ScreenFit(window);
}

} // namespace forms
