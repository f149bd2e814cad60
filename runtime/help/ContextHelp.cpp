#include "runtime/help/ContextHelp.h"

#include "runtime/help/HelpService.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace help
{

namespace
{

class F1Filter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
        if (!watched->isWidgetType()) return false;
        showTopic(contextIdFor(watched));
        return true;
    }
};

QPointer<F1Filter> g_filter;

} // namespace

int contextIdFor(const QObject* receiver)
{
    for (const QObject* o = receiver; o; o = o->parent()) {
        bool ok = false;
        const int id = o->property("HelpContextID").toInt(&ok);
        if (ok && id > 0) return id;
    }
    return ContextContents;
}

void installContextHelp()
{
    if (g_filter || !QCoreApplication::instance()) return;
    g_filter = new F1Filter(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(g_filter);
}

} // namespace help
