#pragma once

#include <QString>
#include <QUrl>

#include <vector>

namespace os
{

// Opening addresses in the user's browser.
class BrowserService
{
public:
    virtual ~BrowserService() = default;
    // True when a browser is associated with web pages.
    virtual bool hasBrowser() = 0;
    // True when the page was handed to the browser.
    virtual bool openUrl(const QString& url) = 0;
};

// Installs a service (not owned; nullptr restores the Qt one) and returns the previous one.
BrowserService* setBrowserService(BrowserService* service);
BrowserService* browserService();

// The Qt implementation through QDesktopServices.
class DesktopBrowser : public BrowserService
{
public:
    bool hasBrowser() override;
    bool openUrl(const QString& url) override;
};

// Test fake: installs itself while it lives, logs the addresses, and fails as told.
class ScriptedBrowser : public BrowserService
{
public:
    ScriptedBrowser();
    ~ScriptedBrowser() override;
    ScriptedBrowser(const ScriptedBrowser&) = delete;
    ScriptedBrowser& operator=(const ScriptedBrowser&) = delete;

    void setHasBrowser(bool v) { m_hasBrowser = v; }
    void setOpens(bool v) { m_opens = v; }
    const std::vector<QString>& opened() const { return m_opened; }

    bool hasBrowser() override { return m_hasBrowser; }
    bool openUrl(const QString& url) override;

private:
    bool m_hasBrowser = true;
    bool m_opens = true;
    std::vector<QString> m_opened;
    BrowserService* m_previous = nullptr;
};

} // namespace os
