#include "runtime/sheet/Application.h"

#include "runtime/sheet/SheetWindow.h"
#include "runtime/sheet/Workbook.h"

namespace sheet
{

Application::Application() : m_workbooks(new WorkbookCollection(this)) {}

Application::~Application()
{
    // The window shows this application's sheets; it goes first.
    delete m_window.data();
}

QObject* Application::Workbooks() const
{
    return m_workbooks;
}

SheetWindow* Application::window() const
{
    return m_window;
}

bool Application::Visible() const
{
    return m_window && m_window->isVisible();
}

void Application::setVisible(bool visible)
{
    if (!visible) {
        if (m_window) m_window->hide();
        return;
    }
    if (!m_window) {
        m_window = new SheetWindow(this);
        connect(m_window, &QObject::destroyed, this, [this] {
            if (m_released) deleteLater();
        });
    }
    m_window->show();
    m_window->raise();
}

void Application::release()
{
    if (m_userControl && Visible()) {
        m_released = true;
        return;
    }
    delete this;
}

} // namespace sheet
