#include "tests/support/PageHarness.h"

#include "estimate/clsHomeData.h"
#include "results/CostGroups.h"
#include "results/basReporting.h"
#include "results/rptOverview.h"
#include "runtime/forms/App.h"
#include "runtime/report/PrintService.h"
#include "runtime/report/QtPrintService.h"
#include "runtime/report/ReportRenderer.h"
#include "runtime/vb/Conversions.h"
#include "shell/basGlobalVariables.h"
#include "shell/basHouseFiles.h"
#include "shell/basStyleControl.h"
#include "shell/frmMain.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDate>
#include <QFontMetricsF>
#include <QPainter>
#include <QPicture>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <functional>
#include <map>

using namespace pagetest;

namespace
{

QString text(const char* s)
{
    return QString::fromUtf8(s);
}

// A full brick two-storey house with a basement, every room and feature.
void fullHouse(clsHomeData& h)
{
    h.setStyle(3);
    h.setMainFloorSqFt(1400);
    h.setSecondFloorSqFt(1200);
    h.setThirdFloorSqFt(0);
    h.setFoundationType(3);
    h.setBasementSqFt(1400);
    h.setBasementCeilingHeight(8);
    h.setMainCeilingHeight(9);
    h.setExteriorPrimary(text("3"));
    h.setExteriorSecondary(text("1"));
    h.setBrickConfiguration(1);
    h.setDefaultGrade(3);
    h.setFireplaceStyle(2);
    h.setFireplaceFace(2);
    h.setHeatType(2);
    h.setAC(true);
    h.setNumCarGarage(2);
    h.setDrivewayTreatment(0);
    h.setWaterType(0);
    h.setSewerType(0);
    h.setNumBedrooms(4);
    h.setNumFullBath(2);
    h.setNumHalfBath(1);
    h.setLocation(65);
    h.setLotPrice(45000);
    for (auto set :
         {&clsHomeData::setrmKitchen, &clsHomeData::setrmDiningRoom, &clsHomeData::setrmFamilyRoom,
          &clsHomeData::setrmLivingRoom, &clsHomeData::setrmGreatRoom, &clsHomeData::setrmGatheringRoom,
          &clsHomeData::setrmFoyer, &clsHomeData::setrmGameRoom, &clsHomeData::setrmOffice,
          &clsHomeData::setrmStudy, &clsHomeData::setrmDen, &clsHomeData::setrmSunRoom,
          &clsHomeData::setrmLoft, &clsHomeData::setrmUtilityRoom, &clsHomeData::setrmSittingRoom,
          &clsHomeData::setrmBonusRoom, &clsHomeData::setrmPantry, &clsHomeData::setrmBreakfastNook})
        (h.*set)(true);
    h.setKitchenBar(true);
    h.setKitchenIsland(true);
    h.setFixtureType(2);
    h.setGardenTub(true);
    h.setFinishBasement(true);
    h.setFinishGarage(true);
    h.setDoorOpeners(true);
}

class OverviewReport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(g_HomeData);
        fullHouse(*g_HomeData);
        boxes().clear();
    }

    // The report as the last call handed it to the print service.
    const report::Report& shown()
    {
        EXPECT_FALSE(printing.calls().empty());
        return printing.calls().back().report;
    }
    const report::Report& preview(const std::function<void(clsHomeData&)>& change = {})
    {
        if (change) change(*g_HomeData);
        results::ShowOverviewReport(false);
        return shown();
    }
    QString value(const char* name, const char* section = "Section1")
    {
        return shown().section(text(section)).control(text(name)).caption;
    }

    report::ScriptedPrintService printing;
};

TEST_F(OverviewReport, HasTheFiveSectionsWithTheirHeights)
{
    const rptOverview r;
    EXPECT_EQ(r.caption, text("Construction Overview"));
    EXPECT_EQ(r.width, 10665);
    EXPECT_EQ(r.leftMargin + r.topMargin + r.rightMargin + r.bottomMargin, 4 * 720);
    std::vector<std::pair<QString, int>> sections;
    for (const report::Section& s : r.sections())
        sections.emplace_back(s.name(), s.height());
    EXPECT_EQ(sections, (std::vector<std::pair<QString, int>>{{text("Section4"), 720},
                                                              {text("Section2"), 165},
                                                              {text("Section1"), 9840},
                                                              {text("Section3"), 450},
                                                              {text("Section5"), 225}}));
    for (const report::Section& s : r.sections()) {
        QStringList names;
        for (const report::Label& l : s.labels())
            names << l.name.toLower();
        const qsizetype count = names.size();
        names.removeDuplicates();
        EXPECT_EQ(names.size(), count) << "names repeat in " << s.name().toStdString();
    }
}

