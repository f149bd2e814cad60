#pragma once

#include <cstdint>

namespace vb
{

// The runtime's random numbers: one generator for the process.
// Seeds the generator from the current date and time.
void Randomize();
// Seeds the generator with a fixed value, so a sequence can be repeated.
void Randomize(uint64_t seed);
// The next uniform random number, from 0 up to but not including 1.
float Rnd();

} // namespace vb
