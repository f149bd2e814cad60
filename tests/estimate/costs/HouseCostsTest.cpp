// Complete houses priced by hand, category by category, and their total.
//
// Every house here has a footprint of at most 2000 square feet: one rectangle, no wings, and all
// seven trial depths 24..36 qualify (F / 24 <= 85). The averaged lengths then have closed forms,
// with F the footprint, B the basement area and I = sum of 1/d over the depths:
//   house depth            30
//   house perimeter        (1/7) sum(2d + 2F/d)              = 60 + 2F I / 7
//   basement perimeter     2 (B I / 7 + 30)                    (B <= F, so B/d <= F/d)
//   crawl or slab perimeter (1/7) sum(k F/d + 2d - 8 cars)   = F K / 7 + 60 - 8 cars
//   partial-basement perimeter (1/7) sum(k (F-B)/d + 3d + 2B/d - 8 cars)
//                          = (F-B) K / 7 + 90 + 2B I / 7 - 8 cars     (B < F)
// where K = sum of k/d with k = 3 for d up to 28 and 4 from 30 on.
// Counts: rooms, windows, interior doors, bedroom doors and open rooms follow the room table.

#include "tests/estimate/costs/CostFixture.h"

#include <QString>

#include <cmath>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>

using costs_test::CostTest;
using costs_test::kHouseCosts;
using costs_test::samePrice;

