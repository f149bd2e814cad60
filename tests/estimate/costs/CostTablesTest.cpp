// Worked figures, table look-ups and boundaries of the structure, shell, finish, fixture and
// mechanical categories. Every house here has a kitchen (the house file's answer) so it has rooms.

#include "tests/estimate/costs/CostFixture.h"

using costs_test::CostTest;
using costs_test::errorOf;
using costs_test::kHouseCosts;
using costs_test::samePrice;

namespace
{

class CostTables : public CostTest
{
protected:
    void ranch(vb::Integer mainFloor)
    {
        hd->setStyle(1);
        hd->setFoundationType(1);
        hd->setMainFloorSqFt(mainFloor);
    }
};

TEST_F(CostTables, FloorSystemsPricesBasementCrawlAndUpperFloors)
{
    struct Case {
        int foundation, style, mainFloor, basement, second, bonus;
        double expected;
    };
    // clang-format off
    const Case cases[] = {
        // full basement 1500: 1500 x (1.2 + 3.87 + 0.18), no crawl-space term
        {3, 1, 1500, 1500, 0, 0, 7875.0},
        // the same under a two-storey house with 1000 upstairs
        {3, 3, 1500, 1500, 1000, 0, 7875.0 + 1000 * 3.36},
        // partial basement: 600 x 5.25 + (1000 - 600) x 3.36
        {4, 1, 1000, 600, 0, 0, 600 * 5.25 + 400 * 3.36},
        // slab: no ground-floor system, only the upper floor
        {2, 3, 1000, 0, 800, 0, 800 * 3.36},
        // crawl space ranch with an unfinished bonus room: 1200 x 3.36 + 300 x (3.36 + 1 + 0.18)
        {1, 1, 1200, 0, 0, 300, 1200 * 3.36 + 300 * 4.54},
    };
    // clang-format on
    for (const Case& c : cases) {
        hd->setStyle(c.style);
        hd->setFoundationType(c.foundation);
        hd->setMainFloorSqFt(c.mainFloor);
        hd->setBasementSqFt(c.basement);
        hd->setSecondFloorSqFt(c.second);
        hd->setrmBonusRoom(c.bonus > 0);
        hd->setBonusRoomSqFt(c.bonus);
        EXPECT_TRUE(samePrice(hd->FloorSystems(), c.expected)) << "foundation " << c.foundation;
    }
}

TEST_F(CostTables, ThreeStoreyPricesThirdFloorOnlyWithThreeFloors)
{
    ranch(1000);
    hd->setSecondFloorSqFt(800);
    hd->setThirdFloorSqFt(500);
    hd->setStyle(3); // two floors: the stored third floor is ignored
    EXPECT_TRUE(samePrice(hd->FloorSystems(), 1800 * 3.36));
    EXPECT_TRUE(samePrice(hd->ExteriorWalls(), 1800 * 2.29));
    EXPECT_TRUE(samePrice(hd->InteriorWalls(), 1800 * 1.25));
    hd->setStyle(4);
    EXPECT_TRUE(samePrice(hd->FloorSystems(), 2300 * 3.36));
    EXPECT_TRUE(samePrice(hd->ExteriorWalls(), 2300 * 2.29));
    EXPECT_TRUE(samePrice(hd->InteriorWalls(), 2300 * 1.25));
}

TEST_F(CostTables, RoofSystemsRateByStylePitchAndFootprint)
{
    struct Case {
        int roofStyle, pitch, footprint;
        double rate;
    };
    // clang-format off
    const Case cases[] = {
        {0, 8, 2499, 5.31}, {0, 8, 2500, 6.29}, // the rate changes at exactly 2500
        {0, 4, 2499, 4.68}, {0, 4, 2500, 5.44}, {0, 10, 1800, 5.69}, {0, 12, 3000, 7.36},
        {1, 4, 2499, 5.92}, {1, 4, 2500, 6.84}, {1, 8, 1000, 7.77}, {1, 10, 2500, 11.3},
        {1, 12, 2499, 11.43}, {2, 12, 2500, 12.82}, // any style but 0 is a hip roof
        {0, 6, 2000, 0.0}, {1, 9, 2600, 0.0},     // unlisted pitches
    };
    // clang-format on
    for (const Case& c : cases) {
        ranch(c.footprint);
        hd->setRoofStyle(c.roofStyle);
        hd->setRoofPitch(c.pitch);
        EXPECT_TRUE(samePrice(hd->RoofSystems(), c.footprint * c.rate))
            << "style " << c.roofStyle << " pitch " << c.pitch << " footprint " << c.footprint;
    }
}

TEST_F(CostTables, RoofingRateByStylePitchAndGrade)
{
    struct Case {
        int roofStyle, pitch, grade;
        double rate;
    };
    // clang-format off
    const Case cases[] = {
        {0, 4, 1, 2.66}, {0, 8, 2, 3.05}, {0, 10, 3, 3.5}, {0, 12, 4, 3.57}, {1, 4, 2, 3.72},
        {1, 8, 1, 3.61}, {1, 10, 4, 4.83}, {1, 12, 3, 5.08}, {3, 12, 1, 3.93},
        {0, 6, 2, 0.0}, {0, 8, 0, 0.0}, {1, 8, 5, 0.0},
    };
    // clang-format on
    for (const Case& c : cases) {
        ranch(1800);
        hd->setNumCarGarage(1);
        hd->setRoofStyle(c.roofStyle);
        hd->setRoofPitch(c.pitch);
        hd->setDefaultGrade(c.grade);
        EXPECT_TRUE(samePrice(hd->Roofing(), 2050 * c.rate))
            << "style " << c.roofStyle << " pitch " << c.pitch << " grade " << c.grade;
    }
}

TEST_F(CostTables, GarageDoorsByCars)
{
    // clang-format off
    const std::pair<int, double> cases[] = {
        {0, 0.0}, {1, 1478.77}, {2, 1921.08}, {3, 2501.85 + 898}, {4, 2944.16 + 898}, {5, 0.0},
    };
    // clang-format on
    for (const auto& [cars, expected] : cases) {
        hd->setNumCarGarage(cars);
        EXPECT_TRUE(samePrice(hd->GarageDoors(), expected)) << cars << " cars";
    }
}

TEST_F(CostTables, ExteriorDoorsByGrade)
{
    // clang-format off
    const std::pair<int, double> cases[] = {
        {1, 4 * 617.83}, {2, 4 * 787.83}, {3, 4 * 938.33}, {4, 4 * 1311.83}, {0, 0.0}, {5, 0.0},
    };
    // clang-format on
    for (const auto& [grade, expected] : cases) {
        hd->setDefaultGrade(grade);
        EXPECT_TRUE(samePrice(hd->ExteriorDoors(), expected)) << "grade " << grade;
    }
}

TEST_F(CostTables, KitchenCabinetRuns)
{
    struct Case {
        bool island, bar;
        int grade;
        double expected;
    };
    // clang-format off
    const Case cases[] = {
        {true, true, 1, 28 * 123.34 + 2853},  {false, true, 2, 24 * 167.74 + 4219.8},
        {false, false, 3, 20 * 327.74 + 5401.9}, {true, false, 4, 24 * 445.72 + 6427},
        {true, true, 0, 0.0},
    };
    // clang-format on
    for (const Case& c : cases) {
        hd->setKitchenIsland(c.island);
        hd->setKitchenBar(c.bar);
        hd->setDefaultGrade(c.grade);
        EXPECT_TRUE(samePrice(hd->Kitchen(), c.expected)) << "grade " << c.grade;
    }
}

TEST_F(CostTables, HeatingByHeatSourceAndLivingAreaBand)
{
    struct Case {
        int heat;
        bool ac;
        int grade;
        int livingArea;
        double expected;
    };
    // Gas: base + grade items + band items + closing items, by the band that holds the area.
    // clang-format off
    const double lowestNoAC = 1019 + (589 + 73) + (629 + 579 + 355.2 + 284) + 82;   // 3610.2
    const double lowNoAC = 1019 + (589 + 73) + (740 + 696 + 444 + 355) + 82;         // 3998
    const double lowestAC = 4718 + (589 + 73) + (629 + 579 + 355.2 + 284) + 82;      // 7309.2
    const double lowAC = 5118 + (589 + 73) + (740 + 696 + 444 + 355) + 82;           // 8097
    const double midAC = 5803 + (687 + 73) + (925 + 1055 + 462.6 + 415) + 82;        // 9502.6
    const double upperAC = 6628 + (687 + 73) + (1370 + 1210 + 514 + 500) + 82;       // 11064
    const double twoSystems3000 = (38 + 9030 + 368) + (589 + 589 + 73)
        + (740 + 740 + 696 + 696 + 444 + 444 + 355 + 355) + (82 + 82);               // 15321
    const double twoSystems3500 = (38 + 9430 + 368) + (589 + 687 + 73)
        + (740 + 925 + 696 + 1055 + 444 + 462.6 + 355 + 415) + (82 + 82);            // 16441.6
    const double twoSystems4000 = (38 + 9830 + 368) + (687 + 687 + 73)
        + (925 + 925 + 1055 + 1055 + 462.6 + 462.6 + 415 + 415) + (82 + 82);         // 17562.2
    const double twoSystems4400 = (38 + 10515 + 368) + (687 + 687 + 73)
        + (925 + 1370 + 1055 + 1210 + 462.6 + 514 + 415 + 500) + (82 + 82);          // 18983.6
    const double premium3000NoAC = 2038 + (1523 + 1523 + 132)
        + (740 + 740 + 696 + 696 + 444 + 444 + 355 + 355) + (82 + 82);               // 9850
    const double otherGrade2000NoAC = 1291 + (1805 + 239) + (925 + 1055 + 462.6 + 415) + 82;
    const Case cases[] = {
        {0, false, 1, 1499, lowestNoAC}, {0, false, 1, 1500, lowNoAC},
        {0, true, 1, 1499, lowestAC},    {0, true, 2, 1500, lowAC},
        {0, true, 2, 1999, lowAC},       {0, true, 2, 2000, midAC},
        {0, true, 1, 2399, midAC},       {0, true, 1, 2400, upperAC},
        {0, true, 1, 2999, upperAC},     {0, true, 1, 3000, twoSystems3000},
        {0, true, 1, 3499, twoSystems3000}, {0, true, 1, 3500, twoSystems3500},
        {0, true, 2, 3999, twoSystems3500}, {0, true, 2, 4000, twoSystems4000},
        {0, true, 2, 4399, twoSystems4000}, {0, true, 2, 4400, twoSystems4400},
        {0, false, 3, 3000, premium3000NoAC},
        {0, false, 4, 2000, otherGrade2000NoAC}, {0, false, 0, 2000, otherGrade2000NoAC},
        // Electric and geothermal: each band includes its upper bound; AC and grade change nothing.
        {1, false, 1, 1600, 8694},  {1, false, 1, 1601, 9522},   {1, true, 4, 2000, 9522},
        {1, false, 2, 2001, 11488.5}, {1, false, 2, 2400, 11488.5}, {1, false, 2, 2401, 14904},
        {1, false, 3, 2900, 14904}, {1, false, 3, 2901, 15835},  {1, false, 3, 3600, 15835},
        {1, false, 0, 3601, 17388}, {1, false, 1, 4200, 17388},  {1, false, 1, 4201, 18216},
        {2, true, 1, 1600, 9522},   {2, false, 1, 1601, 10246.5}, {2, false, 2, 2400, 12213},
        {2, false, 2, 2401, 15214.5}, {2, false, 3, 3600, 17388}, {2, false, 4, 4200, 19044},
        {2, false, 4, 4201, 19768.5},
        {3, true, 2, 2000, 0.0},
    };
    // clang-format on
    for (const Case& c : cases) {
        ranch(c.livingArea);
        hd->setHeatType(c.heat);
        hd->setAC(c.ac);
        hd->setDefaultGrade(c.grade);
        EXPECT_TRUE(samePrice(hd->HVAC(), c.expected))
            << "heat " << c.heat << " AC " << c.ac << " grade " << c.grade << " area " << c.livingArea;
    }
}

TEST_F(CostTables, HeatingCountsOnlyAFinishedBonusRoom)
{
    ranch(1500);
    hd->setrmBonusRoom(true);
    hd->setBonusRoomSqFt(200);
    hd->setHeatType(1);
    EXPECT_TRUE(samePrice(hd->HVAC(), 8694)); // 1500
    hd->setFinishBonusRoom(true);
    EXPECT_TRUE(samePrice(hd->HVAC(), 9522)); // 1500 + 200 is in the next band
}

TEST_F(CostTables, DoorOpenersAddByGradeAndCars)
{
    struct Case {
        int grade, cars;
        double added;
    };
    // clang-format off
    const Case cases[] = {
        {3, 3, 449 * 2 + 79.8}, {4, 4, 449 * 2 + 79.8}, {1, 1, 318 + 39.9}, {2, 2, 318 + 39.9},
        {2, 3, 318 * 2 + 79.8}, {0, 2, 39.9}, // an unlisted grade still fits the 39.9 part
        {3, 5, 0.0}, {1, 0, 0.0},
    };
    // clang-format on
    for (const Case& c : cases) {
        hd->setDefaultGrade(c.grade);
        hd->setNumCarGarage(c.cars);
        hd->setDoorOpeners(false);
        const double without = hd->Electrical();
        hd->setDoorOpeners(true);
        EXPECT_TRUE(samePrice(hd->Electrical() - without, c.added)) << c.grade << "/" << c.cars;
    }
}

TEST_F(CostTables, ElectricalHeatServiceAndBasement)
{
    ranch(1500);
    hd->setDefaultGrade(1);
    // clang-format off
    const std::tuple<int, bool, double> services[] = {
        {0, true, 1487}, {0, false, 798.4}, {1, false, 5853.6}, {2, true, 5853.6}, {3, true, 0.0},
    };
    // clang-format on
    hd->setHeatType(3);
    hd->setAC(false);
    const double noService = hd->Electrical();
    for (const auto& [heat, ac, service] : services) {
        hd->setHeatType(heat);
        hd->setAC(ac);
        EXPECT_TRUE(samePrice(hd->Electrical() - noService, service)) << "heat " << heat;
    }

    // An unfinished basement adds 2 G circuits (2 x 72), 34.25 and 69.2.
    hd->setHeatType(0);
    const double crawl = hd->Electrical();
    hd->setFoundationType(3);
    hd->setBasementSqFt(1000);
    const double unfinished = hd->Electrical();
    EXPECT_TRUE(samePrice(unfinished - crawl, 2 * 72 + 34.25 + 69.2));
    // Finishing it: K + 8 (8 x 88), 102.75 for 34.25, 1000 / 100 x 39.9, and G back down by 2.
    hd->setFinishBasement(true);
    EXPECT_TRUE(samePrice(hd->Electrical() - unfinished, 8 * 88 + (102.75 - 34.25) + 10 * 39.9 - 2 * 72));
}

TEST_F(CostTables, StairwaysFlights)
{
    struct Case {
        int style, foundation;
        bool bonus, finishBasement;
        int grade;
        double expected;
    };
    // clang-format off
    const Case cases[] = {
        {1, 1, false, false, 1, 0.0},                    // ranch over a crawl space
        {3, 3, false, false, 2, 2159.45 + 813.15},       // two storey, plain basement stair
        {3, 3, false, true, 2, 2 * 2159.45},             // finished basement: a full flight
        {2, 1, true, false, 3, 3183.52},                 // story and a half: no bonus flight
        {1, 1, true, false, 4, 3183.52},                 // ranch with a bonus room above
        {4, 4, false, false, 0, 813.15},                 // unlisted grade: only the plain stair
        {4, 4, false, true, 3, 3 * 3183.52},
    };
    // clang-format on
    for (const Case& c : cases) {
        hd->setStyle(c.style);
        hd->setFoundationType(c.foundation);
        hd->setFinishBasement(c.finishBasement);
        hd->setrmBonusRoom(c.bonus);
        hd->setDefaultGrade(c.grade);
        EXPECT_TRUE(samePrice(hd->Stairways(), c.expected)) << "style " << c.style;
    }
}

TEST_F(CostTables, FlooringTreadsAndGrade)
{
    hd->setStyle(4);
    hd->setFoundationType(3);
    hd->setMainFloorSqFt(1000);
    hd->setSecondFloorSqFt(800);
    hd->setThirdFloorSqFt(400);
    hd->setBasementSqFt(900);
    hd->setFinishBasement(true);
    hd->setDefaultGrade(2);
    EXPECT_TRUE(samePrice(hd->Flooring(), 3100 * 3.22 + 42 * 9.45));
    hd->setDefaultGrade(0); // the treads still count
    EXPECT_TRUE(samePrice(hd->Flooring(), 42 * 9.45));
}

TEST_F(CostTables, DrywallCeilingCoversTheUnfinishedGarage)
{
    ranch(1000);
    hd->setNumCarGarage(2);
    EXPECT_TRUE(samePrice(hd->DrywallTrim(), 1000 * 1.91));
    EXPECT_TRUE(samePrice(hd->DrywallCeiling(), 1500 * 1.63));
    hd->setFinishGarage(true);
    EXPECT_TRUE(samePrice(hd->DrywallTrim(), 1500 * 1.91));
    EXPECT_TRUE(samePrice(hd->DrywallCeiling(), 1500 * 1.63));
}

TEST_F(CostTables, InteriorDoorsByGrade)
{
    // Kitchen, den and 2 bedrooms: 2 bedroom doors, 3 doors (2 bedrooms and the den), 1 open room.
    hd->setNumBedrooms(2);
    hd->setrmDen(true);
    // clang-format off
    const std::pair<int, double> cases[] = {
        {1, 2 * 602.62 + 3 * 518.91 + 378.12}, {2, 2 * 637.62 + 3 * 533.41 + 378.12},
        {3, 2 * 820.62 + 3 * 641.91 + 378.12}, {4, 2 * 889.61 + 3 * 682.64 + 378.12},
        {0, 0.0},
    };
    // clang-format on
    for (const auto& [grade, expected] : cases) {
        hd->setDefaultGrade(grade);
        EXPECT_TRUE(samePrice(hd->InteriorDoors(), expected)) << "grade " << grade;
    }
}

TEST_F(CostTables, ExteriorTreatmentByBrickConfiguration)
{
    // Footprint 800 (E = 100, ceiling 8, M = 800) and 400 upstairs, counted even on a ranch.
    ranch(800);
    hd->setSecondFloorSqFt(400);
    hd->setMainCeilingHeight(8);
    struct Case {
        int brick;
        const char16_t* primary;
        const char16_t* secondary;
        double expected;
    };
    // clang-format off
    const Case cases[] = {
        {0, u"1", u"0", 1200 * 3.83},  {0, u"2", u"0", 1200 * 4.65},
        {0, u"4", u"0", 1200 * 4.72},  {0, u"5", u"0", 1200 * 10.59},
        {0, u"3", u"0", 0.0},          // brick has no primary rate
        {0, u"04", u"0", 0.0},         // codes compare as whole texts
        {1, u"3", u"0", 1200 * 10.01},
        {2, u"3", u"1", 1200 * 10.01 * 0.3 + 1200 * 3.83 * 0.7},
        {3, u"3", u"2", 1200 * 10.01 * 0.7 + 1200 * 4.65 * 0.3},
        {3, u"3", u"5", 1200 * 10.01 * 0.7}, // stucco has no secondary rate
        {4, u"3", u"4", 800 * 10.01 + 400 * 4.72},
        {5, u"3", u"1", 100 * 3 * 10.01 + 100 * 5 * 3.83 + 400 * 3.83},
        {6, u"1", u"1", 0.0},
    };
    // clang-format on
    for (const Case& c : cases) {
        hd->setBrickConfiguration(c.brick);
        hd->setExteriorPrimary(QString::fromUtf16(c.primary));
        hd->setExteriorSecondary(QString::fromUtf16(c.secondary));
        EXPECT_TRUE(samePrice(hd->ExteriorTreatment(), c.expected))
            << "brick " << c.brick << " primary " << QString::fromUtf16(c.primary).toStdString();
    }
}

TEST_F(CostTables, FireplaceItems)
{
    ranch(1500);
    struct Case {
        int fireplace, grade, style, face;
        bool chase;
        const char16_t* primary;
        double expected;
    };
    const double prefabFixed = 111.5 + 152.5 + 170.5;
    // clang-format off
    const Case cases[] = {
        {0, 2, 1, 1, true, u"5", 0.0},
        // prefabricated, grade 1, brick face, ranch
        {1, 1, 1, 1, false, u"1", 1422.85 + 35.4 + 85 + 279 + 433 + 72.5 + 436 + 97 + prefabFixed},
        {1, 1, 1, 1, false, u"5", 1422.85 + 35.4 + 85 + 279 + 433 + 72.5 + 436 + 97 + 80 + prefabFixed},
        {1, 3, 2, 2, true, u"1", 2748.3 + 44 + 93 + 1025 + 591 + 72.5 + 436 + 97 + 730 + prefabFixed},
        {1, 4, 3, 1, true, u"1", 3765.8 + 44 + 93 + 211.5 + 445 + 575 + 109.5 + 727 + 194 + 1220 + prefabFixed},
        // an unlisted grade keeps the flue, chase and fixed items
        {1, 0, 1, 1, false, u"1", 72.5 + 436 + 97 + prefabFixed},
        // masonry, grade 1, ranch over a crawl space, brick face; stucco adds nothing
        {2, 1, 1, 1, false, u"5", 2003.7 + 85 + 58.5 + 95 + 237.5 + 279 + 433},
        {2, 2, 4, 2, true, u"1", 2012.65 + 85 + 58.5 + 221 + 277 + 749 + 518},
        {2, 0, 1, 1, false, u"1", 0.0},
    };
    // clang-format on
    for (const Case& c : cases) {
        hd->setFireplaceStyle(c.fireplace);
        hd->setDefaultGrade(c.grade);
        hd->setStyle(c.style);
        hd->setFireplaceFace(c.face);
        hd->setExternalChase(c.chase);
        hd->setExteriorPrimary(QString::fromUtf16(c.primary));
        EXPECT_TRUE(samePrice(hd->Fireplace(), c.expected))
            << "fireplace " << c.fireplace << " grade " << c.grade << " style " << c.style;
    }
}

TEST_F(CostTables, WaterHeaterByHeatAndGardenTub)
{
    // clang-format off
    const std::tuple<int, bool, double> cases[] = {
        {0, false, 597}, {0, true, 1049}, {1, false, 466}, {2, true, 502}, {3, false, 466},
    };
    // clang-format on
    for (const auto& [heat, tub, expected] : cases) {
        hd->setHeatType(heat);
        hd->setGardenTub(tub);
        EXPECT_TRUE(samePrice(hd->WaterHeater(), expected)) << "heat " << heat;
    }
}

TEST_F(CostTables, PlumbingAlwaysPricesMasterBathAndKitchen)
{
    const double masterItems = 224.7 + 207.36 + 162.5;
    const double kitchenItems = 194.5 + 107 + 87.5 + 75;
    struct Case {
        int grade, finish;
        bool gardenTub;
        double expected;
    };
    // clang-format off
    const Case cases[] = {
        // grade 1 chrome: basin 349.5 + 139 + 61.07, toilet set 293 + 134.5
        {1, 0, false, (349.5 + 139 + 61.07) * 2 + (293 + 134.5) + (151 + 550 + 87.81)
                          + (670 + 172 + 81.77) + masterItems + 49.55 + kitchenItems},
        // a garden tub: 302 + 1920.96 + 170.78 for 151 + 550 + 87.81
        {1, 0, true, (349.5 + 139 + 61.07) * 2 + (293 + 134.5) + (302 + 1920.96 + 170.78)
                         + (670 + 172 + 81.77) + masterItems + 49.55 + kitchenItems},
        // an unlisted finish leaves every faucet at 0
        {1, 3, false, (349.5 + 139) * 2 + (293 + 134.5) + (151 + 550) + (670 + 172) + masterItems
                          + kitchenItems},
        // an unlisted grade prices only the fixed amounts
        {0, 0, false, 139 * 2 + 134.5 + 151 + 172 + masterItems + kitchenItems},
        // grade 2 brass: the lavatory faucet is 1146.97
        {2, 2, false, (416.5 + 139 + 1146.97) * 2 + (328 + 134.5) + (151 + 550 + 204.93)
                          + (1205 + 172 + 197.69) + masterItems + 183.2 + kitchenItems},
        // grade 4 takes the grade 3 faucets and the second basin part
        {4, 1, false, (332 + 139 + 332 + 133.52) * 2 + (782 + 134.5) + (151 + 615 + 174.92)
                          + (1370 + 172 + 127.31) + masterItems + 154.22 + kitchenItems},
    };
    // clang-format on
    for (const Case& c : cases) {
        hd->setDefaultGrade(c.grade);
        hd->setFixtureType(c.finish);
        hd->setGardenTub(c.gardenTub);
        EXPECT_TRUE(samePrice(hd->Plumbing(), c.expected)) << "grade " << c.grade << " finish " << c.finish;
    }
}

TEST_F(CostTables, PlumbingHalfBathsFullBathsAndUtility)
{
    hd->setDefaultGrade(1);
    hd->setFixtureType(0);
    const double base = hd->Plumbing();
    const double basin = 349.5 + 139 + 61.07;
    const double toiletSet = 293 + 134.5;
    hd->setNumHalfBath(2);
    EXPECT_TRUE(samePrice(hd->Plumbing() - base, 2 * (toiletSet + basin) + 2 * (107 + 120.96 + 75)));
    hd->setNumHalfBath(0);
    hd->setNumFullBath(1); // the master bath is priced anyway
    EXPECT_TRUE(samePrice(hd->Plumbing(), base));
    hd->setNumFullBath(3);
    EXPECT_TRUE(samePrice(hd->Plumbing() - base,
                          2 * (toiletSet + basin) + 2 * (550 + 151 + 87.81) + 2 * (171.2 + 155.52 + 75)));
    hd->setNumFullBath(0);
    hd->setrmUtilityRoom(true);
    EXPECT_TRUE(samePrice(hd->Plumbing() - base, 150.59 + 139 + 56.93 + 171.2 + 155.52 + 75));
}

// A stale answer (a basement larger than the main floor it lies under) never makes a
// negative price.
TEST_F(CostTables, StaleBasementLargerThanMainFloorPricesNoNegativeQuantity)
{
    hd->setStyle(1);
    hd->setFoundationType(4);
    hd->setMainFloorSqFt(600);
    hd->setNumCarGarage(1);
    hd->setBasementSqFt(850); // the whole footprint, main floor and garage
    // The crawl-space floor would be (600 - 850) x 3.36.
    EXPECT_TRUE(samePrice(hd->FloorSystems(), 850 * 5.25));
    // Nor an insulated crawl floor of (600 - 850) x 0.5 x 0.45: the main walls and the 0.16 x 10 term.
    hd->setMainCeilingHeight(8);
    const double invDepths = 1.0 / 24 + 1.0 / 26 + 1.0 / 28 + 1.0 / 30 + 1.0 / 32 + 1.0 / 34 + 1.0 / 36;
    const double perimeter = 60 + 2 * 850 * invDepths / 7;
    EXPECT_TRUE(samePrice(hd->Insulation(), perimeter * 8 * 0.45 + 600 * 1.6));
    // The footing runs 8 feet short of the basement perimeter per car: no block wall, not a credit.
    EXPECT_EQ(hd->BlockWalls(), 0.0);
}

TEST_F(CostTables, ElectricalNeverCountsNegativeRoomCircuits)
{
    // Only a family room and a great room: NumRooms 2, and R = 2 - 1 - 1 - 1 would be -1.
    hd->setrmKitchen(false);
    hd->setrmFamilyRoom(true);
    hd->setrmGreatRoom(true);
    hd->setDefaultGrade(1);
    const double expected = 798.4 + 48.55 + 2 * 5 * 39.9 + 77.3 + 55.05 + 85 + 2 * 34.25 + 151.5 + 87.9 +
                            2 * 34.6 + 279.9 + 323 + 80.2 + 2 * 72 + 24 * 88; // K = 16 + 8, G = 2, R = 0
    EXPECT_TRUE(samePrice(hd->Electrical(), expected));
}

TEST_F(CostTables, SixteenBitGarageAreaOverflows)
{
    hd->setNumCarGarage(200); // 200 x 250 leaves the 16-bit range
    EXPECT_EQ(errorOf([&] { hd->SlabFloors(); }), vb::ErrOverflow);
    EXPECT_EQ(errorOf([&] { hd->ExteriorWalls(); }), vb::ErrOverflow);
    EXPECT_EQ(errorOf([&] { hd->DrywallCeiling(); }), vb::ErrOverflow);
}

TEST_F(CostTables, LocationFactorAppliedOnceToEveryCategory)
{
    hd->setStyle(3);
    hd->setFoundationType(4);
    hd->setMainFloorSqFt(1200);
    hd->setSecondFloorSqFt(900);
    hd->setBasementSqFt(700);
    hd->setNumCarGarage(2);
    hd->setNumBedrooms(3);
    hd->setNumFullBath(2);
    hd->setFireplaceStyle(1);
    hd->setDoorOpeners(true);
    std::vector<double> plain;
    for (const auto& cost : kHouseCosts)
        plain.push_back((hd.get()->*cost.method)());
    hd->setLocation(1); // 1.1 in the control database
    ASSERT_FLOAT_EQ(hd->LocationFactor(), 1.1f);
    for (std::size_t i = 0; i < plain.size(); ++i) {
        EXPECT_GT(plain[i], 0.0) << kHouseCosts[i].name;
        EXPECT_TRUE(samePrice((hd.get()->*kHouseCosts[i].method)(), plain[i] * double(1.1f)))
            << kHouseCosts[i].name;
    }
}

} // namespace
