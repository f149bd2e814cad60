#include "tests/support/PageHarness.h"

#include "estimate/clsHomeData.h"
#include "results/CostGroups.h"
#include "shell/basGlobalVariables.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QStringList>

using namespace pagetest;

namespace
{

TEST(Breakout, AmountsFormatWithDollarThousandsAndTwoDecimals)
{
    const std::pair<double, const char*> cases[] = {
        {0, "$.00"},        {1500, "$1,500.00"},         {0.5, "$.50"},
        {12.345, "$12.35"}, {999999.994, "$999,999.99"}, {1234567.5, "$1,234,567.50"},
    };
    for (const auto& [amount, text] : cases)
        EXPECT_EQ(results::formatBreakout(amount), QString::fromLatin1(text)) << amount;
}

TEST(Breakout, GroupsMapToTheirCostMethodsInOrder)
{
    struct Expected {
        const char* caption;
        const char* label;
        const char* members;
        bool single;
    };
    const Expected expected[] = {
        {"Permits:", "lbPermits", "Permits", true},
        {"Site Work:", "lbSiteWork", "LotClearing Excavate Backfill RoughGrade", false},
        {"Sewer System:", "lbSewer", "TrenchSewer SepticSystem", false},
        {"Water System:", "lbWater", "WaterService", false},
        {"Sidewalks & Driveway:", "lbSidewalk", "Sidewalks Driveway", false},
        {"Foundation:", "lbFoundations", "Footings BlockWalls BasementWalls", false},
        {"Cement Floor:", "lbFloor", "SlabFloors", false},
        {"Framing:", "lbFraming", "FloorSystems ExteriorWalls InteriorWalls Headers RoofSystems", false},
        {"Exterior:", "lbExterior", "ExteriorTreatment", false},
        {"Insulation:", "lbInsulation", "Insulation", false},
        {"Drywall & Trim:", "lbDrywall", "DrywallTrim DrywallCeiling Stairways", false},
        {"Roofing:", "lbRoofing", "Roofing", false},
        {"Windows:", "lbWindows", "Windows", false},
        {"Doors:", "lbDoors", "ExteriorDoors GarageDoors InteriorDoors", false},
        {"Floor Coverings:", "lbCarpet", "Flooring", false},
        {"Kitchen:", "lbKitchen", "Kitchen", false},
        {"Fireplace:", "lbFireplace", "Fireplace", false},
        {"Plumbing:", "lbPlumbing", "WaterHeater Plumbing", false},
        {"HVAC:", "lbHVAC", "HVAC", false},
        {"Electrical:", "lbElectrical", "Electrical", false},
        {"Lot:", "lbLot", "LotPrice", true},
        {"Landscaping:", "lbLandscaping", "Landscaping", false},
    };
    const auto& groups = results::costGroups();
    ASSERT_EQ(groups.size(), std::size(expected));
    QStringList all;
    for (size_t i = 0; i < groups.size(); ++i) {
        SCOPED_TRACE(expected[i].label);
        EXPECT_EQ(groups[i].captionText(), QString::fromLatin1(expected[i].caption));
        EXPECT_EQ(QString::fromUtf16(groups[i].valueLabel), QString::fromLatin1(expected[i].label));
        QStringList names;
        for (const auto& m : groups[i].members)
            names << QString::fromUtf16(m.name);
        EXPECT_EQ(names.join(QLatin1Char(' ')), QString::fromLatin1(expected[i].members));
        EXPECT_EQ(groups[i].type == results::CostGroup::Type::Single, expected[i].single);
        all << names;
    }
    all.removeDuplicates();
    EXPECT_EQ(all.size(), 38); // every cost method and the lot price, once each
}

QString shown(const char16_t* label)
{
    auto* value = control<QLabel>(QString::fromUtf16(label));
    return value ? value->text() : QString();
}

TEST(BreakoutPage, ShowsEachGroupSumAndFollowsChangedAnswers)
{
    g_HomeData->setLotPrice(0);
    showPage(36);
    for (const auto& group : results::costGroups()) {
        SCOPED_TRACE(QString::fromUtf16(group.valueLabel).toStdString());
        EXPECT_EQ(shown(group.valueLabel), results::formatBreakout(group.amount(*g_HomeData)));
    }
    EXPECT_EQ(shown(u"lbLot"), QStringLiteral("$.00"));
    EXPECT_EQ(currentPage()->window()->focusWidget(), control(QStringLiteral("cmdContinue")));

    g_HomeData->setLotPrice(25000);
    showPage(36);
    EXPECT_EQ(shown(u"lbLot"), QStringLiteral("$25,000.00"));
    g_HomeData->setLotPrice(0);
}

TEST(BreakoutPage, BackLeavesWithoutSavingAndContinueMovesOn)
{
    showPage(46);
    showPage(36);
    click(QStringLiteral("cmdContinue"));
    EXPECT_EQ(currentFormId(), 3);
    showPage(36);
    click(QStringLiteral("cmdBack"));
    EXPECT_NE(currentFormId(), 36);
}

} // namespace