namespace
{

const double I = 1.0 / 24 + 1.0 / 26 + 1.0 / 28 + 1.0 / 30 + 1.0 / 32 + 1.0 / 34 + 1.0 / 36;
const double K = 3 * (1.0 / 24 + 1.0 / 26 + 1.0 / 28) + 4 * (1.0 / 30 + 1.0 / 32 + 1.0 / 34 + 1.0 / 36);

double housePerimeter(double f)
{
    return 60 + 2 * f * I / 7;
}
double basementPerimeter(double b)
{
    return 2 * (b * I / 7 + 30);
}
double crawlPerimeter(double f, int cars)
{
    return f * K / 7 + 60 - 8 * cars;
}
double partialPerimeter(double f, double b, int cars)
{
    return (f - b) * K / 7 + 90 + 2 * b * I / 7 - 8 * cars;
}
// Excavation yards: crawl pit (s + 7)^2 x 3 / 27, basement (s + 4 + H)^2 x H / 27.
double crawlYards(double area)
{
    const double s = std::sqrt(area);
    return (s + 7) * (s + 7) * 3 / 27;
}
double basementYards(double b, double h)
{
    const double s = std::sqrt(b);
    return (s + 4 + h) * (s + 4 + h) * h / 27;
}

const double kMasterItems = 224.7 + 207.36 + 162.5;
const double kFullBathItems = 171.2 + 155.52 + 75;
const double kHalfBathItems = 107 + 120.96 + 75;
const double kKitchenItems = 194.5 + 107 + 87.5 + 75;

struct House {
    const char* name;
    float locationFactor;
    std::function<void(clsHomeData&)> answers;
    std::map<std::string, double> expected; // before the location factor
    double yards;                           // excavated cubic yards
    double septic;
};

// Site answers that keep the site categories simple: well, septic, nothing to clear,
// landscape, pave or walk.
void plainSite(clsHomeData& h)
{
    h.setWaterType(1);
    h.setSewerType(1);
    h.setLotCondition(3);
    h.setLotSize(0);
    h.setSidewalksRequired(false);
    h.setDrivewayTreatment(3);
    h.setLotPrice(30000.5f);
}

// clang-format off
std::vector<House> houses()
{
    std::vector<House> list;

    // H1: ranch over a crawl space, gas without AC, economy, no garage, vinyl, no fireplace.
    // F = 1500 + front porch 100 = 1600. Rooms 3 + 2 + kitchen, dining, family = 8;
    // windows 2 x 5 + 6 = 16; interior doors 5; bedroom doors 3; open rooms 3. Living area 1500.
    {
        const double fp = crawlPerimeter(1600, 0);
        const double basin = 349.5 + 139 + 0 + 61.07, toilets = 293 + 134.5;
        list.push_back({"crawl ranch", 1.0f,
            [](clsHomeData& h) {
                h.setStyle(1); h.setFoundationType(1); h.setHeatType(0); h.setAC(false);
                h.setDefaultGrade(1); h.setNumCarGarage(0); h.setBrickConfiguration(0);
                h.setExteriorPrimary(QStringLiteral("1")); h.setExteriorSecondary(QStringLiteral("0"));
                h.setFireplaceStyle(0); h.setMainFloorSqFt(1500); h.setFrontPorchSqFt(100);
                h.setMainCeilingHeight(8); h.setRoofStyle(0); h.setRoofPitch(4); h.setFixtureType(0);
                h.setNumBedrooms(3); h.setNumFullBath(2); h.setNumHalfBath(0);
                h.setrmDiningRoom(true); h.setrmFamilyRoom(true);
            },
            {
                {"Footings", fp * 9.98},
                {"BlockWalls", fp * 3 * 8.05},
                {"BasementWalls", 0},
                {"SlabFloors", 100 * 2.63},
                {"FloorSystems", 1500 * 3.36},
                {"ExteriorWalls", 1500 * 2.29},
                {"InteriorWalls", 1500 * 1.25},
                {"Headers", 52.88 + 16 * 21.05 + (5 + 3 + 3) * 13.22},
                {"RoofSystems", 1600 * 4.68},
                {"ExteriorTreatment", 1600 / 8.0 * 8 * 3.83},
                {"Insulation", housePerimeter(1600) * 8 * 0.45 + 1500 * 0.5 * 0.45 + 1500 * 1.6},
                {"Windows", 16 * 459.3},
                {"ExteriorDoors", 4 * 617.83},
                {"GarageDoors", 0},
                {"Roofing", 1600 * 2.66},
                {"DrywallTrim", 1500 * 1.91},
                {"DrywallCeiling", 1500 * 1.63},
                {"InteriorDoors", 3 * 602.62 + 5 * 518.91 + 3 * 378.12},
                {"Flooring", 1500 * 2.45},
                {"Stairways", 0},
                {"Kitchen", 20 * 123.34 + 2853},
                {"Fireplace", 0},
                {"WaterHeater", 597},
                {"Plumbing", (basin * 2 + toilets) + (151 + 550 + 87.81) + (670 + 172 + 81.77) + kMasterItems
                     + 1 * (toilets + basin) + 1 * (550 + 151 + 87.81) + kFullBathItems
                     + 49.55 + kKitchenItems},
                {"HVAC", 1019 + (589 + 73) + (740 + 696 + 444 + 355) + 82},
                // R = 8 - 1 - 1 = 6, K = 16, G = 0 + 2
                {"Electrical", 798.4 + 48.55 + (8 - 2 - 0) * 5 * 39.9 + 2 * 47.6 + 77.3 + 55.05 + 3 * 85
                     + 8 * 34.25 + 151.5 + 87.9 + 8 * 34.6 + 279.9 + 323 + 80.2 + 2 * 72 + 16 * 88 + 6 * 72},
            },
            crawlYards(1600), 4788.85});
    }

    // H2: story and a half on a slab, gas with AC, average, one car (finished, openers), full
    // brick, prefabricated fireplace with a brick face. F = 250 + 1200 = 1450. Rooms 6 + kitchen,
    // living, nook, pantry, utility = 11; windows 12 + 8 = 20; interior doors 6 + pantry + utility
    // = 8; bedroom doors 3; open rooms 3. Living area 1800.
    {
        const double fp = crawlPerimeter(1450, 1);
        const double basin = 416.5 + 139 + 0 + 110.75, toilets = 328 + 134.5;
        list.push_back({"slab story and a half", 1.1f,
            [](clsHomeData& h) {
                h.setStyle(2); h.setFoundationType(2); h.setHeatType(0); h.setAC(true);
                h.setDefaultGrade(2); h.setNumCarGarage(1); h.setFinishGarage(true); h.setDoorOpeners(true);
                h.setBrickConfiguration(1); h.setExteriorPrimary(QStringLiteral("3"));
                h.setExteriorSecondary(QStringLiteral("1")); h.setFireplaceStyle(1); h.setFireplaceFace(1);
                h.setExternalChase(false); h.setMainFloorSqFt(1200); h.setSecondFloorSqFt(600);
                h.setMainCeilingHeight(9); h.setRoofStyle(1); h.setRoofPitch(8); h.setFixtureType(1);
                h.setGardenTub(true); h.setNumBedrooms(3); h.setNumFullBath(2); h.setNumHalfBath(1);
                h.setrmLivingRoom(true); h.setrmBreakfastNook(true); h.setrmPantry(true);
                h.setrmUtilityRoom(true);
            },
            {
                {"Footings", fp * 9.98},
                {"BlockWalls", fp * 3 * 8.05},
                {"BasementWalls", 0},
                {"SlabFloors", 1200 * 2.63 + 250 * 2.63},
                {"FloorSystems", 600 * 3.36},
                {"ExteriorWalls", (1200 + 600 + 250) * 2.29},
                {"InteriorWalls", (1200 + 600) * 1.25},
                {"Headers", 52.88 + 20 * 21.05 + (8 + 3 + 3) * 13.22},
                {"RoofSystems", 1450 * 7.77},
                {"ExteriorTreatment", (1450 / 8.0 * 9 + 600) * 10.01},
                {"Insulation", housePerimeter(1450) * 9 * 0.45 + 600 * 0.45 + 250 * 0.45 + 1200 * 0.5 * 0.45
                     + 1200 * 1.6},
                {"Windows", 20 * 459.3},
                {"ExteriorDoors", 4 * 787.83},
                {"GarageDoors", 1478.77},
                {"Roofing", 1450 * 4.06},
                {"DrywallTrim", (1200 + 600 + 250) * 1.91},
                {"DrywallCeiling", (1200 + 600 + 250) * 1.63},
                {"InteriorDoors", 3 * 637.62 + 8 * 533.41 + 3 * 378.12},
                {"Flooring", (1200 + 600) * 3.22 + 14 * 9.45},
                {"Stairways", 2159.45},
                {"Kitchen", 20 * 167.74 + 4219.8},
                {"Fireplace", (1726.6 + 39.7 + 85) + (325 + 504) + (72.5 + 436 + 97) + (111.5 + 152.5 + 170.5)},
                {"WaterHeater", 1049},
                {"Plumbing", 1 * (toilets + basin) + kHalfBathItems
                     + (basin * 2 + toilets) + (302 + 1920.96 + 202.86) + (1205 + 172 + 106.61) + kMasterItems
                     + 1 * (toilets + basin) + 1 * (550 + 151 + 141.8) + kFullBathItems
                     + (186.82 + 139 + 0 + 105.57) + kFullBathItems
                     + 125.24 + kKitchenItems},
                {"HVAC", 5118 + (589 + 73) + (740 + 696 + 444 + 355) + 82},
                // R = 10, K = 8, G = 1 + 2; openers 318 + 39.9
                {"Electrical", 1487 + 48.55 + 94 + (11 - 2 - 1) * 5 * 39.9 + (1 + 4) * 39.9 + 3 * 47.6 + 77.3
                     + 55.05 + 4 * 85 + 12 * 34.25 + 151.5 + 87.9 + 12 * 34.6 + 279.9 + 323 + 80.2 + 3 * 72
                     + 8 * 110 + 10 * 85 + 318 + 39.9},
            },
            fp * 0.94444, 4788.85});
    }

    // H3: two storey over a finished full basement, electric heat (AC answered but unused),
    // premium, two cars, brick front, masonry fireplace with a stone face. F = 500 + 1400 + 80
    // = 1980; B = 1400. Rooms 8 + kitchen, family, great, den, office = 13; windows 16 + 10 = 26;
    // interior doors 8 + 2 = 10; bedroom doors 4; open rooms 3. Living area 2600.
    {
        const double hp = housePerimeter(1980), bp = basementPerimeter(1400);
        const double basin = 253 + 139 + 253 + 201.83, toilets = 652 + 134.5;
        list.push_back({"two storey over a finished basement", 0.95f,
            [](clsHomeData& h) {
                h.setStyle(3); h.setFoundationType(3); h.setHeatType(1); h.setAC(true);
                h.setDefaultGrade(3); h.setNumCarGarage(2); h.setBrickConfiguration(2);
                h.setExteriorPrimary(QStringLiteral("3")); h.setExteriorSecondary(QStringLiteral("1"));
                h.setFireplaceStyle(2); h.setFireplaceFace(2); h.setMainFloorSqFt(1400);
                h.setSecondFloorSqFt(1200); h.setBasementSqFt(1400); h.setBasementCeilingHeight(9);
                h.setFinishBasement(true); h.setFrontPorchSqFt(80); h.setMainCeilingHeight(9);
                h.setRoofStyle(0); h.setRoofPitch(12); h.setFixtureType(2); h.setKitchenIsland(true);
                h.setNumBedrooms(4); h.setNumFullBath(3); h.setNumHalfBath(1);
                h.setrmFamilyRoom(true); h.setrmGreatRoom(true); h.setrmDen(true); h.setrmOffice(true);
            },
            {
                {"Footings", hp * 9.98},
                {"BlockWalls", (hp - bp) * 3 * 8.05},
                {"BasementWalls", 9 * bp * 8.6},
                {"SlabFloors", 1400 * 2.63 + 500 * 2.63 + 80 * 2.63},
                {"FloorSystems", 1400 * (1.2 + 3.87 + 0.18) + 1200 * 3.36},
                {"ExteriorWalls", (1400 + 1200 + 500) * 2.29},
                {"InteriorWalls", (1400 + 1200 + 1400) * 1.25},
                {"Headers", 52.88 + 26 * 21.05 + (10 + 4 + 3) * 13.22},
                {"RoofSystems", 1980 * 6.09},
                {"ExteriorTreatment", (1980 / 8.0 * 9 + 1200) * (10.01 * 0.3 + 3.83 * 0.7)},
                {"Insulation", hp * 9 * 0.45 + 1200 * 0.45 + 1400 * 0.45 + 0 + 1400 * 1.6},
                {"Windows", 26 * 459.3},
                {"ExteriorDoors", 4 * 938.33},
                {"GarageDoors", 1921.08},
                {"Roofing", 1980 * 3.57},
                {"DrywallTrim", (1400 + 1200 + 1400) * 1.91},
                {"DrywallCeiling", (1400 + 1200 + 500 + 1400) * 1.63},
                {"InteriorDoors", 4 * 820.62 + 10 * 641.91 + 3 * 378.12},
                {"Flooring", (1400 + 1200 + 1400) * 4.27 + 28 * 9.45},
                {"Stairways", 2 * 3183.52},
                {"Kitchen", 24 * 327.74 + 5401.9},
                {"Fireplace", (2967.5 + 93 + 68.5) + 319 + 526 + (1025 + 591)},
                {"WaterHeater", 466},
                {"Plumbing", 1 * (toilets + basin) + kHalfBathItems
                     + (basin * 2 + toilets) + (151 + 615 + 244.26) + (1255 + 172 + 234.95) + kMasterItems
                     + 2 * (toilets + basin) + 2 * (615 + 151 + 244.26) + 2 * kFullBathItems
                     + 212.18 + kKitchenItems},
                {"HVAC", 14904},
                // R = 13 - 1 - 1 - 1 = 10, K = 16 + 8 + 8 = 32, G = 2 + 2 (finished basement)
                {"Electrical", 5853.6 + 48.55 + (13 - 3 - 1) * 5 * 39.9 + 1400 / 100.0 * 39.9 + 4 * 47.6 + 77.3
                     + 55.05 + 5 * 85 + 15 * 34.25 + 102.75 + 151.5 + 87.9 + 15 * 34.6 + 69.2 + 279.9 + 323
                     + 251.6 + 4 * 72 + 32 * 132 + 10 * 112},
            },
            basementYards(1400, 9), 9555.5});
    }

    // H4: two and a half storey over an unfinished partial basement, geothermal, luxury, three
    // cars with openers, brick front and sides, stucco primary, prefabricated fireplace with a
    // stone face and an external chase. F = 750 + 1000 = 1750; B = 600 < F (m = 3). Rooms 7 +
    // kitchen, dining, gathering, study, sun room, loft = 13; windows 14 + 12 = 26; interior
    // doors 7 + 2 = 9; bedroom doors 3; open rooms 3. Living area 2500.
    {
        const double fp = partialPerimeter(1750, 600, 3), bp = basementPerimeter(600);
        const double basin = 332 + 139 + 332 + 92.76, toilets = 782 + 134.5;
        list.push_back({"two and a half storey over a partial basement", 1.25f,
            [](clsHomeData& h) {
                h.setStyle(4); h.setFoundationType(4); h.setHeatType(2); h.setAC(false);
                h.setDefaultGrade(4); h.setNumCarGarage(3); h.setDoorOpeners(true);
                h.setBrickConfiguration(3); h.setExteriorPrimary(QStringLiteral("5"));
                h.setExteriorSecondary(QStringLiteral("2")); h.setFireplaceStyle(1); h.setFireplaceFace(2);
                h.setExternalChase(true); h.setMainFloorSqFt(1000); h.setSecondFloorSqFt(900);
                h.setThirdFloorSqFt(600); h.setBasementSqFt(600); h.setBasementCeilingHeight(8);
                h.setMainCeilingHeight(10); h.setRoofStyle(1); h.setRoofPitch(10); h.setFixtureType(0);
                h.setKitchenBar(true); h.setNumBedrooms(3); h.setNumFullBath(2); h.setNumHalfBath(2);
                h.setrmDiningRoom(true); h.setrmGatheringRoom(true); h.setrmStudy(true);
                h.setrmSunRoom(true); h.setrmLoft(true);
            },
            {
                {"Footings", fp * 9.98},
                {"BlockWalls", (fp - bp) * 3 * 8.05},
                {"BasementWalls", 8 * bp * 8.6},
                {"SlabFloors", 600 * 2.63 + 750 * 2.63},
                {"FloorSystems", 600 * 5.25 + (1000 - 600) * 3.36 + 900 * 3.36 + 600 * 3.36},
                {"ExteriorWalls", (1000 + 900 + 600 + 750) * 2.29},
                {"InteriorWalls", (1000 + 900 + 600) * 1.25},
                {"Headers", 52.88 + 26 * 21.05 + (9 + 3 + 3) * 13.22},
                {"RoofSystems", 1750 * 10.12},
                {"ExteriorTreatment", (1750 / 8.0 * 10 + 900 + 600) * (10.01 * 0.7 + 4.65 * 0.3)},
                {"Insulation", housePerimeter(1750) * 10 * 0.45 + 900 * 0.45 + 600 * 0.45 + 400 * 0.5 * 0.45
                     + 1000 * 1.6},
                {"Windows", 26 * 459.3},
                {"ExteriorDoors", 4 * 1311.83},
                {"GarageDoors", 2501.85 + 898},
                {"Roofing", 1750 * 4.83},
                {"DrywallTrim", (1000 + 900 + 600) * 1.91},
                {"DrywallCeiling", (1000 + 900 + 600 + 750) * 1.63},
                {"InteriorDoors", 3 * 889.61 + 9 * 682.64 + 3 * 378.12},
                {"Flooring", (1000 + 900 + 600) * 5.74 + 28 * 9.45},
                {"Stairways", 2 * 3183.52 + 813.15},
                {"Kitchen", 24 * 445.72 + 6427},
                {"Fireplace", (3765.8 + 44 + 93 + 211.5) + (1025 + 591) + (109.5 + 727 + 194) + 1220 + 80
                     + (111.5 + 152.5 + 170.5)},
                {"WaterHeater", 466},
                {"Plumbing", 2 * (toilets + basin) + 2 * kHalfBathItems
                     + (basin * 2 + toilets) + (151 + 615 + 134.55) + (1370 + 172 + 126.27) + kMasterItems
                     + 1 * (toilets + basin) + 1 * (615 + 151 + 134.55) + kFullBathItems
                     + 128.34 + kKitchenItems},
                {"HVAC", 15214.5},
                // R = 12, K = 8, G = 3 + 4 (unfinished basement); openers 449 x 2 + 79.8
                {"Electrical", 5853.6 + 48.55 + (13 - 2 - 2) * 5 * 39.9 + 4 * 47.6 + 77.3 + 55.05 + 5 * 85
                     + 16 * 34.25 + 34.25 + 151.5 + 87.9 + 16 * 34.6 + 69.2 + 279.9 + 323 + 251.6 + 7 * 72
                     + 8 * 132 + 12 * 112 + 449 * 2 + 79.8},
            },
            crawlYards(1750 - 600) + basementYards(600, 8), 9555.5});
    }

    // H5: two storey over a crawl space with a finished bonus room, gas with AC, average, four
    // cars, brick main floor, masonry fireplace with a brick face, brass fixtures, garden tub.
    // F = 1000 + 900 = 1900. Rooms 4 + kitchen, living, game, foyer, bonus = 9; windows 8 + 8 = 16;
    // interior doors 4 + game + bonus = 6; bedroom doors 2; open rooms 2. Living area 2100.
    {
        const double fp = crawlPerimeter(1900, 4);
        const double basin = 416.5 + 139 + 0 + 1146.97, toilets = 328 + 134.5;
        list.push_back({"two storey with a bonus room", 1.0f,
            [](clsHomeData& h) {
                h.setStyle(3); h.setFoundationType(1); h.setHeatType(0); h.setAC(true);
                h.setDefaultGrade(2); h.setNumCarGarage(4); h.setBrickConfiguration(4);
                h.setExteriorPrimary(QStringLiteral("3")); h.setExteriorSecondary(QStringLiteral("4"));
                h.setFireplaceStyle(2); h.setFireplaceFace(1); h.setMainFloorSqFt(900);
                h.setSecondFloorSqFt(900); h.setrmBonusRoom(true); h.setFinishBonusRoom(true);
                h.setBonusRoomSqFt(300); h.setMainCeilingHeight(8); h.setRoofStyle(0); h.setRoofPitch(8);
                h.setFixtureType(2); h.setGardenTub(true); h.setKitchenIsland(true); h.setKitchenBar(true);
                h.setNumBedrooms(2); h.setNumFullBath(1); h.setNumHalfBath(1);
                h.setrmLivingRoom(true); h.setrmGameRoom(true); h.setrmFoyer(true);
            },
            {
                {"Footings", fp * 9.98},
                {"BlockWalls", fp * 3 * 8.05},
                {"BasementWalls", 0},
                {"SlabFloors", 1000 * 2.63},
                {"FloorSystems", 900 * 3.36 + 900 * 3.36 + 300 * 3.36 + 300 + 300 * 0.18},
                {"ExteriorWalls", (900 + 900 + 1000) * 2.29},
                {"InteriorWalls", 900 * 1.25 + 900 * 1.25 + 300 * 1.25 * 0.5},
                {"Headers", 52.88 + 16 * 21.05 + (6 + 2 + 2) * 13.22},
                {"RoofSystems", 1900 * 5.31},
                {"ExteriorTreatment", 1900 / 8.0 * 8 * 10.01 + 900 * 4.72},
                {"Insulation", housePerimeter(1900) * 8 * 0.45 + 900 * 0.45 + 300 * 0.45 + 900 * 0.5 * 0.45
                     + 900 * 1.6},
                {"Windows", 16 * 459.3},
                {"ExteriorDoors", 4 * 787.83},
                {"GarageDoors", 2944.16 + 898},
                {"Roofing", 1900 * 3.05},
                {"DrywallTrim", (900 + 900 + 300) * 1.91},
                {"DrywallCeiling", (900 + 900 + 300 + 1000) * 1.63},
                {"InteriorDoors", 2 * 637.62 + 6 * 533.41 + 2 * 378.12},
                {"Flooring", (900 + 900 + 300) * 3.22 + 14 * 9.45},
                {"Stairways", 2159.45},
                {"Kitchen", 28 * 167.74 + 4219.8},
                {"Fireplace", (2012.65 + 85 + 58.5) + 221 + 277 + (325 + 504)},
                {"WaterHeater", 1049},
                {"Plumbing", 1 * (toilets + basin) + kHalfBathItems
                     + (basin * 2 + toilets) + (302 + 1920.96 + 273.24) + (1205 + 172 + 197.69) + kMasterItems
                     + 183.2 + kKitchenItems},
                {"HVAC", 5803 + (687 + 73) + (925 + 1055 + 462.6 + 415) + 82},
                // R = 8, K = 8, G = 4 + 2
                {"Electrical", 1487 + 48.55 + (9 - 1 - 1) * 5 * 39.9 + 2 * 47.6 + 77.3 + 55.05 + 3 * 85
                     + 13 * 34.25 + 151.5 + 87.9 + 13 * 34.6 + 279.9 + 323 + 80.2 + 6 * 72 + 8 * 110 + 8 * 85},
            },
            crawlYards(1900), 4788.85});
    }

    // H6: ranch over an unfinished full basement with an unfinished bonus room above, gas without
    // AC, premium, two cars with openers, partial brick, no fireplace (its other answers set).
    // F = 500 + 1300 + rear porch 150 = 1950; B = 1300. Rooms 5 + kitchen, great, sitting = 8;
    // windows 10 + 6 + bonus 2 = 18; interior doors 5 + sitting + bonus = 7; bedroom doors 3;
    // open rooms 2. Living area 1300.
    {
        const double hp = housePerimeter(1950), bp = basementPerimeter(1300);
        const double basin = 253 + 139 + 253 + 133.52, toilets = 652 + 134.5;
        list.push_back({"ranch over a basement with a bonus room", 1.05f,
            [](clsHomeData& h) {
                h.setStyle(1); h.setFoundationType(3); h.setHeatType(0); h.setAC(false);
                h.setDefaultGrade(3); h.setNumCarGarage(2); h.setDoorOpeners(true);
                h.setBrickConfiguration(5); h.setExteriorPrimary(QStringLiteral("3"));
                h.setExteriorSecondary(QStringLiteral("1")); h.setFireplaceStyle(0); h.setFireplaceFace(2);
                h.setExternalChase(true); h.setMainFloorSqFt(1300); h.setBasementSqFt(1300);
                h.setBasementCeilingHeight(8); h.setRearPorchSqFt(150); h.setrmBonusRoom(true);
                h.setBonusRoomSqFt(400); h.setMainCeilingHeight(8); h.setRoofStyle(0); h.setRoofPitch(10);
                h.setFixtureType(1); h.setGardenTub(true); h.setKitchenBar(true);
                h.setNumBedrooms(3); h.setNumFullBath(2); h.setNumHalfBath(0);
                h.setrmGreatRoom(true); h.setrmSittingRoom(true);
            },
            {
                {"Footings", hp * 9.98},
                {"BlockWalls", (hp - bp) * 3 * 8.05},
                {"BasementWalls", 8 * bp * 8.6},
                {"SlabFloors", 1300 * 2.63 + 500 * 2.63 + 150 * 2.63},
                {"FloorSystems", 1300 * 5.25 + 400 * (3.36 + 1 + 0.18)},
                {"ExteriorWalls", (1300 + 500) * 2.29},
                {"InteriorWalls", 1300 * 1.25},
                {"Headers", 52.88 + 18 * 21.05 + (7 + 3 + 2) * 13.22},
                {"RoofSystems", 1950 * 5.69},
                {"ExteriorTreatment", 1950 / 8.0 * 3 * 10.01 + 1950 / 8.0 * (8 - 3) * 3.83},
                {"Insulation", hp * 8 * 0.45 + 0 + 1300 * 1.6},
                {"Windows", 18 * 459.3},
                {"ExteriorDoors", 4 * 938.33},
                {"GarageDoors", 1921.08},
                {"Roofing", 1950 * 3.5},
                {"DrywallTrim", 1300 * 1.91},
                {"DrywallCeiling", (1300 + 500) * 1.63},
                {"InteriorDoors", 3 * 820.62 + 7 * 641.91 + 2 * 378.12},
                {"Flooring", 1300 * 4.27},
                {"Stairways", 3183.52 + 813.15},
                {"Kitchen", 24 * 327.74 + 5401.9},
                {"Fireplace", 0},
                {"WaterHeater", 1049},
                {"Plumbing", (basin * 2 + toilets) + (302 + 2127.96 + 221.49) + (1255 + 172 + 127.31) + kMasterItems
                     + 1 * (toilets + basin) + 1 * (615 + 151 + 174.92) + kFullBathItems
                     + 154.22 + kKitchenItems},
                {"HVAC", 1019 + (1523 + 132) + (629 + 579 + 355.2 + 284) + 82},
                // R = 8 - 1 - 1 = 6, K = 8 + 8 = 16, G = 2 + 4 + 2 (unfinished bonus); openers 449 + 39.9
                {"Electrical", 798.4 + 48.55 + (8 - 2 - 0) * 5 * 39.9 + 2 * 47.6 + 77.3 + 55.05 + 3 * 85
                     + 10 * 34.25 + 34.25 + 151.5 + 87.9 + 10 * 34.6 + 69.2 + 279.9 + 323 + 251.6 + 8 * 72
                     + 16 * 132 + 6 * 112 + 449 + 39.9},
            },
            basementYards(1300, 8), 4788.85});
    }
    return list;
}
// clang-format on

// Worked figures of the six houses, to the last bit: the roof covering and the block walls,
// whose products are kept in double precision from single-precision factors, and the total.
//   Single values used: 2.66 = 2.6600000858306884765625, 4.06 = 4.0599999427795410156250,
//   3.57 = 3.5699999332427978515625, 4.83 = 4.8299999237060546875, 3.05 = 3.0499999523162841796875,
//   3.5 exactly; 8.05 = 8.05000019073486328125; LF 1.1 = 1.10000002384185791015625,
//   0.95 = 0.949999988079071044921875, 1.25 exactly, 1.05 = 1.0499999523162841796875.
// Roofing = F x rate (exact in double: 11 by 24 bits) x LF. Where single precision would round
// F x rate (to 4256, 5887, 7068.6000976..., 8452.5, 5795) the figure differs in the fourth
// decimal or beyond.
// BlockWalls = (FL - BP) x 3 x 8.05 x LF with FL and BP the house model's Single lengths. Their
// closed forms (above) give the lengths to a few units in the sixth digit; the model sums Single
// terms depth by depth, and its Singles are given here. FL - BP is exact in double; in single
// precision it is exact too unless FL is more than twice BP with BP > 0: in the partial basement
// it would round 143.11598968505859375 to 143.115997314453125.
// Total: the hand sum of the categories of the house (per-category formulas above, plain site,
// lot 30000.5) is far enough from a half dollar to give the whole dollars exactly.
struct Worked {
    const char* name;
    float footingLength;
    float basementPerimeter;
    double roofing;
    double blockWalls;
    int32_t total;
};
// clang-format off
const Worked kWorked[] = {
    // F 1600, gable 4, grade 1: 1600 x 2.66 = 4256.0001373291015625. FL = crawl perimeter
    // 250.77005 (closed form 250.770052), no basement: 250.77005004882812 x 3 x 8.05.
    // Hand total 128741.27.
    {"crawl ranch", 250.77005004882812f, 0.0f, 4256.0001373291015625, 6056.0968521709729, 128741},
    // F 1450, hip 8, grade 2: 1450 x 4.06 = 5886.99991703033447265625, x 1.1 = 6475.70004909038.
    // FL = slab perimeter 224.885345 (closed form 224.885359). Hand total 196470.12.
    {"slab story and a half", 224.88534545898438f, 0.0f, 6475.7000490903838, 5974.0794731510723, 196470},
    // F 1980, gable 12, grade 3: 1980 x 3.57 = 7068.599867820739746, x 0.95 = 6715.16979016543.
    // FL = house perimeter 194.422409, BP = 155.046143 (B 1400): 39.3762664794921875 feet.
    // Hand total 255248.26.
    {"two storey over a finished basement", 194.4224090576172f, 155.046142578125f,
     6715.1697901654261, 903.39000377441516, 255248},
    // F 1750, hip 10, grade 4: 1750 x 4.83 = 8452.49986648559570, x 1.25 = 10565.6248331069946.
    // FL = partial-basement perimeter 243.850052 (closed form 243.850037), BP = 100.734062 (B 600):
    // 143.11598968505859375 feet, x 3 x 8.05 x 1.25 = 4320.31404098224 (4320.31427129459 from
    // the single-precision difference). Hand total 337853.92.
    {"two and a half storey over a partial basement", 243.8500518798828f, 100.73406219482422f,
     10565.624833106995, 4320.314040982239, 337854},
    // F 1900, gable 8, grade 2: 1900 x 3.05 = 5794.99990940093994140625. FL = crawl perimeter
    // 254.539429 (closed form 254.539436), four cars. Hand total 190775.35.
    {"two storey with a bonus room", 254.5394287109375f, 0.0f, 5794.9999094009399, 6147.12734901777, 190775},
    // F 1950, gable 10, grade 3: 1950 x 3.5 = 6825 exactly, x 1.05 = 7166.24967455864.
    // FL = house perimeter 192.385712, BP = 148.257141 (B 1300): 44.128570556640625 feet.
    // Hand total 190084.27.
    {"ranch over a basement with a bonus room", 192.38571166992188f, 148.25714111328125f,
     7166.2496745586395, 1118.9902035863392, 190084},
};
// clang-format on

const Worked& workedFigures(const std::string& name)
{
    for (const Worked& w : kWorked) {
        if (name == w.name) return w;
    }
    throw std::out_of_range(name);
}

class HouseCosts : public CostTest
{
};

TEST_F(HouseCosts, EveryCategoryOfEveryHouse)
{
    for (const House& house : houses()) {
        freshHouse();
        house.answers(*hd);
        hd->setLocationFactor(house.locationFactor);
        ASSERT_EQ(house.expected.size(), std::size(kHouseCosts)) << house.name;
        for (const auto& cost : kHouseCosts) {
            const double expected = house.expected.at(cost.name) * double(house.locationFactor);
            EXPECT_TRUE(samePrice((hd.get()->*cost.method)(), expected)) << house.name << ": " << cost.name;
        }
    }
}

TEST_F(HouseCosts, RoofingAndBlockWallsToTheLastBit)
{
    for (const House& house : houses()) {
        freshHouse();
        house.answers(*hd);
        hd->setLocationFactor(house.locationFactor);
        const Worked& w = workedFigures(house.name);
        const clsHomeDataProbe model(*hd);
        EXPECT_EQ(model.FootingLength(), w.footingLength) << house.name;
        EXPECT_EQ(model.BasementPerimeter(), w.basementPerimeter) << house.name;
        EXPECT_EQ(hd->Roofing(), w.roofing) << house.name;
        EXPECT_EQ(hd->BlockWalls(), w.blockWalls) << house.name;
    }
}

// The categories that add up in single precision come back as Single values when the location
// factor is 1.
TEST_F(HouseCosts, SinglePrecisionAmountsStaySingle)
{
    const costs_test::CostMethod singles[] = {
        &clsHomeData::SlabFloors,    &clsHomeData::FloorSystems,   &clsHomeData::ExteriorWalls,
        &clsHomeData::InteriorWalls, &clsHomeData::Headers,        &clsHomeData::Insulation,
        &clsHomeData::DrywallTrim,   &clsHomeData::DrywallCeiling, &clsHomeData::InteriorDoors,
        &clsHomeData::Flooring,      &clsHomeData::Stairways,
    };
    for (const House& house : houses()) {
        freshHouse();
        house.answers(*hd);
        hd->setLocationFactor(1.0f);
        for (auto method : singles) {
            const double value = (hd.get()->*method)();
            EXPECT_EQ(value, double(float(value))) << house.name;
        }
    }
}

TEST_F(HouseCosts, TotalOfEveryHouse)
{
    for (const House& house : houses()) {
        freshHouse();
        house.answers(*hd);
        plainSite(*hd);
        hd->setLocationFactor(house.locationFactor);
        // Site: permits for well and septic 2525, well 3213, the septic system by bedrooms and
        // baths, excavation at 1.14 a yard, backfill and rough grade each half the yards at 1.04.
        double sum = 2525 + 3213 + house.septic + house.yards * 1.14 + 2 * house.yards * 0.5 * 1.04;
        for (const auto& [name, amount] : house.expected)
            sum += amount;
        const double expected = sum * double(house.locationFactor) + 30000.5;
        EXPECT_NEAR(hd->CalculateTotal(), expected, 0.6) << house.name;
        EXPECT_EQ(hd->CalculateTotal(), workedFigures(house.name).total) << house.name;
    }
}

} // namespace
