#include "estimate/clsHomeData.h"
#include "estimate/ExteriorCodes.h"
#include "estimate/costs/CostMath.h"

#include <QStringView>

using estimate::costs::byGrade;
using estimate::costs::dbl;
using estimate::costs::garageSqFt;
using estimate::costs::GradePrices;
using estimate::costs::notNegative;
using estimate::costs::rateFor;
using estimate::costs::rowFor;
using estimate::costs::SingleAmount;
using estimate::costs::sng;

namespace
{

// Siding by the exterior text code, a square foot of wall.
struct SidingRate {
    QStringView code;
    float rate;
};
// clang-format off
constexpr std::array<SidingRate, 3> kSecondaryRates{{
    {estimate::kAluminum, 4.72f},
    {estimate::kVinyl,    3.83f},
    {estimate::kWood,     4.65f},
}};
constexpr std::array<SidingRate, 4> kPrimaryRates{{
    {estimate::kAluminum, 4.72f},
    {estimate::kVinyl,    3.83f},
    {estimate::kWood,     4.65f},
    {estimate::kStucco,   10.59f},
}};
constexpr float kBrickRate = 10.01f;
// clang-format on

// The wall areas of the exterior: the main wall is footprint / 8 times the ceiling height,
// the upper walls are the upper floor areas themselves.
struct Walls {
    double e;           // footprint / 8
    vb::Integer height; // main ceiling height
    double main;        // e x height
    double second;
    double third;

    // The main and both upper walls, priced one after the other.
    double all(double rate) const { return main * rate + second * rate + third * rate; }
    double upper(double rate) const { return second * rate + third * rate; }
};

using BrickAmount = double (*)(const Walls&, double primary, double secondary);
struct BrickRow {
    int configuration;
    BrickAmount amount;
};
// clang-format off
constexpr std::array<BrickRow, 6> kBrickRows{{
    {estimate::kNoBrick, [](const Walls& w, double primary, double) { return w.all(primary); }},
    {estimate::kFullBrick, [](const Walls& w, double, double) { return w.all(kBrickRate); }},
    {estimate::kFrontOnly, [](const Walls& w, double, double secondary) { return w.all(kBrickRate) * 0.3 + w.all(secondary) * 0.7; }},
    {estimate::kFrontAndSides, [](const Walls& w, double, double secondary) { return w.all(kBrickRate) * 0.7 + w.all(secondary) * 0.3; }},
    {estimate::kMainFloorOnly, [](const Walls& w, double, double secondary) { return w.main * kBrickRate + w.upper(secondary); }},
    // brick to 3 feet, the secondary material above
    {estimate::kPartialBrick, [](const Walls& w, double, double secondary) {
         const vb::Integer above = w.height - vb::Integer(3);
         return w.e * 3.0 * kBrickRate + w.e * dbl(above) * secondary + w.upper(secondary);
     }},
}};
// clang-format on

constexpr float kInsulationRate = 0.45f;
constexpr float kWindowPrice = 459.3f;
constexpr int kExteriorDoorCount = 4;

// clang-format off
//                                      grade 1  grade 2  grade 3  grade 4
constexpr GradePrices kExteriorDoorPrice{617.83f, 787.83f, 938.33f, 1311.83f};
// clang-format on

// A three- or four-car garage has a double door plus a single door.
struct GarageDoorPrice {
    int cars;
    float doors;
    float singleDoor;
};
// clang-format off
constexpr std::array<GarageDoorPrice, 4> kGarageDoorPrices{{
    {1, 1478.77f, 0.0f},
    {2, 1921.08f, 0.0f},
    {3, 2501.85f, 898.0f},
    {4, 2944.16f, 898.0f},
}};
// clang-format on

// Roof covering, a square foot of footprint; grades 3 and 4 share one rate.
struct RoofingRates {
    int hip; // 0 gable, 1 hip
    int pitch;
    GradePrices byGrade;
};
// clang-format off
constexpr std::array<RoofingRates, 8> kRoofingRates{{
    // roof    pitch  grade 1 grade 2 grade 3 grade 4
    {0,        4,     {2.66f, 2.95f, 3.28f, 3.28f}},
    {0,        8,     {2.74f, 3.05f, 3.42f, 3.42f}},
    {0,        10,    {2.78f, 3.1f,  3.5f,  3.5f}},
    {0,        12,    {2.83f, 3.16f, 3.57f, 3.57f}},
    {1,        4,     {3.34f, 3.72f, 4.18f, 4.18f}},
    {1,        8,     {3.61f, 4.06f, 4.59f, 4.59f}},
    {1,        10,    {3.77f, 4.26f, 4.83f, 4.83f}},
    {1,        12,    {3.93f, 4.47f, 5.08f, 5.08f}},
}};
// clang-format on

} // namespace

