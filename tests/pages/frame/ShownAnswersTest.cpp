#include "tests/support/PageHarness.h"

#include "estimate/clsHomeData.h"
#include "runtime/ado/Recordset.h"
#include "shell/PageWindows.h"
#include "shell/basGlobalVariables.h"

#include <gtest/gtest.h>

#include <QMap>
#include <QStringList>
#include <QVariant>

#include <functional>

using namespace pagetest;

namespace
{

using Row = QMap<QString, QVariant>;

Row storedRow()
{
    Row row;
    const ado::Recordset& rs = g_HomeData->rsHouseData();
    for (const QString& name : rs.fieldNames())
        row.insert(name, rs.Field(name));
    return row;
}

// A house answered through the pages, with values the boxes show only whole: a second floor
// smaller than the main floor, a partial basement, a brick front, sidewalks on a very wide lot
// far from the street, a lot size and price that do not fit their boxes, a typed interest rate.
void answerTwoStoreyHouse()
{
    clsHomeData& h = *g_HomeData;
    h.setStyle(3);
    h.setMainFloorSqFt(1300);
    h.setSecondFloorSqFt(1100);
    h.setrmBonusRoom(true);
    h.setBonusRoomSqFt(300);
    h.setFoundationType(4);
    h.setBasementSqFt(800);
    h.setFinishBasement(true);
    h.setNumCarGarage(3);
    h.setDoorOpeners(false);
    h.setBrickConfiguration(2);
    h.setExteriorPrimary(QStringLiteral("3"));
    h.setExteriorSecondary(QStringLiteral("2"));
    h.setFireplaceStyle(2);
    h.setFireplaceFace(2);
    h.setExternalChase(true);
    h.setSidewalksRequired(true);
    h.setCornerLot(true);
    h.setLotWidth(32767);
    h.setDistanceToStreet(32767);
    h.setLotSize(0.33333334f);
    h.setLotPrice(12345678);
    h.setInterestRate(5.375f);
    h.setHeatType(0);
    h.setAC(false);
    h.setRoofStyle(1);
    h.setRoofPitch(12);
}

// A ranch on a slab without garage, basement, fireplace or sidewalks, in stucco with electric heat.
void answerSlabRanch()
{
    clsHomeData& h = *g_HomeData;
    h.setStyle(1);
    h.setMainFloorSqFt(1600);
    h.setFoundationType(2);
    h.setNumCarGarage(0);
    h.setDoorOpeners(false);
    h.setExteriorPrimary(QStringLiteral("5"));
    h.setHeatType(1);
    h.setAC(false);
    h.setSidewalksRequired(false);
    h.setCornerLot(false);
    h.setFinishGarage(true);
    h.setMainCeilingHeight(9);
    h.setDefaultGrade(4);
    h.setLotCondition(2);
    h.setDrivewayTreatment(2);
    h.setWaterType(1);
    h.setSewerType(1);
    h.setInterestRate(6.13f);
}

struct House {
    const char* name;
    std::function<void()> answer;
    // Pages that store a first-time default for this house, and the fields they may set.
    QMap<int, QStringList> defaults;
};

TEST(ShownPages, ShowingAPageLeavesEveryAnswerAsStored)
{
    const House houses[] = {
        // The size-of-basement page stores a full basement for a house on a crawl space.
        {"the template", [] {}, {{17, {QStringLiteral("FoundationType"), QStringLiteral("BasementSqFt")}}}},
        {"a two storey house", answerTwoStoreyHouse, {}},
        {"a slab ranch",
         answerSlabRanch,
         {{17, {QStringLiteral("FoundationType"), QStringLiteral("BasementSqFt")}}}},
    };
    ASSERT_FALSE(pageWindows().isEmpty()) << "no page registered";
    for (const House& house : houses) {
        SCOPED_TRACE(house.name);
        // Every page registered with a window, the interview's and the results'.
        for (const PageWindow& page : pageWindows()) {
            const int formId = page.formId;
            SCOPED_TRACE(formId);
            g_HomeData->InitializeData();
            house.answer();
            const Row before = storedRow();
            showPage(formId);
            const Row after = storedRow();
            const QStringList allowed = house.defaults.value(formId);
            for (auto it = before.cbegin(); it != before.cend(); ++it) {
                if (allowed.contains(it.key(), Qt::CaseInsensitive)) continue;
                EXPECT_EQ(after.value(it.key()), it.value()) << it.key().toStdString();
            }
        }
    }
    g_HomeData->InitializeData();
    boxes().clear();
}

} // namespace
