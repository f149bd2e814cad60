#pragma once

#include "runtime/vb/Integer.h"

#include <QString>
#include <QVariant>

#include <cstdint>

namespace vb
{

// Fraction-to-integer conversions round halves to the even neighbour and raise error 6 when
// the result does not fit. Conversions from a QVariant raise 94 for a null value and 13 for
// text that is not a number. CSng and CDbl raise 6 for a value that is not finite.
Integer CInt(double value);
int32_t CLng(double value);
Integer CInt(const QVariant& value);
int32_t CLng(const QVariant& value);
float CSng(const QVariant& value);
double CDbl(const QVariant& value);
bool CBool(const QVariant& value);
QString CStr(const QVariant& value);

// Number to text: shortest form with 7 (Single) or 15 (Double) significant digits, no trailing
// zeros, exponent only for very large or very small magnitudes.
QString CStr(float value);
QString CStr(double value);
// Whole numbers as plain decimal text; Booleans as "True" / "False".
QString CStr(int value);
QString CStr(long value);
QString CStr(long long value);
QString CStr(Integer value);
QString CStr(bool value);
QString CStr(const char*) = delete; // would silently convert to bool

// The leading number of a text ("12 ft" -> 12, "abc" -> 0); never fails.
double Val(const QString& text);

} // namespace vb
