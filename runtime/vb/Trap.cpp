#include "runtime/vb/Trap.h"

#include <QLoggingCategory>

namespace vb
{

namespace
{

// Debug messages are off unless the logging rules turn them on.
Q_LOGGING_CATEGORY(lcTrap, "tavimoor.trap", QtInfoMsg)

ErrorReporter& reporter()
{
    static ErrorReporter r;
    return r;
}

} // namespace

void setErrorReporter(ErrorReporter r)
{
    reporter() = std::move(r);
}

void reportError(const QString& procName, int32_t number, const QString& description)
{
    qCWarning(lcTrap, "Error in %s: %d - %s", qUtf8Printable(procName), number, qUtf8Printable(description));
    if (reporter()) reporter()(procName, number, description);
}

void logSwallowedError(int32_t number, const QString& description)
{
    qCDebug(lcTrap, "Error swallowed: %d - %s", number, qUtf8Printable(description));
}

} // namespace vb