TEST_F(OverviewReport, CaptionsAndValueLabelsStandWhereTheyBelong)
{
    struct Place {
        const char* caption; // a fixed caption, or the design text of a value label
        int left;
        int top;
    };
    const Place places[] = {
        {"House Summary", 144, 0},         {"Location:", 288, 576},
        {"lbLocation", 2880, 576},         {"HVAC:", 288, 4320},
        {"lbHVAC2", 2880, 4320},           {"Other Rooms:", 288, 4608},
        {"lbFeatures", 2880, 5040},        {"Total Cost:", 6336, 576},
        {"lbTotalCost", 8928, 576},        {"Square Footage", 6336, 1152},
        {"lbMainSqFt", 7632, 1440},        {"lbTotalSqFt", 7632, 2304},
        {"lbFoundation2", 8352, 2880},     {"Basement SqFt:", 6336, 3168},
        {"lbBasementCeiling", 8352, 3456}, {"Cost Breakouts", 144, 5472},
        {"Permits:", 288, 5904},           {"lbPermits", 2880, 5904},
        {"Roofing:", 5328, 5904},          {"lbRoofing", 7920, 5904},
        {"Drywall & Trim:", 288, 8784},    {"Landscapings:", 5328, 8784},
        {"lbLandscaping", 7920, 8784},     {"Total:", 5328, 9360},
        {"lbTotal", 7920, 9360},           {"Sidewalks & Driveways:", 288, 7056},
    };
    const rptOverview r;
    const report::Section& detail = r.section(text("Section1"));
    for (const Place& place : places) {
        SCOPED_TRACE(place.caption);
        const report::Label* found = nullptr;
        for (const report::Label& l : detail.labels())
            if (l.caption == text(place.caption) && (!found || l.top == place.top)) found = &l;
        ASSERT_TRUE(found);
        EXPECT_EQ(found->left, place.left);
        EXPECT_EQ(found->top, place.top);
    }
    const report::Label& other = detail.control(text("lbOtherRooms"));
    EXPECT_EQ(other.width, 6630);
    const report::Section& footer = r.section(text("Section3"));
    EXPECT_EQ(footer.control(text("lbDate")).left, 144);
    EXPECT_EQ(footer.control(text("lbFilename")).width, 8496);
    EXPECT_EQ(detail.control(text("LBMAINSQFT")).caption, text("lbMainSqFt"));
}

TEST_F(OverviewReport, FillsTheFullHouseInWords)
{
    preview();
    const std::pair<const char*, const char*> expected[] = {
        {"lbStyle", "Two Story"},
        {"lbBedrooms", "4"},
        {"lbBaths", "2 / 1"},
        {"lbKitchen2", "Nook, Pantry, Bar, Island"},
        {"lbGarage", "2 Car Attached"},
        {"lbDriveway", "Concrete"},
        {"lbMainCeiling", "9"},
        {"lbExterior2", "Full Brick"},
        {"lbQuality", "Premium"},
        {"lbFireplace2", "Masonary with stone facing"},
        {"lbWater2", "City Water"},
        {"lbSewer2", "City Sewer"},
        {"lbHVAC2", "Geothermal Heat with Central Air"},
        {"lbMainSqFt", "1,400"},
        {"lb2ndSqFt", "1,200"},
        {"lb3rdSqFt", ""},
        {"lbTotalSqFt", "2,600"},
        {"lbFoundation2", "Full Basement"},
        {"Label58", "Basement Sq ft:"},
        {"Label20", "Basement Ceiling Height:"},
        {"lbBasementSqFt", "1,400"},
        {"lbBasementCeiling", "8"},
    };
    for (const auto& [name, words] : expected)
        EXPECT_EQ(value(name), text(words)) << name;
    EXPECT_EQ(value("lbLocation"), g_HomeData->LocationName());
    EXPECT_EQ(value("lbLocation"), text("Kansas City, Kansas"));
    EXPECT_EQ(value("lbOtherRooms"), g_HomeData->ListRooms());
    EXPECT_EQ(value("lbFeatures"), g_HomeData->ListFeatures());
    EXPECT_EQ(value("lbProgramVersion", "Section4"), forms::App::Title() + text(" v") +
                                                         QString::number(forms::App::Major()) + text(".") +
                                                         QString::number(forms::App::Minor()));
    EXPECT_EQ(value("lbDate", "Section3"), QDate::currentDate().toString(text("MM/dd/yyyy")));

    // Bound to a clone of the record's recordset: the detail prints once.
    ASSERT_TRUE(shown().dataSource());
    EXPECT_NE(shown().dataSource(), &g_HomeData->rsHouseData());
    EXPECT_EQ(shown().detailCount(), 1);
    EXPECT_EQ(shown().orientation, report::Report::Portrait);
}

