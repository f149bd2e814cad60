#include "estimate/clsHomeData.h"
#include "estimate/costs/CostMath.h"

using estimate::costs::addEach;
using estimate::costs::byGrade;
using estimate::costs::dbl;
using estimate::costs::GradePrices;

namespace
{

// Water heater by heat source.
struct WaterHeaterPrices {
    float gardenTub;
    float plain;
};
constexpr WaterHeaterPrices kGasWaterHeater{1049.0f, 597.0f};
constexpr WaterHeaterPrices kElectricWaterHeater{502.0f, 466.0f};

// Plumbing fixtures.
// clang-format off
//                                         grade 1    grade 2    grade 3    grade 4
constexpr GradePrices kLavatory           {349.5f,    416.5f,    253.0f,    332.0f};
constexpr GradePrices kSecondBasinPart    {0.0f,      0.0f,      253.0f,    332.0f};
constexpr GradePrices kToilet             {293.0f,    328.0f,    652.0f,    782.0f};
constexpr GradePrices kTub                {550.0f,    550.0f,    615.0f,    615.0f};
constexpr GradePrices kShower             {670.0f,    1205.0f,   1255.0f,   1370.0f};
constexpr GradePrices kLaundryTub         {150.59f,   186.82f,   257.72f,   288.77f};
constexpr GradePrices kMasterTub          {550.0f,    550.0f,    615.0f,    615.0f};
constexpr GradePrices kMasterGardenTub    {1920.96f,  1920.96f,  2127.96f,  2127.96f};
// clang-format on

// Faucets by grade (grade 4 takes the grade 3 rows) and finish.
struct FaucetPrices {
    int grade;
    int finish; // 0 chrome, 1 brushed, 2 brass
    float lavatory;
    float tub;
    float gardenTub;
    float shower;
    float laundry;
    float kitchen;
};
// clang-format off
constexpr std::array<FaucetPrices, 9> kFaucets{{
    // grade finish  lavatory  tub      garden tub  shower   laundry  kitchen
    {1,      0,      61.07f,   87.81f,  170.78f,    81.77f,  56.93f,  49.55f},
    {1,      1,      93.14f,   117.99f, 183.2f,     86.94f,  87.96f,  98.33f},
    {1,      2,      123.17f,  172.85f, 232.88f,    164.57f, 117.99f, 160.43f},
    {2,      0,      91.08f,   112.82f, 193.55f,    106.61f, 85.91f,  101.26f},
    {2,      1,      110.75f,  141.8f,  202.86f,    106.61f, 105.57f, 125.24f},
    {2,      2,      1146.97f, 204.93f, 273.24f,    197.69f, 141.8f,  183.2f},
    {3,      0,      92.76f,   134.55f, 216.32f,    126.27f, 87.58f,  128.34f},
    {3,      1,      133.52f,  174.92f, 221.49f,    127.31f, 128.34f, 154.22f},
    {3,      2,      201.83f,  244.26f, 326.03f,    234.95f, 196.65f, 212.18f},
}};
// clang-format on

FaucetPrices faucetsFor(int grade, int finish)
{
    if (grade == 4) grade = 3;
    for (const FaucetPrices& row : kFaucets) {
        if (row.grade == grade && row.finish == finish) return row;
    }
    return FaucetPrices{};
}

// Fixed parts of the fixture sets.
constexpr float kBasinFitting = 139.0f;
constexpr float kToiletFitting = 134.5f;
constexpr std::array<float, 3> kHalfBathItems{107.0f, 120.96f, 75.0f};
constexpr float kTubFitting = 151.0f;
constexpr float kGardenTubFitting = 302.0f;
constexpr float kShowerFitting = 172.0f;
constexpr std::array<float, 3> kMasterBathItems{224.7f, 207.36f, 162.5f};
constexpr std::array<float, 3> kFullBathItems{171.2f, 155.52f, 75.0f};
constexpr std::array<float, 3> kUtilityItems{171.2f, 155.52f, 75.0f};
constexpr float kKitchenSinkFitting = 194.5f;
constexpr std::array<float, 3> kKitchenItems{107.0f, 87.5f, 75.0f};

} // namespace

double clsHomeData::WaterHeater() const
{
    ComputeScope scope(*this);
    const WaterHeaterPrices& prices = HeatType().value() == 0 ? kGasWaterHeater : kElectricWaterHeater;
    const double price = GardenTub() ? prices.gardenTub : prices.plain;
    return price * LocationFactor();
}

double clsHomeData::Plumbing() const
{
    ComputeScope scope(*this);
    const int grade = DefaultGrade();
    const bool gardenTub = GardenTub();
    const FaucetPrices faucets = faucetsFor(grade, FixtureType());
    const float secondBasin = byGrade(kSecondBasinPart, grade);
    const double basin =
        static_cast<double>(byGrade(kLavatory, grade)) + kBasinFitting + secondBasin + faucets.lavatory;
    const double toiletSet = static_cast<double>(byGrade(kToilet, grade)) + kToiletFitting;
    const vb::Integer fullBaths = NumFullBath();
    const vb::Integer halfBaths = NumHalfBath();
    double amount = 0.0;

    const double half = dbl(halfBaths);
    amount += (toiletSet + basin) * half;
    for (float item : kHalfBathItems)
        amount += half * item;

    // The master bath is always priced, even with no full bath.
    amount += basin * 2.0 + toiletSet;
    const float masterTub = (gardenTub ? kGardenTubFitting : kTubFitting) +
                            byGrade(gardenTub ? kMasterGardenTub : kMasterTub, grade) +
                            (gardenTub ? faucets.gardenTub : faucets.tub);
    amount += masterTub;
    amount += byGrade(kShower, grade);
    amount += kShowerFitting;
    amount += faucets.shower;
    addEach(amount, kMasterBathItems);

    if (fullBaths.value() > 1) {
        const double others = dbl(fullBaths - vb::Integer(1));
        amount += (toiletSet + basin) * others;
        amount += (static_cast<double>(byGrade(kTub, grade)) + kTubFitting + faucets.tub) * others;
        for (float item : kFullBathItems)
            amount += others * item;
    }

    if (rmUtilityRoom()) {
        amount +=
            static_cast<double>(byGrade(kLaundryTub, grade)) + kBasinFitting + secondBasin + faucets.laundry;
        addEach(amount, kUtilityItems);
    }

    amount += static_cast<double>(faucets.kitchen) + kKitchenSinkFitting;
    addEach(amount, kKitchenItems);
    return amount * LocationFactor();
}
