#include "results/rptOverview.h"

using report::Label;
using report::Rule;
using report::Section;

namespace
{

constexpr int ReportWidth = 10665;
constexpr double BodySize = 8.5;
constexpr double ListSize = 8; // the room and feature lists take two lines
constexpr double HeadingSize = 12;
constexpr double VersionSize = 14;
constexpr double FooterSize = 8;
constexpr int LineHeight = 240;

// Block 1, "House Summary": captions at 288, values at 2880.
struct SummaryRow {
    int top;
    const char16_t* caption;
    const char16_t* value;
    int width;
    int height;
};
constexpr SummaryRow kSummary[] = {
    {576, u"Location:", u"lbLocation", 3400, LineHeight},
    {864, u"Style:", u"lbStyle", 3400, LineHeight},
    {1152, u"Bedrooms:", u"lbBedrooms", 3400, LineHeight},
    {1440, u"Full/Half Baths:", u"lbBaths", 3400, LineHeight},
    {1728, u"Kitchen:", u"lbKitchen2", 3400, LineHeight},
    {2016, u"Garage:", u"lbGarage", 3400, LineHeight},
    {2304, u"Driveway:", u"lbDriveway", 3400, LineHeight},
    {2592, u"Main Ceiling Height:", u"lbMainCeiling", 3400, LineHeight},
    {2880, u"Exterior:", u"lbExterior2", 3400, LineHeight},
    {3168, u"Construction Quality:", u"lbQuality", 3400, LineHeight},
    {3456, u"Fireplace:", u"lbFireplace2", 3400, LineHeight},
    {3744, u"Water System:", u"lbWater2", 3400, LineHeight},
    {4032, u"Sewer System:", u"lbSewer2", 3400, LineHeight},
    {4320, u"HVAC:", u"lbHVAC2", 3400, LineHeight},
    {4608, u"Other Rooms:", u"lbOtherRooms", 6630, 420},
    {5040, u"Features:", u"lbFeatures", 6630, 420},
};

// Block 2, to the right: captions at 6336. A caption without value label is the sub-heading.
struct FigureRow {
    int top;
    const char16_t* captionName;
    const char16_t* caption;
    const char16_t* value;
    int valueLeft;
    int valueWidth;
    Qt::Alignment alignment;
    bool bold;
};
constexpr int FiguresLeft = 6336;
constexpr int SqFtRight = 8928;
constexpr FigureRow kFigures[] = {
    {576, u"lblTotalCost", u"Total Cost:", u"lbTotalCost", 8928, ReportWidth - 8928 - 72, Qt::AlignRight,
     true},
    {1152, u"lblSquareFootage", u"Square Footage", nullptr, 0, 0, Qt::AlignLeft, true},
    {1440, u"lblMainSqFt", u"Main Floor:", u"lbMainSqFt", 7632, SqFtRight - 7632, Qt::AlignRight, false},
    {1728, u"lbl2ndSqFt", u"2nd Floor:", u"lb2ndSqFt", 7632, SqFtRight - 7632, Qt::AlignRight, false},
    {2016, u"lbl3rdSqFt", u"Third Floor:", u"lb3rdSqFt", 7632, SqFtRight - 7632, Qt::AlignRight, false},
    {2304, u"lblTotalSqFt", u"Total:", u"lbTotalSqFt", 7632, SqFtRight - 7632, Qt::AlignRight, true},
    {2880, u"lblFoundation2", u"Foundation:", u"lbFoundation2", 8352, ReportWidth - 8352, Qt::AlignLeft,
     false},
    {3168, u"Label58", u"Basement SqFt:", u"lbBasementSqFt", 8352, ReportWidth - 8352, Qt::AlignLeft, false},
    {3456, u"Label20", u"Basement Ceiling Height:", u"lbBasementCeiling", 8352, ReportWidth - 8352,
     Qt::AlignLeft, false},
};

// Block 3, "Cost Breakouts": eleven rows in two columns, then the total.
struct CostRow {
    const char16_t* leftCaption;
    const char16_t* leftValue;
    const char16_t* rightCaption;
    const char16_t* rightValue;
};
constexpr CostRow kCosts[] = {
    {u"Permits:", u"lbPermits", u"Roofing:", u"lbRoofing"},
    {u"Site Work:", u"lbSitework", u"Windows:", u"lbWindows"},
    {u"Sewer System:", u"lbSewer", u"Doors:", u"lbDoors"},
    {u"Water System:", u"lbWater", u"Floor Coverings:", u"lbFloor"},
    {u"Sidewalks & Driveways:", u"lbSidewalks", u"Kitchen:", u"lbKitchen"},
    {u"Foundation:", u"lbFoundation", u"Fireplace:", u"lbFireplace"},
    {u"Cement Floor:", u"lbCement", u"Plumbing:", u"lbPlumbing"},
    {u"Framing:", u"lbFraming", u"HVAC:", u"lbHVAC"},
    {u"Exterior:", u"lbExterior", u"Electrical:", u"lbElectrical"},
    {u"Insulation:", u"lbInsulation", u"Lot:", u"lbLot"},
    {u"Drywall & Trim:", u"lbDrywall", u"Landscapings:", u"lbLandscaping"},
};
constexpr int CostTop = 5904;
constexpr int CostTotalTop = 9360;
constexpr int MoneyWidth = 1440;
struct CostColumn {
    int captionLeft;
    int valueLeft;
};
constexpr CostColumn kLeftColumn{288, 2880};
constexpr CostColumn kRightColumn{5328, 7920};

QString text(const char16_t* s)
{
    return QString::fromUtf16(s);
}

// The name a fixed caption goes by: its value label's, "lb" becoming "lbl".
QString captionName(const char16_t* value)
{
    return QStringLiteral("lbl") + text(value).mid(2);
}

Label label(const QString& name, const QString& caption, int left, int top, int width, double size = BodySize,
            bool bold = false, Qt::Alignment alignment = Qt::AlignLeft, int height = LineHeight)
{
    return Label{name, caption, left, top, width, height, size, bold, alignment};
}

// A value label shows its own name until it is written.
Label value(const char16_t* name, int left, int top, int width, Qt::Alignment alignment = Qt::AlignLeft,
            bool bold = false, int height = LineHeight)
{
    return label(text(name), text(name), left, top, width, BodySize, bold, alignment, height);
}

Section detailSection()
{
    Section detail(QStringLiteral("Section1"), Section::Kind::Detail, 9840);

    detail.addLabel(label(QStringLiteral("lblHouseSummary"), QStringLiteral("House Summary"), 144, 0, 6000,
                          HeadingSize, true, Qt::AlignLeft, 330));
    for (const SummaryRow& row : kSummary) {
        detail.addLabel(label(captionName(row.value), text(row.caption), 288, row.top, 2520));
        Label& shown =
            detail.addLabel(value(row.value, 2880, row.top, row.width, Qt::AlignLeft, false, row.height));
        if (row.height > LineHeight) shown.pointSize = ListSize;
    }

    for (const FigureRow& row : kFigures) {
        const int captionWidth = (row.value ? row.valueLeft : SqFtRight) - FiguresLeft - 36;
        detail.addLabel(label(text(row.captionName), text(row.caption), FiguresLeft, row.top, captionWidth,
                              BodySize, row.bold));
        if (row.value)
            detail.addLabel(
                value(row.value, row.valueLeft, row.top, row.valueWidth, row.alignment, row.bold));
    }
    // The sub-heading ruled underneath, the total with a rule above.
    detail.addRule(Rule{FiguresLeft, 1152 + 252, SqFtRight - FiguresLeft});
    detail.addRule(Rule{FiguresLeft, 2304 - 42, SqFtRight - FiguresLeft});

    detail.addLabel(label(QStringLiteral("lblCostBreakouts"), QStringLiteral("Cost Breakouts"), 144, 5472,
                          6000, HeadingSize, true, Qt::AlignLeft, 330));
    int top = CostTop;
    for (const CostRow& row : kCosts) {
        for (auto [column, caption, name] : {std::tuple{kLeftColumn, row.leftCaption, row.leftValue},
                                             std::tuple{kRightColumn, row.rightCaption, row.rightValue}}) {
            detail.addLabel(label(captionName(name), text(caption), column.captionLeft, top, 2520));
            detail.addLabel(value(name, column.valueLeft, top, MoneyWidth, Qt::AlignRight));
        }
        top += 288;
    }
    detail.addRule(Rule{kRightColumn.captionLeft, CostTotalTop - 60,
                        kRightColumn.valueLeft + MoneyWidth - kRightColumn.captionLeft});
    detail.addLabel(label(QStringLiteral("lblTotal"), QStringLiteral("Total:"), kRightColumn.captionLeft,
                          CostTotalTop, 2520, BodySize, true));
    detail.addLabel(
        value(u"lbTotal", kRightColumn.valueLeft, CostTotalTop, MoneyWidth, Qt::AlignRight, true));
    return detail;
}

} // namespace

