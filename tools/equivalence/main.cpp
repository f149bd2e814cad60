// Prints every cost figure, the total, the main window's figures, the summary text, the payment
// table, the report labels and the exterior page's lists for random houses (fixed seed), numbers
// in hex. EQUIVALENCE_HOUSES sets the count (3000), EQUIVALENCE_OUT the output file (stdout).

#include "tests/support/PageHarness.h"

#include "estimate/clsHomeData.h"
#include "results/basReporting.h"
#include "runtime/report/PrintService.h"
#include "runtime/vb/VbError.h"
#include "shell/basGlobalVariables.h"
#include "shell/frmMain.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTextStream>

#include <cstring>
#include <functional>
#include <random>

using namespace pagetest;

namespace
{

QString hex(double v)
{
    quint64 bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    return QString::number(bits, 16);
}

QString hexf(float v)
{
    quint32 bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    return QString::number(bits, 16);
}

QString escaped(QString s)
{
    return s.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('\r'), QLatin1String("\\r"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\t'), QLatin1String("\\t"));
}

// The value, or the error it raised.
QString attempt(const std::function<QString()>& f)
{
    try {
        return f();
    } catch (const vb::VbError& e) {
        return QStringLiteral("E%1").arg(e.number());
    }
}

struct Random {
    std::mt19937 gen{20261210};
    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); }
    bool yes() { return between(0, 1) == 1; }
    bool rarely() { return between(0, 19) == 0; }
};

void randomHouse(clsHomeData& h, Random& r)
{
    h.setStyle(r.rarely() ? r.between(-1, 7) : r.between(1, 4));
    h.setFoundationType(r.rarely() ? r.between(0, 6) : r.between(1, 4));
    h.setLotCondition(r.rarely() ? 3 : r.between(0, 2));
    h.setWaterType(r.between(0, r.rarely() ? 2 : 1));
    h.setSewerType(r.between(0, r.rarely() ? 2 : 1));
    h.setDefaultGrade(r.rarely() ? r.between(0, 5) : r.between(1, 4));
    h.setNumBedrooms(r.rarely() ? 0 : r.between(1, 6));
    h.setNumFullBath(r.between(0, 4));
    h.setNumHalfBath(r.between(0, 3));
    // Now and then an answer large enough to overflow the 16-bit sums.
    h.setMainFloorSqFt(r.rarely() ? r.between(0, 32000) : r.between(600, 4000));
    h.setSecondFloorSqFt(r.yes() ? 0 : r.between(0, 3000));
    h.setThirdFloorSqFt(r.yes() ? 0 : r.between(0, 1500));
    h.setBasementSqFt(r.between(0, 3000));
    h.setFrontPorchSqFt(r.yes() ? 0 : r.between(0, 500));
    h.setRearPorchSqFt(r.yes() ? 0 : r.between(0, 500));
    h.setMainCeilingHeight(r.between(8, 10));
    h.setBasementCeilingHeight(r.between(8, 10));
    h.setNumCarGarage(r.rarely() ? r.between(0, 200) : r.between(0, 4));
    h.setBrickConfiguration(r.rarely() ? r.between(-1, 7) : r.between(0, 5));
    const char* exteriors[] = {"0", "1", "2", "3", "4", "5", "", "9", " 1"};
    h.setExteriorPrimary(QString::fromLatin1(exteriors[r.rarely() ? r.between(0, 8) : r.between(0, 5)]));
    h.setExteriorSecondary(QString::fromLatin1(exteriors[r.rarely() ? r.between(0, 8) : r.between(0, 5)]));
    const int pitches[] = {4, 8, 10, 12, 6};
    h.setRoofPitch(pitches[r.rarely() ? 4 : r.between(0, 3)]);
    h.setRoofStyle(r.between(0, r.rarely() ? 2 : 1));
    h.setHeatType(r.between(0, r.rarely() ? 3 : 2));
    h.setFixtureType(r.between(0, r.rarely() ? 3 : 2));
    h.setAC(r.yes());
    h.setDoorOpeners(r.yes());
    h.setFinishBasement(r.yes());
    h.setFinishGarage(r.yes());
    h.setKitchenIsland(r.yes());
    h.setKitchenBar(r.yes());
    h.setGardenTub(r.yes());
    h.setInterestRate(float(r.between(32, 72)) / 8.0f + (r.rarely() ? 0.01f : 0.0f));
    h.setLocation(r.rarely() ? 9999 : r.between(1, 150));
    h.setFireplaceStyle(r.between(0, r.rarely() ? 3 : 2));
    h.setFireplaceFace(r.between(0, r.rarely() ? 3 : 2));
    h.setExternalChase(r.yes());
    h.setDistanceToStreet(r.between(0, 400));
    h.setDrivewayTreatment(r.between(0, r.rarely() ? 3 : 2));
    h.setSidewalksRequired(r.yes());
    h.setLotWidth(r.between(30, 400));
    h.setLotSize(float(r.between(1, 400)) / 40.0f);
    h.setLotPrice(float(r.between(0, 4000)) * 50.0f);
    h.setCornerLot(r.yes());
    h.setrmPantry(r.yes());
    h.setrmBreakfastNook(r.yes());
    h.setrmDiningRoom(r.yes());
    h.setrmFamilyRoom(r.yes());
    h.setrmLivingRoom(r.yes());
    h.setrmGreatRoom(r.yes());
    h.setrmGatheringRoom(r.yes());
    h.setrmFoyer(r.yes());
    h.setrmGameRoom(r.yes());
    h.setrmOffice(r.yes());
    h.setrmStudy(r.yes());
    h.setrmDen(r.yes());
    h.setrmSunRoom(r.yes());
    h.setrmLoft(r.yes());
    h.setrmUtilityRoom(r.yes());
    h.setrmSittingRoom(r.yes());
    h.setFinishBonusRoom(r.yes());
    h.setBonusRoomSqFt(r.between(0, 800));
    h.setrmBonusRoom(r.yes());
}