double clsHomeData::ExteriorTreatment() const
{
    ComputeScope scope(*this);
    const double secondary = rateFor(kSecondaryRates, ExteriorSecondary());
    const double primary = rateFor(kPrimaryRates, ExteriorPrimary());
    Walls walls;
    walls.e = dbl(CalculateSquareFt(2)) / 8.0;
    walls.height = MainCeilingHeight();
    walls.main = walls.e * dbl(walls.height);
    walls.second = dbl(SecondFloorSqFt());
    walls.third = dbl(ThirdFloorSqFt());
    const BrickRow row = rowFor(kBrickRows, &BrickRow::configuration, BrickConfiguration());
    const double amount = row.amount ? row.amount(walls, primary, secondary) : 0.0;
    return amount * LocationFactor();
}

double clsHomeData::Insulation() const
{
    ComputeScope scope(*this);
    const int floors = NumFloors();
    const vb::Integer mainFloor = MainFloorSqFt();
    const vb::Integer basement = BasementSqFt();
    SingleAmount amount;
    amount.add(HousePerimeter() * dbl(MainCeilingHeight()) * kInsulationRate);
    if (floors > 1) amount.add(sng(SecondFloorSqFt()) * kInsulationRate);
    if (FinishBonusRoom()) amount.add(sng(BonusRoomSqFt()) * kInsulationRate);
    if (floors > 2) amount.add(sng(ThirdFloorSqFt()) * kInsulationRate);
    if (FinishGarage()) amount.add(sng(garageSqFt(NumCarGarage())) * kInsulationRate);
    if (FinishBasement()) amount.add(sng(basement) * kInsulationRate);
    // The floor over the crawl space, at half rate.
    amount.add(dbl(notNegative(mainFloor - basement)) * 0.5 * kInsulationRate);
    amount.add(sng(mainFloor) * 0.16f * 10.0f);
    return static_cast<double>(amount.value()) * LocationFactor();
}

double clsHomeData::Windows() const
{
    ComputeScope scope(*this);
    return dbl(CountWindows()) * kWindowPrice * LocationFactor();
}

double clsHomeData::ExteriorDoors() const
{
    ComputeScope scope(*this);
    return kExteriorDoorCount * static_cast<double>(byGrade(kExteriorDoorPrice, DefaultGrade())) *
           LocationFactor();
}

double clsHomeData::GarageDoors() const
{
    ComputeScope scope(*this);
    const GarageDoorPrice price = rowFor(kGarageDoorPrices, &GarageDoorPrice::cars, NumCarGarage());
    return (static_cast<double>(price.doors) + price.singleDoor) * LocationFactor();
}

double clsHomeData::Roofing() const
{
    ComputeScope scope(*this);
    const float footprint = sng(CalculateSquareFt(2));
    const int hip = RoofStyle().value() == 0 ? 0 : 1;
    const int pitch = RoofPitch();
    const int grade = DefaultGrade();
    float rate = 0.0f;
    for (const RoofingRates& row : kRoofingRates) {
        if (row.hip == hip && row.pitch == pitch) rate = byGrade(row.byGrade, grade);
    }
    // Not a single-precision amount: the product of the two Single values is kept in double.
    return static_cast<double>(footprint) * rate * LocationFactor();
}
