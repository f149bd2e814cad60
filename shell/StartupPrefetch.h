#pragma once

// Not for use outside shell/.

#include "runtime/ado/Connection.h"
#include "runtime/ado/Recordset.h"
#include "shell/ShellInternal.h"

#include <QString>

#include <future>
#include <memory>
#include <optional>

namespace shell_internal
{

// The control database as OpenControlDatabase leaves it: open read-only, with the page plan
// read and disconnected.
struct ControlDatabase {
    std::unique_ptr<ado::Connection> connection;
    std::unique_ptr<ado::Recordset> formDefinition;
};

// What the start reads from the disk before its first page, read on worker threads while the
// main thread loads the fonts and shows the splash: the control database and, for a start on
// no file, the working copy made afresh from the template and checked. A part that failed
// comes back empty and Main does it again itself, so that its error is reported where and as
// it always is.
class StartupPrefetch
{
public:
    // An empty workingCopy: the start opens a file of its own, and no copy is made here.
    StartupPrefetch(const QString& controlDatabase, const QString& templateFile, const QString& workingCopy);
    // Waits for the workers.
    ~StartupPrefetch() = default;
    StartupPrefetch(const StartupPrefetch&) = delete;
    StartupPrefetch& operator=(const StartupPrefetch&) = delete;

    std::optional<ControlDatabase> takeControlDatabase();
    // The check of the working copy once it is made; empty when no copy was made.
    std::optional<FileCheck> takeWorkingCopy();

private:
    std::future<std::optional<ControlDatabase>> m_control;
    std::future<std::optional<FileCheck>> m_workingCopy;
};

} // namespace shell_internal
