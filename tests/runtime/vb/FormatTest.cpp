#include "runtime/vb/Format.h"

#include <gtest/gtest.h>

#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

using vb::Format;

namespace
{

struct Case {
    double value;
    const char* pattern;
    const char* expected;
};

void check(const Case* begin, const Case* end)
{
    for (const Case* c = begin; c != end; ++c) {
        EXPECT_EQ(Format(c->value, QString::fromLatin1(c->pattern)), QString::fromLatin1(c->expected))
            << c->value << " with " << c->pattern;
    }
}

} // namespace

TEST(Format, WholeDollars)
{
    const Case cases[] = {
        {0, "$###,###", "$"},
        {250000, "$###,###", "$250,000"},
        {1234567, "$###,###", "$1,234,567"},
        {12345678901234, "$###,###", "$12,345,678,901,234"},
        {999.5, "$###,###", "$1,000"},
        {0.5, "$###,###", "$1"},
        {2.5, "$###,###", "$3"},
        {0.49, "$###,###", "$"},
        {-2.5, "$###,###", "-$3"},
        {-0.4, "$###,###", "$"},
        {12500, "$###,###", "$12,500"},
    };
    check(std::begin(cases), std::end(cases));
}

TEST(Format, DollarsAndCents)
{
    const Case cases[] = {
        {0, "$###,###.00", "$.00"},
        {1500, "$###,###.00", "$1,500.00"},
        {536.8216230121398, "$###,###.00", "$536.82"},
        {0.125, "$###,###.00", "$.13"},
        // Rounding works on the 15-digit decimal form: 1234.565 is stored as 1234.56499999...
        {1234.565, "$###,###.00", "$1,234.57"},
        {99999.995, "$###,###.00", "$100,000.00"},
        {274.99999850988388, "$###,###.00", "$275.00"},
        {-1500.255, "$###,###.00", "-$1,500.26"},
    };
    check(std::begin(cases), std::end(cases));
}

TEST(Format, NumberPatterns)
{
    const Case cases[] = {
        {0, "#,##0", "0"},
        {2400, "#,##0", "2,400"},
        {1234.5, "#,##0", "1,235"},
        {-1234.5, "#,##0", "-1,235"},
        {1e9, "#,##0", "1,000,000,000"},
        {999, "#,##0", "999"},
        {0, "#,###", ""},
        {1500, "#,###", "1,500"},
        {4, "#.0#", "4.0"},
        {4.125, "#.0#", "4.13"},
        {4.375, "#.0#", "4.38"},
        {4.5, "#.0#", "4.5"},
        {9, "#.0#", "9.0"},
        {0.5, "#.0#", ".5"},
        {0, "#.0#", ".0"},
        {double(6.13f), "#.0#", "6.13"},
        {2, "#.#0", "2.00"},
        {2.5, "#.#0", "2.50"},
        {1.005, "#.#0", "1.01"},
        {5.25, ".00", "5.25"},
        {0.25, ".00", ".25"},
    };
    check(std::begin(cases), std::end(cases));
}

TEST(Format, FixedWidthMoneyColumns)
{
    const Case cases[] = {
        {123456, "$###,##0.00", "$123,456.00"}, {1234567, "$###,##0.00", "$1,234,567.00"},
        {12345, "$ ##,##0.00", "$ 12,345.00"},  {1234, "$  #,##0.00", "$  1,234.00"},
        {123, "$    ##0.00", "$    123.00"},    {10, "$     #0.00", "$     10.00"},
        {5, "$      0.00", "$      5.00"},      {0, "$      0.00", "$      0.00"},
        {-5, "$      0.00", "-$      5.00"},
    };
    check(std::begin(cases), std::end(cases));
    for (const Case& c : cases) {
        if (c.value >= 0 && c.value < 1000000) {
            EXPECT_EQ(QString::fromLatin1(c.expected).size(), 11) << c.expected;
        }
    }
}

TEST(Format, LiteralsAndEmptyPattern)
{
    EXPECT_EQ(Format(5, QStringLiteral("0 \"ft\"")), QStringLiteral("5 ft"));
    EXPECT_EQ(Format(5, QStringLiteral("\\#0")), QStringLiteral("#5"));
    EXPECT_EQ(Format(2.5, QString()), QStringLiteral("2.5"));
}

TEST(Format, Dates)
{
    const QDate d(2026, 3, 7);
    EXPECT_EQ(Format(d, QStringLiteral("mm/dd/yyyy")), QStringLiteral("03/07/2026"));
    EXPECT_EQ(Format(d, QStringLiteral("m/d/yy")), QStringLiteral("3/7/26"));
    EXPECT_EQ(Format(QDate(1999, 12, 31), QStringLiteral("mm/dd/yyyy")), QStringLiteral("12/31/1999"));
    EXPECT_EQ(Format(d, QStringLiteral("mmmm d, yyyy")), QStringLiteral("March 7, 2026"));
}
