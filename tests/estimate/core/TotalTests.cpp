#include "HouseFixture.h"

#include "runtime/vb/Conversions.h"

#include <vector>

using namespace estimate_test;

namespace
{

using Cost = double (clsHomeData::*)() const;

// The categories in the order the total adds them.
const std::vector<Cost> kTotalOrder = {
    &clsHomeData::Permits,        &clsHomeData::LotClearing,   &clsHomeData::Excavate,
    &clsHomeData::Backfill,       &clsHomeData::RoughGrade,    &clsHomeData::TrenchSewer,
    &clsHomeData::WaterService,   &clsHomeData::Sidewalks,     &clsHomeData::Driveway,
    &clsHomeData::SepticSystem,   &clsHomeData::Landscaping,   &clsHomeData::Footings,
    &clsHomeData::BlockWalls,     &clsHomeData::BasementWalls, &clsHomeData::SlabFloors,
    &clsHomeData::FloorSystems,   &clsHomeData::ExteriorWalls, &clsHomeData::InteriorWalls,
    &clsHomeData::Headers,        &clsHomeData::RoofSystems,   &clsHomeData::ExteriorTreatment,
    &clsHomeData::Insulation,     &clsHomeData::Windows,       &clsHomeData::ExteriorDoors,
    &clsHomeData::GarageDoors,    &clsHomeData::Roofing,       &clsHomeData::DrywallTrim,
    &clsHomeData::DrywallCeiling, &clsHomeData::InteriorDoors, &clsHomeData::Flooring,
    &clsHomeData::Stairways,      &clsHomeData::Kitchen,       &clsHomeData::Fireplace,
    &clsHomeData::WaterHeater,    &clsHomeData::Plumbing,      &clsHomeData::HVAC,
    &clsHomeData::Electrical,
};

// A house with some of everything, on a crawl space in town.
void furnish(clsHomeData& r)
{
    r.setNumBedrooms(3);
    r.setNumFullBath(2);
    r.setNumHalfBath(1);
    r.setrmDiningRoom(true);
    r.setrmFamilyRoom(true);
    r.setrmFoyer(true);
    r.setMainFloorSqFt(1800);
    r.setSecondFloorSqFt(600);
    r.setStyle(2);
    r.setNumCarGarage(2);
    r.setFrontPorchSqFt(80);
    r.setFoundationType(1);
    r.setDistanceToStreet(40);
    r.setLotSize(0.5f);
    r.setLotPrice(40000.0f);
    r.setAC(true);
    r.setFireplaceStyle(1);
    r.setFireplaceFace(1);
}

double sumInOrder(const clsHomeData& r)
{
    double total = 0;
    for (const Cost c : kTotalOrder)
        total += (r.*c)();
    return total + double(r.LotPrice());
}

} // namespace

TEST_F(HouseTest, NoRoomsNoEstimate)
{
    hd->setrmKitchen(false);
    hd->setMainFloorSqFt(1800);
    hd->setLotPrice(50000.0f);
    EXPECT_EQ(hd->CalculateTotal(), 0);
}

TEST_F(HouseTest, TotalIsTheSumOfTheCategoriesAndTheLot)
{
    furnish(*hd);
    EXPECT_EQ(hd->CalculateTotal(), vb::CLng(sumInOrder(*hd)));
    hd->setFoundationType(4);
    hd->setBasementSqFt(900);
    hd->setLocation(8);
    EXPECT_EQ(hd->CalculateTotal(), vb::CLng(sumInOrder(*hd)));
}

TEST_F(HouseTest, LotPriceAloneWhenTheFactorIsZero)
{
    furnish(*hd);
    hd->setLocationFactor(0.0f);
    for (const Cost c : kTotalOrder)
        EXPECT_EQ((hd.get()->*c)(), 0.0);
    const struct {
        float lot;
        int32_t total;
    } cases[] = {{12345.5f, 12346}, {12346.5f, 12346}, {0.5f, 0}, {1.5f, 2}, {40000.0f, 40000}};
    for (const auto& c : cases) {
        hd->setLotPrice(c.lot);
        EXPECT_EQ(hd->CalculateTotal(), c.total) << c.lot;
    }
}

