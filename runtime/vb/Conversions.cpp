#include "runtime/vb/Conversions.h"

#include <QDate>
#include <QDateTime>
#include <QMetaType>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>

namespace vb
{

namespace
{

bool isNullValue(const QVariant& v)
{
    return !v.isValid() || v.typeId() == QMetaType::Nullptr;
}

// Round to the nearest whole number, halves to the even neighbour.
double roundHalfEven(double x)
{
    const double f = std::floor(x);
    const double diff = x - f;
    if (diff > 0.5) return f + 1;
    if (diff < 0.5) return f;
    return std::fmod(f, 2.0) == 0 ? f : f + 1;
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// "&H1F" / "&O17" literals.
std::optional<double> parseRadix(const QString& t)
{
    if (t.size() < 3 || t[0] != u'&') return std::nullopt;
    const QChar kind = t[1].toUpper();
    const int base = kind == u'H' ? 16 : kind == u'O' ? 8 : 0;
    if (base == 0) return std::nullopt;
    bool ok = false;
    const qulonglong u = t.mid(2).toULongLong(&ok, base);
    if (!ok || u > 0xFFFFFFFFull) return std::nullopt;
    // Four hex digits or fewer read as a 16-bit value, eight as a 32-bit value.
    if (base == 16 && t.size() - 2 <= 4) return double(int16_t(uint16_t(u)));
    if (u > 0x7FFFFFFFull) return double(int32_t(uint32_t(u)));
    return double(u);
}

// Text to number in the en-US style: blanks, sign, currency sign, thousands separators,
// decimal point, exponent, a negative amount in parentheses.
std::optional<double> parseNumber(const QString& text)
{
    QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    if (auto r = parseRadix(t)) return r;

    bool negative = false;
    if (t.startsWith(u'(') && t.endsWith(u')')) {
        negative = true;
        t = t.mid(1, t.size() - 2).trimmed();
    }
    QString clean;
    clean.reserve(t.size());
    bool sawSign = false, sawCurrency = false, sawDigit = false, sawPoint = false, sawExp = false;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (isDigit(c)) {
            clean += c;
            sawDigit = true;
        } else if ((c == u'+' || c == u'-') && !sawDigit && !sawSign && !sawPoint) {
            sawSign = true;
            if (c == u'-') negative = !negative;
        } else if (c == u'$' && !sawCurrency && !sawDigit && !sawPoint) {
            sawCurrency = true;
        } else if (c == u' ' && !sawDigit && !sawPoint) {
            // blanks between sign, currency sign and digits
        } else if (c == u',' && sawDigit && !sawPoint && !sawExp) {
            // thousands separator
        } else if (c == u'.' && !sawPoint && !sawExp) {
            sawPoint = true;
            clean += c;
        } else if ((c == u'e' || c == u'E' || c == u'd' || c == u'D') && sawDigit && !sawExp) {
            sawExp = true;
            clean += u'e';
            if (i + 1 < t.size() && (t[i + 1] == u'+' || t[i + 1] == u'-')) clean += t[++i];
            if (i + 1 >= t.size() || !isDigit(t[i + 1])) return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    if (!sawDigit) return std::nullopt;
    bool ok = false;
    const double v = clean.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return negative ? -v : v;
}

// Days since 30 December 1899, the platform's date serial.
double dateSerial(const QDate& d)
{
    return double(QDate(1899, 12, 30).daysTo(d));
}

double toDouble(const QVariant& v)
{
    if (isNullValue(v)) throw VbError::invalidNull();
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool() ? -1.0 : 0.0;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return double(v.toLongLong());
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return double(v.toULongLong());
    case QMetaType::Float:
        return double(v.toFloat());
    case QMetaType::Double:
        return v.toDouble();
    case QMetaType::QString:
        if (auto r = parseNumber(v.toString())) return *r;
        throw VbError::typeMismatch();
    case QMetaType::QDate:
        return dateSerial(v.toDate());
    case QMetaType::QDateTime: {
        const QDateTime dt = v.toDateTime();
        return dateSerial(dt.date()) + dt.time().msecsSinceStartOfDay() / 86400000.0;
    }
    default:
        if (v.metaType() == QMetaType::fromType<Integer>()) return double(v.value<Integer>().value());
        throw VbError::typeMismatch();
    }
}

// Number to text with the given number of significant digits, in the platform's look:
// no trailing zeros, "0.5", exponent as "1E+15" / "1E-05".
QString numberText(double v, int digits)
{
    // A value no arithmetic of the system can make: never shown as text.
    if (!std::isfinite(v)) throw VbError::overflow();
    if (v == 0) return QStringLiteral("0");
    QString s = QString::number(v, 'g', digits);
    const qsizetype e = s.indexOf(u'e');
    if (e < 0) return s;
    QString mantissa = s.left(e);
    QString exponent = s.mid(e + 1);
    const QChar sign = exponent[0] == u'-' ? u'-' : u'+';
    if (exponent[0] == u'-' || exponent[0] == u'+') exponent.remove(0, 1);
    while (exponent.size() > 2 && exponent[0] == u'0')
        exponent.remove(0, 1);
    if (exponent.size() < 2) exponent.prepend(u'0');
    return mantissa + u'E' + sign + exponent;
}

} // namespace

Integer CInt(double value)
{
    if (!std::isfinite(value)) throw VbError::overflow();
    const double r = roundHalfEven(value);
    if (r < -32768.0 || r > 32767.0) throw VbError::overflow();
    return Integer(static_cast<int16_t>(r));
}

int32_t CLng(double value)
{
    if (!std::isfinite(value)) throw VbError::overflow();
    const double r = roundHalfEven(value);
    if (r < -2147483648.0 || r > 2147483647.0) throw VbError::overflow();
    return static_cast<int32_t>(r);
}

Integer CInt(const QVariant& value)
{
    return CInt(toDouble(value));
}

int32_t CLng(const QVariant& value)
{
    return CLng(toDouble(value));
}

double CDbl(const QVariant& value)
{
    const double d = toDouble(value);
    if (!std::isfinite(d)) throw VbError::overflow();
    return d;
}

float CSng(const QVariant& value)
{
    const double d = toDouble(value);
    if (!std::isfinite(d) || std::fabs(d) > double(FLT_MAX)) throw VbError::overflow();
    return static_cast<float>(d);
}

bool CBool(const QVariant& value)
{
    if (isNullValue(value)) throw VbError::invalidNull();
    if (value.typeId() == QMetaType::Bool) return value.toBool();
    if (value.typeId() == QMetaType::QString) {
        const QString t = value.toString().trimmed();
        if (t.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) return true;
        if (t.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) return false;
    }
    return toDouble(value) != 0;
}

QString CStr(const QVariant& value)
{
    if (isNullValue(value)) throw VbError::invalidNull();
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Float:
        return CStr(value.toFloat());
    case QMetaType::Double:
        return CStr(value.toDouble());
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("M/d/yyyy"));
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("M/d/yyyy h:mm:ss AP"));
    case QMetaType::QByteArray:
        return QString::fromUtf8(value.toByteArray());
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return QString::number(value.toLongLong());
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::UChar:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return QString::number(value.toULongLong());
    default:
        if (value.metaType() == QMetaType::fromType<Integer>())
            return QString::number(value.value<Integer>().value());
        throw VbError::typeMismatch();
    }
}

