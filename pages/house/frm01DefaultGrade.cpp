#include "pages/house/frm01DefaultGrade.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QLabel>
#include <QRadioButton>

namespace pages
{

namespace
{

// DefaultGrade is the option index + 1.
const char16_t* const kDescriptions[] = {
    u"This selection will provide an economy class residence. Materials and workmanship will satisfy minimum "
    u"building codes. Low construction costs is more desirable than distinctive features. These house "
    u"designs "
    u"are usually little more than rectangular in shape.",
    u"This selection will provide an average class residence from standard plans. Typically there is little "
    u"or "
    u"no deviation from the builders plans. Materials and workmanship will often exceed the minimum building "
    u"codes. There are usually special features that make the home distinctive.",
    u"This selection will provide a custom class residence from designer plans, which can be modified to "
    u"provide a distinctive design. Material and workmanship are above average with attention to "
    u"construction "
    u"details. ",
    u"This selection will provide a luxury class residence from an architect's plans for a specific owner. "
    u"There are many special features. Primary attention is placed on the owner's comfort and pleasure.",
};

} // namespace

frm01DefaultGrade::frm01DefaultGrade()
    : InterviewPage(QStringLiteral("frm01DefaultGrade"), QStringLiteral("Quality of House"))
{
    lbStatement =
        addLabel(QStringLiteral("lbStatement"),
                 QStringLiteral("What is the quality you want to use for this house?"), 1440, 960, 7440, 400);
    lbStatement1 = addLabel(QStringLiteral("lbStatement1"), QString(), 1440, 1440, 7440, 1200);
    optGrade = addOptions(QStringLiteral("optGrade"),
                          {QStringLiteral("Economy"), QStringLiteral("Average"), QStringLiteral("Premium"),
                           QStringLiteral("Luxury")},
                          nullptr, 1440, 2880, 1800, 375, 0, 480);
    // Not styled: the design font, Arial 12 regular.
    lbDescription = addLabel(QStringLiteral("lbDescription"), QStringLiteral("General Description"), 3600,
                             2880, 5280, 2880, false);
    for (QRadioButton* option : optGrade)
        onClick(option, [this] { CalcForm(); });
}

void frm01DefaultGrade::Form_Load()
{
    lbStatement1->setText(QStringLiteral(
        "Quality choices here will effect construction costs of the entire house.  Some of the "
        "costs that are adjusted based on quality selection are floor coverings, cabinets, and "
        "appliances."));
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(lbStatement, StatementLabel);
    InitLabel(lbStatement1, StatementLabel);
    for (QRadioButton* option : optGrade)
        InitOptionButton(option);
}

void frm01DefaultGrade::Form_Activate()
{
    for (QRadioButton* option : optGrade)
        option->show();
    lbDescription->show();
    // A grade outside 1 to 4 selects nothing and leaves the general description.
    const vb::Integer grade = HomeData().DefaultGrade();
    if (grade >= 1 && grade <= 4) {
        optGrade[grade - 1]->setChecked(true);
        optGrade[grade - 1]->setFocus();
    }
}

void frm01DefaultGrade::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    vb::Integer i = -1;
    trap([&] { i = GetSelectedOption(optGrade); });
    if (i < 0) return;
    trap([&] { HomeData().setDefaultGrade(i + 1); });
    trap([&] { lbDescription->setText(QString::fromUtf16(kDescriptions[i])); });
}

} // namespace pages
