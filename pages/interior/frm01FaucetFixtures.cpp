#include "pages/interior/frm01FaucetFixtures.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QLabel>
#include <QRadioButton>

namespace pages
{

frm01FaucetFixtures::frm01FaucetFixtures()
    : QuestionPage(QStringLiteral("frm01FaucetFixtures"), QStringLiteral("Faucet Fixtures"))
{
    lbStatement =
        addLabel(QStringLiteral("lbStatement"),
                 QStringLiteral("What type of faucet fixtures do you want?  These fixtures will be used "
                                "in all sinks, showers and bathtubs throughout the house."),
                 1440, 960, 7440, 840);
    optGrade =
        addOptions(QStringLiteral("optGrade"),
                   {QStringLiteral("Chrome"), QStringLiteral("Brushed Finish"), QStringLiteral("Brass")},
                   nullptr, 2160, 2040, 3000, 375, 0, 540);
    onClicks(optGrade, [this](int) { CalcForm(); });
}

void frm01FaucetFixtures::Form_Load()
{
    InitLabel(lbPageTitle, 1);
    InitLabel(lbStatement, 3);
    for (QRadioButton* option : optGrade)
        InitOptionButton(option);
}

void frm01FaucetFixtures::Form_Activate()
{
    for (QRadioButton* option : optGrade)
        option->show();
    // A finish the page does not offer selects nothing and stays stored.
    selectOption(optGrade, g_HomeData->FixtureType(), true);
}

void frm01FaucetFixtures::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    const vb::Integer index = selected(trap, optGrade);
    if (index >= 0) trap([&] { g_HomeData->setFixtureType(index); });
}

} // namespace pages
