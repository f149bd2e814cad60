#include "estimate/ExteriorCodes.h"
#include "estimate/clsHomeData.h"
#include "estimate/costs/CostMath.h"

using estimate::costs::addEach;
using estimate::costs::hasBasement;
using estimate::costs::rowFor;

namespace
{

// Fireplace faces: brick (1) or stone (any other value).
struct FacePrices {
    std::array<float, 2> brick;
    std::array<float, 2> stone;
};

// Prefabricated fireplace.
struct PrefabPrices {
    int grade;
    std::array<float, 4> unit;
    FacePrices face;
};
// clang-format off
constexpr std::array<PrefabPrices, 4> kPrefab{{
    // grade  unit                            face brick        face stone
    {1,       {1422.85f, 35.4f, 85.0f, 0.0f}, {{279.0f, 433.0f}, {643.0f, 445.0f}}},
    {2,       {1726.6f, 39.7f, 85.0f, 0.0f},  {{325.0f, 504.0f}, {749.0f, 518.0f}}},
    {3,       {2748.3f, 44.0f, 93.0f, 0.0f},  {{445.0f, 575.0f}, {1025.0f, 591.0f}}},
    {4,       {3765.8f, 44.0f, 93.0f, 211.5f}, {{445.0f, 575.0f}, {1025.0f, 591.0f}}},
}};
// clang-format on
// Flue by house style: one or one and a half storeys, or taller.
struct FluePrices {
    std::array<float, 3> flue;
    float externalChase;
};
constexpr FluePrices kPrefabFlueLow{{72.5f, 436.0f, 97.0f}, 730.0f};
constexpr FluePrices kPrefabFlueHigh{{109.5f, 727.0f, 194.0f}, 1220.0f};
constexpr float kPrefabStucco = 80.0f;
constexpr std::array<float, 3> kPrefabFixed{111.5f, 152.5f, 170.5f};

// Masonry fireplace.
struct MasonryPrices {
    int grade;
    std::array<float, 4> unit;
    float styleLow;     // style 1 or 2
    float styleHigh;    // other styles
    float overBasement; // foundation 3 or 4
    float otherFoundation;
    FacePrices face;
};
// clang-format off
constexpr std::array<MasonryPrices, 4> kMasonry{{
    // grade  unit                                style 1/2  other   basement  other   face brick        face stone
    {1,       {2003.7f, 85.0f, 58.5f, 0.0f},      95.0f,     144.0f, 473.0f,   237.5f, {{279.0f, 433.0f}, {643.0f, 445.0f}}},
    {2,       {2012.65f, 85.0f, 58.5f, 0.0f},     151.0f,    221.0f, 557.0f,   277.0f, {{325.0f, 504.0f}, {749.0f, 518.0f}}},
    {3,       {2967.5f, 93.0f, 68.5f, 0.0f},      215.0f,    319.0f, 526.0f,   262.5f, {{445.0f, 575.0f}, {1025.0f, 591.0f}}},
    {4,       {2967.5f, 93.0f, 68.5f, 211.5f},    215.0f,    319.0f, 605.0f,   297.0f, {{445.0f, 575.0f}, {1025.0f, 591.0f}}},
}};
// clang-format on

bool lowStyle(int style)
{
    return style == 1 || style == 2;
}

const std::array<float, 2>& faceFor(const FacePrices& face, int fireplaceFace)
{
    return fireplaceFace == 1 ? face.brick : face.stone;
}

} // namespace

double clsHomeData::Fireplace() const
{
    ComputeScope scope(*this);
    const int fireplaceStyle = FireplaceStyle();
    const int grade = DefaultGrade();
    double amount = 0.0;
    if (fireplaceStyle == 1) {
        // An unlisted grade prices neither unit nor face.
        const PrefabPrices prices = rowFor(kPrefab, &PrefabPrices::grade, grade);
        addEach(amount, prices.unit);
        addEach(amount, faceFor(prices.face, FireplaceFace()));
        const FluePrices& flue = lowStyle(Style()) ? kPrefabFlueLow : kPrefabFlueHigh;
        addEach(amount, flue.flue);
        if (ExternalChase()) amount += flue.externalChase;
        if (ExteriorPrimary() == estimate::kStucco) amount += kPrefabStucco;
        addEach(amount, kPrefabFixed);
    } else if (fireplaceStyle == 2) {
        // An unlisted grade prices the whole fireplace at 0.
        const MasonryPrices prices = rowFor(kMasonry, &MasonryPrices::grade, grade);
        addEach(amount, prices.unit);
        amount += lowStyle(Style()) ? prices.styleLow : prices.styleHigh;
        amount += hasBasement(FoundationType()) ? prices.overBasement : prices.otherFoundation;
        addEach(amount, faceFor(prices.face, FireplaceFace()));
    }
    return amount * LocationFactor();
}
