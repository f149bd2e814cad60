#include "tests/scenario/walk/WalkFixture.h"

#include "estimate/clsHomeData.h"
#include "results/CostGroups.h"
#include "runtime/ado/Recordset.h"
#include "runtime/vb/Conversions.h"
#include "runtime/vb/Financial.h"
#include "runtime/vb/Format.h"
#include "shell/frmMain.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <cmath>

using namespace Qt::Literals::StringLiterals;
using namespace walk;

namespace
{

int locationId(const QString& state, const QString& city)
{
    ado::Recordset rs;
    rs.setCursorLocation(ado::adUseClient);
    rs.Open(u"Select LocationID from [Locations] Where State=? AND City=?"_s, *g_cnControl, {state, city});
    return rs.EOF() ? -1 : vb::CInt(rs.Field(u"LocationID"_s)).value();
}

QString labelText(const QString& name)
{
    auto* label = g_CurrentForm ? g_CurrentForm->findChild<QLabel*>(name) : nullptr;
    EXPECT_NE(label, nullptr) << name.toStdString();
    return label ? label->text() : QString();
}

QString bandTotal()
{
    return g_frmMain->lblTotalCost()->text();
}

// Every field of the record's row as it stands.
QVariantMap recordRow()
{
    QVariantMap row;
    ado::Recordset& rs = home().rsHouseData();
    for (const QString& name : rs.fieldNames())
        row.insert(name, rs.Field(name));
    return row;
}

struct Answer {
    const char* name;
    QVariant stored;
    QVariant expected;
};

void expectAnswers(std::initializer_list<Answer> answers)
{
    for (const Answer& a : answers)
        EXPECT_EQ(a.stored, a.expected) << a.name;
}

} // namespace