TEST_F(HouseTest, LocationFactorScalesEveryCategoryButNotTheLot)
{
    furnish(*hd);
    std::vector<double> base;
    for (const Cost c : kTotalOrder)
        base.push_back((hd.get()->*c)());
    const double total = hd->CalculateTotal();
    hd->setLocationFactor(1.1f);
    for (size_t i = 0; i < kTotalOrder.size(); ++i)
        EXPECT_NEAR((hd.get()->*kTotalOrder[i])(), base[i] * 1.1f, 1e-6 * std::abs(base[i]) + 1e-9) << i;
    EXPECT_NEAR(hd->CalculateTotal() - 40000.0, (total - 40000.0) * 1.1, 2.0);
}

TEST_F(HouseTest, TotalOverflowIsAnError)
{
    furnish(*hd);
    hd->setLotPrice(3.0e9f);
    EXPECT_EQ(errorOf([&] { hd->CalculateTotal(); }), vb::ErrOverflow);
}

// Complete houses and their site costs, worked by hand from the house model and the price list.
//
// 1. Ranch, 1800 sq ft on a crawl space, 2-car garage, town water and sewer, light brush,
//    half an acre, 40 feet from the street, concrete drive, factor 1.
//    Footprint 250 x 2 + 1800 = 2300. Permits 2125 + 100 + 1600 + 200 = 4025.
//    Clearing (sqrt 2300 + 60)^2 = 107.958^2 = 11655.0 x 0.023 = 268.065.
//    Landscaping 0.5 x 7777 = 3888.50. Crawl pit (47.958 + 7)^2 x 3 / 27 = 335.6018 yd:
//    excavate x 1.14 = 382.586, backfill = rough grade = x 0.5 x 1.04 = 174.513.
//    Sewer 55 x 36.23 = 1992.65, water 55 x 17.68 = 972.40, no sidewalks.
//    Drive: apron 500 x 3.57 = 1785 + two lanes 2 x 15 x 10 x 3.57 = 1071 -> 2856. No septic.
// 2. Two-story, 1400 + 1200 sq ft on a slab, 3-car garage, 200 sq ft front porch, well and
//    septic, medium trees, 1.25 acres, 120 feet of asphalt drive, sidewalks on a corner lot
//    90 feet wide, 4 bedrooms + 2 full + 1 half baths, factor 0.9.
//    Footprint 750 + 1400 + 200 = 2350 -> two parts, rectangle 2115, wing area 235 (14 deep,
//    16.786 long); depths 26..36 qualify (2115/24 = 88.1). Slab perimeter: average over those
//    depths of k x 2115/d + 2d + 2 x 14 + 2 x 16.786 - 24 = 349.712; slab pit x 0.94444
//    = 330.282 yd. Permits 2525 x 0.9 = 2272.50. Clearing (sqrt 2350 + 60)^2 = 11767.21
//    x 0.084 x 0.9 = 889.60. Landscaping 1.25 x 7777 x 0.9 = 8749.125. Excavate 330.282 x 1.14
//    x 0.9 = 338.869; backfill 330.282 x 0.52 x 0.9 = 154.572. Well 3213 x 0.9 = 2891.70.
//    Sidewalks 110 x 3.14 x 3 x 2 x 0.9 = 1865.16. Drive 750 x 1.74 + 95 x 10 x 1.74 = 2958
//    x 0.9 = 2662.20. Septic, 7 rooms: 9555.5 x 0.9 = 8599.95.
// 3. 2000 sq ft over a 1000 sq ft partial basement 9 feet high, no garage, town water, septic,
//    small trees, no landscaping, 4000 feet of gravel drive, sidewalks 50 feet wide,
//    2 bedrooms + 1 bath, factor 1.25.
//    Crawl pit (sqrt 1000 + 7)^2 x 3 / 27 = 165.7465, basement pit (sqrt 1000 + 13)^2 x 9 / 27
//    = 663.7307. Permits 2625 x 1.25 = 3281.25. Clearing (sqrt 2000 + 60)^2 = 10966.56 x 0.059
//    x 1.25 = 808.78. Excavate 829.477 x 1.14 x 1.25 = 1182.005; backfill 829.477 x 0.52 x 1.25
//    = 539.160. Water 4015 x 17.68 x 1.25 = 88731.50. Sidewalks 70 x 3.14 x 3 x 1.25 = 824.25.
//    Drive 3975 x 10 x 1.21 x 1.25 = 60121.875. Septic 4788.85 x 1.25 = 5986.06.
TEST_F(HouseTest, CompleteHousesSiteCosts)
{
    struct House {
        int16_t main, second, cars, porch, foundation, basement, height;
        int16_t water, sewer, condition;
        float acres;
        int16_t distance, drive;
        bool sidewalks, corner;
        int16_t width, bedrooms, full, half, location;
        double permits, clearing, landscaping, excavate, backfill, trench, waterService, walks, driveway,
            septic;
    };
    const House houses[] = {
        {1800, 0, 2, 0, 1, 0,    8,       0,      0,       0,       0.5f,    40,     0, false, false,
         100,  3, 2, 0, 1, 4025, 268.065, 3888.5, 382.586, 174.513, 1992.65, 972.40, 0, 2856,  0},
        {1400,   1200,   3,        200,     2,       0,  8,       1,       1,       2,
         1.25f,  120,    1,        true,    true,    90, 4,       2,       1,       7,
         2272.5, 889.60, 8749.125, 338.869, 154.572, 0,  2891.70, 1865.16, 2662.20, 8599.95},
        {2000, 0, 0, 0, 4, 1000,    9,      0, 1,        1,       0.0f, 4000,     2,      true,      false,
         50,   2, 1, 0, 8, 3281.25, 808.78, 0, 1182.005, 539.160, 0,    88731.50, 824.25, 60121.875, 5986.06},
    };
    int i = 0;
    for (const House& h : houses) {
        ++i;
        hd->setMainFloorSqFt(h.main);
        hd->setSecondFloorSqFt(h.second);
        hd->setNumCarGarage(h.cars);
        hd->setFrontPorchSqFt(h.porch);
        hd->setFoundationType(h.foundation);
        hd->setBasementSqFt(h.basement);
        hd->setBasementCeilingHeight(h.height);
        hd->setWaterType(h.water);
        hd->setSewerType(h.sewer);
        hd->setLotCondition(h.condition);
        hd->setLotSize(h.acres);
        hd->setDistanceToStreet(h.distance);
        hd->setDrivewayTreatment(h.drive);
        hd->setSidewalksRequired(h.sidewalks);
        hd->setCornerLot(h.corner);
        hd->setLotWidth(h.width);
        hd->setNumBedrooms(h.bedrooms);
        hd->setNumFullBath(h.full);
        hd->setNumHalfBath(h.half);
        hd->setLocation(h.location);
        EXPECT_NEAR(hd->Permits(), h.permits, 0.005) << "house " << i;
        EXPECT_NEAR(hd->LotClearing(), h.clearing, 0.006) << "house " << i;
        EXPECT_NEAR(hd->Landscaping(), h.landscaping, 0.005) << "house " << i;
        EXPECT_NEAR(hd->Excavate(), h.excavate, 0.006) << "house " << i;
        EXPECT_NEAR(hd->Backfill(), h.backfill, 0.006) << "house " << i;
        EXPECT_NEAR(hd->RoughGrade(), h.backfill, 0.006) << "house " << i;
        EXPECT_NEAR(hd->TrenchSewer(), h.trench, 0.005) << "house " << i;
        EXPECT_NEAR(hd->WaterService(), h.waterService, 0.005) << "house " << i;
        EXPECT_NEAR(hd->Sidewalks(), h.walks, 0.005) << "house " << i;
        EXPECT_NEAR(hd->Driveway(), h.driveway, 0.005) << "house " << i;
        EXPECT_NEAR(hd->SepticSystem(), h.septic, 0.006) << "house " << i;
        EXPECT_EQ(hd->CalculateTotal(), vb::CLng(sumInOrder(*hd))) << "house " << i;
    }
}

// The figures follow the row wherever it changes: a write through the recordset itself or a
// clone of it, a move off the row, a reload from the file.
TEST_F(HouseTest, FiguresFollowTheRowAtOnce)
{
    furnish(*hd);
    const int32_t before = hd->CalculateTotal();
    ado::Recordset& rs = hd->rsHouseData();
    rs.setField(QStringLiteral("MainFloorSqFt"), 2400);
    const int32_t larger = hd->CalculateTotal();
    EXPECT_GT(larger, before);
    EXPECT_EQ(larger, vb::CLng(sumInOrder(*hd)));

    const auto clone = rs.Clone();
    clone->setField(QStringLiteral("MainFloorSqFt"), 1800);
    EXPECT_EQ(hd->CalculateTotal(), before);

    rs.MoveNext(); // past the only row
    EXPECT_EQ(errorOf([&] { hd->CalculateTotal(); }), vb::ErrNoCurrentRecord);
    rs.MoveFirst();
    EXPECT_EQ(hd->CalculateTotal(), before);

    hd->InitializeData(); // the file still holds the fresh house
    EXPECT_EQ(hd->CalculateTotal(), vb::CLng(sumInOrder(*hd)));
    EXPECT_NE(hd->CalculateTotal(), before);
}
