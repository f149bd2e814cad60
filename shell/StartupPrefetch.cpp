#include "shell/StartupPrefetch.h"

#include "runtime/vb/FileSystem.h"

#include <system_error>

namespace shell_internal
{

namespace
{

// The steps OpenControlDatabase takes, up to the first that fails.
std::optional<ControlDatabase> readControl(const QString& path)
{
    try {
        ControlDatabase control{std::make_unique<ado::Connection>(), std::make_unique<ado::Recordset>()};
        control.connection->setProvider(Provider());
        control.connection->Open(path, ado::OpenMode::ReadOnly);
        control.formDefinition->setCursorLocation(ado::adUseClient);
        control.formDefinition->Open(FormDefinitionQuery(), *control.connection);
        control.formDefinition->SetActiveConnection(nullptr);
        return control;
    } catch (...) {
        return std::nullopt;
    }
}

std::optional<FileCheck> makeWorkingCopy(const QString& templateFile, const QString& workingCopy)
{
    try {
        // A scratch copy, as Main makes it.
        vb::FileCopy(templateFile, workingCopy, vb::CopyKind::Scratch);
        return CheckHouseFile(workingCopy);
    } catch (...) {
        return std::nullopt;
    }
}

// A worker thread's result; none when no thread could be started.
template <typename F> auto startWorker(F&& work) -> std::future<decltype(work())>
{
    try {
        return std::async(std::launch::async, std::forward<F>(work));
    } catch (const std::system_error&) {
        return {};
    }
}

} // namespace

StartupPrefetch::StartupPrefetch(const QString& controlDatabase, const QString& templateFile,
                                 const QString& workingCopy)
{
    m_control = startWorker([controlDatabase] { return readControl(controlDatabase); });
    if (!workingCopy.isEmpty())
        m_workingCopy =
            startWorker([templateFile, workingCopy] { return makeWorkingCopy(templateFile, workingCopy); });
}

std::optional<ControlDatabase> StartupPrefetch::takeControlDatabase()
{
    return m_control.valid() ? m_control.get() : std::nullopt;
}

std::optional<FileCheck> StartupPrefetch::takeWorkingCopy()
{
    return m_workingCopy.valid() ? m_workingCopy.get() : std::nullopt;
}

} // namespace shell_internal