// Two storeys of brick in Coeur d'Alene, Idaho, with everything a home owner might add, answered
// page by page from the welcome page to the payments; then saved and resumed from the file.
TEST_F(WalkTest, BrickTwoStoreyHouseFromWelcomeToPaymentsAndBackFromTheFile)
{
    startProgram();

    on(1);
    next(10);
    next(28);
    choose(u"cmbState"_s, u"Idaho"_s);
    choose(u"cmbCity"_s, u"Coeur d'Alene"_s);
    next(11);
    option(u"optStyle"_s, 2);
    // The style presets the second floor from the main floor already stored.
    EXPECT_EQ(home().SecondFloorSqFt().value(), home().MainFloorSqFt().value());
    next(22);
    choose(u"cmbGarageBays"_s, u"3"_s);
    option(u"optOpeners"_s, 0);
    next(47);
    type(u"txtData1"_s, u"120"_s);
    type(u"txtData2"_s, u"80"_s);
    next(37);
    // Two storeys: the second floor and the total rows show, the third does not.
    EXPECT_TRUE(shown(u"txtData2"_s));
    EXPECT_FALSE(shown(u"txtData3"_s));
    // The key filter lets only the digits through.
    type(u"txtData1"_s, u"1,400 sq"_s);
    EXPECT_EQ(control<QLineEdit>(u"txtData1"_s)->text(), u"1400"_s);
    type(u"txtData2"_s, u"1300"_s);
    option(u"optBonus"_s, 0);
    type(u"txtData4"_s, u"300"_s);
    EXPECT_EQ(control<QLineEdit>(u"txtTotal"_s)->text(), u"2,700"_s);
    next(12);
    choose(u"cmbBedrooms"_s, u"4"_s);
    next(14);
    choose(u"cmbFullBath"_s, u"3"_s);
    choose(u"cmbHalfBath"_s, u"1"_s);
    next(15);
    tick(u"chkFoyer"_s, false);
    tick(u"chkOffice"_s, true);
    tick(u"chkSunroom"_s, true);
    next(16);
    yes(17);
    option(u"optBasement"_s, 1);
    type(u"txtData1"_s, u"700"_s);
    next(24);
    option(u"optHeight"_s, 1);
    next(23);
    option(u"optHeight"_s, 2);
    next(20);
    option(u"optGrade"_s, 2);
    EXPECT_TRUE(labelText(u"lbDescription"_s).startsWith(u"This selection will provide a custom class"_s));
    next(25);
    option(u"optRoof"_s, 1);
    next(26);
    option(u"optRoof"_s, 1);
    next(42);
    choose(u"cmbPrimary"_s, u"Brick"_s);
    choose(u"cmbBrick"_s, u"Front & Sides"_s);
    EXPECT_TRUE(shown(u"fraSecondary"_s));
    choose(u"cmbSecondary"_s, u"Vinyl"_s);
    next(27);
    option(u"optHVAC"_s, 0);
    option(u"optAC"_s, 0);
    next(38);
    option(u"optGrade"_s, 2);
    next(41);
    option(u"optTub"_s, 0);
    next(39);
    option(u"optIsland"_s, 0);
    option(u"optBar"_s, 1);
    next(40);
    // A basement and a bonus room bring their finishing questions.
    EXPECT_TRUE(shown(u"fraBasement"_s));
    EXPECT_TRUE(shown(u"fraBonusRoom"_s));
    option(u"optGarage"_s, 1);
    option(u"optBasement"_s, 0);
    option(u"optBonusRoom"_s, 0);
    next(43);
    yes(44);
    option(u"optStyle"_s, 1);
    EXPECT_FALSE(shown(u"fraChase"_s));
    next(45);
    option(u"optStyle"_s, 1);
    next(29);
    option(u"optGrade"_s, 1);
    next(31);
    type(u"txtData1"_s, u"0.75"_s);
    next(32);
    type(u"txtData1"_s, u"45"_s);
    next(33);
    option(u"optSidewalk"_s, 0);
    type(u"txtData1"_s, u"90"_s);
    option(u"optCorner"_s, 0);
    next(2);
    option(u"optDriveway"_s, 1);
    next(34);
    option(u"optWater"_s, 1);
    next(35);
    option(u"optSewer"_s, 1);
    next(46);
    type(u"txtData1"_s, u"$45,000"_s);

    next(36);
    const int32_t total = home().CalculateTotal();
    EXPECT_EQ(bandTotal(), vb::Format(total, u"$###,###"_s));
    double groups = 0;
    for (const results::CostGroup& group : results::costGroups())
        groups += money(labelText(QString::fromUtf16(group.valueLabel)));
    EXPECT_NEAR(groups, total, 1.0);

    next(3);
    const QString CRLF = u"\r\n"_s;
    const QString summary =
        QStringList{
            u"4 Bedroom, Two Story"_s,
            u"3 Full Bath(s), 1 Half Bath(s)"_s,
            u"3 Car Garage"_s,
            u"Number of Rooms: "_s + vb::CStr(home().NumRooms()),
            u"Location: Coeur d'Alene , Idaho"_s,
            QString(),
            u"----- Square Footage -----"_s,
            u"Main Floor: \t1,400"_s,
            u"Second Floor: \t1,300"_s,
            u"Total: \t\t2,700"_s,
            u"Bonus Room: \t300"_s,
            u"Basement: \t700"_s,
            QString(),
            u"----- Other Rooms -----"_s,
            home().ListRooms(),
            QString(),
            u"Construction Quality: Premium"_s,
            u"Roof Style: Hip (8/12 Pitch)"_s,
            u"Exterior: Brick"_s,
            u"Brick Configuration: Front & Sides with Vinyl Siding "_s,
            u"Heat: Gas "_s,
            QString(),
        }
            .join(CRLF);
    EXPECT_EQ(control<QPlainTextEdit>(u"txtSummary"_s)->toPlainText().replace(u'\n', CRLF), summary);

    next(4);
    choose(u"cmbInterest"_s, u"6.5"_s);
    EXPECT_FLOAT_EQ(home().InterestRate(), 6.5f);
    const double price = total;
    for (int column : {1, 2, 3}) {
        const QString n = QString::number(column);
        const double down = std::round(price * std::array{0.05, 0.1, 0.2}[column - 1]);
        const double loan = price - down;
        EXPECT_EQ(labelText(u"lbPrice"_s + n), bandTotal());
        EXPECT_EQ(labelText(u"lbDwnPmt"_s + n), vb::Format(down, u"$###,###"_s));
        EXPECT_EQ(labelText(u"lbLoanAmt"_s + n), vb::Format(loan, u"$###,###"_s));
        EXPECT_NEAR(money(labelText(u"lbPandI"_s + n)), -vb::Pmt(0.065 / 12, 360, loan), 0.01);
        const double monthly = money(labelText(u"lbPandI"_s + n)) + money(labelText(u"lbTaxes"_s + n)) +
                               money(labelText(u"lbHome"_s + n)) + money(labelText(u"lbPMI"_s + n));
        EXPECT_NEAR(money(labelText(u"lbPayment"_s + n)), monthly, 0.011);
    }
    EXPECT_EQ(labelText(u"lbIntRate2"_s), u"6.5%"_s);
    EXPECT_EQ(labelText(u"lbPMI3"_s), u"$0.00"_s);
    EXPECT_EQ(g_frmMain->findChild<QLabel*>(u"lblEstimatedPayment"_s)->text(),
              ComputeTotalCost(total, 6.5f).PaymentText());

    // The report for this house, from File > Print Preview.
    menu(u"mnuFilePrintPreview"_s);
    ASSERT_EQ(printing->calls().size(), 1u);
    const report::Report& overview = printing->calls().back().report;
    const report::Section& detail = overview.section(u"Section1"_s);
    const std::pair<const char*, QString> printed[] = {
        {"lbLocation", home().LocationName()},
        {"lbStyle", u"Two Story"_s},
        {"lbBedrooms", u"4"_s},
        {"lbBaths", u"3 / 1"_s},
        {"lbGarage", u"3 Car Attached"_s},
        {"lbDriveway", u"Asphalt"_s},
        {"lbMainCeiling", u"10"_s},
        {"lbExterior2", u"Vinyl with bricked front & sides"_s},
        {"lbQuality", u"Premium"_s},
        {"lbFireplace2", u"Masonary with stone facing"_s},
        {"lbWater2", u"Well"_s},
        {"lbSewer2", u"Septic"_s},
        {"lbHVAC2", u"Gas Heat with Central Air"_s},
        {"lbMainSqFt", u"1,400"_s},
        {"lb2ndSqFt", u"1,300"_s},
        {"lb3rdSqFt", QString()},
        {"lbTotalSqFt", u"2,700"_s},
        {"lbFoundation2", u"Partial Basement"_s},
        {"Label58", u"Basement Sq ft:"_s},
        {"lbBasementSqFt", u"700"_s},
        {"lbBasementCeiling", u"9"_s},
    };
    for (const auto& [name, caption] : printed)
        EXPECT_EQ(detail.control(QString::fromLatin1(name)).caption, caption) << name;
    EXPECT_EQ(money(detail.control(u"lbTotalCost"_s).caption.trimmed()), total);
    EXPECT_EQ(money(detail.control(u"lbTotal"_s).caption.trimmed()), total);
    EXPECT_EQ(money(detail.control(u"lbLot"_s).caption.trimmed()), 45000);
    EXPECT_EQ(overview.section(u"Section3"_s).control(u"lbFilename"_s).caption, QString());
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();

    const int idaho = locationId(u"Idaho"_s, u"Coeur d'Alene"_s);
    auto expectTheHouse = [&] {
        const clsHomeData& h = home();
        expectAnswers({
            {"Location", h.Location().value(), idaho},
            {"Style", h.Style().value(), 3},
            {"NumFloors", h.NumFloors().value(), 2},
            {"NumCarGarage", h.NumCarGarage().value(), 3},
            {"DoorOpeners", h.DoorOpeners(), true},
            {"FrontPorchSqFt", h.FrontPorchSqFt().value(), 120},
            {"RearPorchSqFt", h.RearPorchSqFt().value(), 80},
            {"MainFloorSqFt", h.MainFloorSqFt().value(), 1400},
            {"SecondFloorSqFt", h.SecondFloorSqFt().value(), 1300},
            {"ThirdFloorSqFt", h.ThirdFloorSqFt().value(), 0},
            {"rmBonusRoom", h.rmBonusRoom(), true},
            {"BonusRoomSqFt", h.BonusRoomSqFt().value(), 300},
            {"NumBedrooms", h.NumBedrooms().value(), 4},
            {"NumFullBath", h.NumFullBath().value(), 3},
            {"NumHalfBath", h.NumHalfBath().value(), 1},
            {"rmDiningRoom", h.rmDiningRoom(), true},
            {"rmFamilyRoom", h.rmFamilyRoom(), true},
            {"rmFoyer", h.rmFoyer(), false},
            {"rmOffice", h.rmOffice(), true},
            {"rmSunRoom", h.rmSunRoom(), true},
            {"rmUtilityRoom", h.rmUtilityRoom(), true},
            {"rmDen", h.rmDen(), false},
            {"FoundationType", h.FoundationType().value(), 4},
            {"BasementSqFt", h.BasementSqFt().value(), 700},
            {"BasementCeilingHeight", h.BasementCeilingHeight().value(), 9},
            {"MainCeilingHeight", h.MainCeilingHeight().value(), 10},
            {"DefaultGrade", h.DefaultGrade().value(), 3},
            {"RoofStyle", h.RoofStyle().value(), 1},
            {"RoofPitch", h.RoofPitch().value(), 8},
            {"ExteriorPrimary", h.ExteriorPrimary(), u"3"_s},
            {"BrickConfiguration", h.BrickConfiguration().value(), 3},
            {"ExteriorSecondary", h.ExteriorSecondary(), u"1"_s},
            {"HeatType", h.HeatType().value(), 0},
            {"AC", h.AC(), true},
            {"FixtureType", h.FixtureType().value(), 2},
            {"GardenTub", h.GardenTub(), true},
            {"KitchenIsland", h.KitchenIsland(), true},
            {"KitchenBar", h.KitchenBar(), false},
            {"FinishGarage", h.FinishGarage(), false},
            {"FinishBasement", h.FinishBasement(), true},
            {"FinishBonusRoom", h.FinishBonusRoom(), true},
            {"FireplaceStyle", h.FireplaceStyle().value(), 2},
            {"FireplaceFace", h.FireplaceFace().value(), 2},
            {"LotCondition", h.LotCondition().value(), 1},
            {"LotSize", h.LotSize(), 0.75f},
            {"DistanceToStreet", h.DistanceToStreet().value(), 45},
            {"SidewalksRequired", h.SidewalksRequired(), true},
            {"LotWidth", h.LotWidth().value(), 90},
            {"CornerLot", h.CornerLot(), true},
            {"DrivewayTreatment", h.DrivewayTreatment().value(), 1},
            {"WaterType", h.WaterType().value(), 1},
            {"SewerType", h.SewerType().value(), 1},
            {"LotPrice", h.LotPrice(), 45000.0f},
            {"InterestRate", h.InterestRate(), 6.5f},
        });
    };
    expectTheHouse();

    const QList<int> stack = {1,  10, 28, 11, 22, 47, 37, 12, 14, 15, 16, 17, 24, 23, 20, 25, 26, 42, 27,
                              38, 41, 39, 40, 43, 44, 45, 29, 31, 32, 33, 2,  34, 35, 46, 36, 3,  4};
    EXPECT_EQ(rows(0), stack);
    EXPECT_EQ(rows(1), stack);

    const QString saved = folder() + u"/brick house.tvm"_s;
    dialogs->choose(saved);
    menu(u"mnuFileSaveAs"_s);
    EXPECT_EQ(g_HouseFilePath, saved);
    EXPECT_EQ(g_frmMain->windowTitle(), u"Tavimoor - brick house.tvm"_s);

    stopProgram();
    startProgram(saved);
    on(4);
    expectTheHouse();
    EXPECT_EQ(rows(0), stack);
    EXPECT_EQ(rows(1), stack);
    EXPECT_EQ(bandTotal(), vb::Format(total, u"$###,###"_s));
    EXPECT_EQ(labelText(u"lbIntRate2"_s), u"6.5%"_s);
    menu(u"mnuFilePrintPreview"_s);
    EXPECT_EQ(printing->calls().back().report.section(u"Section3"_s).control(u"lbFilename"_s).caption, saved);
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
}

