#pragma once

#include <QString>

#include <cstdint>
#include <exception>
#include <string>

namespace vb
{

// Error numbers the system relies on.
enum ErrorNumber : int32_t {
    ErrInvalidCall = 5,
    ErrOverflow = 6,
    ErrDivisionByZero = 11,
    ErrTypeMismatch = 13,
    ErrInvalidNull = 94,
    ErrInvalidProperty = 380,
    ErrInvalidPicture = 481,
    ErrNoSuchMember = 438,
    ErrBadArguments = 3001,
    ErrNoCurrentRecord = 3021,
    ErrFileNotFound = 3024,
    ErrNotUpdatable = 3251,
    ErrItemNotFound = 3265,
    ErrObjectClosed = 3704,
    ErrConnectionInvalid = 3709,
    ErrProvider = static_cast<int32_t>(0x80004005u),
    ErrRowConflict = static_cast<int32_t>(0x80040E38u),
    ErrObjectDefined = static_cast<int32_t>(0x800403E8u),
};

// Every failure of the system's own code and of the platform layer is thrown as a VbError.
class VbError : public std::exception
{
public:
    VbError(int32_t number, QString description, QString source = QString())
        : m_number(number), m_description(std::move(description)), m_source(std::move(source)),
          m_what(m_description.toStdString())
    {
    }

    int32_t number() const { return m_number; }
    const QString& description() const { return m_description; }
    const QString& source() const { return m_source; }
    const char* what() const noexcept override { return m_what.c_str(); }

    static VbError overflow() { return VbError(ErrOverflow, QStringLiteral("Overflow")); }
    static VbError typeMismatch() { return VbError(ErrTypeMismatch, QStringLiteral("Type mismatch")); }
    static VbError invalidNull(const QString& what = QString())
    {
        return VbError(ErrInvalidNull, what.isEmpty() ? QStringLiteral("Invalid use of Null")
                                                      : QStringLiteral("Invalid use of Null: ") + what);
    }

private:
    int32_t m_number;
    QString m_description;
    QString m_source;
    std::string m_what;
};

} // namespace vb
