#include "runtime/os/Programs.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace os
{

namespace
{

ProgramLauncher* g_launcher = nullptr;

ProgramLauncher& processLauncher()
{
    static ProcessLauncher launcher;
    return launcher;
}

QStringList& toolNames()
{
    static QStringList names{QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
                             QStringLiteral("kinfocenter"), QStringLiteral("gnome-system-monitor"),
                             QStringLiteral("xfce4-taskmanager")};
    return names;
}

} // namespace

ProgramLauncher* setProgramLauncher(ProgramLauncher* launcher)
{
    ProgramLauncher* previous = g_launcher;
    g_launcher = launcher;
    return previous;
}

ProgramLauncher* programLauncher()
{
    return g_launcher ? g_launcher : &processLauncher();
}

bool ProcessLauncher::start(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

ScriptedLauncher::ScriptedLauncher() : m_previous(setProgramLauncher(this)) {}

ScriptedLauncher::~ScriptedLauncher()
{
    if (g_launcher == this) setProgramLauncher(m_previous);
}

bool ScriptedLauncher::start(const QString& program, const QStringList&)
{
    m_started.push_back(program);
    return m_starts;
}

QString findSystemInformationTool()
{
    for (const QString& name : toolNames()) {
        const QString path = QFileInfo(name).isAbsolute() ? (QFileInfo::exists(name) ? name : QString())
                                                          : QStandardPaths::findExecutable(name);
        if (!path.isEmpty()) return path;
    }
    return {};
}

QStringList systemInformationTools()
{
    return toolNames();
}
void setSystemInformationTools(const QStringList& names)
{
    toolNames() = names;
}

} // namespace os
