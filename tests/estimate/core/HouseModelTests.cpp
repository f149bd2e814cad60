#include "HouseFixture.h"

using namespace estimate_test;

// The fixture's house has a kitchen and nothing else, so it counts one room.
class HouseModel : public HouseTest
{
protected:
    clsHomeDataProbe model() const { return clsHomeDataProbe(*hd); }
};

TEST_F(HouseModel, NoRoomsMeansNoArea)
{
    hd->setrmKitchen(false);
    hd->setMainFloorSqFt(1800);
    hd->setNumCarGarage(2);
    for (const int mode : {1, 2, 3})
        EXPECT_EQ(hd->CalculateSquareFt(mode).value(), 0) << "mode " << mode;
    EXPECT_EQ(hd->HouseConfiguration().value(), 1);
    EXPECT_FLOAT_EQ(model().FootprintLength(24), 0.0f);
    EXPECT_FLOAT_EQ(model().HouseDepth(), 30.0f); // every trial depth qualifies
}

TEST_F(HouseModel, AreaModes)
{
    hd->setMainFloorSqFt(1500);
    hd->setSecondFloorSqFt(700);
    hd->setThirdFloorSqFt(300);
    hd->setBonusRoomSqFt(200);
    hd->setNumCarGarage(2);
    hd->setFrontPorchSqFt(100);
    hd->setRearPorchSqFt(150);
    EXPECT_EQ(hd->CalculateSquareFt(1).value(), 2500); // an unfinished bonus room does not count
    hd->setFinishBonusRoom(true);
    EXPECT_EQ(hd->CalculateSquareFt(1).value(), 2700);
    EXPECT_EQ(hd->CalculateSquareFt(2).value(), 2250); // 2 x 250 + 1500 + 100 + 150
    EXPECT_EQ(hd->HouseConfiguration().value(), 2);
    EXPECT_EQ(hd->CalculateSquareFt(3).value(), 2025); // 2250 x 0.9
    EXPECT_EQ(hd->CalculateSquareFt(0).value(), 0);
    EXPECT_EQ(hd->CalculateSquareFt(4).value(), 0);
}

TEST_F(HouseModel, AreaSumsOverflowSixteenBits)
{
    hd->setMainFloorSqFt(32767);
    hd->setSecondFloorSqFt(1);
    EXPECT_EQ(errorOf([&] { hd->CalculateSquareFt(1).value(); }), vb::ErrOverflow);
    hd->setMainFloorSqFt(0);
    hd->setNumCarGarage(132); // 250 x 132 = 33000
    EXPECT_EQ(errorOf([&] { hd->CalculateSquareFt(2).value(); }), vb::ErrOverflow);
}

TEST_F(HouseModel, MainRectangleRoundsHalvesToEven)
{
    const struct {
        int16_t footprint;
        int16_t rectangle;
    } cases[] = {
        {2005, 1804}, // 1804.5
        {2015, 1814}, // 1813.5
        {4005, 2804}, // 2803.5
        {4015, 2810}, // 2810.5
        {3001, 2401}, // 2400.8
        {5001, 3001}, // 3000.6
        {2000, 2000}, // one rectangle: unchanged
    };
    for (const auto& c : cases) {
        hd->setMainFloorSqFt(c.footprint);
        EXPECT_EQ(hd->CalculateSquareFt(3).value(), c.rectangle) << "footprint " << c.footprint;
    }
}

TEST_F(HouseModel, SizeClassBandEdges)
{
    const struct {
        int16_t footprint;
        int16_t configuration;
    } cases[] = {{2000, 1}, {2001, 2}, {3000, 2}, {3001, 3}, {4000, 3}, {4001, 4}, {5000, 4}, {5001, 5}};
    for (const auto& c : cases) {
        hd->setMainFloorSqFt(c.footprint);
        EXPECT_EQ(hd->HouseConfiguration().value(), c.configuration) << "footprint " << c.footprint;
    }
    // The garage and the porches count towards the footprint.
    hd->setMainFloorSqFt(1500);
    hd->setNumCarGarage(2);
    hd->setFrontPorchSqFt(1);
    EXPECT_EQ(hd->HouseConfiguration().value(), 2);
}

