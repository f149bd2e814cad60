// Preloaded into a Qt program: ends the process right after the first paint of a widget whose
// class inherits STARTUP_FIRST_PAINT_OF (any widget when unset), once that paint has reached
// the window. The process ends at once, without tearing anything down.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <unistd.h>

namespace
{

class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QByteArray className) : m_className(std::move(className)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen && watched->isWidgetType() &&
            (m_className.isEmpty() || watched->inherits(m_className.constData()))) {
            m_seen = true;
            QTimer::singleShot(0, [] {
                std::fflush(nullptr);
                _exit(0);
            });
        }
        return false;
    }

private:
    QByteArray m_className;
    bool m_seen = false;
};

void watchFirstPaint()
{
    auto* watch = new FirstPaint(qgetenv("STARTUP_FIRST_PAINT_OF"));
    watch->moveToThread(QCoreApplication::instance()->thread());
    QCoreApplication::instance()->installEventFilter(watch);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)
