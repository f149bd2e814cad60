#include "runtime/vb/Conversions.h"
#include "runtime/vb/Integer.h"

#include <gtest/gtest.h>

#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

#include <cmath>
#include <functional>
#include <limits>
#include <type_traits>

using namespace vb;

namespace
{

int32_t errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const VbError& e) {
        return e.number();
    }
    return 0;
}

} // namespace

TEST(Conversions, CIntRoundsHalvesToEven)
{
    const struct {
        double in;
        int16_t out;
    } cases[] = {
        {0.5, 0},   {1.5, 2},    {2.5, 2},    {3.5, 4},         {-0.5, 0},          {-1.5, -2},
        {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {32767.4, 32767}, {-32768.5, -32768}, {0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CInt(c.in).value(), c.out) << c.in;
    }
    EXPECT_EQ(CLng(2.5), 2);
    EXPECT_EQ(CLng(-3.5), -4);
    EXPECT_EQ(CLng(1234567.5), 1234568);
}

TEST(Conversions, OutOfRangeIsOverflow)
{
    for (double v : {32767.5, -32768.6, 1e10, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(errorOf([&] { CInt(v); }), ErrOverflow) << v;
    }
    EXPECT_EQ(errorOf([] { CLng(2147483647.5); }), ErrOverflow);
    EXPECT_EQ(errorOf([] { CLng(-2147483649.0); }), ErrOverflow);
    EXPECT_EQ(errorOf([] { CSng(QVariant(1e300)); }), ErrOverflow);
    EXPECT_EQ(errorOf([] { CInt(QVariant(40000.0)); }), ErrOverflow);
}

TEST(Conversions, NonFiniteSingleAndDoubleAreOverflow)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const QVariant& v :
         {QVariant(nan), QVariant(inf), QVariant(-inf), QVariant(float(nan)), QVariant(float(inf))}) {
        EXPECT_EQ(errorOf([&] { CSng(v); }), ErrOverflow) << v.toString().toStdString();
        EXPECT_EQ(errorOf([&] { CDbl(v); }), ErrOverflow) << v.toString().toStdString();
    }
    EXPECT_EQ(CDbl(QVariant(1e300)), 1e300);
}

TEST(Conversions, VariantsToNumbers)
{
    EXPECT_EQ(CInt(QVariant(QStringLiteral("12"))).value(), 12);
    EXPECT_EQ(CInt(QVariant(QStringLiteral(" 6.5 "))).value(), 6);
    EXPECT_EQ(CInt(QVariant(true)).value(), -1);
    EXPECT_EQ(CInt(QVariant(qlonglong(-1))).value(), -1);
    EXPECT_EQ(CLng(QVariant(QStringLiteral("&HFF"))), 255);
    EXPECT_FLOAT_EQ(CSng(QVariant(QStringLiteral("6.13"))), 6.13f);
    EXPECT_FLOAT_EQ(CSng(QVariant(6.13f)), 6.13f);
    EXPECT_TRUE(CBool(QVariant(qlonglong(-1))));
    EXPECT_FALSE(CBool(QVariant(qlonglong(0))));
    EXPECT_TRUE(CBool(QVariant(QStringLiteral("true"))));

    // Displayed money converts back, as the payments page relies on.
    const struct {
        const char* text;
        double value;
    } texts[] = {
        {"$250,000", 250000}, {"$1,234.50", 1234.5}, {" 12 ", 12}, {"-$5", -5}, {"($5.00)", -5},
        {"1e3", 1000},        {"4.13", 4.13},        {".5", 0.5},  {"+7", 7},
    };
    for (const auto& t : texts) {
        EXPECT_DOUBLE_EQ(CDbl(QVariant(QString::fromLatin1(t.text))), t.value) << t.text;
    }
}

TEST(Conversions, NullAndBadTextFail)
{
    for (const char* bad : {"$", "", " ", "abc", "12abc", "1.2.3", "1e"}) {
        const QVariant v(QString::fromLatin1(bad));
        EXPECT_EQ(errorOf([&] { CDbl(v); }), ErrTypeMismatch) << bad;
        EXPECT_EQ(errorOf([&] { CInt(v); }), ErrTypeMismatch) << bad;
    }
    const QVariant null;
    EXPECT_EQ(errorOf([&] { CInt(null); }), ErrInvalidNull);
    EXPECT_EQ(errorOf([&] { CLng(null); }), ErrInvalidNull);
    EXPECT_EQ(errorOf([&] { CSng(null); }), ErrInvalidNull);
    EXPECT_EQ(errorOf([&] { CBool(null); }), ErrInvalidNull);
    EXPECT_EQ(errorOf([&] { CStr(null); }), ErrInvalidNull);
    EXPECT_EQ(errorOf([] { CBool(QVariant(QStringLiteral("maybe"))); }), ErrTypeMismatch);
}

