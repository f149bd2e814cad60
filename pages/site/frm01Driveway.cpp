#include "pages/site/frm01Driveway.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QLabel>
#include <QRadioButton>

namespace pages
{

frm01Driveway::frm01Driveway()
    : QuestionPage(QStringLiteral("frm01Driveway"), QStringLiteral("Driveway Treatment"))
{
    lbStatement = addLabel(QStringLiteral("lbStatement"),
                           QStringLiteral("What treatment do you want to use for your driveway?"), 1440, 960,
                           7440, 400);
    optDriveway =
        addOptions(QStringLiteral("optDriveway"),
                   {QStringLiteral("Concrete"), QStringLiteral("Asphalt"), QStringLiteral("Gravel")}, nullptr,
                   2160, 1680, 3000, 375, 0, 540);
    onClicks(optDriveway, [this](int) { CalcForm(); });
}

void frm01Driveway::Form_Load()
{
    InitLabel(lbPageTitle, 1);
    InitLabel(lbStatement, 3);
    for (QRadioButton* option : optDriveway)
        InitOptionButton(option);
}

void frm01Driveway::Form_Activate()
{
    for (QRadioButton* option : optDriveway)
        option->show();
    // A surface the page does not offer selects nothing and stays stored.
    selectOption(optDriveway, g_HomeData->DrivewayTreatment(), true);
}

void frm01Driveway::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    const vb::Integer index = selected(trap, optDriveway);
    if (index >= 0) trap([&] { g_HomeData->setDrivewayTreatment(index); });
}

} // namespace pages