TEST_F(HouseModel, MainFloorWithTwoCarGarage)
{
    // Footprint 2300, one wing; rectangle 2070. At 24 feet deep it is 86.25 long, so the depths
    // 26..36 count: depth (26+28+30+32+34+36)/6 = 31. Wing area 230: root 15.2, so 14 deep and
    // 230/14 long. Perimeter: average of 2d + 2 x 2070/d + 2 x 14 over those depths.
    hd->setMainFloorSqFt(1800);
    hd->setNumCarGarage(2);
    const auto m = model();
    EXPECT_EQ(hd->CalculateSquareFt(2).value(), 2300);
    EXPECT_EQ(hd->HouseConfiguration().value(), 2);
    EXPECT_EQ(hd->CalculateSquareFt(3).value(), 2070);
    EXPECT_FLOAT_EQ(m.FootprintLength(24), 86.25f);
    EXPECT_FLOAT_EQ(m.HouseDepth(), 31.0f);
    EXPECT_FLOAT_EQ(m.WingDepth(), 14.0f);
    EXPECT_FLOAT_EQ(m.WingLength(), 230.0f / 14.0f);
    EXPECT_NEAR(m.HousePerimeter(), 225.2046, 1e-4);
    // Crawl space: k x L + 2d + 2 x 14 + 2 x 16.4286 - 16 per depth, k = 3 up to 28 feet:
    // 335.71 + 322.61 + 380.86 + 367.61 + 356.40 + 346.86 = 2110.05, / 6.
    hd->setFoundationType(1);
    EXPECT_NEAR(m.FoundationPerimeter(), 351.6757, 1e-3);
    EXPECT_FLOAT_EQ(m.FootingLength(), m.FoundationPerimeter());
    // Pit of the whole footprint: (sqrt 2300 + 7)^2 x 3 / 27.
    EXPECT_NEAR(m.CrawlExcavationYards(), 335.6018, 1e-3);
    EXPECT_FLOAT_EQ(m.SlabExcavationYards(), 0.0f);
    EXPECT_FLOAT_EQ(m.BasementExcavationYards(), 0.0f);
    EXPECT_FLOAT_EQ(m.BasementPerimeter(), 0.0f);

    hd->setFoundationType(2);
    EXPECT_NEAR(m.SlabExcavationYards(), 351.6757 * 0.94444, 1e-3);
    EXPECT_FLOAT_EQ(m.CrawlExcavationYards(), 0.0f);
}

TEST_F(HouseModel, SingleRectangle)
{
    // 1500 square feet, no garage: every depth qualifies, no wings.
    // Perimeter = 60 + 3000 x (1/24 + 1/26 + ... + 1/36) / 7 = 161.835.
    hd->setMainFloorSqFt(1500);
    const auto m = model();
    EXPECT_FLOAT_EQ(m.HouseDepth(), 30.0f);
    EXPECT_FLOAT_EQ(m.WingDepth(), 0.0f);
    EXPECT_FLOAT_EQ(m.WingLength(), 0.0f);
    EXPECT_NEAR(m.HousePerimeter(), 161.8352, 1e-4);

    // A full basement under it: its length averages 1500/d, so its perimeter is the house's.
    hd->setFoundationType(3);
    hd->setBasementSqFt(1500);
    EXPECT_NEAR(m.BasementLength(), 50.9176, 1e-3);
    EXPECT_NEAR(m.BasementPerimeter(), 161.8351, 1e-3);
    EXPECT_FLOAT_EQ(m.FootingLength(), static_cast<float>(m.HousePerimeter()));
    EXPECT_FLOAT_EQ(m.FoundationPerimeter(), static_cast<float>(m.HousePerimeter()));
    // Basement pit: (sqrt 1500 + 4 + 8)^2 x 8 / 27 = 50.7298^2 x 8 / 27.
    EXPECT_NEAR(m.BasementExcavationYards(), 762.5232, 1e-3);
    EXPECT_FLOAT_EQ(m.CrawlExcavationYards(), 0.0f);
}

TEST_F(HouseModel, RectangleTooLongForEveryDepth)
{
    // Footprint 3900: two wings, rectangle 3120, 86.7 feet long even at 36 deep. Wing area 390.
    hd->setMainFloorSqFt(3900);
    const auto m = model();
    EXPECT_EQ(hd->CalculateSquareFt(3).value(), 3120);
    EXPECT_FLOAT_EQ(m.HouseDepth(), 36.0f);
    EXPECT_FLOAT_EQ(m.WingDepth(), 14.0f);
    EXPECT_FLOAT_EQ(m.WingLength(), 390.0f / 14.0f);
    EXPECT_NEAR(m.HousePerimeter(), 72 + 2 * (3120.0 / 36) + 2 * 2 * 14, 1e-4);
    // Crawl space, the 36-foot term alone: 4 x 86.667 + 72 + 4 x 14 + 4 x 27.857.
    hd->setFoundationType(1);
    EXPECT_NEAR(m.FoundationPerimeter(), 4 * (3120.0 / 36) + 72 + 4 * 14 + 4 * (390.0 / 14), 1e-3);
}

