#include "pages/interior/frm01KitchenExtras.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>

namespace pages
{

frm01KitchenExtras::frm01KitchenExtras()
    : QuestionPage(QStringLiteral("frm01KitchenExtras"), QStringLiteral("Kitchen Options"))
{
    lbIntro = addLabel(QStringLiteral("lbIntro"), QString(), 1440, 960, 7440, 400);
    lbStatement1 = addLabel(QStringLiteral("lbStatement1"),
                            QStringLiteral("Do you want an island in the kitchen?"), 1440, 1560, 7440, 400);
    const Question island =
        addQuestion(QStringLiteral("fraIsland"), 2040, QString(), QString(), QStringLiteral("optIsland"),
                    {QStringLiteral("Yes"), QStringLiteral("No")});
    fraIsland = island.frame;
    optIsland = island.options;
    const Question bar = addQuestion(QStringLiteral("fraBar"), 2760, QStringLiteral("lbStatement2"),
                                     QStringLiteral("Do you want a bar in the kitchen?"),
                                     QStringLiteral("optBar"), {QStringLiteral("Yes"), QStringLiteral("No")});
    fraBar = bar.frame;
    lbStatement2 = bar.label;
    optBar = bar.options;
    onClicks(optIsland, [this](int) { CalcForm(); });
    onClicks(optBar, [this](int) { CalcForm(); });
}

void frm01KitchenExtras::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    lbIntro->setText(QStringLiteral("Many modern kitchens include an additional bar or island."));
    InitLabel(lbIntro, StatementLabel);
    InitLabel(lbStatement1, StatementLabel);
    InitLabel(lbStatement2, QuestionLabel);
    for (const auto* group : {&optIsland, &optBar})
        for (QRadioButton* option : *group)
            InitOptionButton(option);
}

void frm01KitchenExtras::Form_Activate()
{
    fraIsland->show();
    fraBar->show();
    selectYesNo(optIsland, HomeData().KitchenIsland(), true);
    selectYesNo(optBar, HomeData().KitchenBar());
}

void frm01KitchenExtras::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    clsHomeData& home = HomeData();
    storeYesNo(trap, optIsland, [&](bool v) { home.setKitchenIsland(v); });
    storeYesNo(trap, optBar, [&](bool v) { home.setKitchenBar(v); });
}

} // namespace pages
