#pragma once

#include <QDate>
#include <QString>

namespace vb
{

// Picture formatting of a number: "0" always shows a digit, "#" only where the number has one,
// "," groups thousands, "." is the decimal point, every other character stands as it is.
// Halves round away from zero; a negative number gets a leading "-".
// Patterns used: "$###,###", "$###,###.00", "#,##0", "#,###", "#.0#", "#.#0" and the
// fixed-width money patterns with literal blanks ("$ ##,##0.00", "$      0.00").
// Decimal rounding works on the number's 15-digit decimal form, so 1234.565 gives 1234.57.
QString Format(double value, const QString& pattern);

// Date formatting: "mm/dd/yyyy" (and the other usual d/m/y pieces).
QString Format(const QDate& date, const QString& pattern);

} // namespace vb
