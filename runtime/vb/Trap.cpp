#include "runtime/vb/Trap.h"

#include <QtGlobal>

namespace vb
{

namespace
{

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
    if (reporter()) {
        reporter()(procName, number, description);
        return;
    }
    qWarning("Error in %s: %d - %s", qUtf8Printable(procName), number, qUtf8Printable(description));
}

} // namespace vb
