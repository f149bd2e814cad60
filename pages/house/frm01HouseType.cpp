#include "pages/house/frm01HouseType.h"

#include "estimate/clsHomeData.h"
#include "runtime/vb/Conversions.h"
#include "shell/basGlobalVariables.h"
#include "shell/basNavigation.h"
#include "shell/basStyleControl.h"
#include "shell/frmMain.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>

namespace pages
{

frm01HouseType::frm01HouseType()
    : InterviewPage(QStringLiteral("frm01HouseType"), QStringLiteral("Style of House"))
{
    lbStatement =
        addLabel(QStringLiteral("lbStatement"),
                 QStringLiteral("Choose the style of house you would like to build."), 1440, 960, 7440, 400);
    fraStyle = addFrame(QStringLiteral("fraStyle"), 1440, 1680, 2640, 2160);
    optStyle = addOptions(QStringLiteral("optStyle"),
                          {QStringLiteral("Ranch"), QStringLiteral("1 1/2 Story"),
                           QStringLiteral("Two Story"), QStringLiteral("2 1/2 Story")},
                          fraStyle, 0, 0, 2520, 375, 0, 540);
    imgHouse = addImage(QStringLiteral("imgHouse"), 4560, 1680, 2400, 1800);
    for (int i = 0; i < optStyle.size(); ++i)
        onClick(optStyle[i], [this, i] { optStyle_Click(i); });
}

void frm01HouseType::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(lbStatement, StatementLabel);
}

void frm01HouseType::Form_Activate()
{
    fraStyle->show();
    imgHouse->show();
    const int style = HomeData().Style();
    if (style >= 1 && style <= 4) {
        optStyle[style - 1]->setChecked(true);
        optStyle[style - 1]->setFocus();
    }
}

void frm01HouseType::optStyle_Click(int Index)
{
    if (Index >= 0 && Index <= 3) setPicture(imgHouse, QStringLiteral("Style") + QString::number(Index));
    CalcForm();
}

void frm01HouseType::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    vb::Integer i = -1;
    trap([&] { i = GetSelectedOption(optStyle); });
    clsHomeData& home = HomeData();
    // Only a change of style presets the upper floors: the style already stored (shown again,
    // clicked again, or saved with a move) keeps the areas the user gave.
    vb::Integer stored = 0;
    trap([&] { stored = home.Style(); });
    if (i.value() + 1 == stored.value()) i = -1;
    switch (i) {
    case 0:
        trap([&] { home.setStyle(1); });
        trap([&] { home.setSecondFloorSqFt(0); });
        trap([&] { home.setThirdFloorSqFt(0); });
        break;
    case 1:
        trap([&] { home.setStyle(2); });
        trap([&] { home.setSecondFloorSqFt(vb::CInt(home.MainFloorSqFt() / 2.0)); });
        trap([&] { home.setThirdFloorSqFt(0); });
        break;
    case 2:
        trap([&] { home.setStyle(3); });
        trap([&] { home.setSecondFloorSqFt(home.MainFloorSqFt()); });
        trap([&] { home.setThirdFloorSqFt(0); });
        break;
    case 3:
        trap([&] { home.setStyle(4); });
        trap([&] { home.setSecondFloorSqFt(home.MainFloorSqFt()); });
        trap([&] { home.setThirdFloorSqFt(vb::CInt(home.MainFloorSqFt() / 2.0)); });
        break;
    default:
        break;
    }
    trap([] { UpdateTotalCost(); });
}

} // namespace pages
