#include "runtime/help/HelpWindow.h"

#include "runtime/forms/App.h"
#include "runtime/forms/WindowFit.h"

#include <QAction>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>

namespace help
{

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_QuitOnClose, false);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setFrameShape(QFrame::NoFrame);
    setCentralWidget(m_browser);

    QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setObjectName(QStringLiteral("HelpToolBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Back"));
    m_back->setObjectName(QStringLiteral("HelpBack"));
    m_back->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    m_forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("Forward"));
    m_forward->setObjectName(QStringLiteral("HelpForward"));
    m_forward->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    m_contents = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("Contents"));
    m_contents->setObjectName(QStringLiteral("HelpContents"));
    for (QAction* action : {m_back, m_forward, m_contents})
        action->setShortcutContext(Qt::WindowShortcut);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    m_contents->setEnabled(false);

    connect(m_back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(m_contents, &QAction::triggered, this, [this] {
        if (!m_contentsUrl.isEmpty()) showSource(m_contentsUrl);
    });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::updateTitle);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    resize(600, 560);
    forms::keepOnScreen(this);
    updateTitle();
}

void HelpWindow::setContents(const QUrl& contents)
{
    m_contentsUrl = contents;
    m_contents->setEnabled(!contents.isEmpty());
}

void HelpWindow::showSource(const QUrl& source)
{
    if (m_browser->source() == source)
        m_browser->reload();
    else
        m_browser->setSource(source);
    updateTitle();
}

void HelpWindow::showNotice(const QString& html)
{
    m_browser->clearHistory();
    m_browser->setHtml(html);
    updateTitle();
}

void HelpWindow::updateTitle()
{
    const QString topic = m_browser->documentTitle();
    setWindowTitle(forms::App::Title() + QStringLiteral(" Help") +
                   (topic.isEmpty() ? QString() : QStringLiteral(" - ") + topic));
}

} // namespace help