TEST_F(OverviewReport, MoneyIsInFixedWidthColumnsWithEachGroupRoundedHalvesToEven)
{
    preview();
    const QString total = FormatCurrencyColumn(g_HomeData->CalculateTotal());
    EXPECT_EQ(value("lbTotalCost"), total);
    EXPECT_EQ(value("lbTotal"), total);
    const auto& groups = results::costGroups();
    for (size_t i = 0; i < groups.size(); ++i) {
        const QString name = QString::fromUtf16(rptOverview::costLabels()[i]);
        const QString money = shown().section(text("Section1")).control(name).caption;
        EXPECT_EQ(money, FormatCurrencyColumn(vb::CLng(groups[i].amount(*g_HomeData)))) << name.toStdString();
        EXPECT_EQ(money.size(), 11) << name.toStdString();
    }
    EXPECT_EQ(value("lbLot"), text("$ 45,000.00"));

    const std::pair<float, const char*> halves[] = {
        {2.5f, "$      2.00"}, {3.5f, "$      4.00"}, {12345.5f, "$ 12,346.00"}, {0.5f, "$      0.00"}};
    for (const auto& [price, money] : halves) {
        preview([&](clsHomeData& h) { h.setLotPrice(price); });
        EXPECT_EQ(value("lbLot"), text(money)) << price;
    }
}

TEST_F(OverviewReport, WordsFollowTheCodeTables)
{
    struct Case {
        std::function<void(clsHomeData&)> change;
        const char* label;
        const char* words;
    };
    const Case cases[] = {
        {[](clsHomeData& h) { h.setExteriorSecondary(text("4")); }, "lbExterior2", "Full Brick"},
        {[](clsHomeData& h) {
             h.setBrickConfiguration(2);
             h.setExteriorSecondary(text("4"));
         },
         "lbExterior2", "Aluminum with bricked front"},
        {[](clsHomeData& h) {
             h.setBrickConfiguration(2);
             h.setExteriorSecondary(text("7"));
         },
         "lbExterior2", " with bricked front"},
        {[](clsHomeData& h) { h.setBrickConfiguration(5); }, "lbExterior2", "Vinyl with 3 foot brick wrap"},
        {[](clsHomeData& h) {
             h.setBrickConfiguration(4);
             h.setExteriorSecondary(text("2"));
         },
         "lbExterior2", "Wood with bricked main floor"},
        {[](clsHomeData& h) { h.setBrickConfiguration(3); }, "lbExterior2",
         "Vinyl with bricked front & sides"},
        {[](clsHomeData& h) { h.setExteriorPrimary(text("5")); }, "lbExterior2", "Stucco"},
        {[](clsHomeData& h) { h.setExteriorPrimary(text("4")); }, "lbExterior2", "Aluminum"},
        {[](clsHomeData& h) { h.setNumCarGarage(0); }, "lbGarage", "None"},
        {[](clsHomeData& h) { h.setStyle(1); }, "lbStyle", "Ranch"},
        {[](clsHomeData& h) { h.setStyle(4); }, "lbStyle", "Two and a Half Story"},
        {[](clsHomeData& h) { h.setDrivewayTreatment(2); }, "lbDriveway", "Gravel"},
        {[](clsHomeData& h) { h.setDefaultGrade(4); }, "lbQuality", "Luxury"},
        {[](clsHomeData& h) { h.setWaterType(1); }, "lbWater2", "Well"},
        {[](clsHomeData& h) { h.setSewerType(1); }, "lbSewer2", "Septic"},
        {[](clsHomeData& h) {
             h.setFireplaceStyle(1);
             h.setFireplaceFace(1);
         },
         "lbFireplace2", "Prefabricated with brick facing"},
        {[](clsHomeData& h) {
             h.setFireplaceStyle(0);
             h.setFireplaceFace(0);
         },
         "lbFireplace2", "None"},
        {[](clsHomeData& h) {
             h.setHeatType(1);
             h.setAC(false);
         },
         "lbHVAC2", "Electric Heat"},
        {[](clsHomeData& h) { h.setHeatType(0); }, "lbHVAC2", "Gas Heat with Central Air"},
    };
    for (const Case& c : cases) {
        fullHouse(*g_HomeData);
        preview(c.change);
        EXPECT_EQ(value(c.label), text(c.words)) << c.label << " should be " << c.words;
    }
}