void record(QTextStream& out, const clsHomeData& h)
{
    const auto i = [](vb::Integer v) { return QString::number(v.value()); };
    const auto b = [](bool v) { return QString::number(v ? 1 : 0); };
    const std::pair<const char*, std::function<QString()>> fields[] = {
        {"LotCondition", [&] { return i(h.LotCondition()); }},
        {"WaterType", [&] { return i(h.WaterType()); }},
        {"SewerType", [&] { return i(h.SewerType()); }},
        {"DefaultGrade", [&] { return i(h.DefaultGrade()); }},
        {"NumBedrooms", [&] { return i(h.NumBedrooms()); }},
        {"NumFullBath", [&] { return i(h.NumFullBath()); }},
        {"NumHalfBath", [&] { return i(h.NumHalfBath()); }},
        {"MainFloorSqFt", [&] { return i(h.MainFloorSqFt()); }},
        {"SecondFloorSqFt", [&] { return i(h.SecondFloorSqFt()); }},
        {"ThirdFloorSqFt", [&] { return i(h.ThirdFloorSqFt()); }},
        {"BonusRoomSqFt", [&] { return i(h.BonusRoomSqFt()); }},
        {"BasementSqFt", [&] { return i(h.BasementSqFt()); }},
        {"FrontPorchSqFt", [&] { return i(h.FrontPorchSqFt()); }},
        {"RearPorchSqFt", [&] { return i(h.RearPorchSqFt()); }},
        {"MainCeilingHeight", [&] { return i(h.MainCeilingHeight()); }},
        {"BasementCeilingHeight", [&] { return i(h.BasementCeilingHeight()); }},
        {"NumCarGarage", [&] { return i(h.NumCarGarage()); }},
        {"FoundationType", [&] { return i(h.FoundationType()); }},
        {"BrickConfiguration", [&] { return i(h.BrickConfiguration()); }},
        {"ExteriorPrimary", [&] { return h.ExteriorPrimary(); }},
        {"ExteriorSecondary", [&] { return h.ExteriorSecondary(); }},
        {"RoofPitch", [&] { return i(h.RoofPitch()); }},
        {"RoofStyle", [&] { return i(h.RoofStyle()); }},
        {"HeatType", [&] { return i(h.HeatType()); }},
        {"FixtureType", [&] { return i(h.FixtureType()); }},
        {"AC", [&] { return b(h.AC()); }},
        {"DoorOpeners", [&] { return b(h.DoorOpeners()); }},
        {"FinishBonusRoom", [&] { return b(h.FinishBonusRoom()); }},
        {"FinishBasement", [&] { return b(h.FinishBasement()); }},
        {"FinishGarage", [&] { return b(h.FinishGarage()); }},
        {"KitchenIsland", [&] { return b(h.KitchenIsland()); }},
        {"KitchenBar", [&] { return b(h.KitchenBar()); }},
        {"GardenTub", [&] { return b(h.GardenTub()); }},
        {"InterestRate", [&] { return hexf(h.InterestRate()); }},
        {"Location", [&] { return i(h.Location()); }},
        {"LocationName", [&] { return h.LocationName(); }},
        {"LocationFactor", [&] { return hexf(h.LocationFactor()); }},
        {"FireplaceStyle", [&] { return i(h.FireplaceStyle()); }},
        {"FireplaceFace", [&] { return i(h.FireplaceFace()); }},
        {"ExternalChase", [&] { return b(h.ExternalChase()); }},
        {"DistanceToStreet", [&] { return i(h.DistanceToStreet()); }},
        {"DrivewayTreatment", [&] { return i(h.DrivewayTreatment()); }},
        {"SidewalksRequired", [&] { return b(h.SidewalksRequired()); }},
        {"LotWidth", [&] { return i(h.LotWidth()); }},
        {"LotSize", [&] { return hexf(h.LotSize()); }},
        {"LotPrice", [&] { return hexf(h.LotPrice()); }},
        {"CornerLot", [&] { return b(h.CornerLot()); }},
        {"rmPantry", [&] { return b(h.rmPantry()); }},
        {"rmBreakfastNook", [&] { return b(h.rmBreakfastNook()); }},
        {"rmDiningRoom", [&] { return b(h.rmDiningRoom()); }},
        {"rmFamilyRoom", [&] { return b(h.rmFamilyRoom()); }},
        {"rmLivingRoom", [&] { return b(h.rmLivingRoom()); }},
        {"rmGreatRoom", [&] { return b(h.rmGreatRoom()); }},
        {"rmGatheringRoom", [&] { return b(h.rmGatheringRoom()); }},
        {"rmFoyer", [&] { return b(h.rmFoyer()); }},
        {"rmGameRoom", [&] { return b(h.rmGameRoom()); }},
        {"rmOffice", [&] { return b(h.rmOffice()); }},
        {"rmStudy", [&] { return b(h.rmStudy()); }},
        {"rmDen", [&] { return b(h.rmDen()); }},
        {"rmSunRoom", [&] { return b(h.rmSunRoom()); }},
        {"rmLoft", [&] { return b(h.rmLoft()); }},
        {"rmUtilityRoom", [&] { return b(h.rmUtilityRoom()); }},
        {"rmSittingRoom", [&] { return b(h.rmSittingRoom()); }},
        {"rmBonusRoom", [&] { return b(h.rmBonusRoom()); }},
        {"rmKitchen", [&] { return b(h.rmKitchen()); }},
        {"Style", [&] { return i(h.Style()); }},
        {"NumFloors", [&] { return i(h.NumFloors()); }},
        {"HouseConfiguration", [&] { return i(h.HouseConfiguration()); }},
        {"NumRooms", [&] { return i(h.NumRooms()); }},
        {"SquareFt1", [&] { return i(h.CalculateSquareFt(1)); }},
        {"SquareFt2", [&] { return i(h.CalculateSquareFt(2)); }},
        {"SquareFt3", [&] { return i(h.CalculateSquareFt(3)); }},
        {"ListRooms", [&] { return h.ListRooms(); }},
        {"KitchenFeatures", [&] { return h.KitchenFeatures(); }},
        {"ListFeatures", [&] { return h.ListFeatures(); }},
        {"CheckData", [&] { h.CheckData(); return QStringLiteral("ok"); }},
    };
    for (const auto& [name, read] : fields)
        out << "  " << name << " " << escaped(attempt(read)) << "\n";

    using Cost = double (clsHomeData::*)() const;
    const std::pair<const char*, Cost> costs[] = {
        {"Permits", &clsHomeData::Permits}, {"LotClearing", &clsHomeData::LotClearing},
        {"Landscaping", &clsHomeData::Landscaping}, {"Excavate", &clsHomeData::Excavate},
        {"Backfill", &clsHomeData::Backfill}, {"RoughGrade", &clsHomeData::RoughGrade},
        {"TrenchSewer", &clsHomeData::TrenchSewer}, {"WaterService", &clsHomeData::WaterService},
        {"Sidewalks", &clsHomeData::Sidewalks}, {"Driveway", &clsHomeData::Driveway},
        {"SepticSystem", &clsHomeData::SepticSystem}, {"Footings", &clsHomeData::Footings},
        {"BlockWalls", &clsHomeData::BlockWalls}, {"BasementWalls", &clsHomeData::BasementWalls},
        {"SlabFloors", &clsHomeData::SlabFloors}, {"FloorSystems", &clsHomeData::FloorSystems},
        {"ExteriorWalls", &clsHomeData::ExteriorWalls}, {"InteriorWalls", &clsHomeData::InteriorWalls},
        {"Headers", &clsHomeData::Headers}, {"RoofSystems", &clsHomeData::RoofSystems},
        {"ExteriorTreatment", &clsHomeData::ExteriorTreatment}, {"Insulation", &clsHomeData::Insulation},
        {"Windows", &clsHomeData::Windows}, {"ExteriorDoors", &clsHomeData::ExteriorDoors},
        {"GarageDoors", &clsHomeData::GarageDoors}, {"Roofing", &clsHomeData::Roofing},
        {"DrywallTrim", &clsHomeData::DrywallTrim}, {"DrywallCeiling", &clsHomeData::DrywallCeiling},
        {"InteriorDoors", &clsHomeData::InteriorDoors}, {"Flooring", &clsHomeData::Flooring},
        {"Stairways", &clsHomeData::Stairways}, {"Kitchen", &clsHomeData::Kitchen},
        {"Fireplace", &clsHomeData::Fireplace}, {"WaterHeater", &clsHomeData::WaterHeater},
        {"Plumbing", &clsHomeData::Plumbing}, {"HVAC", &clsHomeData::HVAC},
        {"Electrical", &clsHomeData::Electrical},
    };
    for (const auto& [name, cost] : costs)
        out << "  " << name << " " << attempt([&] { return hex((h.*cost)()); }) << "\n";
    out << "  Total " << attempt([&] { return QString::number(h.CalculateTotal(), 16); }) << "\n";
    out << "  Figures " << attempt([&] {
        const TotalCostFigures f = ComputeTotalCost(double(h.CalculateTotal()), h.InterestRate());
        return hex(f.TotalCost) + QLatin1Char(' ') + hex(f.MonthlyPrincipalInterest) + QLatin1Char(' ') +
               hex(f.MonthlyMortgageInsurance) + QLatin1Char(' ') + hex(f.MonthlyTaxes) + QLatin1Char(' ') +
               hex(f.MonthlyInsurance) + QLatin1Char(' ') + hex(f.MonthlyPayment()) + QLatin1Char(' ') +
               f.TotalText() + QLatin1Char('|') + f.PaymentText();
    }) << "\n";
}

