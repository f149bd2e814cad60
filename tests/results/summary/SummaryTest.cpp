#include "tests/support/PageHarness.h"

#include "estimate/clsHomeData.h"
#include "results/basReporting.h"
#include "runtime/forms/Twips.h"
#include "shell/basGlobalVariables.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include <functional>

using namespace pagetest;

namespace
{

// A ranch of 1800 sq ft on a crawl space in Kansas City, Missouri (LocationID 98):
// 3 bedrooms, 2 full and 1 half bath, kitchen, dining and family room (9 rooms).
void baseHouse()
{
    clsHomeData& h = *g_HomeData;
    h.setNumBedrooms(3);
    h.setNumFullBath(2);
    h.setNumHalfBath(1);
    h.setNumCarGarage(2);
    h.setLocation(98);
    h.setStyle(1);
    h.setMainFloorSqFt(1800);
    h.setSecondFloorSqFt(0);
    h.setThirdFloorSqFt(0);
    h.setrmBonusRoom(false);
    h.setFoundationType(1);
    h.setDefaultGrade(2);
    h.setRoofStyle(0);
    h.setRoofPitch(8);
    h.setExteriorPrimary(QStringLiteral("1"));
    h.setExteriorSecondary(QStringLiteral("0"));
    h.setBrickConfiguration(0);
    h.setHeatType(0);
    h.setrmKitchen(true);
    h.setrmDiningRoom(true);
    h.setrmFamilyRoom(true);
    for (auto set :
         {&clsHomeData::setrmPantry, &clsHomeData::setrmBreakfastNook, &clsHomeData::setrmLivingRoom,
          &clsHomeData::setrmGreatRoom, &clsHomeData::setrmGatheringRoom, &clsHomeData::setrmFoyer,
          &clsHomeData::setrmGameRoom, &clsHomeData::setrmOffice, &clsHomeData::setrmStudy,
          &clsHomeData::setrmDen, &clsHomeData::setrmSunRoom, &clsHomeData::setrmLoft,
          &clsHomeData::setrmUtilityRoom, &clsHomeData::setrmSittingRoom})
        (h.*set)(false);
}

struct SummaryCase {
    const char* name;
    std::function<void(clsHomeData&)> change;
    const char* expected;
};

TEST(HouseSummary, TextOfEachCase)
{
    const SummaryCase cases[] = {
        {"one storey", [](clsHomeData&) {},
         "3 Bedroom, Ranch\r\n"
         "2 Full Bath(s), 1 Half Bath(s)\r\n"
         "2 Car Garage\r\n"
         "Number of Rooms: 9\r\n"
         "Location: Kansas City , Missouri\r\n"
         "\r\n"
         "----- Square Footage -----\r\n"
         "Main Floor: \t1,800\r\n"
         "\r\n"
         "----- Other Rooms -----\r\n"
         "Kitchen, Dining Room, Family Room\r\n"
         "\r\n"
         "Construction Quality: Average\r\n"
         "Roof Style: Gable (8/12 Pitch)\r\n"
         "Exterior: Vinyl\r\n"
         "Heat: Gas \r\n"},
        {"two storey with a full basement, brick front and sides with wood siding",
         [](clsHomeData& h) {
             h.setStyle(3);
             h.setMainFloorSqFt(1400);
             h.setSecondFloorSqFt(1200);
             h.setThirdFloorSqFt(500); // not a floor of this house
             h.setFoundationType(3);
             h.setBasementSqFt(1400);
             h.setExteriorPrimary(QStringLiteral("3"));
             h.setBrickConfiguration(3);
             h.setExteriorSecondary(QStringLiteral("2"));
             h.setRoofStyle(1);
             h.setRoofPitch(12);
             h.setHeatType(1);
             h.setDefaultGrade(4);
         },
         "3 Bedroom, Two Story\r\n"
         "2 Full Bath(s), 1 Half Bath(s)\r\n"
         "2 Car Garage\r\n"
         "Number of Rooms: 9\r\n"
         "Location: Kansas City , Missouri\r\n"
         "\r\n"
         "----- Square Footage -----\r\n"
         "Main Floor: \t1,400\r\n"
         "Second Floor: \t1,200\r\n"
         "Total: \t\t3,100\r\n"
         "Basement: \t1,400\r\n"
         "\r\n"
         "----- Other Rooms -----\r\n"
         "Kitchen, Dining Room, Family Room\r\n"
         "\r\n"
         "Construction Quality: Luxury\r\n"
         "Roof Style: Hip (12/12 Pitch)\r\n"
         "Exterior: Brick\r\n"
         "Brick Configuration: Front & Sides with Wood Siding \r\n"
         "Heat: Electric \r\n"},
        {"two and a half storey on a partial basement, brick with a secondary outside the list",
         [](clsHomeData& h) {
             h.setStyle(4);
             h.setMainFloorSqFt(1400);
             h.setSecondFloorSqFt(1100);
             h.setThirdFloorSqFt(800);
             h.setFoundationType(4);
             h.setBasementSqFt(700);
             h.setExteriorPrimary(QStringLiteral("3"));
             h.setBrickConfiguration(3);
             h.setExteriorSecondary(QStringLiteral("3"));
             h.setHeatType(2);
         },
         "3 Bedroom, Two and a Half Story\r\n"
         "2 Full Bath(s), 1 Half Bath(s)\r\n"
         "2 Car Garage\r\n"
         "Number of Rooms: 9\r\n"
         "Location: Kansas City , Missouri\r\n"
         "\r\n"
         "----- Square Footage -----\r\n"
         "Main Floor: \t1,400\r\n"
         "Second Floor: \t1,100\r\n"
         "Third Floor: \t800\r\n"
         "Total: \t\t3,300\r\n"
         "Basement: \t700\r\n"
         "\r\n"
         "----- Other Rooms -----\r\n"
         "Kitchen, Dining Room, Family Room\r\n"
         "\r\n"
         "Construction Quality: Average\r\n"
         "Roof Style: Gable (8/12 Pitch)\r\n"
         "Exterior: Brick\r\n"
         "Brick Configuration: Front & Sides\r\n"
         "Heat: Geothermal \r\n"},
        {"slab, unfinished bonus room of 0, brick configuration outside its list with aluminum",
         [](clsHomeData& h) {
             h.setFoundationType(2);
             h.setrmBonusRoom(true);
             h.setBonusRoomSqFt(0);
             h.setExteriorPrimary(QStringLiteral("3"));
             h.setBrickConfiguration(0);
             h.setExteriorSecondary(QStringLiteral("4"));
         },
         "3 Bedroom, Ranch\r\n"
         "2 Full Bath(s), 1 Half Bath(s)\r\n"
         "2 Car Garage\r\n"
         "Number of Rooms: 9\r\n"
         "Location: Kansas City , Missouri\r\n"
         "\r\n"
         "----- Square Footage -----\r\n"
         "Main Floor: \t1,800\r\n"
         "Bonus Room: \t0\r\n"
         "\r\n"
         "----- Other Rooms -----\r\n"
         "Kitchen, Bonus Room, Dining Room, Family Room\r\n"
         "\r\n"
         "Construction Quality: Average\r\n"
         "Roof Style: Gable (8/12 Pitch)\r\n"
         "Exterior: Brick\r\n"
         " with Aluminum Siding \r\n"
         "Heat: Gas \r\n"},
        {"codes outside their lists and a location without a row",
         [](clsHomeData& h) {
             h.setStyle(0);
             h.setLocation(9999);
             h.setDefaultGrade(0);
             h.setRoofStyle(2);
             h.setExteriorPrimary(QStringLiteral("6"));
             h.setHeatType(3);
             h.setrmKitchen(false);
             h.setrmDiningRoom(false);
             h.setrmFamilyRoom(false);
             h.setNumCarGarage(0);
         },
         "3 Bedroom, 2 Full Bath(s), 1 Half Bath(s)\r\n"
         "0 Car Garage\r\n"
         "Number of Rooms: 6\r\n"
         "Location:  , \r\n"
         "\r\n"
         "----- Square Footage -----\r\n"
         "Main Floor: \t1,800\r\n"
         "\r\n"
         "----- Other Rooms -----\r\n"
         "\r\n"
         "\r\n"},
        {"heat type outside its list ends with the exterior block",
         [](clsHomeData& h) {
             h.setHeatType(-1);
             h.setExteriorPrimary(QStringLiteral("5"));
         },
         "3 Bedroom, Ranch\r\n"
         "2 Full Bath(s), 1 Half Bath(s)\r\n"
         "2 Car Garage\r\n"
         "Number of Rooms: 9\r\n"
         "Location: Kansas City , Missouri\r\n"
         "\r\n"
         "----- Square Footage -----\r\n"
         "Main Floor: \t1,800\r\n"
         "\r\n"
         "----- Other Rooms -----\r\n"
         "Kitchen, Dining Room, Family Room\r\n"
         "\r\n"
         "Construction Quality: Average\r\n"
         "Roof Style: Gable (8/12 Pitch)\r\n"
         "Exterior: Stucco\r\n"},
        {"floors adding up past the 16-bit range",
         [](clsHomeData& h) {
             h.setStyle(3);
             h.setMainFloorSqFt(20000);
             h.setSecondFloorSqFt(15000);
         },
         "3 Bedroom, Two Story\r\n"
         "2 Full Bath(s), 1 Half Bath(s)\r\n"
         "2 Car Garage\r\n"
         "Number of Rooms: 9\r\n"
         "Location: Kansas City , Missouri\r\n"
         "\r\n"
         "----- Square Footage -----\r\n"
         "Main Floor: \t20,000\r\n"
         "Second Floor: \t15,000\r\n"
         "Total: \t\t35,000\r\n"
         "\r\n"
         "----- Other Rooms -----\r\n"
         "Kitchen, Dining Room, Family Room\r\n"
         "\r\n"
         "Construction Quality: Average\r\n"
         "Roof Style: Gable (8/12 Pitch)\r\n"
         "Exterior: Vinyl\r\n"
         "Heat: Gas \r\n"},
    };
    for (const SummaryCase& c : cases) {
        SCOPED_TRACE(c.name);
        baseHouse();
        c.change(*g_HomeData);
        EXPECT_EQ(results::BuildHouseSummary().toStdString(), std::string(c.expected));
    }
    baseHouse();
}

TEST(HouseSummary, StyleWords)
{
    const std::pair<int, const char*> cases[] = {
        {0, ""}, {1, "Ranch"}, {2, "Story and a Half"}, {3, "Two Story"}, {4, "Two and a Half Story"},
        {5, ""}};
    for (const auto& [style, word] : cases)
        EXPECT_EQ(results::HouseStyleName(vb::Integer(int16_t(style))), QString::fromLatin1(word)) << style;
}

QPlainTextEdit* summaryBox()
{
    return control<QPlainTextEdit>(QStringLiteral("txtSummary"));
}

TEST(SummaryPage, ShowsTheSummaryOnEveryShowing)
{
    baseHouse();
    showPage(3);
    QPlainTextEdit* box = summaryBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->geometry(), forms::twipsRect(720, 960, 7575, 4935));
    EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(box->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(box->font().pointSize(), 12);
    EXPECT_EQ(box->toPlainText(),
              results::BuildHouseSummary().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_EQ(currentPage()->window()->focusWidget(), control(QStringLiteral("cmdContinue")));
    const QString first = box->toPlainText();

    showPage(3);
    EXPECT_EQ(summaryBox()->toPlainText(), first);

    g_HomeData->setNumBedrooms(5);
    showPage(3);
    EXPECT_TRUE(summaryBox()->toPlainText().startsWith(QStringLiteral("5 Bedroom, Ranch\n")));
    EXPECT_TRUE(boxes().calls().empty()) << boxLog();
    baseHouse();
}

TEST(SummaryPage, SquareFootageFiguresLineUp)
{
    baseHouse();
    g_HomeData->setStyle(4);
    g_HomeData->setSecondFloorSqFt(1200);
    g_HomeData->setThirdFloorSqFt(900);
    g_HomeData->setrmBonusRoom(true);
    g_HomeData->setBonusRoomSqFt(300);
    g_HomeData->setFoundationType(3);
    g_HomeData->setBasementSqFt(1800);
    showPage(3);
    QPlainTextEdit* box = summaryBox();
    ASSERT_TRUE(box);
    QList<int> lefts;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        const int tab = block.text().lastIndexOf(QLatin1Char('\t'));
        if (tab < 0) continue;
        QTextCursor cursor(box->document());
        cursor.setPosition(block.position() + tab + 1);
        lefts << box->cursorRect(cursor).left();
    }
    ASSERT_EQ(lefts.size(), 6); // main, second, third, total, bonus room, basement
    for (int left : lefts)
        EXPECT_EQ(left, lefts.first());
    baseHouse();
}

TEST(SummaryPage, ContinueGoesToThePayments)
{
    showPage(3);
    click(QStringLiteral("cmdContinue"));
    EXPECT_EQ(currentFormId(), 4);
}

} // namespace
