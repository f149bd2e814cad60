#include "estimate/clsHomeData.h"
#include "estimate/costs/CostMath.h"

#include <limits>

using estimate::costs::addEach;
using estimate::costs::dbl;
using estimate::costs::hasBasement;
using estimate::costs::notNegative;
using estimate::costs::rowFor;

namespace
{

// Electric and geothermal heat by living area; each band includes its upper bound.
struct HeatPumpBand {
    int upTo;
    float electric;
    float geothermal;
};
constexpr int kOpenEnd = std::numeric_limits<int>::max();
// clang-format off
constexpr std::array<HeatPumpBand, 7> kHeatPumpBands{{
    // living area up to  electric  geothermal
    {1600,                8694.0f,  9522.0f},
    {2000,                9522.0f,  10246.5f},
    {2400,                11488.5f, 12213.0f},
    {2900,                14904.0f, 15214.5f},
    {3600,                15835.0f, 17388.0f},
    {4200,                17388.0f, 19044.0f},
    {kOpenEnd,            18216.0f, 19768.5f},
}};
// clang-format on

// Gas heat by living area; each band includes its lower bound. The bands from 3000 up
// price two systems. Items add left to right; unused slots hold 0.
struct GasBand {
    int from;
    std::array<float, 1> baseNoAC;
    std::array<float, 3> baseAC;
    std::array<float, 3> economyGrades; // grades 1 and 2
    std::array<float, 2> otherGrades;   // then g
    std::array<float, 8> bandItems;
    std::array<float, 2> closing;
};
constexpr int kBottom = std::numeric_limits<int>::min();
// clang-format off
constexpr std::array<GasBand, 8> kGasBands{{
    // from  no AC     with AC                   grades 1, 2            other grades       band items                                                        closing
    {4400,  {3459.0f}, {38.0f, 10515.0f, 368.0f}, {687.0f, 687.0f, 73.0f}, {1805.0f, 1805.0f}, {925.0f, 1370.0f, 1055.0f, 1210.0f, 462.6f, 514.0f, 415.0f, 500.0f}, {82.0f, 82.0f}},
    {4000,  {2582.0f}, {38.0f, 9830.0f, 368.0f},  {687.0f, 687.0f, 73.0f}, {1805.0f, 1805.0f}, {925.0f, 925.0f, 1055.0f, 1055.0f, 462.6f, 462.6f, 415.0f, 415.0f}, {82.0f, 82.0f}},
    {3500,  {2310.0f}, {38.0f, 9430.0f, 368.0f},  {589.0f, 687.0f, 73.0f}, {1523.0f, 1805.0f}, {740.0f, 925.0f, 696.0f, 1055.0f, 444.0f, 462.6f, 355.0f, 415.0f},   {82.0f, 82.0f}},
    {3000,  {2038.0f}, {38.0f, 9030.0f, 368.0f},  {589.0f, 589.0f, 73.0f}, {1523.0f, 1523.0f}, {740.0f, 740.0f, 696.0f, 696.0f, 444.0f, 444.0f, 355.0f, 355.0f},     {82.0f, 82.0f}},
    {2400,  {2168.0f}, {6628.0f},                 {687.0f, 73.0f},         {1805.0f},          {1370.0f, 1210.0f, 514.0f, 500.0f},                                {82.0f}},
    {2000,  {1291.0f}, {5803.0f},                 {687.0f, 73.0f},         {1805.0f},          {925.0f, 1055.0f, 462.6f, 415.0f},                                 {82.0f}},
    {1500,  {1019.0f}, {5118.0f},                 {589.0f, 73.0f},         {1523.0f},          {740.0f, 696.0f, 444.0f, 355.0f},                                  {82.0f}},
    {kBottom, {1019.0f}, {4718.0f},               {589.0f, 73.0f},         {1523.0f},          {629.0f, 579.0f, 355.2f, 284.0f},                                  {82.0f}},
}};
// clang-format on
constexpr float kGradeThreeG = 132.0f;
constexpr float kOtherGradeG = 239.0f;

// Electrical prices by grade: the panel and each circuit of kinds G, K and R.
struct CircuitPrices {
    int grade;
    float panel;
    float eachG;
    float eachK;
    float eachR;
};
// clang-format off
constexpr std::array<CircuitPrices, 4> kCircuitPrices{{
    // grade  panel   each G  each K  each R
    {1,       80.2f,  72.0f,  88.0f,  72.0f},
    {2,       80.2f,  72.0f,  110.0f, 85.0f},
    {3,       251.6f, 72.0f,  132.0f, 112.0f},
    {4,       251.6f, 72.0f,  132.0f, 112.0f},
}};
// clang-format on

constexpr float kGasServiceWithAC = 1487.0f;
constexpr float kGasService = 798.4f;
constexpr float kHeatPumpService = 5853.6f;
constexpr float kDevice = 39.9f;

struct OpenerPrice {
    int grade;
    float opener;
};
constexpr std::array<OpenerPrice, 4> kOpenerPrices{{{1, 318.0f}, {2, 318.0f}, {3, 449.0f}, {4, 449.0f}}};

constexpr vb::Integer kOne{1};
constexpr vb::Integer kTwo{2};
constexpr vb::Integer kFour{4};
constexpr vb::Integer kEight{8};
constexpr vb::Integer kFive{5};

} // namespace