rptOverview::rptOverview()
{
    caption = QStringLiteral("Construction Overview");
    width = ReportWidth;
    leftMargin = topMargin = rightMargin = bottomMargin = 720;
    fontFamily = QStringLiteral("Arial");

    Section& header = addSection(Section(QStringLiteral("Section4"), Section::Kind::ReportHeader, 720));
    header.addLabel(label(QStringLiteral("lbProgramVersion"), QStringLiteral("lbProgramVersion"), 144, 72,
                          ReportWidth - 288, VersionSize, true, Qt::AlignLeft, 420));
    addSection(Section(QStringLiteral("Section2"), Section::Kind::PageHeader, 165));
    addSection(detailSection());
    Section& footer = addSection(Section(QStringLiteral("Section3"), Section::Kind::PageFooter, 450));
    footer.addLabel(label(QStringLiteral("lbDate"), QStringLiteral("lbDate"), 144, 144, 1440, FooterSize));
    footer.addLabel(
        label(QStringLiteral("lbFilename"), QStringLiteral("lbFilename"), 1728, 144, 8496, FooterSize));
    addSection(Section(QStringLiteral("Section5"), Section::Kind::ReportFooter, 225));
}

const std::array<const char16_t*, 22>& rptOverview::costLabels()
{
    static const std::array<const char16_t*, 22> labels = [] {
        std::array<const char16_t*, 22> names{};
        constexpr size_t rows = std::size(kCosts);
        for (size_t i = 0; i < rows; ++i) {
            names[i] = kCosts[i].leftValue;
            names[rows + i] = kCosts[i].rightValue;
        }
        return names;
    }();
    return labels;
}