TEST_F(OverviewReport, OneStoreyPrintsEmptyUpperFloors)
{
    preview([](clsHomeData& h) {
        h.setStyle(1);
        h.setMainFloorSqFt(1500);
        h.setSecondFloorSqFt(0);
        h.setThirdFloorSqFt(0);
    });
    EXPECT_EQ(value("lbMainSqFt"), text("1,500"));
    EXPECT_EQ(value("lb2ndSqFt"), text(""));
    EXPECT_EQ(value("lb3rdSqFt"), text(""));
    EXPECT_EQ(value("lbTotalSqFt"), text("1,500"));
}

TEST_F(OverviewReport, BasementLinesShowOnlyForABasement)
{
    for (int slab : {2, 1}) {
        preview([slab](clsHomeData& h) { h.setFoundationType(slab); });
        EXPECT_EQ(value("lbFoundation2"), text(slab == 2 ? "Slab" : "Crawl Space"));
        for (const char* gone : {"Label58", "Label20", "lbBasementSqFt", "lbBasementCeiling"})
            EXPECT_EQ(value(gone), QString()) << gone;
    }
    preview([](clsHomeData& h) {
        h.setFoundationType(4);
        h.setBasementSqFt(1250);
        h.setBasementCeilingHeight(9);
    });
    EXPECT_EQ(value("lbFoundation2"), text("Partial Basement"));
    EXPECT_EQ(value("Label58"), text("Basement Sq ft:"));
    EXPECT_EQ(value("lbBasementSqFt"), text("1,250"));
    EXPECT_EQ(value("lbBasementCeiling"), text("9"));
}

TEST_F(OverviewReport, CodesOutsideTheirListsKeepOrClearTheirLabels)
{
    preview();
    preview([](clsHomeData& h) {
        h.setStyle(9);
        h.setDefaultGrade(0);
        h.setBrickConfiguration(8);
    });
    // As designed, these keep the earlier caption.
    EXPECT_EQ(value("lbStyle"), text("Two Story"));
    EXPECT_EQ(value("lbQuality"), text("Premium"));
    EXPECT_EQ(value("lbExterior2"), text("Full Brick"));

    // A fireplace or heat code outside its list gives an empty value, not an earlier house's.
    for (const auto& change : std::vector<std::function<void(clsHomeData&)>>{
             [](clsHomeData& h) { h.setFireplaceStyle(7); }, [](clsHomeData& h) { h.setFireplaceFace(5); }}) {
        fullHouse(*g_HomeData);
        preview();
        ASSERT_EQ(value("lbFireplace2"), text("Masonary with stone facing"));
        preview(change);
        EXPECT_EQ(value("lbFireplace2"), QString());
    }
    preview([](clsHomeData& h) { h.setHeatType(9); });
    EXPECT_EQ(value("lbHVAC2"), QString());
}

