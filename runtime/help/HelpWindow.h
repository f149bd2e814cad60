#pragma once

#include <QMainWindow>
#include <QUrl>

class QAction;
class QTextBrowser;

namespace help
{

// The help viewer: topics in a browser under a tool bar with Back, Forward and Contents.
// Alt+Left and Alt+Right go back and forward, Escape closes; the title names the topic shown.
class HelpWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    QTextBrowser* browser() const { return m_browser; }
    QAction* backAction() const { return m_back; }
    QAction* forwardAction() const { return m_forward; }
    QAction* contentsAction() const { return m_contents; }

    // Where Contents leads; empty disables it.
    void setContents(const QUrl& contents);
    void showSource(const QUrl& source);
    // A page of its own in place of a topic (when the topics are missing).
    void showNotice(const QString& html);

private:
    void updateTitle();

    QTextBrowser* m_browser = nullptr;
    QAction* m_back = nullptr;
    QAction* m_forward = nullptr;
    QAction* m_contents = nullptr;
    QUrl m_contentsUrl;
};

} // namespace help
