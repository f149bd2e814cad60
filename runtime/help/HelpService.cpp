#include "runtime/help/HelpService.h"

#include "runtime/forms/App.h"
#include "runtime/forms/WindowFit.h"
#include "runtime/help/HelpWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QUrl>

namespace help
{

namespace
{

HelpService* g_service = nullptr;

HelpService& qtHelp()
{
    static QtHelpWindow window;
    return window;
}

} // namespace

TopicMap TopicMap::parse(const QString& text)
{
    TopicMap map;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const qsizetype space = line.indexOf(QRegularExpression(QStringLiteral("\\s")));
        if (space < 0) continue;
        bool ok = false;
        const int id = line.left(space).toInt(&ok);
        const QString file = line.mid(space).trimmed();
        if (ok && !file.isEmpty()) map.m_files.insert(id, file);
    }
    return map;
}

TopicMap TopicMap::load(const QString& mapFile)
{
    QFile f(mapFile);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    return parse(QString::fromUtf8(f.readAll()));
}

std::optional<QString> TopicMap::file(int contextId) const
{
    auto it = m_files.constFind(contextId);
    if (it == m_files.cend()) return std::nullopt;
    return *it;
}

HelpService* setHelpService(HelpService* service)
{
    HelpService* previous = g_service;
    g_service = service;
    return previous;
}

HelpService* helpService()
{
    return g_service ? g_service : &qtHelp();
}

void showTopic(int contextId)
{
    helpService()->showTopic(contextId);
}

QtHelpWindow::QtHelpWindow(QString folder) : m_folder(std::move(folder)) {}

QtHelpWindow::~QtHelpWindow()
{
    // After the application object is gone the window must not be touched any more.
    if (QCoreApplication::instance()) delete m_window.data();
}

void QtHelpWindow::showTopic(int contextId)
{
    if (m_folder.isEmpty()) m_folder = forms::App::Path() + QStringLiteral("/help");
    if (!m_mapLoaded) {
        m_map = TopicMap::load(m_folder + QStringLiteral("/topics.txt"));
        m_mapLoaded = true;
    }
    if (!m_window) m_window = new HelpWindow;
    // It opens over the window the user works in.
    QWidget* active = QApplication::activeWindow();
    if (!m_window->isVisible() && active && active != m_window) {
        m_window->setScreen(active->screen());
        const QRect over = active->frameGeometry();
        m_window->move(over.center() - QPoint(m_window->width() / 2, m_window->height() / 2));
        forms::fitToScreen(m_window);
    }
    m_window->browser()->setSearchPaths({m_folder});

    auto topicPath = [this](int id) -> std::optional<QString> {
        std::optional<QString> file = m_map.file(id);
        if (!file || !QFile::exists(m_folder + QLatin1Char('/') + *file)) return std::nullopt;
        return m_folder + QLatin1Char('/') + *file;
    };
    const std::optional<QString> contents = topicPath(ContextContents);
    m_window->setContents(contents ? QUrl::fromLocalFile(*contents) : QUrl());
    std::optional<QString> path = topicPath(contextId);
    if (!path) path = contents;
    if (path)
        m_window->showSource(QUrl::fromLocalFile(*path));
    else
        m_window->showNotice(
            QStringLiteral("<h2>Help is not available</h2><p>The help topics were not found in %1.</p>")
                .arg(QDir::toNativeSeparators(m_folder).toHtmlEscaped()));
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

ScriptedHelp::ScriptedHelp() : m_previous(setHelpService(this)) {}

ScriptedHelp::~ScriptedHelp()
{
    if (g_service == this) setHelpService(m_previous);
}

} // namespace help
