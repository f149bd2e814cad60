#include "runtime/os/Browser.h"

#include <QDesktopServices>
#include <QStandardPaths>

namespace os
{

namespace
{

BrowserService* g_service = nullptr;

BrowserService& desktop()
{
    static DesktopBrowser browser;
    return browser;
}

} // namespace

BrowserService* setBrowserService(BrowserService* service)
{
    BrowserService* previous = g_service;
    g_service = service;
    return previous;
}

BrowserService* browserService()
{
    return g_service ? g_service : &desktop();
}

bool DesktopBrowser::hasBrowser()
{
    // Qt hands web pages to the desktop's opener, or to $BROWSER.
    if (!qEnvironmentVariableIsEmpty("BROWSER")) return true;
    for (const char16_t* opener : {u"xdg-open", u"gio", u"sensible-browser", u"x-www-browser"})
        if (!QStandardPaths::findExecutable(QString::fromUtf16(opener)).isEmpty()) return true;
    return false;
}

bool DesktopBrowser::openUrl(const QString& url)
{
    const QUrl u = QUrl::fromUserInput(url);
    return u.isValid() && QDesktopServices::openUrl(u);
}

ScriptedBrowser::ScriptedBrowser() : m_previous(setBrowserService(this)) {}

ScriptedBrowser::~ScriptedBrowser()
{
    if (g_service == this) setBrowserService(m_previous);
}

bool ScriptedBrowser::openUrl(const QString& url)
{
    m_opened.push_back(url);
    return m_opens;
}

} // namespace os
