#pragma once

#include "runtime/vb/VbError.h"

#include <compare>
#include <cstdint>

namespace vb {

// The 16-bit Integer: every operation is checked and raises error 6 outside -32768..32767.
class Integer {
public:
    constexpr Integer() = default;
    constexpr Integer(int16_t v) : m_v(v) {}
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
        if (b.m_v == 0) throw VbError(11, QStringLiteral("Division by zero"));
        return from(long(a.m_v) / b.m_v);
    }

    friend constexpr bool operator==(Integer a, Integer b) { return a.m_v == b.m_v; }
    friend constexpr auto operator<=>(Integer a, Integer b) { return a.m_v <=> b.m_v; }

private:
    int16_t m_v = 0;
};

} // namespace vb
