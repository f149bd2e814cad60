#include "runtime/vb/Random.h"

#include <QDateTime>

#include <random>

namespace vb
{

namespace
{

std::mt19937& generator()
{
    static std::mt19937 g(5489u);
    return g;
}

} // namespace

void Randomize()
{
    Randomize(static_cast<uint64_t>(QDateTime::currentDateTime().toMSecsSinceEpoch()));
}

void Randomize(uint64_t seed)
{
    std::seed_seq seq{static_cast<uint32_t>(seed), static_cast<uint32_t>(seed >> 32)};
    generator().seed(seq);
}

float Rnd()
{
    // 24 random bits fill a float's mantissa exactly, so 1 itself never comes out.
    return static_cast<float>(generator()() >> 8) * (1.0f / 16777216.0f);
}

} // namespace vb
