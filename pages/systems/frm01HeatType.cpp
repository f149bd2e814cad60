#include "pages/systems/frm01HeatType.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>

namespace pages
{

namespace
{

// HeatType is the option index.
constexpr int kGas = 0;

} // namespace

frm01HeatType::frm01HeatType() : InterviewPage(QStringLiteral("frm01HeatType"), QStringLiteral("HVAC"))
{
    lbStatement = addLabel(QStringLiteral("lbStatement"), QStringLiteral("What type of heat do you want?"),
                           1440, 960, 7440, 400);
    fraHeat = addFrame(QStringLiteral("fraHeat"), 2160, 1680, 3000, 1440);
    optHVAC = addOptions(QStringLiteral("optHVAC"),
                         {QStringLiteral("Gas"), QStringLiteral("Electric"), QStringLiteral("Geothermal")},
                         fraHeat, 0, 0, 2880, 375, 0, 480);
    fraAC = addFrame(QStringLiteral("fraAC"), 1440, 3360, 7440, 1080);
    Label1 = addLabel(QStringLiteral("Label1"), QStringLiteral("Do you want Central Air Conditioning?"), 0, 0,
                      7440, 400, true, fraAC);
    optAC = addOptions(QStringLiteral("optAC"), {QStringLiteral("Yes"), QStringLiteral("No")}, fraAC, 720,
                       540, 1200, 375, 1440, 0);
    for (QRadioButton* option : optHVAC)
        onClick(option, [this] { CalcForm(); });
    for (QRadioButton* option : optAC)
        onClick(option, [this] { CalcForm(); });
}

void frm01HeatType::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(lbStatement, StatementLabel);
    InitLabel(Label1, QuestionLabel);
    for (QRadioButton* option : optHVAC)
        InitOptionButton(option);
    for (QRadioButton* option : optAC)
        InitOptionButton(option);
}

void frm01HeatType::Form_Activate()
{
    clsHomeData& home = HomeData();
    fraHeat->show();
    // A type outside the list selects nothing and leaves the air-conditioning question hidden.
    const vb::Integer heat = home.HeatType();
    if (heat >= 0 && heat <= 2) {
        optHVAC[heat]->setChecked(true);
        optHVAC[heat]->setFocus();
        fraAC->setVisible(heat == kGas);
    }
    optAC[home.AC() ? 0 : 1]->setChecked(true);
}

void frm01HeatType::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    clsHomeData& home = HomeData();
    vb::Integer i = -1;
    trap([&] { i = GetSelectedOption(optHVAC); });
    if (i < 0) return;
    trap([&] { home.setHeatType(i); });
    if (i == kGas) {
        fraAC->show();
        vb::Integer ac = -1;
        trap([&] { ac = GetSelectedOption(optAC); });
        if (ac == 0)
            trap([&] { home.setAC(true); });
        else if (ac == 1)
            trap([&] { home.setAC(false); });
    } else {
        // Only gas heat has air conditioning.
        trap([&] { home.setAC(false); });
        fraAC->hide();
    }
}

} // namespace pages
