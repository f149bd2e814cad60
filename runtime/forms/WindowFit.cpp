#include "runtime/forms/WindowFit.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace forms
{

namespace
{

// How often and how long to look for the frame of a shown window that the window manager has
// not framed yet (some frame a window only after a while, and say so with no move).
constexpr int FramePollMs = 100;
constexpr int FrameWaitMs = 5000;

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

// m: the frame around the window. place: move the frame inside too; only for a window that is
// shown or was placed by the program (an unplaced dialog still centres itself on its owner).
void fit(QWidget* window, const QMargins& m, bool place)
{
    QScreen* screen = screenOf(window);
    if (!screen || window->isMaximized() || window->isFullScreen()) return;
    const QRect area = screen->availableGeometry();
    const QSize room(area.width() - m.left() - m.right(), area.height() - m.top() - m.bottom());
    const QSize size = window->size().boundedTo(room).expandedTo(window->minimumSize());
    if (!place) {
        if (size != window->size()) window->resize(size);
        return;
    }
    const QPoint frameTopLeft = window->geometry().topLeft() - QPoint(m.left(), m.top());
    const QSize frameSize = size.grownBy(m);
    const QPoint inside(clampInto(frameTopLeft.x(), frameSize.width(), area.x(), area.width()),
                        clampInto(frameTopLeft.y(), frameSize.height(), area.y(), area.height()));
    // Placed by the client area: right whether or not the window system has told Qt the frame yet.
    const QRect client(inside + QPoint(m.left(), m.top()), size);
    if (client != window->geometry()) window->setGeometry(client);
}

class ScreenFit : public QObject
{
public:
    ScreenFit(QWidget* window, FrameProbe frameOf) : QObject(window), m_frameOf(std::move(frameOf))
    {
        setObjectName(QStringLiteral("ScreenFit"));
        window->installEventFilter(this);
        m_poll.setInterval(FramePollMs);
        connect(&m_poll, &QTimer::timeout, this, [this] {
            if (m_waited.hasExpired(FrameWaitMs)) m_poll.stop();
            refit(true);
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != parent()) return false;
        auto* window = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::Show:
            shown(window);
            break;
        case QEvent::Move:
        case QEvent::Resize:
            // The window system reports framing the window with a move or a new size.
            if (m_awaitingFrame) QTimer::singleShot(0, this, [this] { refit(true); });
            break;
        default:
            break;
        }
        return false;
    }

private:
    QWidget* window() const { return static_cast<QWidget*>(parent()); }

    QMargins frameOf(const QWidget* window) const
    {
        if (const std::optional<QMargins> own = m_frameOf(window)) return *own;
        return frameMarginsOf(window);
    }

    void shown(QWidget* window)
    {
        // An owned window not placed by the program opens over its owner, as a dialog does.
        const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
        const QMargins m = frameOf(window);
        if (!window->testAttribute(Qt::WA_Moved) && owner && owner->isVisible() &&
            !qobject_cast<QDialog*>(window)) {
            const QSize frameSize = window->size().grownBy(m);
            window->move(owner->frameGeometry().center() -
                         QPoint(frameSize.width() / 2, frameSize.height() / 2));
        }
        fit(window, m, window->testAttribute(Qt::WA_Moved));
        QTimer::singleShot(0, this, [this] { refit(false); });
        // Until the window system has framed it, the frame was a guess: fit again once it is known.
        m_awaitingFrame = !m_frameOf(window);
        if (m_awaitingFrame) {
            m_waited.start();
            m_poll.start();
        }
    }

    // framedOnly: only when the frame has become known since the window was shown.
    void refit(bool framedOnly)
    {
        if (!window()->isVisible()) {
            m_poll.stop();
            return;
        }
        const bool known = m_frameOf(window()).has_value();
        if (framedOnly && (!m_awaitingFrame || !known)) return;
        if (known) {
            m_awaitingFrame = false;
            m_poll.stop();
        }
        fit(window(), frameOf(window()), true);
    }

    FrameProbe m_frameOf;
    bool m_awaitingFrame = false;
    QTimer m_poll;
    QElapsedTimer m_waited;
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
    if (const std::optional<QMargins> own = ownFrameOf(window)) return *own;
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

std::optional<QMargins> ownFrameOf(const QWidget* window)
{
    if (window && framed(window->window())) return ownFrame(window->window());
    return std::nullopt;
}

void fitToScreen(QWidget* window)
{
    if (!window) return;
    window = window->window();
    fit(window, frameMarginsOf(window), window->isVisible() || window->testAttribute(Qt::WA_Moved));
}

void keepOnScreen(QWidget* window, FrameProbe frameOf)
{
    if (!window || window->findChild<QObject*>(QStringLiteral("ScreenFit"), Qt::FindDirectChildrenOnly))
        return;
    new ScreenFit(window, frameOf ? std::move(frameOf) : FrameProbe(ownFrameOf));
}

} // namespace forms