TEST_F(OverviewReport, UntitledCopyPrintsNoFileNameASavedFileItsPath)
{
    const QString saved = g_HouseFilePath;
    preview();
    EXPECT_EQ(value("lbFilename", "Section3"), saved);
    EXPECT_TRUE(saved.endsWith(text("/house.tvm")));

    g_HouseFilePath = WorkingCopyPath();
    preview();
    EXPECT_EQ(value("lbFilename", "Section3"), QString());
    // The platform's "\" form names no file of this system: it is printed as it stands.
    g_HouseFilePath = forms::App::Path() + text("\\~092891.tmp");
    preview();
    EXPECT_EQ(value("lbFilename", "Section3"), g_HouseFilePath);
    g_HouseFilePath = saved;
}

TEST_F(OverviewReport, EveryTextFitsItsLabel)
{
    preview([](clsHomeData& h) {
        h.setBrickConfiguration(3);
        h.setExteriorSecondary(text("4"));
        h.setStyle(4);
        h.setThirdFloorSqFt(900);
    });
    QImage device(1, 1, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(1440 / 0.0254); // a pixel per twip
    device.setDotsPerMeterX(dotsPerMeter);
    device.setDotsPerMeterY(dotsPerMeter);
    report::renderPage(shown(), 0, 10); // sets up the font family
    for (const report::Section& s : shown().sections())
        for (const report::Label& l : s.labels()) {
            QFont font(shown().fontFamily);
            font.setPointSizeF(l.pointSize);
            font.setBold(l.bold);
            const QRectF needed =
                QFontMetricsF(font, &device)
                    .boundingRect(QRectF(0, 0, l.width, 100000), Qt::TextWordWrap | l.alignment, l.caption);
            EXPECT_LE(needed.width(), l.width) << l.name.toStdString() << ": " << l.caption.toStdString();
            EXPECT_LE(needed.height(), l.height) << l.name.toStdString() << ": " << l.caption.toStdString();
            EXPECT_LE(l.left + l.width, shown().width) << l.name.toStdString();
        }
}

QImage deviceAt(int dpi)
{
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(qRound(dpi / 0.0254));
    device.setDotsPerMeterY(qRound(dpi / 0.0254));
    return device;
}

QStringList words(const QString& s)
{
    return s.split(QRegularExpression(text("\\s+")), Qt::SkipEmptyParts);
}

// The screen, a fine screen and the printer: the same words on the same lines, each inside its
// label's box, and the room and feature lists inside the two lines they are given.
TEST_F(OverviewReport, EveryWordLiesInsideItsLabelAtEveryResolution)
{
    const report::Report& r = preview();
    ASSERT_GE(words(value("lbOtherRooms")).size(), 18u);
    ASSERT_GE(words(value("lbFeatures")).size(), 6u);
    std::map<QString, QStringList> printed; // label name -> its lines at 600 dpi
    for (int dpi : {600, 150, 96}) {
        const QImage device = deviceAt(dpi);
        const double scale = dpi / double(report::TwipsPerInch);
        for (const report::Section& s : r.sections())
            for (const report::Label& l : s.labels()) {
                if (l.caption.isEmpty()) continue;
                const std::string where = l.name.toStdString() + " at " + std::to_string(dpi) + " dpi";
                const report::LabelLayout layout = report::layoutLabel(r, l, device, dpi, dpi);
                QStringList lines;
                QStringList shown;
                for (const report::LabelLine& line : layout.lines) {
                    lines << line.text;
                    shown << words(line.text);
                    EXPECT_TRUE(layout.box.adjusted(-0.01, -0.01, 0.01, 0.01).contains(line.rect))
                        << where << ": \"" << line.text.toStdString() << "\"";
                    EXPECT_GE(line.squeeze, 0.9) << where << ": drawn too narrow to read";
                }
                EXPECT_EQ(shown, words(l.caption)) << where;
                const QString key = s.name() + text("/") + l.name;
                if (dpi == 600)
                    printed[key] = lines;
                else
                    EXPECT_EQ(lines, printed[key]) << where << ": broken as the printer breaks it";
                EXPECT_NEAR(layout.box.height(), l.height * scale, 0.01) << where << ": no label grows";
            }
    }
    EXPECT_EQ(printed[text("Section1/lbOtherRooms")].size(), 2);
}

// A label whose text needs more lines than it was given grows to hold them.
TEST(ReportLabel, GrowsToHoldItsText)
{
    report::Report r;
    report::Label l{
        text("lbNotes"), text("one two three four five six seven eight nine ten"), 0, 0, 900, 240};
    const QImage device = deviceAt(96);
    const report::LabelLayout layout = report::layoutLabel(r, l, device, 96, 96);
    ASSERT_GT(layout.lines.size(), 1u);
    EXPECT_GT(layout.box.height(), l.height * 96.0 / report::TwipsPerInch);
    EXPECT_LE(layout.lines.back().rect.bottom(), layout.box.bottom() + 0.01);
}

// The rules (under "Square Footage", above the totals) stay visible however small the page is
// drawn: at low resolutions and scaled down as the preview's zoom does.
TEST_F(OverviewReport, RulesShowAtEveryZoom)
{
    const report::Report& r = preview();
    const report::Section& detail = r.section(text("Section1"));
    ASSERT_EQ(detail.rules().size(), 3u);
    const QSizeF paper = report::paperTwips(r, QPageSize(QPageSize::Letter));
    const std::vector<report::PageLayout> pages = report::paginate(r, int(paper.height()) - 1440);
    int detailTop = -1;
    for (const report::Placement& p : pages[0])
        if (p.section == &detail) detailTop = r.topMargin + p.top;
    ASSERT_GE(detailTop, 0);

    auto darkRun = [](const QImage& image, double y, double left, double right) {
        int best = 0;
        for (int row = int(y) - 2; row <= int(y) + 2; ++row) {
            if (row < 0 || row >= image.height()) continue;
            int dark = 0;
            for (int x = int(left) + 1; x < int(right) - 1; ++x)
                if (qGray(image.pixel(x, row)) < 128) ++dark;
            best = std::max(best, dark);
        }
        return best / std::max(1.0, right - left - 2);
    };

    for (double zoom : {1.0, 0.8, 0.5, 0.3}) {
        // As the preview shows it: the page recorded at screen resolution, then scaled.
        QPicture picture;
        {
            QPainter painter(&picture);
            report::drawPage(r, pages[0], painter, 96, 96);
        }
        QImage image((paper * 96 * zoom / report::TwipsPerInch).toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.scale(zoom, zoom);
            painter.drawPicture(0, 0, picture);
        }
        const double px = 96 * zoom / report::TwipsPerInch;
        for (const report::Rule& rule : detail.rules()) {
            const double y = (detailTop + rule.top + 7.5) * px;
            const double left = (r.leftMargin + rule.left) * px;
            EXPECT_GE(darkRun(image, y, left, left + rule.width * px), 0.95)
                << "rule at " << rule.top << ", zoom " << zoom;
        }
    }
    for (int dpi : {20, 48, 72}) {
        const QImage image = report::renderPage(r, 0, dpi);
        const double px = dpi / double(report::TwipsPerInch);
        for (const report::Rule& rule : detail.rules()) {
            const double left = (r.leftMargin + rule.left) * px;
            EXPECT_GE(darkRun(image, (detailTop + rule.top + 7.5) * px, left, left + rule.width * px), 0.95)
                << "rule at " << rule.top << ", " << dpi << " dpi";
        }
    }
}

QString pdfText(const QString& path)
{
    QProcess p;
    p.start(text("pdftotext"), {text("-layout"), path, text("-")});
    if (!p.waitForFinished(20000)) return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST_F(OverviewReport, PrintsAfterTheDialogIsAcceptedAndNothingWhenCancelled)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(text("overview.pdf"));
    printing.printTo(pdf);

    printing.cancel();
    results::ShowOverviewReport(true);
    ASSERT_EQ(printing.calls().size(), 1u);
    EXPECT_EQ(printing.calls()[0].kind, report::ScriptedPrintService::Call::Kind::Print);
    EXPECT_FALSE(printing.calls()[0].printed);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(boxes().calls().empty()) << boxLog();

    printing.accept();
    results::ShowOverviewReport(true);
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_TRUE(boxes().calls().empty()) << boxLog();
    EXPECT_EQ(report::paginate(shown(), 15840 - 1440).size(), 1u) << "one Letter page";

    if (QStandardPaths::findExecutable(text("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed (scripts/setup.sh installs it)";
    // The extracted text spaces words by their gaps: compare without blanks.
    auto squeeze = [](QString s) { return s.remove(QRegularExpression(text("\\s+"))); };
    const QString pdfLines = squeeze(pdfText(pdf));
    // Captions and values in reading order: left to right, then down the page.
    const QString inOrder[] = {
        value("lbProgramVersion", "Section4"),
        text("House Summary"),
        text("Location:"),
        text("Kansas City, Kansas"),
        text("Total Cost:"),
        squeeze(value("lbTotalCost")),
        text("Style: Two Story"),
        text("Bedrooms: 4 Square Footage"),
        text("Full/Half Baths: 2 / 1 Main Floor: 1,400"),
        text("Kitchen: Nook, Pantry, Bar, Island 2nd Floor: 1,200"),
        text("Garage: 2 Car Attached Third Floor:"),
        text("Driveway: Concrete Total: 2,600"),
        text("Exterior: Full Brick Foundation: Full Basement"),
        text("Construction Quality: Premium Basement Sq ft: 1,400"),
        text("Fireplace: Masonary with stone facing Basement Ceiling Height: 8"),
        text("HVAC: Geothermal Heat with Central Air"),
        text("Other Rooms: Kitchen, Bonus Room"),
        text("Features: Brass Faucet Fixtures"),
        text("Cost Breakouts"),
        text("Permits: ") + squeeze(value("lbPermits")) + text(" Roofing: ") + squeeze(value("lbRoofing")),
        text("Sidewalks & Driveways: ") + squeeze(value("lbSidewalks")),
        text("Drywall & Trim: ") + squeeze(value("lbDrywall")) + text(" Landscapings: ") +
            squeeze(value("lbLandscaping")),
        text("Total: ") + squeeze(value("lbTotal")),
        value("lbDate", "Section3") + text(" ") + g_HouseFilePath,
    };
    qsizetype at = 0;
    for (const QString& line : inOrder) {
        const QString expected = squeeze(line);
        const qsizetype found = pdfLines.indexOf(expected, at);
        ASSERT_GE(found, 0) << "not found after " << at << ": " << expected.toStdString() << "\n"
                            << pdfText(pdf).toStdString();
        at = found + expected.size();
    }
}

TEST_F(OverviewReport, FileMenuPreviewsAndPrintsTheOpenEstimate)
{
    showPage(36);
    ASSERT_TRUE(g_frmMain);
    g_frmMain->ShowOverviewReport = [](bool ToPrinter) { results::ShowOverviewReport(ToPrinter); };
    auto trigger = [](const char* name) {
        auto* action = g_frmMain->findChild<QAction*>(text(name));
        ASSERT_TRUE(action) << name;
        action->trigger();
        processEvents();
    };
    trigger("mnuFilePrintPreview");
    trigger("mnuFilePrint");
    g_frmMain->ShowOverviewReport = nullptr;

    ASSERT_EQ(printing.calls().size(), 2u);
    EXPECT_EQ(printing.calls()[0].kind, report::ScriptedPrintService::Call::Kind::Preview);
    EXPECT_EQ(printing.calls()[1].kind, report::ScriptedPrintService::Call::Kind::Print);
    EXPECT_FALSE(printing.calls()[1].printed);
    EXPECT_EQ(printing.calls()[0].report.section(text("Section1")).control(text("lbStyle")).caption,
              text("Two Story"));
    EXPECT_TRUE(boxes().calls().empty()) << boxLog();
}

// The real preview window: modeless, owned by the main window, one window for every showing.
TEST(OverviewPreview, OpensOneModelessWindowBesideTheMainWindow)
{
    ASSERT_TRUE(g_frmMain);
    report::QtPrintService qt;
    rptOverview r;
    qt.preview(r, g_frmMain.data());
    processEvents();
    QPrintPreviewDialog* window = qt.previewWindow();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    EXPECT_EQ(window->parentWidget(), g_frmMain.data());
    EXPECT_EQ(window->windowTitle(), text("Construction Overview"));
    auto* pages = window->findChild<QPrintPreviewWidget*>();
    ASSERT_TRUE(pages);
    EXPECT_EQ(pages->pageCount(), 1);

    qt.preview(r, g_frmMain.data());
    processEvents();
    EXPECT_EQ(qt.previewWindow(), window);
    window->close();
    processEvents();
    EXPECT_FALSE(qt.previewWindow()) << "closing the window releases it";
}

} // namespace
