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
    ErrSubscriptOutOfRange = 9,
    ErrDivisionByZero = 11,
    ErrTypeMismatch = 13,
    ErrNoSuchFile = 53,
    ErrDiskFull = 61,
    ErrPathFileAccess = 75,
    ErrObjectNotSet = 91,
    ErrInvalidNull = 94,
    ErrNoSuchWindowClass = 340,
    ErrInvalidProperty = 380,
    ErrReadOnlyProperty = 383,
    ErrObjectRequired = 424,
    ErrCannotCreateObject = 429,
    ErrNamedArgumentNotFound = 448,
    ErrInvalidPicture = 481,
    ErrNoSuchMember = 438,
    ErrControlNotFound = 730,
    ErrApplicationDefined = 1004,
    ErrBadArguments = 3001,
    ErrNoCurrentRecord = 3021,
    ErrLocked = 3218,
    ErrFileNotFound = 3024,
    ErrNotUpdatable = 3251,
    ErrItemNotFound = 3265,
    ErrObjectClosed = 3704,
    ErrConnectionInvalid = 3709,
    ErrCancelSelected = 32755,
    ErrIndexOutOfBounds = 35600,
    ErrElementNotFound = 35601,
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

    // The errors the system raises, each with its one text.
    static VbError invalidCall()
    {
        return VbError(ErrInvalidCall, QStringLiteral("Invalid procedure call or argument"));
    }
    static VbError overflow() { return VbError(ErrOverflow, QStringLiteral("Overflow")); }
    static VbError subscriptOutOfRange(const QString& source = QString())
    {
        return VbError(ErrSubscriptOutOfRange, QStringLiteral("Subscript out of range"), source);
    }
    static VbError divisionByZero() { return VbError(ErrDivisionByZero, QStringLiteral("Division by zero")); }
    static VbError typeMismatch(const QString& source = QString())
    {
        return VbError(ErrTypeMismatch, QStringLiteral("Type mismatch"), source);
    }
    static VbError noSuchFile(const QString& source = QString())
    {
        return VbError(ErrNoSuchFile, QStringLiteral("File not found"), source);
    }
    static VbError diskFull() { return VbError(ErrDiskFull, QStringLiteral("Disk full")); }
    static VbError pathFileAccess()
    {
        return VbError(ErrPathFileAccess, QStringLiteral("Path/File access error"));
    }
    static VbError objectNotSet(const QString& source = QString())
    {
        return VbError(ErrObjectNotSet, QStringLiteral("Object variable or With block variable not set"),
                       source);
    }
    static VbError invalidNull(const QString& what = QString())
    {
        return VbError(ErrInvalidNull, what.isEmpty() ? QStringLiteral("Invalid use of Null")
                                                      : QStringLiteral("Invalid use of Null: ") + what);
    }
    static VbError invalidProperty(const QString& source = QString())
    {
        return VbError(ErrInvalidProperty, QStringLiteral("Invalid property value"), source);
    }
    static VbError readOnlyProperty(const QString& source = QString())
    {
        return VbError(ErrReadOnlyProperty, QStringLiteral("Can't assign to read-only property"), source);
    }
    static VbError objectRequired(const QString& source = QString())
    {
        return VbError(ErrObjectRequired, QStringLiteral("Object required"), source);
    }
    static VbError cannotCreateObject(const QString& source = QString())
    {
        return VbError(ErrCannotCreateObject, QStringLiteral("ActiveX component can't create object"),
                       source);
    }
    static VbError noSuchMember(const QString& source = QString())
    {
        return VbError(ErrNoSuchMember, QStringLiteral("Object doesn't support this property or method"),
                       source);
    }
    static VbError namedArgumentNotFound(const QString& source = QString())
    {
        return VbError(ErrNamedArgumentNotFound, QStringLiteral("Named argument not found"), source);
    }
    static VbError invalidPicture(const QString& source = QString())
    {
        return VbError(ErrInvalidPicture, QStringLiteral("Invalid picture"), source);
    }
    static VbError controlNotFound(const QString& name)
    {
        return VbError(ErrControlNotFound,
                       QStringLiteral("Control '") + name + QStringLiteral("' not found"));
    }
    static VbError applicationDefined(const QString& source = QString())
    {
        return VbError(ErrApplicationDefined, QStringLiteral("Application-defined or object-defined error"),
                       source);
    }
    static VbError noCurrentRecord(const QString& source = QString())
    {
        return VbError(ErrNoCurrentRecord,
                       QStringLiteral("Either BOF or EOF is True, or the current record has been deleted. "
                                      "Requested operation requires a current record."),
                       source);
    }
    static VbError indexOutOfBounds()
    {
        return VbError(ErrIndexOutOfBounds, QStringLiteral("Index out of bounds"));
    }
    static VbError cancelSelected()
    {
        return VbError(ErrCancelSelected, QStringLiteral("Cancel was selected."));
    }
    static VbError elementNotFound()
    {
        return VbError(ErrElementNotFound, QStringLiteral("Element not found"));
    }

private:
    int32_t m_number;
    QString m_description;
    QString m_source;
    std::string m_what;
};

} // namespace vb
