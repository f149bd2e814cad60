#pragma once

#include "runtime/vb/VbError.h"

#include <QString>

#include <cstdint>
#include <exception>
#include <functional>
#include <utility>

namespace vb
{

using ErrorReporter =
    std::function<void(const QString& procName, int32_t number, const QString& description)>;

// Installs the reporter every Trap and guard reports to (the shell installs its error handler
// at start-up).
void setErrorReporter(ErrorReporter reporter);
// Reports one error through the installed reporter. Every error reported is also logged as a
// warning of the category "tavimoor.trap".
void reportError(const QString& procName, int32_t number, const QString& description);
// Logs an error a silent trap swallowed, at debug level of "tavimoor.trap" (shown with
// QT_LOGGING_RULES="tavimoor.trap.debug=true").
void logSwallowedError(int32_t number, const QString& description);

// The resume-next error trap: one call per statement. A statement that throws is reported as
// (procName, number, description) and execution goes on with the next statement.
//     vb::Trap trap(QStringLiteral("basNavigation.LoadForm"));
//     trap([&] { rs.MoveFirst(); });
class Trap
{
public:
    explicit Trap(QString procName) : m_procName(std::move(procName)) {}

    // A trap that swallows errors without reporting them.
    static Trap silent()
    {
        Trap t{QString()};
        t.m_silent = true;
        return t;
    }

    // Runs one statement; returns false if it failed.
    template <typename F> bool operator()(F&& statement)
    {
        try {
            std::forward<F>(statement)();
            return true;
        } catch (const VbError& e) {
            fail(e.number(), e.description());
        } catch (const std::exception& e) {
            fail(0, QString::fromLocal8Bit(e.what()));
        } catch (...) {
            fail(0, QStringLiteral("Unknown error"));
        }
        return false;
    }

    const QString& procName() const { return m_procName; }
    bool isSilent() const { return m_silent; }
    // The last error caught (0 when none), like the Err object after a resumed statement.
    int32_t lastNumber() const { return m_lastNumber; }
    const QString& lastDescription() const { return m_lastDescription; }
    void clear()
    {
        m_lastNumber = 0;
        m_lastDescription.clear();
    }

private:
    void fail(int32_t number, const QString& description)
    {
        m_lastNumber = number;
        m_lastDescription = description;
        if (m_silent)
            logSwallowedError(number, description);
        else
            reportError(m_procName, number, description);
    }

    QString m_procName;
    bool m_silent = false;
    int32_t m_lastNumber = 0;
    QString m_lastDescription;
};

// Runs f at an event boundary: nothing escapes; anything thrown is reported through the
// installed reporter under the name `where`.
template <typename F> void guard(const QString& where, F&& f) noexcept
{
    try {
        std::forward<F>(f)();
    } catch (const VbError& e) {
        try {
            reportError(where, e.number(), e.description());
        } catch (...) {
        }
    } catch (const std::exception& e) {
        try {
            reportError(where, 0, QString::fromLocal8Bit(e.what()));
        } catch (...) {
        }
    } catch (...) {
        try {
            reportError(where, 0, QStringLiteral("Unknown error"));
        } catch (...) {
        }
    }
}

} // namespace vb