double clsHomeData::HVAC() const
{
    ComputeScope scope(*this);
    const int heat = HeatType();
    const int livingArea = CalculateSquareFt(1);
    double amount = 0.0;
    if (heat == 1 || heat == 2) {
        for (const HeatPumpBand& band : kHeatPumpBands) {
            if (livingArea <= band.upTo) {
                amount = heat == 1 ? band.electric : band.geothermal;
                break;
            }
        }
    } else if (heat == 0) {
        const int grade = DefaultGrade();
        for (const GasBand& band : kGasBands) {
            if (livingArea < band.from) continue;
            if (AC())
                addEach(amount, band.baseAC);
            else
                addEach(amount, band.baseNoAC);
            if (grade == 1 || grade == 2) {
                addEach(amount, band.economyGrades);
            } else {
                addEach(amount, band.otherGrades);
                amount += grade == 3 ? kGradeThreeG : kOtherGradeG;
            }
            addEach(amount, band.bandItems);
            addEach(amount, band.closing);
            break;
        }
    }
    return amount * LocationFactor();
}

double clsHomeData::Electrical() const
{
    ComputeScope scope(*this);
    const vb::Integer rooms = NumRooms();
    const vb::Integer fullBaths = NumFullBath();
    const vb::Integer halfBaths = NumHalfBath();
    const vb::Integer cars = NumCarGarage();
    const bool familyRoom = rmFamilyRoom();
    const bool greatRoom = rmGreatRoom();
    const bool finishBasement = FinishBasement();
    const bool basement = hasBasement(FoundationType());
    const int grade = DefaultGrade();
    const int heat = HeatType();

    // Circuits of kind R, K and G.
    vb::Integer r = rooms - kOne;
    if (familyRoom) r -= kOne;
    if (greatRoom) r -= kOne;
    r = notNegative(r); // no room of its own beside a family and a great room: no circuits, not a credit
    vb::Integer k = familyRoom ? vb::Integer(16) : kEight;
    if (greatRoom) k += kEight;
    if (finishBasement) k += kEight;
    vb::Integer g = basement && !finishBasement ? cars + kFour : cars + kTwo;
    if (rmBonusRoom() && !FinishBonusRoom()) g += kTwo;

    const CircuitPrices prices = rowFor(kCircuitPrices, &CircuitPrices::grade, grade);

    double amount = 0.0;
    if (heat == 0)
        amount = AC() ? kGasServiceWithAC : kGasService;
    else if (heat == 1 || heat == 2)
        amount = kHeatPumpService;

    amount += 48.55f;
    if (rmUtilityRoom()) amount += 94.0f;
    amount += dbl((rooms - fullBaths - halfBaths) * kFive) * kDevice;
    if (finishBasement) amount += dbl(BasementSqFt()) / 100.0 * kDevice;
    if (FinishGarage()) amount += dbl(cars + kFour) * kDevice;
    amount += dbl(fullBaths + halfBaths) * 47.6f;
    amount += 77.3f;
    amount += 55.05f;
    amount += dbl(fullBaths + halfBaths + kOne) * 85.0f;
    amount += dbl(rooms + cars) * 34.25f;
    if (finishBasement)
        amount += 102.75f;
    else if (basement)
        amount += 34.25f;
    amount += 151.5f;
    amount += 87.9f;
    amount += dbl(rooms + cars) * 34.6f;
    if (basement) amount += 69.2f;
    amount += 279.9f;
    amount += 323.0f;
    amount += prices.panel;
    amount += dbl(g) * prices.eachG;
    amount += dbl(k) * prices.eachK;
    amount += dbl(r) * prices.eachR;

    if (DoorOpeners()) {
        const double opener = rowFor(kOpenerPrices, &OpenerPrice::grade, grade).opener;
        const int carCount = cars;
        if (carCount == 1 || carCount == 2) {
            amount += opener;
            amount += kDevice;
        } else if (carCount == 3 || carCount == 4) {
            amount += opener * 2.0;
            amount += 79.8f;
        }
    }
    return amount * LocationFactor();
}