void band(QTextStream& out)
{
    const auto text = [](const char* name) {
        auto* label = g_frmMain->findChild<QLabel*>(QString::fromLatin1(name));
        return label ? label->text() : QStringLiteral("-");
    };
    out << "  Band " << text("lblTotalCost") << "|" << text("lblEstimatedPayment") << " " << hex(g_TotalCost)
        << " " << hex(g_MonthlyPrincipalInterest) << " " << hex(g_MonthlyMortgageInsurance) << " "
        << hex(g_MonthlyTaxes) << " " << hex(g_MonthlyInsurance) << "\n";
}

void payments(QTextStream& out)
{
    showPage(4);
    for (const char* row : {"lbPrice", "lbDwnPmt", "lbLoanAmt", "lbPandI", "lbTaxes", "lbHome", "lbPMI",
                            "lbPayment"}) {
        out << "  " << row;
        for (int c = 1; c <= 3; ++c) {
            auto* cell = control<QLabel>(QString::fromLatin1(row) + QString::number(c));
            out << " " << (cell ? cell->text() : QStringLiteral("-"));
        }
        out << "\n";
    }
    for (const char* name : {"lbIntRate2", "lbIntRate3"}) {
        auto* cell = control<QLabel>(QString::fromLatin1(name));
        out << "  " << name << " " << (cell ? cell->text() : QStringLiteral("-")) << "\n";
    }
    band(out);
}

