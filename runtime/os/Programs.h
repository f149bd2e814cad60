#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace os
{

// Starting other programs.
class ProgramLauncher
{
public:
    virtual ~ProgramLauncher() = default;
    // True when the program was started (detached, in a normal window).
    virtual bool start(const QString& program, const QStringList& arguments) = 0;
};

// Installs a launcher (not owned; nullptr restores the Qt one) and returns the previous one.
ProgramLauncher* setProgramLauncher(ProgramLauncher* launcher);
ProgramLauncher* programLauncher();

// The Qt implementation through QProcess::startDetached.
class ProcessLauncher : public ProgramLauncher
{
public:
    bool start(const QString& program, const QStringList& arguments) override;
};

// Test fake: installs itself while it lives and logs what it was asked to start.
class ScriptedLauncher : public ProgramLauncher
{
public:
    ScriptedLauncher();
    ~ScriptedLauncher() override;
    ScriptedLauncher(const ScriptedLauncher&) = delete;
    ScriptedLauncher& operator=(const ScriptedLauncher&) = delete;

    void setStarts(bool v) { m_starts = v; }
    const std::vector<QString>& started() const { return m_started; }
    bool start(const QString& program, const QStringList& arguments) override;

private:
    bool m_starts = true;
    std::vector<QString> m_started;
    ProgramLauncher* m_previous = nullptr;
};

// The desktop's system-information tool: the first of the known tools found on the PATH,
// or an empty text when none is installed.
QString findSystemInformationTool();
// The tool names looked for, in order (tests may replace them).
QStringList systemInformationTools();
void setSystemInformationTools(const QStringList& names);

} // namespace os
