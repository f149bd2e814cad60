#include "results/basReporting.h"

#include "estimate/clsHomeData.h"
#include "results/CostGroups.h"
#include "results/rptOverview.h"
#include "runtime/forms/App.h"
#include "runtime/report/PrintService.h"
#include "runtime/vb/Conversions.h"
#include "runtime/vb/Format.h"
#include "runtime/vb/VbError.h"
#include "shell/basGlobalVariables.h"
#include "shell/basNavigation.h"
#include "shell/basStyleControl.h"
#include "shell/frmMain.h"

#include <QDate>

#include <memory>
#include <optional>
#include <span>

namespace results
{

QString BuildHouseSummary()
{
    return QString();
}

namespace
{

struct Word {
    int code;
    const char16_t* text;
};

struct TextCodeWord {
    const char16_t* code;
    const char16_t* text;
};

constexpr Word kStyles[] = {
    {1, u"Ranch"}, {2, u"Story and a Half"}, {3, u"Two Story"}, {4, u"Two and a Half Story"}};
constexpr Word kDriveways[] = {{0, u"Concrete"}, {1, u"Asphalt"}, {2, u"Gravel"}};
constexpr Word kGrades[] = {{1, u"Economy"}, {2, u"Average"}, {3, u"Premium"}, {4, u"Luxury"}};
constexpr Word kFireplaceStyles[] = {{1, u"Prefabricated"}, {2, u"Masonary"}, {0, u"None"}};
constexpr Word kFireplaceFaces[] = {{1, u" with brick facing"}, {2, u" with stone facing"}, {0, u""}};
constexpr Word kWaters[] = {{0, u"City Water"}, {1, u"Well"}};
constexpr Word kSewers[] = {{0, u"City Sewer"}, {1, u"Septic"}};
constexpr Word kHeats[] = {{0, u"Gas Heat"}, {1, u"Electric Heat"}, {2, u"Geothermal Heat"}};

// Foundations without a basement hide the basement lines.
struct Foundation {
    int code;
    const char16_t* text;
    bool basement;
};
constexpr Foundation kFoundations[] = {{2, u"Slab", false},
                                       {1, u"Crawl Space", false},
                                       {3, u"Full Basement", true},
                                       {4, u"Partial Basement", true}};

// Exterior by the primary siding code; "3" is brick, worded by its configuration.
constexpr TextCodeWord kPrimarySidings[] = {
    {u"1", u"Vinyl"}, {u"4", u"Aluminum"}, {u"2", u"Wood"}, {u"5", u"Stucco"}};
constexpr TextCodeWord kSecondarySidings[] = {{u"1", u"Vinyl"}, {u"4", u"Aluminum"}, {u"2", u"Wood"}};
constexpr const char16_t* BrickCode = u"3";
constexpr int FullBrick = 1;
constexpr Word kBrickConfigurations[] = {{1, u"Full Brick"},
                                         {5, u" with 3 foot brick wrap"},
                                         {2, u" with bricked front"},
                                         {4, u" with bricked main floor"},
                                         {3, u" with bricked front & sides"}};

std::optional<QString> word(std::span<const Word> words, int code)
{
    for (const Word& w : words)
        if (w.code == code) return QString::fromUtf16(w.text);
    return std::nullopt;
}

std::optional<QString> word(std::span<const TextCodeWord> words, const QString& code)
{
    for (const TextCodeWord& w : words)
        if (code == QStringView(w.code)) return QString::fromUtf16(w.text);
    return std::nullopt;
}

void setCaption(report::Section& section, const QString& name, const QString& caption)
{
    section.control(name).caption = caption;
}

// A word from its table, or nothing written when the code is outside it.
void setWord(report::Section& section, const QString& name, const std::optional<QString>& caption)
{
    if (caption) setCaption(section, name, *caption);
}

QString squareFeet(int value)
{
    return vb::Format(double(value), QStringLiteral("#,###"));
}

std::optional<QString> exteriorWords(const clsHomeData& home)
{
    const QString primary = home.ExteriorPrimary();
    if (primary != QStringView(BrickCode)) return word(kPrimarySidings, primary);
    const int configuration = home.BrickConfiguration();
    const std::optional<QString> brick = word(kBrickConfigurations, configuration);
    if (!brick || configuration == FullBrick) return brick;
    return word(kSecondarySidings, home.ExteriorSecondary()).value_or(QString()) + *brick;
}

// A style or face outside its list gives an empty value rather than an earlier house's.
QString fireplaceWords(const clsHomeData& home)
{
    const std::optional<QString> style = word(kFireplaceStyles, home.FireplaceStyle());
    const std::optional<QString> face = word(kFireplaceFaces, home.FireplaceFace());
    return style && face ? *style + *face : QString();
}

QString hvacWords(const clsHomeData& home)
{
    const std::optional<QString> heat = word(kHeats, home.HeatType());
    if (!heat) return QString();
    return home.AC() ? *heat + QStringLiteral(" with Central Air") : *heat;
}

void fillDetail(report::Section& detail, const clsHomeData& home)
{
    const QString totalCost = FormatCurrencyColumn(home.CalculateTotal());
    setCaption(detail, QStringLiteral("lbTotalCost"), totalCost);

    const int main = home.MainFloorSqFt();
    const int second = home.SecondFloorSqFt();
    const int third = home.ThirdFloorSqFt();
    setCaption(detail, QStringLiteral("lbMainSqFt"), squareFeet(main));
    setCaption(detail, QStringLiteral("lb2ndSqFt"), squareFeet(second));
    setCaption(detail, QStringLiteral("lb3rdSqFt"), squareFeet(third));
    setCaption(detail, QStringLiteral("lbTotalSqFt"), squareFeet(main + second + third));

    setCaption(detail, QStringLiteral("lbLocation"), home.LocationName());
    setWord(detail, QStringLiteral("lbStyle"), word(kStyles, home.Style()));
    setCaption(detail, QStringLiteral("lbBedrooms"), vb::CStr(home.NumBedrooms()));
    setCaption(detail, QStringLiteral("lbBaths"),
               vb::CStr(home.NumFullBath()) + QStringLiteral(" / ") + vb::CStr(home.NumHalfBath()));
    setCaption(detail, QStringLiteral("lbKitchen2"), home.KitchenFeatures());
    const vb::Integer cars = home.NumCarGarage();
    setCaption(detail, QStringLiteral("lbGarage"),
               cars > vb::Integer(0) ? vb::CStr(cars) + QStringLiteral(" Car Attached")
                                     : QStringLiteral("None"));
    setWord(detail, QStringLiteral("lbDriveway"), word(kDriveways, home.DrivewayTreatment()));

    const int foundation = home.FoundationType();
    for (const Foundation& f : kFoundations) {
        if (f.code != foundation) continue;
        setCaption(detail, QStringLiteral("lbFoundation2"), QString::fromUtf16(f.text));
        setCaption(detail, QStringLiteral("Label58"),
                   f.basement ? QStringLiteral("Basement Sq ft:") : QString());
        setCaption(detail, QStringLiteral("Label20"),
                   f.basement ? QStringLiteral("Basement Ceiling Height:") : QString());
        setCaption(detail, QStringLiteral("lbBasementSqFt"),
                   f.basement ? squareFeet(home.BasementSqFt()) : QString());
        setCaption(detail, QStringLiteral("lbBasementCeiling"),
                   f.basement ? vb::CStr(home.BasementCeilingHeight()) : QString());
    }

    setWord(detail, QStringLiteral("lbExterior2"), exteriorWords(home));
    setWord(detail, QStringLiteral("lbQuality"), word(kGrades, home.DefaultGrade()));
    setCaption(detail, QStringLiteral("lbFireplace2"), fireplaceWords(home));
    setWord(detail, QStringLiteral("lbWater2"), word(kWaters, home.WaterType()));
    setWord(detail, QStringLiteral("lbSewer2"), word(kSewers, home.SewerType()));
    setCaption(detail, QStringLiteral("lbHVAC2"), hvacWords(home));
    setCaption(detail, QStringLiteral("lbMainCeiling"), vb::CStr(home.MainCeilingHeight()));
    setCaption(detail, QStringLiteral("lbOtherRooms"), home.ListRooms());
    setCaption(detail, QStringLiteral("lbFeatures"), home.ListFeatures());

    const auto& groups = costGroups();
    const auto& labels = rptOverview::costLabels();
    for (size_t i = 0; i < groups.size(); ++i)
        setCaption(detail, QString::fromUtf16(labels[i]),
                   FormatCurrencyColumn(vb::CLng(groups[i].amount(home))));
    setCaption(detail, QStringLiteral("lbTotal"), totalCost);
}

// The report is made on first use and kept; each showing writes it afresh.
rptOverview& OverviewReport()
{
    static std::unique_ptr<rptOverview> report;
    if (!report) report = std::make_unique<rptOverview>();
    return *report;
}

clsHomeData& HomeData()
{
    if (!g_HomeData) throw vb::VbError(91, QStringLiteral("Object variable or With block variable not set"));
    return *g_HomeData;
}

} // namespace

void ShowOverviewReport(bool ToPrinter)
{
    const clsHomeData& home = HomeData();
    rptOverview& report = OverviewReport();
    report.setDataSource(home.rsHouseData().Clone());
    report.orientation = report::Report::Portrait;

    setCaption(report.section(QStringLiteral("Section4")), QStringLiteral("lbProgramVersion"),
               forms::App::Title() + QStringLiteral(" v") + QString::number(forms::App::Major()) +
                   QStringLiteral(".") + QString::number(forms::App::Minor()));

    fillDetail(report.section(QStringLiteral("Section1")), home);

    report::Section& footer = report.section(QStringLiteral("Section3"));
    setCaption(footer, QStringLiteral("lbDate"),
               vb::Format(QDate::currentDate(), QStringLiteral("mm/dd/yyyy")));
    // The untitled working copy prints no file name.
    setCaption(footer, QStringLiteral("lbFilename"),
               g_HouseFilePath == WorkingCopyPath() ? QString() : g_HouseFilePath);

    if (ToPrinter)
        report::printService()->print(report, g_frmMain.data());
    else
        report::printService()->preview(report, g_frmMain.data());
}

} // namespace results
