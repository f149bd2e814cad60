#pragma once

#include "runtime/vb/Integer.h"

// Sizes that the house model, the cost categories and the pages' checks share.
namespace estimate
{

// A garage takes 250 square feet a car.
inline constexpr vb::Integer kGarageSqFtPerCar{250};

// Garage floor area in checked 16-bit arithmetic.
inline vb::Integer garageSqFt(vb::Integer cars)
{
    return cars * kGarageSqFtPerCar;
}

} // namespace estimate
