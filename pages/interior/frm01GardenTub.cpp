#include "pages/interior/frm01GardenTub.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>

namespace pages
{

frm01GardenTub::frm01GardenTub()
    : QuestionPage(QStringLiteral("frm01GardenTub"), QStringLiteral("Master Bathroom Upgrade"))
{
    Label2 =
        addLabel(QStringLiteral("Label2"),
                 QStringLiteral("Most new home designs include an upgraded master bathroom which includes a "
                                "whirlpool tub or garden tub."),
                 1440, 960, 7440, 840);
    const Question tub = addQuestion(QStringLiteral("fraTub"), 2040, QStringLiteral("Label1"),
                                     QStringLiteral("Do you want to upgrade your master bath?"),
                                     QStringLiteral("optTub"), {QStringLiteral("Yes"), QStringLiteral("No")});
    fraTub = tub.frame;
    Label1 = tub.label;
    optTub = tub.options;
    onClicks(optTub, [this](int) { CalcForm(); });
}

void frm01GardenTub::Form_Load()
{
    // Only the title is restyled; the statements keep their design font.
    InitLabel(lbPageTitle, PageTitleLabel);
    for (QRadioButton* option : optTub)
        InitOptionButton(option);
}

void frm01GardenTub::Form_Activate()
{
    fraTub->show();
    selectYesNo(optTub, HomeData().GardenTub(), true);
}

void frm01GardenTub::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    storeYesNo(trap, optTub, [](bool v) { HomeData().setGardenTub(v); });
}

} // namespace pages
