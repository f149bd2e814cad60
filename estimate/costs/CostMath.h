#pragma once

#include "estimate/HouseSizes.h"
#include "runtime/vb/Integer.h"

#include <QString>

#include <array>
#include <cstddef>

// Small arithmetic shared by the cost categories.
namespace estimate::costs
{

// An amount held in single precision: every term is rounded to Single as it joins.
class SingleAmount
{
public:
    void add(float term) { m_value += term; }
    void add(double term) { m_value = static_cast<float>(static_cast<double>(m_value) + term); }
    float value() const { return m_value; }

private:
    float m_value = 0.0f;
};

inline float sng(vb::Integer v)
{
    return static_cast<float>(v.value());
}

inline double dbl(vb::Integer v)
{
    return static_cast<double>(v.value());
}

// A quantity that stale answers drive below zero is priced as nothing.
inline vb::Integer notNegative(vb::Integer v)
{
    return v.value() < 0 ? vb::Integer() : v;
}

inline double notNegative(double v)
{
    return v < 0.0 ? 0.0 : v;
}

using estimate::garageSqFt;

// A full (3) or partial (4) basement.
inline bool hasBasement(int foundationType)
{
    return foundationType == 3 || foundationType == 4;
}

// Adds the listed prices one after the other; unused slots hold 0.
template <std::size_t N> void addEach(double& amount, const std::array<float, N>& prices)
{
    for (float price : prices)
        amount += price;
}

// The rate of a table indexed by an answer code; a code outside the table prices at 0.
template <std::size_t N> float rateFor(const float (&table)[N], vb::Integer code)
{
    const int i = code.value();
    return i >= 0 && i < int(N) ? table[i] : 0.0f;
}

// The rate of a text code in a table of {code, rate} rows; an unlisted code prices at 0.
template <typename Row, std::size_t N> double rateFor(const std::array<Row, N>& table, const QString& code)
{
    for (const Row& row : table) {
        if (row.code == code) return row.rate;
    }
    return 0.0;
}

// The row of a price table whose key column holds value; an unlisted value gives the all-zero row.
template <typename Row, std::size_t N, typename Key>
Row rowFor(const std::array<Row, N>& table, Key Row::*key, int value)
{
    for (const Row& row : table) {
        if (static_cast<int>(row.*key) == value) return row;
    }
    return Row{};
}

// One price per quality grade 1..4; any other grade prices at 0.
using GradePrices = std::array<float, 4>;

inline float byGrade(const GradePrices& prices, int grade)
{
    return grade >= 1 && grade <= 4 ? prices[static_cast<std::size_t>(grade - 1)] : 0.0f;
}

} // namespace estimate::costs
