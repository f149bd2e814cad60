#include "runtime/forms/Screen.h"

#include <QCursor>
#include <QGuiApplication>

namespace forms
{

namespace
{
int g_pointer = vbDefault;
}

void Screen::setMousePointer(int pointer)
{
    if (pointer == g_pointer) return;
    const bool hadOverride = g_pointer != vbDefault;
    g_pointer = pointer;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
    if (hadOverride) QGuiApplication::restoreOverrideCursor();
    if (pointer == vbHourglass)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else if (pointer != vbDefault)
        QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
}

int Screen::mousePointer()
{
    return g_pointer;
}

} // namespace forms