TEST_F(HouseModel, WingDepthEdge)
{
    // Five parts: wing area = (footprint - 0.6 footprint) / 4.
    hd->setMainFloorSqFt(5760); // wing area 576: root exactly 24
    EXPECT_FLOAT_EQ(model().WingDepth(), 14.0f);
    EXPECT_FLOAT_EQ(model().WingLength(), 576.0f / 14.0f);
    hd->setMainFloorSqFt(5770); // 577
    EXPECT_FLOAT_EQ(model().WingDepth(), 24.0f);
    EXPECT_FLOAT_EQ(model().WingLength(), 577.0f / 24.0f);
}

TEST_F(HouseModel, PartialBasement)
{
    hd->setMainFloorSqFt(1500);
    hd->setFoundationType(4);
    const auto m = model();
    // Longer than the rectangle at that depth: the rectangle's length.
    hd->setBasementSqFt(3000);
    EXPECT_FLOAT_EQ(m.BasementLengthForDepth(24), 62.5f);
    hd->setBasementSqFt(600);
    EXPECT_FLOAT_EQ(m.BasementLengthForDepth(24), 25.0f);
    // One rectangle, basement smaller than it: 3 long walls, term
    // k x (1500/d - 600/d) + 3d + 2 x 600/d; averaged over all seven depths.
    double sum = 0;
    for (int d = 24; d <= 36; d += 2)
        sum += (d <= 28 ? 3 : 4) * (900.0 / d) + 3 * d + 1200.0 / d;
    EXPECT_NEAR(m.FoundationPerimeter(), sum / 7, 1e-3);
    EXPECT_FLOAT_EQ(m.FootingLength(), m.FoundationPerimeter());
    // Both pits: the crawl part (sqrt 900 + 7)^2 x 3 / 27 and the basement (sqrt 600 + 12)^2 x 8 / 27.
    EXPECT_NEAR(m.CrawlExcavationYards(), 37.0 * 37 / 9, 1e-3);
    EXPECT_NEAR(m.BasementExcavationYards(), (std::sqrt(600.0) + 12) * (std::sqrt(600.0) + 12) * 8 / 27,
                1e-3);
}

TEST_F(HouseModel, BasementLargerThanTheFootprintLeavesNoCrawlArea)
{
    // The main floor was made smaller after a 2000 square-foot partial basement was chosen.
    hd->setFoundationType(4);
    hd->setBasementSqFt(2000);
    hd->setMainFloorSqFt(1200);
    EXPECT_NEAR(model().CrawlExcavationYards(), 49.0 * 3 / 27, 1e-5);
    EXPECT_EQ(errorOf([&] { hd->Excavate(); }), 0);
    EXPECT_GE(model().FoundationPerimeter(), 0.0f);
}

TEST_F(HouseModel, FoundationPerimeterIsNeverNegative)
{
    hd->setMainFloorSqFt(-3000);
    hd->setNumCarGarage(4);
    for (const int16_t type : {1, 2, 4}) {
        hd->setFoundationType(type);
        EXPECT_FLOAT_EQ(model().FoundationPerimeter(), 0.0f) << "type " << type;
    }
}

TEST_F(HouseModel, FootingLengthByFoundation)
{
    hd->setMainFloorSqFt(1800);
    hd->setNumCarGarage(2);
    const auto m = model();
    const struct {
        int16_t type;
        bool house;
    } cases[] = {{1, false}, {2, false}, {3, true}, {4, false}};
    for (const auto& c : cases) {
        hd->setFoundationType(c.type);
        hd->setBasementSqFt(1000);
        const float expected = c.house ? static_cast<float>(m.HousePerimeter()) : m.FoundationPerimeter();
        EXPECT_FLOAT_EQ(m.FootingLength(), expected) << "type " << c.type;
    }
    for (const int16_t type : {0, 5}) {
        hd->setFoundationType(type);
        EXPECT_FLOAT_EQ(m.FootingLength(), 0.0f);
        EXPECT_FLOAT_EQ(m.CrawlExcavationYards(), 0.0f);
        EXPECT_FLOAT_EQ(m.BasementExcavationYards(), 0.0f);
        EXPECT_FLOAT_EQ(m.SlabExcavationYards(), 0.0f);
    }
}
