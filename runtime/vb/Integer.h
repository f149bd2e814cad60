#pragma once

#include "runtime/vb/VbError.h"

#include <compare>
#include <cstdint>
#include <type_traits>

namespace vb
{

template <typename T>
concept WholeNumber = std::is_integral_v<T> && !std::is_same_v<T, bool>;
template <typename T>
concept Fraction = std::is_floating_point_v<T>;

// The 16-bit Integer: every operation is checked and raises error 6 outside -32768..32767.
class Integer
{
public:
    constexpr Integer() = default;
    // From a whole number only (a fraction needs CInt); checked like every other operation.
    template <WholeNumber T> constexpr Integer(T v) : m_v(static_cast<int16_t>(v))
    {
        if (wide(v) < -32768 || wide(v) > 32767) throw VbError::overflow();
    }
    template <typename T>
        requires std::is_enum_v<T>
    constexpr Integer(T v) : Integer(static_cast<std::underlying_type_t<T>>(v))
    {
    }
    // Checked narrowing from a wider whole number.
    static Integer from(long long v)
    {
        if (v < -32768 || v > 32767) throw VbError::overflow();
        return Integer(static_cast<int16_t>(v));
    }

    constexpr int16_t value() const { return m_v; }
    constexpr operator int16_t() const { return m_v; }

    friend Integer operator+(Integer a, Integer b) { return from(long(a.m_v) + b.m_v); }
    friend Integer operator-(Integer a, Integer b) { return from(long(a.m_v) - b.m_v); }
    friend Integer operator*(Integer a, Integer b) { return from(long(a.m_v) * b.m_v); }
    Integer operator-() const { return from(-long(m_v)); }
    Integer& operator+=(Integer b) { return *this = *this + b; }
    Integer& operator-=(Integer b) { return *this = *this - b; }
    Integer& operator*=(Integer b) { return *this = *this * b; }
    // Integer division (the "\" operator): truncates toward zero.
    friend Integer idiv(Integer a, Integer b)
    {
        if (b.m_v == 0) throw VbError::divisionByZero();
        return from(long(a.m_v) / b.m_v);
    }

    friend constexpr bool operator==(Integer a, Integer b) { return a.m_v == b.m_v; }
    friend constexpr auto operator<=>(Integer a, Integer b) { return a.m_v <=> b.m_v; }

    // Mixed with a plain whole number (a literal such as 150): the result is a checked Integer.
    template <WholeNumber T> friend Integer operator+(Integer a, T b) { return from(wide(a) + wide(b)); }
    template <WholeNumber T> friend Integer operator+(T a, Integer b) { return from(wide(a) + wide(b)); }
    template <WholeNumber T> friend Integer operator-(Integer a, T b) { return from(wide(a) - wide(b)); }
    template <WholeNumber T> friend Integer operator-(T a, Integer b) { return from(wide(a) - wide(b)); }
    template <WholeNumber T> friend Integer operator*(Integer a, T b) { return from(wide(a) * wide(b)); }
    template <WholeNumber T> friend Integer operator*(T a, Integer b) { return from(wide(a) * wide(b)); }
    template <WholeNumber T> Integer& operator+=(T b) { return *this = *this + b; }
    template <WholeNumber T> Integer& operator-=(T b) { return *this = *this - b; }
    template <WholeNumber T> Integer& operator*=(T b) { return *this = *this * b; }

    // Mixed with a floating-point number: floating-point arithmetic, as Integer * Single.
    template <Fraction T> friend T operator+(Integer a, T b) { return T(a.m_v) + b; }
    template <Fraction T> friend T operator+(T a, Integer b) { return a + T(b.m_v); }
    template <Fraction T> friend T operator-(Integer a, T b) { return T(a.m_v) - b; }
    template <Fraction T> friend T operator-(T a, Integer b) { return a - T(b.m_v); }
    template <Fraction T> friend T operator*(Integer a, T b) { return T(a.m_v) * b; }
    template <Fraction T> friend T operator*(T a, Integer b) { return a * T(b.m_v); }

    // "/" divides as floating point, as the language's "/" does; "\\" is idiv.
    friend double operator/(Integer a, Integer b) { return double(a.m_v) / double(b.m_v); }
    template <WholeNumber T> friend double operator/(Integer a, T b) { return double(a.m_v) / double(b); }
    template <WholeNumber T> friend double operator/(T a, Integer b) { return double(a) / double(b.m_v); }
    template <Fraction T> friend T operator/(Integer a, T b) { return T(a.m_v) / b; }
    template <Fraction T> friend T operator/(T a, Integer b) { return a / T(b.m_v); }

    // Comparisons with any number compare the values (no conversion, no overflow).
    template <WholeNumber T> friend constexpr bool operator==(Integer a, T b) { return wide(a) == wide(b); }
    template <WholeNumber T> friend constexpr auto operator<=>(Integer a, T b) { return wide(a) <=> wide(b); }
    template <Fraction T> friend constexpr bool operator==(Integer a, T b) { return T(a.m_v) == b; }
    template <Fraction T> friend constexpr auto operator<=>(Integer a, T b) { return T(a.m_v) <=> b; }

private:
    static constexpr long long wide(Integer v) { return v.m_v; }
    template <WholeNumber T> static constexpr long long wide(T v)
    {
        if constexpr (std::is_unsigned_v<T> && sizeof(T) >= sizeof(long long))
            return v > static_cast<T>(0x7FFFFFFFFFFFFFFFull) ? 0x7FFFFFFFFFFFFFFFll
                                                             : static_cast<long long>(v);
        else
            return static_cast<long long>(v);
    }

    int16_t m_v = 0;
};

} // namespace vb