void overview(QTextStream& out, report::ScriptedPrintService& printing)
{
    printing.clear();
    results::ShowOverviewReport(false);
    if (printing.calls().empty()) {
        out << "  report none\n";
        return;
    }
    for (const report::Section& section : printing.calls().back().report.sections())
        for (const report::Label& label : section.labels()) {
            // The date and the temporary file name differ from run to run.
            if (label.name == QLatin1String("lbDate") || label.name == QLatin1String("lbFilename")) continue;
            out << "  " << section.name() << "." << label.name << " " << escaped(label.caption) << "\n";
        }
}

void exterior(QTextStream& out)
{
    showPage(42);
    for (const char* name : {"cmbPrimary", "cmbBrick", "cmbSecondary"}) {
        auto* list = control<QComboBox>(QString::fromLatin1(name));
        if (!list) continue;
        out << "  " << name << " [" << list->currentText() << "]";
        for (int i = 0; i < list->count(); ++i)
            out << " " << list->itemText(i);
        out << "\n";
    }
    if (QWidget* frame = control(QStringLiteral("fraSecondary")))
        out << "  fraSecondary " << (frame->isVisible() ? 1 : 0) << "\n";
}

TEST(Equivalence, Houses)
{
    const int count = qEnvironmentVariableIsSet("EQUIVALENCE_HOUSES")
                          ? qEnvironmentVariableIntValue("EQUIVALENCE_HOUSES")
                          : 3000;
    QFile file;
    const QString path = qEnvironmentVariable("EQUIVALENCE_OUT");
    if (path.isEmpty()) {
        ASSERT_TRUE(file.open(stdout, QIODevice::WriteOnly));
    } else {
        file.setFileName(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    }
    QTextStream out(&file);
    report::ScriptedPrintService printing;
    Random r;
    clsHomeData& h = HomeData();
    for (int n = 0; n < count; ++n) {
        out << "house " << n << "\n";
        try {
            randomHouse(h, r);
        } catch (const vb::VbError& e) {
            out << "  set E" << e.number() << "\n";
        }
        record(out, h);
        out << "  Summary " << escaped(attempt([] { return results::BuildHouseSummary(); })) << "\n";
        // What escapes a procedure is written down as its error.
        const auto run = [&](const char* what, const std::function<void()>& f) {
            try {
                f();
            } catch (const vb::VbError& e) {
                out << "  " << what << " E" << e.number() << "\n";
            }
        };
        run("report", [&] { overview(out, printing); });
        run("payments", [&] { payments(out); });
        run("exterior", [&] { exterior(out); });
        out << " after the exterior page\n";
        record(out, h);
        out << "  Boxes " << escaped(QString::fromStdString(boxLog())) << "\n";
        boxes().clear();
    }
    out.flush();
    boxes().clear();
}

} // namespace