QString CStr(float value)
{
    return numberText(double(value), 7);
}

QString CStr(double value)
{
    return numberText(value, 15);
}

QString CStr(int value)
{
    return QString::number(value);
}

QString CStr(long value)
{
    return QString::number(value);
}

QString CStr(long long value)
{
    return QString::number(value);
}

QString CStr(Integer value)
{
    return QString::number(value.value());
}

QString CStr(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

double Val(const QString& text)
{
    // Blanks are skipped anywhere; reading stops at the first character that cannot continue
    // the number.
    QString t;
    t.reserve(text.size());
    for (QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r') t += c;
    }
    if (t.startsWith(u'&') && t.size() > 2) {
        const QChar kind = t[1].toUpper();
        const int base = kind == u'H' ? 16 : kind == u'O' ? 8 : 0;
        if (base != 0) {
            qsizetype end = 2;
            for (; end < t.size(); ++end) {
                bool ok = false;
                QString(t[end]).toInt(&ok, base);
                if (!ok) break;
            }
            if (auto r = parseRadix(t.left(end))) return *r;
            return 0;
        }
    }
    QString num;
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) num += t[i++];
    bool digits = false, point = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (isDigit(c)) {
            num += c;
            digits = true;
        } else if (c == u'.' && !point) {
            point = true;
            num += c;
        } else {
            break;
        }
    }
    if (digits && i < t.size() && (t[i] == u'e' || t[i] == u'E' || t[i] == u'd' || t[i] == u'D')) {
        qsizetype j = i + 1;
        QString exp = QStringLiteral("e");
        if (j < t.size() && (t[j] == u'+' || t[j] == u'-')) exp += t[j++];
        const qsizetype first = j;
        while (j < t.size() && isDigit(t[j]))
            exp += t[j++];
        if (j > first) num += exp;
    }
    if (!digits) return 0;
    bool ok = false;
    const double v = num.toDouble(&ok);
    return ok ? v : 0;
}

} // namespace vb
