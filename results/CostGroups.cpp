#include "results/CostGroups.h"

#include "estimate/clsHomeData.h"
#include "runtime/vb/Format.h"

namespace results
{

namespace
{

#define COST(method)                                                                                         \
    CostMember                                                                                               \
    {                                                                                                        \
        u"" #method, [](const clsHomeData& h) -> double { return h.method(); }                               \
    }

using T = CostGroup::Type;

} // namespace

const std::array<CostGroup, 22>& costGroups()
{
    static const std::array<CostGroup, 22> groups{{
        {u"Permits:", u"lbPermits", {COST(Permits)}, T::Single},
        {u"Site Work:",
         u"lbSiteWork",
         {COST(LotClearing), COST(Excavate), COST(Backfill), COST(RoughGrade)},
         T::Double},
        {u"Sewer System:", u"lbSewer", {COST(TrenchSewer), COST(SepticSystem)}, T::Double},
        {u"Water System:", u"lbWater", {COST(WaterService)}, T::Double},
        {u"Sidewalks && Driveway:", u"lbSidewalk", {COST(Sidewalks), COST(Driveway)}, T::Double},
        {u"Foundation:",
         u"lbFoundations",
         {COST(Footings), COST(BlockWalls), COST(BasementWalls)},
         T::Double},
        {u"Cement Floor:", u"lbFloor", {COST(SlabFloors)}, T::Double},
        {u"Framing:",
         u"lbFraming",
         {COST(FloorSystems), COST(ExteriorWalls), COST(InteriorWalls), COST(Headers), COST(RoofSystems)},
         T::Double},
        {u"Exterior:", u"lbExterior", {COST(ExteriorTreatment)}, T::Double},
        {u"Insulation:", u"lbInsulation", {COST(Insulation)}, T::Double},
        {u"Drywall && Trim:",
         u"lbDrywall",
         {COST(DrywallTrim), COST(DrywallCeiling), COST(Stairways)},
         T::Double},
        {u"Roofing:", u"lbRoofing", {COST(Roofing)}, T::Double},
        {u"Windows:", u"lbWindows", {COST(Windows)}, T::Double},
        {u"Doors:", u"lbDoors", {COST(ExteriorDoors), COST(GarageDoors), COST(InteriorDoors)}, T::Double},
        {u"Floor Coverings:", u"lbCarpet", {COST(Flooring)}, T::Double},
        {u"Kitchen:", u"lbKitchen", {COST(Kitchen)}, T::Double},
        {u"Fireplace:", u"lbFireplace", {COST(Fireplace)}, T::Double},
        {u"Plumbing:", u"lbPlumbing", {COST(WaterHeater), COST(Plumbing)}, T::Double},
        {u"HVAC:", u"lbHVAC", {COST(HVAC)}, T::Double},
        {u"Electrical:", u"lbElectrical", {COST(Electrical)}, T::Double},
        {u"Lot:", u"lbLot", {COST(LotPrice)}, T::Single},
        {u"Landscaping:", u"lbLandscaping", {COST(Landscaping)}, T::Double},
    }};
    return groups;
}

#undef COST

QString CostGroup::captionText() const
{
    return QString::fromUtf16(caption).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

double CostGroup::amount(const clsHomeData& home) const
{
    if (type == Type::Single) {
        float sum = 0;
        for (const CostMember& m : members)
            sum += static_cast<float>(m.value(home));
        return sum;
    }
    double sum = 0;
    for (const CostMember& m : members)
        sum += m.value(home);
    return sum;
}

QString formatBreakout(double amount)
{
    return vb::Format(amount, QStringLiteral("$###,###.00"));
}

} // namespace results