TEST(Conversions, NumberText)
{
    const struct {
        float in;
        const char* out;
    } singles[] = {
        {6.13f, "6.13"},
        {2.5f, "2.5"},
        {0.5f, "0.5"},
        {2.0f, "2"},
        {1 / 3.0f, "0.3333333"},
        {1.1f, "1.1"},
        {16777216.0f, "1.677722E+07"},
        {1234567.0f, "1234567"},
        {1e20f, "1E+20"},
        {-0.0f, "0"},
    };
    for (const auto& c : singles) {
        EXPECT_EQ(CStr(c.in), QString::fromLatin1(c.out)) << c.out;
    }
    const struct {
        double in;
        const char* out;
    } doubles[] = {
        {0.1 + 0.2, "0.3"},
        {1 / 3.0, "0.333333333333333"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
        {-2.5, "-2.5"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {0.0, "0"},
        {double(6.13f), "6.13000011444092"},
    };
    for (const auto& c : doubles) {
        EXPECT_EQ(CStr(c.in), QString::fromLatin1(c.out)) << c.out;
    }
    EXPECT_EQ(CStr(QVariant(6.13f)), QStringLiteral("6.13"));
    EXPECT_EQ(CStr(QVariant(true)), QStringLiteral("True"));
    EXPECT_EQ(CStr(QVariant(qlonglong(-32768))), QStringLiteral("-32768"));
    EXPECT_EQ(CStr(QVariant::fromValue(Integer(12))), QStringLiteral("12"));
    EXPECT_EQ(CStr(Integer(-5)), QStringLiteral("-5"));
    EXPECT_EQ(CStr(int16_t(7)), QStringLiteral("7"));
    EXPECT_EQ(CStr(qlonglong(-1)), QStringLiteral("-1"));
    EXPECT_EQ(CStr(false), QStringLiteral("False"));
}

TEST(Conversions, ValReadsTheLeadingNumber)
{
    const struct {
        const char* in;
        double out;
    } cases[] = {
        {"2400", 2400},    {"12 ft", 12}, {" 1 2 3", 123}, {"1,000", 1},   {"abc", 0}, {"", 0},
        {"-3.5e2x", -350}, {".5", 0.5},   {"&H1F", 31},    {"1.2.3", 1.2}, {"7e", 7},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(Val(QString::fromLatin1(c.in)), c.out) << c.in;
    }
}

TEST(Integer, ArithmeticIsChecked)
{
    const std::function<void()> overflowing[] = {
        [] { Integer(32767) + Integer(1); },
        [] { Integer(-32768) - Integer(1); },
        [] { Integer(200) * Integer(200); },
        [] { -Integer(-32768); },
        [] { idiv(Integer(-32768), Integer(-1)); },
        [] { Integer::from(40000); },
        [] {
            Integer i(32000);
            i += Integer(1000);
        },
    };
    for (const auto& f : overflowing)
        EXPECT_EQ(errorOf(f), ErrOverflow);
    EXPECT_EQ(errorOf([] { idiv(Integer(1), Integer(0)); }), ErrDivisionByZero);
    EXPECT_EQ((Integer(32766) + Integer(1)).value(), 32767);
    EXPECT_EQ(idiv(Integer(-7), Integer(2)).value(), -3);
}

TEST(Integer, MixesWithPlainNumbers)
{
    const Integer bedrooms(4);
    EXPECT_TRUE(bedrooms == 4);
    EXPECT_TRUE(4 == bedrooms);
    EXPECT_TRUE(bedrooms != 5);
    EXPECT_TRUE(bedrooms < 5 && bedrooms >= 4 && 3 < bedrooms);
    EXPECT_TRUE(bedrooms > 3.5);
    EXPECT_EQ((bedrooms * 150).value(), 600);
    EXPECT_EQ((1 + bedrooms).value(), 5);
    EXPECT_DOUBLE_EQ(bedrooms * 1.5, 6.0);
    EXPECT_FLOAT_EQ(bedrooms * 0.25f, 1.0f);
    static_assert(std::is_same_v<decltype(bedrooms * 2), Integer>);
    static_assert(std::is_same_v<decltype(bedrooms * 2.0f), float>);
    Integer area(2000);
    area += 500;
    EXPECT_EQ(area.value(), 2500);
    EXPECT_EQ(errorOf([&] { area *= 20; }), ErrOverflow);
    EXPECT_EQ(errorOf([&] { area + 100000; }), ErrOverflow);
    EXPECT_EQ(area.value(), 2500); // a failed operation leaves the value alone
}
