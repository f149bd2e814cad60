#include "results/basReporting.h"

#include "estimate/ExteriorCodes.h"
#include "estimate/clsHomeData.h"
#include "results/CostGroups.h"
#include "results/rptOverview.h"
#include "runtime/ado/Recordset.h"
#include "runtime/forms/App.h"
#include "runtime/report/PrintService.h"
#include "runtime/vb/Conversions.h"
#include "runtime/vb/Format.h"
#include "runtime/vb/VbError.h"
#include "shell/basGlobalVariables.h"
#include "shell/basHouseFiles.h"
#include "shell/basStyleControl.h"
#include "shell/frmMain.h"

#include <QDate>
#include <memory>
#include <optional>
#include <span>

namespace results
{

namespace
{

const QString CRLF = QStringLiteral("\r\n");
const QString TAB = QStringLiteral("\t");

struct CodeWord {
    int code;
    const char16_t* word;
};

// The word of a code, or none when the code is outside its table.
std::optional<QString> word(std::span<const CodeWord> words, int code)
{
    for (const CodeWord& w : words)
        if (w.code == code) return QString::fromUtf16(w.word);
    return std::nullopt;
}

// The same, empty for a code outside the table.
QString wordOf(std::span<const CodeWord> words, int code)
{
    return word(words, code).value_or(QString());
}

constexpr CodeWord kStyles[] = {
    {1, u"Ranch"}, {2, u"Story and a Half"}, {3, u"Two Story"}, {4, u"Two and a Half Story"}};
constexpr CodeWord kGrades[] = {{1, u"Construction Quality: Economy"},
                                {2, u"Construction Quality: Average"},
                                {3, u"Construction Quality: Premium"},
                                {4, u"Construction Quality: Luxury"}};
constexpr CodeWord kRoofStyles[] = {{0, u"Roof Style: Gable ("}, {1, u"Roof Style: Hip ("}};
constexpr CodeWord kHeatTypes[] = {{0, u"Heat: Gas "}, {1, u"Heat: Electric "}, {2, u"Heat: Geothermal "}};

QString squareFeet(int area)
{
    return vb::Format(double(area), QStringLiteral("#,##0"));
}

QString fieldText(const ado::Recordset& rs, const QString& name)
{
    const QVariant value = rs.Field(name);
    return value.isNull() ? QString() : vb::CStr(value);
}

// "City , State" of a LocationID; a location without a row gives the blanks and comma alone.
QString locationLine(vb::Integer id)
{
    ado::Recordset rs;
    rs.Open(QStringLiteral("Select * from [Locations] Where LocationID=?"), *g_cnControl,
            {QVariant(qlonglong(id.value()))});
    QString city, state;
    if (!rs.EOF()) {
        city = fieldText(rs, QStringLiteral("City"));
        state = fieldText(rs, QStringLiteral("State"));
    }
    rs.Close();
    return city + QStringLiteral(" , ") + state;
}

QString exteriorBlock(const clsHomeData& home)
{
    const QString primary = home.ExteriorPrimary();
    const QString word = estimate::exteriorWord(primary).value_or(QString());
    if (word.isEmpty()) return QString();
    QString text = QStringLiteral("Exterior: ") + word + CRLF;
    if (primary != estimate::kBrick) return text;
    const QString configuration =
        estimate::brickConfigurationWord(home.BrickConfiguration()).value_or(QString());
    if (!configuration.isEmpty()) text += QStringLiteral("Brick Configuration: ") + configuration;
    const QString siding = estimate::sidingWord(home.ExteriorSecondary()).value_or(QString());
    if (!siding.isEmpty()) text += QStringLiteral(" with ") + siding + QStringLiteral(" Siding ");
    return text + CRLF;
}

} // namespace

QString HouseStyleName(vb::Integer Style)
{
    return wordOf(kStyles, Style);
}

QString BuildHouseSummary()
{
    const clsHomeData& home = HomeData();
    QString text;

    text += vb::CStr(home.NumBedrooms()) + QStringLiteral(" Bedroom, ");
    const QString style = HouseStyleName(home.Style());
    if (!style.isEmpty()) text += style + CRLF;
    text += vb::CStr(home.NumFullBath()) + QStringLiteral(" Full Bath(s), ") + vb::CStr(home.NumHalfBath()) +
            QStringLiteral(" Half Bath(s)") + CRLF;
    text += vb::CStr(home.NumCarGarage()) + QStringLiteral(" Car Garage") + CRLF;
    text += QStringLiteral("Number of Rooms: ") + vb::CStr(home.NumRooms()) + CRLF;
    text += QStringLiteral("Location: ") + locationLine(home.Location()) + CRLF + CRLF;

    text += QStringLiteral("----- Square Footage -----") + CRLF;
    const int mainFloor = home.MainFloorSqFt().value();
    const int secondFloor = home.SecondFloorSqFt().value();
    const int thirdFloor = home.ThirdFloorSqFt().value();
    const int floors = home.NumFloors().value();
    text += QStringLiteral("Main Floor: ") + TAB + squareFeet(mainFloor) + CRLF;
    if (floors > 1) text += QStringLiteral("Second Floor: ") + TAB + squareFeet(secondFloor) + CRLF;
    if (floors > 2) text += QStringLiteral("Third Floor: ") + TAB + squareFeet(thirdFloor) + CRLF;
    // Summed wider than the fields, so that large houses cannot overflow.
    if (floors > 1)
        text +=
            QStringLiteral("Total: ") + TAB + TAB + squareFeet(mainFloor + secondFloor + thirdFloor) + CRLF;
    if (home.rmBonusRoom())
        text += QStringLiteral("Bonus Room: ") + TAB + squareFeet(home.BonusRoomSqFt().value()) + CRLF;
    const int foundation = home.FoundationType().value();
    if (foundation == 3 || foundation == 4)
        text += QStringLiteral("Basement: ") + TAB + squareFeet(home.BasementSqFt().value()) + CRLF;
    text += CRLF;

    text += QStringLiteral("----- Other Rooms -----") + CRLF + home.ListRooms() + CRLF + CRLF;

    const QString grade = wordOf(kGrades, home.DefaultGrade());
    if (!grade.isEmpty()) text += grade + CRLF;
    const QString roof = wordOf(kRoofStyles, home.RoofStyle());
    if (!roof.isEmpty()) text += roof + vb::CStr(home.RoofPitch()) + QStringLiteral("/12 Pitch)") + CRLF;
    text += exteriorBlock(home);
    const QString heat = wordOf(kHeatTypes, home.HeatType());
    if (!heat.isEmpty()) text += heat + CRLF;
    return text;
}

namespace
{

constexpr CodeWord kDriveways[] = {{0, u"Concrete"}, {1, u"Asphalt"}, {2, u"Gravel"}};
constexpr CodeWord kReportGrades[] = {{1, u"Economy"}, {2, u"Average"}, {3, u"Premium"}, {4, u"Luxury"}};
constexpr CodeWord kFireplaceStyles[] = {{1, u"Prefabricated"}, {2, u"Masonary"}, {0, u"None"}};
constexpr CodeWord kFireplaceFaces[] = {{1, u" with brick facing"}, {2, u" with stone facing"}, {0, u""}};
constexpr CodeWord kWaters[] = {{0, u"City Water"}, {1, u"Well"}};
constexpr CodeWord kSewers[] = {{0, u"City Sewer"}, {1, u"Septic"}};
constexpr CodeWord kHeats[] = {{0, u"Gas Heat"}, {1, u"Electric Heat"}, {2, u"Geothermal Heat"}};

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

// A brick exterior is worded by its configuration, after the siding of the rest.
constexpr CodeWord kReportBrickConfigurations[] = {
    {estimate::kFullBrick, u"Full Brick"},
    {estimate::kPartialBrick, u" with 3 foot brick wrap"},
    {estimate::kFrontOnly, u" with bricked front"},
    {estimate::kMainFloorOnly, u" with bricked main floor"},
    {estimate::kFrontAndSides, u" with bricked front & sides"}};

void setCaption(report::Section& section, const QString& name, const QString& caption)
{
    section.control(name).caption = caption;
}

// A word from its table, or nothing written when the code is outside it.
void setWord(report::Section& section, const QString& name, const std::optional<QString>& caption)
{
    if (caption) setCaption(section, name, *caption);
}

QString reportSquareFeet(int value)
{
    return vb::Format(double(value), QStringLiteral("#,###"));
}

std::optional<QString> exteriorWords(const clsHomeData& home)
{
    const QString primary = home.ExteriorPrimary();
    if (primary != estimate::kBrick) return estimate::exteriorWord(primary);
    const int configuration = home.BrickConfiguration();
    const std::optional<QString> brick = word(kReportBrickConfigurations, configuration);
    if (!brick || configuration == estimate::kFullBrick) return brick;
    return estimate::sidingWord(home.ExteriorSecondary()).value_or(QString()) + *brick;
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
    setCaption(detail, QStringLiteral("lbMainSqFt"), reportSquareFeet(main));
    setCaption(detail, QStringLiteral("lb2ndSqFt"), reportSquareFeet(second));
    setCaption(detail, QStringLiteral("lb3rdSqFt"), reportSquareFeet(third));
    setCaption(detail, QStringLiteral("lbTotalSqFt"), reportSquareFeet(main + second + third));

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
                   f.basement ? reportSquareFeet(home.BasementSqFt()) : QString());
        setCaption(detail, QStringLiteral("lbBasementCeiling"),
                   f.basement ? vb::CStr(home.BasementCeilingHeight()) : QString());
    }

    setWord(detail, QStringLiteral("lbExterior2"), exteriorWords(home));
    setWord(detail, QStringLiteral("lbQuality"), word(kReportGrades, home.DefaultGrade()));
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