// No basement and no fireplace; then five pages back and a jump ahead through quick navigation,
// none of which may lose an answer.
TEST_F(WalkTest, SlabRanchWithoutFireplaceKeepsEveryAnswerThroughBackAndQuickNavigation)
{
    startProgram();

    on(1);
    next(10);
    next(28);
    next(11);
    option(u"optStyle"_s, 0);
    next(22);
    choose(u"cmbGarageBays"_s, u"2"_s);
    option(u"optOpeners"_s, 1);
    next(47);
    next(37);
    // A ranch shows the main floor only.
    EXPECT_FALSE(shown(u"txtData2"_s));
    type(u"txtData1"_s, u"1600"_s);
    option(u"optBonus"_s, 1);
    next(12);
    next(14);
    choose(u"cmbHalfBath"_s, u"1"_s);
    next(15);
    tick(u"chkLivingRoom"_s, true);
    next(16);
    no(21);
    option(u"optFoundation"_s, 0);
    next(23);
    option(u"optHeight"_s, 1);
    next(20);
    option(u"optGrade"_s, 0);
    next(25);
    next(26);
    option(u"optRoof"_s, 0);
    next(42);
    choose(u"cmbPrimary"_s, u"Stucco"_s);
    EXPECT_FALSE(shown(u"fraConfiguration"_s));
    next(27);
    option(u"optHVAC"_s, 1);
    EXPECT_FALSE(shown(u"fraAC"_s));
    next(38);
    next(41);
    option(u"optTub"_s, 1);
    next(39);
    next(40);
    // Without basement or bonus room only the garage question is asked.
    EXPECT_FALSE(shown(u"fraBasement"_s));
    EXPECT_FALSE(shown(u"fraBonusRoom"_s));
    option(u"optGarage"_s, 0);
    next(43);
    no(29);
    option(u"optGrade"_s, 2);
    next(31);
    type(u"txtData1"_s, u"1.5"_s);
    next(32);
    type(u"txtData1"_s, u"60"_s);
    next(33);
    option(u"optSidewalk"_s, 1);
    EXPECT_FALSE(shown(u"fraWidth"_s));
    next(2);
    option(u"optDriveway"_s, 2);
    next(34);
    next(35);

    const QVariantMap answered = recordRow();
    for (int page : {34, 2, 33, 32, 31}) {
        back(page);
    }
    EXPECT_EQ(recordRow(), answered);
    jump(u"Lot Price"_s);
    on(46);
    EXPECT_EQ(recordRow(), answered);
    type(u"txtData1"_s, u"30000"_s);
    next(36);
    next(3);
    next(4);

    const clsHomeData& h = home();
    expectAnswers({
        {"Style", h.Style().value(), 1},
        {"NumCarGarage", h.NumCarGarage().value(), 2},
        {"DoorOpeners", h.DoorOpeners(), false},
        {"MainFloorSqFt", h.MainFloorSqFt().value(), 1600},
        {"SecondFloorSqFt", h.SecondFloorSqFt().value(), 0},
        {"rmBonusRoom", h.rmBonusRoom(), false},
        {"NumHalfBath", h.NumHalfBath().value(), 1},
        {"rmLivingRoom", h.rmLivingRoom(), true},
        {"FoundationType", h.FoundationType().value(), 2},
        {"BasementSqFt", h.BasementSqFt().value(), 0},
        {"FinishBasement", h.FinishBasement(), false},
        {"MainCeilingHeight", h.MainCeilingHeight().value(), 9},
        {"DefaultGrade", h.DefaultGrade().value(), 1},
        {"RoofPitch", h.RoofPitch().value(), 4},
        {"ExteriorPrimary", h.ExteriorPrimary(), u"5"_s},
        {"BrickConfiguration", h.BrickConfiguration().value(), 0},
        {"ExteriorSecondary", h.ExteriorSecondary(), u"0"_s},
        {"HeatType", h.HeatType().value(), 1},
        {"AC", h.AC(), false},
        {"GardenTub", h.GardenTub(), false},
        {"FinishGarage", h.FinishGarage(), true},
        {"FireplaceStyle", h.FireplaceStyle().value(), 0},
        {"FireplaceFace", h.FireplaceFace().value(), 0},
        {"LotCondition", h.LotCondition().value(), 2},
        {"LotSize", h.LotSize(), 1.5f},
        {"DistanceToStreet", h.DistanceToStreet().value(), 60},
        {"SidewalksRequired", h.SidewalksRequired(), false},
        {"CornerLot", h.CornerLot(), false},
        {"DrivewayTreatment", h.DrivewayTreatment().value(), 2},
        {"LotPrice", h.LotPrice(), 30000.0f},
    });
    EXPECT_EQ(rows(0), (QList<int>{1,  10, 28, 11, 22, 47, 37, 12, 14, 15, 16, 21, 23, 20, 25,
                                   26, 42, 27, 38, 41, 39, 40, 43, 29, 31, 46, 36, 3,  4}));
    EXPECT_EQ(rows(1), (QList<int>{1,  10, 28, 11, 22, 47, 37, 12, 14, 15, 16, 21, 23, 20, 25, 26, 42,
                                   27, 38, 41, 39, 40, 43, 29, 31, 32, 33, 2,  34, 35, 46, 36, 3,  4}));
    EXPECT_EQ(bandTotal(), vb::Format(home().CalculateTotal(), u"$###,###"_s));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
}
