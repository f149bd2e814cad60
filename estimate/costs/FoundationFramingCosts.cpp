#include "estimate/clsHomeData.h"
#include "estimate/costs/CostMath.h"

using estimate::costs::dbl;
using estimate::costs::garageSqFt;
using estimate::costs::hasBasement;
using estimate::costs::notNegative;
using estimate::costs::rowFor;
using estimate::costs::SingleAmount;
using estimate::costs::sng;

namespace
{

constexpr float kFootingRate = 9.98f;      // a linear foot of footing
constexpr float kBlockWallRate = 8.05f;    // a linear foot of block wall, three courses
constexpr float kBasementWallRate = 8.6f;  // a square foot of basement wall
constexpr float kSlabRate = 2.63f;         // a square foot of concrete slab
constexpr float kFloorSystemRate = 3.36f;  // a square foot of framed floor
constexpr float kExteriorWallRate = 2.29f; // a square foot of floor
constexpr float kInteriorWallRate = 1.25f; // a square foot of floor

// The floor over a basement and the bonus-room floor are each priced in three parts.
constexpr std::array<float, 3> kBasementFloorParts{1.2f, 3.87f, 0.18f};
constexpr std::array<float, 3> kBonusFloorParts{kFloorSystemRate, 1.0f, 0.18f};

constexpr float kHeaderBase = 52.88f;
constexpr float kWindowHeader = 21.05f;
constexpr float kDoorHeader = 13.22f;

// Roof framing, a square foot of footprint.
struct RoofSystemRates {
    int pitch;
    float gableSmall; // footprint under 2500
    float gableLarge; // 2500 and more
    float hipSmall;
    float hipLarge;
};
constexpr int kLargeRoof = 2500;
// clang-format off
constexpr std::array<RoofSystemRates, 4> kRoofSystemRates{{
    // pitch  gable <2500  gable >=2500  hip <2500  hip >=2500
    {4,       4.68f,       5.44f,        5.92f,     6.84f},
    {8,       5.31f,       6.29f,        7.77f,     8.98f},
    {10,      5.69f,       6.72f,        10.12f,    11.3f},
    {12,      6.09f,       7.36f,        11.43f,    12.82f},
}};
// clang-format on

} // namespace

double clsHomeData::Footings() const
{
    ComputeScope scope(*this);
    return static_cast<double>(FootingLength()) * kFootingRate * LocationFactor();
}

double clsHomeData::BlockWalls() const
{
    ComputeScope scope(*this);
    // The difference of the two single-precision lengths is formed in double precision.
    const double wallLength =
        notNegative(static_cast<double>(FootingLength()) - static_cast<double>(BasementPerimeter()));
    return wallLength * 3.0 * kBlockWallRate * LocationFactor();
}

double clsHomeData::BasementWalls() const
{
    ComputeScope scope(*this);
    if (!hasBasement(FoundationType())) return 0.0;
    return dbl(BasementCeilingHeight()) * BasementPerimeter() * kBasementWallRate * LocationFactor();
}

double clsHomeData::SlabFloors() const
{
    ComputeScope scope(*this);
    const int type = FoundationType();
    SingleAmount amount;
    if (type == 2) amount.add(sng(MainFloorSqFt()) * kSlabRate);
    if (hasBasement(type)) amount.add(sng(BasementSqFt()) * kSlabRate);
    amount.add(sng(garageSqFt(NumCarGarage())) * kSlabRate);
    amount.add(sng(FrontPorchSqFt()) * kSlabRate);
    amount.add(sng(RearPorchSqFt()) * kSlabRate);
    return static_cast<double>(amount.value()) * LocationFactor();
}

double clsHomeData::FloorSystems() const
{
    ComputeScope scope(*this);
    const int type = FoundationType();
    const vb::Integer basement = BasementSqFt();
    SingleAmount amount;
    if (hasBasement(type)) {
        for (float rate : kBasementFloorParts)
            amount.add(sng(basement) * rate);
    }
    if (type == 1 || type == 4) amount.add(sng(notNegative(MainFloorSqFt() - basement)) * kFloorSystemRate);
    const int floors = NumFloors();
    if (floors > 1) amount.add(sng(SecondFloorSqFt()) * kFloorSystemRate);
    if (floors > 2) amount.add(sng(ThirdFloorSqFt()) * kFloorSystemRate);
    if (rmBonusRoom()) {
        const float bonus = sng(BonusRoomSqFt());
        for (float rate : kBonusFloorParts)
            amount.add(bonus * rate);
    }
    return static_cast<double>(amount.value()) * LocationFactor();
}

double clsHomeData::ExteriorWalls() const
{
    ComputeScope scope(*this);
    const int floors = NumFloors();
    SingleAmount amount;
    amount.add(sng(MainFloorSqFt()) * kExteriorWallRate);
    if (floors > 1) amount.add(sng(SecondFloorSqFt()) * kExteriorWallRate);
    if (floors > 2) amount.add(sng(ThirdFloorSqFt()) * kExteriorWallRate);
    amount.add(sng(garageSqFt(NumCarGarage())) * kExteriorWallRate);
    return static_cast<double>(amount.value()) * LocationFactor();
}

double clsHomeData::InteriorWalls() const
{
    ComputeScope scope(*this);
    const int floors = NumFloors();
    SingleAmount amount;
    amount.add(sng(MainFloorSqFt()) * kInteriorWallRate);
    if (floors > 1) amount.add(sng(SecondFloorSqFt()) * kInteriorWallRate);
    if (FinishBonusRoom()) amount.add(sng(BonusRoomSqFt()) * kInteriorWallRate * 0.5);
    if (floors > 2) amount.add(sng(ThirdFloorSqFt()) * kInteriorWallRate);
    if (FinishBasement()) amount.add(sng(BasementSqFt()) * kInteriorWallRate);
    return static_cast<double>(amount.value()) * LocationFactor();
}

double clsHomeData::Headers() const
{
    ComputeScope scope(*this);
    SingleAmount amount;
    amount.add(kHeaderBase);
    amount.add(sng(CountWindows()) * kWindowHeader);
    amount.add(sng(CountInteriorDoors()) * kDoorHeader);
    amount.add(sng(CountBedroomDoors()) * kDoorHeader);
    amount.add(sng(CountOpenRooms()) * kDoorHeader);
    return static_cast<double>(amount.value()) * LocationFactor();
}

double clsHomeData::RoofSystems() const
{
    ComputeScope scope(*this);
    const vb::Integer footprint = CalculateSquareFt(2);
    const RoofSystemRates rates = rowFor(kRoofSystemRates, &RoofSystemRates::pitch, RoofPitch());
    const bool large = footprint.value() >= kLargeRoof;
    const bool gable = RoofStyle().value() == 0;
    const float rate =
        gable ? (large ? rates.gableLarge : rates.gableSmall) : (large ? rates.hipLarge : rates.hipSmall);
    return dbl(footprint) * static_cast<double>(rate) * LocationFactor();
}
