#include "results/basReporting.h"

#include "estimate/clsHomeData.h"
#include "runtime/ado/Recordset.h"
#include "runtime/vb/Conversions.h"
#include "runtime/vb/Format.h"
#include "shell/basGlobalVariables.h"

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

struct TextCodeWord {
    const char16_t* code;
    const char16_t* word;
};

template <size_t N> QString wordOf(const CodeWord (&table)[N], vb::Integer code)
{
    for (const CodeWord& entry : table)
        if (entry.code == code.value()) return QString::fromUtf16(entry.word);
    return QString();
}

// Text codes compare exactly, case and blanks included.
template <size_t N> QString wordOf(const TextCodeWord (&table)[N], const QString& code)
{
    for (const TextCodeWord& entry : table)
        if (code == QStringView(entry.code)) return QString::fromUtf16(entry.word);
    return QString();
}

constexpr CodeWord kStyles[] = {
    {1, u"Ranch"}, {2, u"Story and a Half"}, {3, u"Two Story"}, {4, u"Two and a Half Story"}};
constexpr CodeWord kGrades[] = {{1, u"Construction Quality: Economy"},
                                {2, u"Construction Quality: Average"},
                                {3, u"Construction Quality: Premium"},
                                {4, u"Construction Quality: Luxury"}};
constexpr CodeWord kRoofStyles[] = {{0, u"Roof Style: Gable ("}, {1, u"Roof Style: Hip ("}};
constexpr TextCodeWord kExteriors[] = {
    {u"1", u"Vinyl"}, {u"4", u"Aluminum"}, {u"2", u"Wood"}, {u"3", u"Brick"}, {u"5", u"Stucco"}};
constexpr CodeWord kBrickConfigurations[] = {{1, u"Full Brick"},
                                             {5, u"Partial Brick"},
                                             {2, u"Front Only"},
                                             {4, u"Main Floor Only"},
                                             {3, u"Front & Sides"}};
constexpr TextCodeWord kSidings[] = {{u"1", u"Vinyl"}, {u"4", u"Aluminum"}, {u"2", u"Wood"}};
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
    const QString word = wordOf(kExteriors, primary);
    if (word.isEmpty()) return QString();
    QString text = QStringLiteral("Exterior: ") + word + CRLF;
    if (primary != QLatin1String("3")) return text;
    const QString configuration = wordOf(kBrickConfigurations, home.BrickConfiguration());
    if (!configuration.isEmpty()) text += QStringLiteral("Brick Configuration: ") + configuration;
    const QString siding = wordOf(kSidings, home.ExteriorSecondary());
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
    const clsHomeData& home = *g_HomeData;
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

void ShowOverviewReport(bool ToPrinter)
{
    Q_UNUSED(ToPrinter);
}

} // namespace results
