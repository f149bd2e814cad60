#include "estimate/clsHomeData.h"
#include "estimate/costs/CostMath.h"

#include "runtime/vb/VbError.h"

#include <cmath>

// Permits, site work and utilities. Unit prices are single-precision constants; every category
// ends with the location factor.

namespace
{

// Clearing rate per square foot by LotCondition.
constexpr float kClearingRate[] = {0.023f, 0.059f, 0.084f};
// Driveway rate per square foot by DrivewayTreatment: concrete, asphalt, gravel.
constexpr float kDrivewayRate[] = {3.57f, 1.74f, 1.21f};
// A driveway lane is 10 feet wide; the apron before the garage is 25 feet deep, a lane a car.
constexpr int16_t kLaneWidth = 10;
constexpr int16_t kApronDepth = 25;
// Water and sewer lines run 15 feet past the distance to the street.
constexpr int16_t kServiceRunBeyondStreet = 15;

// The length of a water or sewer line, in checked 16-bit arithmetic, widened to Single.
float serviceRun(vb::Integer distanceToStreet)
{
    return (distanceToStreet + vb::Integer(kServiceRunBeyondStreet)).value();
}

} // namespace

using estimate::costs::rateFor;

double clsHomeData::Permits() const
{
    const ComputeScope scope(*this);
    float fees = 850.0f;
    fees += 400.0f;
    fees += 400.0f;
    fees += 100.0f;
    fees += 375.0f;
    if (WaterType().value() == 0) fees += 100.0f;
    if (SewerType().value() == 0) {
        fees += 1600.0f;
        fees += 200.0f;
    } else {
        fees += 400.0f;
    }
    return static_cast<float>(double(fees) * double(LocationFactor()));
}

double clsHomeData::LotClearing() const
{
    const ComputeScope scope(*this);
    const double rate = rateFor(kClearingRate, LotCondition());
    const double footprint = CalculateSquareFt(2);
    if (footprint < 0) throw vb::VbError::invalidCall();
    const double side = std::sqrt(footprint) + 60;
    return side * side * rate * double(LocationFactor());
}

double clsHomeData::Landscaping() const
{
    const ComputeScope scope(*this);
    return double(LotSize()) * double(7777.0f) * double(LocationFactor());
}

double clsHomeData::Excavate() const
{
    const ComputeScope scope(*this);
    constexpr double rate = 1.14f;
    return (double(CrawlExcavationYards()) * rate + double(SlabExcavationYards()) * rate +
            double(BasementExcavationYards()) * rate) *
           double(LocationFactor());
}

double clsHomeData::Backfill() const
{
    const ComputeScope scope(*this);
    const double yards =
        double(CrawlExcavationYards()) + double(SlabExcavationYards()) + double(BasementExcavationYards());
    return yards * 0.5 * double(1.04f) * double(LocationFactor());
}

// Priced as the backfill: half the excavated volume at the same rate.
double clsHomeData::RoughGrade() const
{
    return Backfill();
}

double clsHomeData::TrenchSewer() const
{
    const ComputeScope scope(*this);
    if (SewerType().value() != 0) return 0;
    const float run = serviceRun(DistanceToStreet());
    return double(run) * double(36.23f) * double(LocationFactor());
}

double clsHomeData::WaterService() const
{
    const ComputeScope scope(*this);
    if (WaterType().value() != 0) return double(3213.0f) * double(LocationFactor());
    const float run = serviceRun(DistanceToStreet());
    return double(run) * double(17.68f) * double(LocationFactor());
}

double clsHomeData::Sidewalks() const
{
    const ComputeScope scope(*this);
    if (!SidewalksRequired()) return 0;
    const vb::Integer length = LotWidth() + vb::Integer(20);
    float amount = static_cast<float>(double(length) * double(3.14f) * 3);
    if (CornerLot()) amount = static_cast<float>(double(amount) * 2);
    return double(amount) * double(LocationFactor());
}

double clsHomeData::Driveway() const
{
    const ComputeScope scope(*this);
    const double rate = rateFor(kDrivewayRate, DrivewayTreatment());
    const vb::Integer cars = NumCarGarage();
    const double apron = double(cars * vb::Integer(kLaneWidth) * vb::Integer(kApronDepth)) * rate;
    // The strip is worked in 32 bits: a long drive must not overflow.
    const int32_t distance = DistanceToStreet().value();
    const int32_t lanes = distance > 60 ? 1 : (cars.value() >= 2 ? 2 : 1);
    const double strip = double(lanes * (distance - kApronDepth) * kLaneWidth) * rate;
    return (apron + strip) * double(LocationFactor());
}

double clsHomeData::SepticSystem() const
{
    const ComputeScope scope(*this);
    if (SewerType().value() != 1) return 0;
    const vb::Integer fixtures = NumBedrooms() + NumFullBath() + NumHalfBath();
    const float price = fixtures.value() > 6 ? 9555.5f : 4788.85f;
    return double(price) * double(LocationFactor());
}
