#include "estimate/clsHomeData.h"
#include "estimate/costs/CostMath.h"

using estimate::costs::byGrade;
using estimate::costs::dbl;
using estimate::costs::garageSqFt;
using estimate::costs::GradePrices;
using estimate::costs::hasBasement;
using estimate::costs::rowFor;
using estimate::costs::SingleAmount;
using estimate::costs::sng;

namespace
{

constexpr float kDrywallTrimRate = 1.91f;    // a square foot of floor
constexpr float kDrywallCeilingRate = 1.63f; // a square foot of floor

// Interior doors by grade: A a door, B a bedroom door, and an open room.
struct DoorPrices {
    int grade;
    float door;
    float bedroomDoor;
    float openRoom;
};
// clang-format off
constexpr std::array<DoorPrices, 4> kDoorPrices{{
    // grade  A        B        open room
    {1,       518.91f, 602.62f, 378.12f},
    {2,       533.41f, 637.62f, 378.12f},
    {3,       641.91f, 820.62f, 378.12f},
    {4,       682.64f, 889.61f, 378.12f},
}};
// clang-format on

// clang-format off
//                                  grade 1 grade 2 grade 3 grade 4
constexpr GradePrices kFlooringRate{2.45f,  3.22f,  4.27f,  5.74f};
constexpr vb::Integer kTreadsPerFlight{14};
constexpr float kTreadPrice = 9.45f;
// clang-format on

//                                grade 1   grade 2   grade 3   grade 4
constexpr GradePrices kFlightPrice{2159.45f, 2159.45f, 3183.52f, 3183.52f};
constexpr float kPlainBasementStair = 813.15f;

// Kitchen cabinets: a 20-foot run, 24 with an island, 4 more with a bar.
constexpr vb::Integer kCabinetRun{20};
constexpr vb::Integer kCabinetRunWithIsland{24};
constexpr vb::Integer kBarRun{4};
struct CabinetPrices {
    int grade;
    float base;
    float perFoot;
};
// clang-format off
constexpr std::array<CabinetPrices, 4> kCabinetPrices{{
    // grade  base     per foot
    {1,       2853.0f, 123.34f},
    {2,       4219.8f, 167.74f},
    {3,       5401.9f, 327.74f},
    {4,       6427.0f, 445.72f},
}};
// clang-format on

// Wall board by floor area; the ceiling board also covers an unfinished garage.
float drywall(const clsHomeData& r, float rate, bool unfinishedGarage)
{
    const int floors = r.NumFloors();
    SingleAmount amount;
    amount.add(sng(r.MainFloorSqFt()) * rate);
    if (floors > 1) amount.add(sng(r.SecondFloorSqFt()) * rate);
    if (r.FinishBonusRoom()) amount.add(sng(r.BonusRoomSqFt()) * rate);
    if (floors > 2) amount.add(sng(r.ThirdFloorSqFt()) * rate);
    if (unfinishedGarage || r.FinishGarage()) amount.add(sng(garageSqFt(r.NumCarGarage())) * rate);
    if (r.FinishBasement()) amount.add(sng(r.BasementSqFt()) * rate);
    return amount.value();
}

} // namespace

double clsHomeData::DrywallTrim() const
{
    ComputeScope scope(*this);
    return static_cast<double>(drywall(*this, kDrywallTrimRate, false)) * LocationFactor();
}

double clsHomeData::DrywallCeiling() const
{
    ComputeScope scope(*this);
    return static_cast<double>(drywall(*this, kDrywallCeilingRate, true)) * LocationFactor();
}

double clsHomeData::InteriorDoors() const
{
    ComputeScope scope(*this);
    const DoorPrices prices = rowFor(kDoorPrices, &DoorPrices::grade, DefaultGrade());
    SingleAmount amount;
    amount.add(sng(CountBedroomDoors()) * prices.bedroomDoor);
    amount.add(sng(CountInteriorDoors()) * prices.door);
    amount.add(sng(CountOpenRooms()) * prices.openRoom);
    return static_cast<double>(amount.value()) * LocationFactor();
}

double clsHomeData::Flooring() const
{
    ComputeScope scope(*this);
    const float rate = byGrade(kFlooringRate, DefaultGrade());
    const int floors = NumFloors();
    vb::Integer treads;
    SingleAmount amount;
    amount.add(sng(MainFloorSqFt()) * rate);
    if (floors > 1) {
        amount.add(sng(SecondFloorSqFt()) * rate);
        treads = kTreadsPerFlight;
    }
    if (FinishBonusRoom()) amount.add(sng(BonusRoomSqFt()) * rate);
    if (floors > 2) {
        amount.add(sng(ThirdFloorSqFt()) * rate);
        treads += kTreadsPerFlight;
    }
    if (FinishBasement()) {
        amount.add(sng(BasementSqFt()) * rate);
        treads += kTreadsPerFlight;
    }
    amount.add(sng(treads) * kTreadPrice);
    return static_cast<double>(amount.value()) * LocationFactor();
}

double clsHomeData::Stairways() const
{
    ComputeScope scope(*this);
    const float flight = byGrade(kFlightPrice, DefaultGrade());
    const int floors = NumFloors();
    SingleAmount amount;
    if (floors > 1) amount.add(flight);
    if (floors > 2) amount.add(flight);
    // A ranch reaches its bonus room by a stair of its own.
    if (rmBonusRoom() && Style().value() == 1) amount.add(flight);
    if (hasBasement(FoundationType())) amount.add(FinishBasement() ? flight : kPlainBasementStair);
    return static_cast<double>(amount.value()) * LocationFactor();
}

double clsHomeData::Kitchen() const
{
    ComputeScope scope(*this);
    vb::Integer feet = KitchenIsland() ? kCabinetRunWithIsland : kCabinetRun;
    if (KitchenBar()) feet += kBarRun;
    const CabinetPrices prices = rowFor(kCabinetPrices, &CabinetPrices::grade, DefaultGrade());
    return (dbl(feet) * prices.perFoot + prices.base) * LocationFactor();
}
