#include "HouseFixture.h"

using namespace estimate_test;

// Figures to the cent.
constexpr double kCent = 0.005;

class SiteCosts : public HouseTest
{
protected:
    void SetUp() override
    {
        HouseTest::SetUp();
        if (HasFatalFailure()) return;
        hd->setNumBedrooms(3);
        hd->setNumFullBath(2);
    }
};

TEST_F(SiteCosts, PermitsByWaterAndSewer)
{
    const struct {
        int16_t water, sewer;
        double fees;
    } cases[] = {{0, 0, 4025}, {1, 1, 2525}, {0, 1, 2625}, {1, 0, 3925}};
    for (const auto& c : cases) {
        hd->setWaterType(c.water);
        hd->setSewerType(c.sewer);
        hd->setLocationFactor(1.0f);
        EXPECT_NEAR(hd->Permits(), c.fees, kCent);
        hd->setLocationFactor(1.1f);
        EXPECT_NEAR(hd->Permits(), c.fees * 1.1, kCent);
    }
}

TEST_F(SiteCosts, PublicUtilitiesGrowWithTheStreetDistance)
{
    hd->setDistanceToStreet(40);
    EXPECT_NEAR(hd->TrenchSewer(), 55 * 36.23, kCent);
    EXPECT_NEAR(hd->WaterService(), 55 * 17.68, kCent);
    EXPECT_DOUBLE_EQ(hd->SepticSystem(), 0);
    hd->setDistanceToStreet(100);
    EXPECT_NEAR(hd->TrenchSewer(), 115 * 36.23, kCent);
    EXPECT_NEAR(hd->WaterService(), 115 * 17.68, kCent);

    hd->setWaterType(1);
    hd->setSewerType(1);
    EXPECT_DOUBLE_EQ(hd->TrenchSewer(), 0);
    EXPECT_NEAR(hd->WaterService(), 3213, kCent);

    hd->setWaterType(0);
    hd->setSewerType(0);
    hd->setDistanceToStreet(32767);
    EXPECT_EQ(errorOf([&] { hd->TrenchSewer(); }), vb::ErrOverflow);
    EXPECT_EQ(errorOf([&] { hd->WaterService(); }), vb::ErrOverflow);
}

TEST_F(SiteCosts, SepticSizeByBedroomsAndBaths)
{
    hd->setSewerType(1);
    const struct {
        int16_t bedrooms, full, half;
        double price;
    } cases[] = {{3, 2, 1, 4788.85}, {4, 2, 1, 9555.5}, {6, 0, 0, 4788.85}, {0, 0, 7, 9555.5}};
    for (const auto& c : cases) {
        hd->setNumBedrooms(c.bedrooms);
        hd->setNumFullBath(c.full);
        hd->setNumHalfBath(c.half);
        EXPECT_NEAR(hd->SepticSystem(), c.price, kCent);
    }
    hd->setSewerType(2);
    EXPECT_DOUBLE_EQ(hd->SepticSystem(), 0);
}

TEST_F(SiteCosts, LotClearingByCondition)
{
    // Footprint 1500: side = sqrt(1500) + 60 = 98.7298, squared 9747.580.
    hd->setMainFloorSqFt(1500);
    const struct {
        int16_t condition;
        double amount;
    } cases[] = {{0, 9747.580 * 0.023}, {1, 9747.580 * 0.059}, {2, 9747.580 * 0.084}, {3, 0}, {-1, 0}};
    for (const auto& c : cases) {
        hd->setLotCondition(c.condition);
        EXPECT_NEAR(hd->LotClearing(), c.amount, 0.01) << "condition " << c.condition;
    }
}

TEST_F(SiteCosts, Sidewalks)
{
    const struct {
        bool required, corner;
        int16_t width;
        double amount;
    } cases[] = {
        {true, true, 80, 1884}, // (80 + 20) x 3.14 x 3 x 2
        {true, false, 80, 942},
        {false, true, 80, 0},
        {true, false, 0, 188.4},
    };
    for (const auto& c : cases) {
        hd->setSidewalksRequired(c.required);
        hd->setCornerLot(c.corner);
        hd->setLotWidth(c.width);
        EXPECT_NEAR(hd->Sidewalks(), c.amount, kCent);
    }
    hd->setSidewalksRequired(true);
    hd->setLotWidth(32750);
    EXPECT_EQ(errorOf([&] { hd->Sidewalks(); }), vb::ErrOverflow);
}

TEST_F(SiteCosts, DrivewayLanesAndLength)
{
    // The rates are the single-precision values of the price list.
    const double concrete = 3.57f, asphalt = 1.74f, gravel = 1.21f;
    const struct {
        int16_t distance, cars, treatment;
        double amount;
    } cases[] = {
        {60, 2, 0, (500 + 2 * 35 * 10) * concrete}, // two lanes up to 60 feet
        {61, 2, 0, (500 + 36 * 10) * concrete},     // one lane beyond
        {60, 1, 0, (250 + 35 * 10) * concrete},     // one car, one lane
        {20, 2, 0, (500 - 2 * 5 * 10) * concrete},  // under 25 feet the strip is negative
        {40, 0, 1, 15 * 10 * asphalt},
        {100, 4, 2, (1000 + 75 * 10) * gravel},
        {5000, 2, 0, (500 + 4975 * 10) * concrete}, // a long drive does not overflow
        {32767, 0, 2, 32742 * 10 * gravel},
        {40, 2, 3, 0}, // unknown surface
    };
    for (const auto& c : cases) {
        hd->setDistanceToStreet(c.distance);
        hd->setNumCarGarage(c.cars);
        hd->setDrivewayTreatment(c.treatment);
        EXPECT_NEAR(hd->Driveway(), c.amount, 0.01) << "distance " << c.distance;
    }
}

TEST_F(SiteCosts, LandscapingAndGrading)
{
    hd->setLotSize(0.5f);
    EXPECT_NEAR(hd->Landscaping(), 3888.5, kCent);
    hd->setMainFloorSqFt(1800);
    hd->setNumCarGarage(2);
    for (const int16_t type : {1, 2, 3, 4}) {
        hd->setFoundationType(type);
        hd->setBasementSqFt(1200);
        EXPECT_EQ(hd->RoughGrade(), hd->Backfill()) << "type " << type;
        EXPECT_GT(hd->Backfill(), 0);
    }
}
