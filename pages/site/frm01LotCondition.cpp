#include "pages/site/frm01LotCondition.h"

#include "pages/site/OptionAnswer.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QLabel>
#include <QRadioButton>

namespace pages
{

frm01LotCondition::frm01LotCondition()
    : InterviewPage(QStringLiteral("frm01LotCondition"), QStringLiteral("Lot Condition"))
{
    lbIntro = addLabel(
        QStringLiteral("lbIntro"),
        QStringLiteral("In order to construct the house the building area must be free of obstructions."),
        1440, 960, 7440, 660);
    lbStatement =
        addLabel(QStringLiteral("lbStatement"), QStringLiteral("What is the current condition of the lot?"),
                 1440, 1800, 7440, 400);
    optGrade =
        addOptions(QStringLiteral("optGrade"),
                   {QStringLiteral("Light Brush"), QStringLiteral("Small Trees - trees to 6\" diameter"),
                    QStringLiteral("Medium Trees - trees to 10\" diameter")},
                   nullptr, 2160, 2520, 5760, 375, 0, 540);
    for (QRadioButton* option : optGrade)
        onClick(option, [this] { CalcForm(); });
}

void frm01LotCondition::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(lbIntro, StatementLabel);
    InitLabel(lbStatement, StatementLabel);
    for (QRadioButton* option : optGrade)
        InitOptionButton(option);
}

void frm01LotCondition::Form_Activate()
{
    for (QRadioButton* option : optGrade)
        option->show();
    selectStoredOption(optGrade, HomeData().LotCondition());
}

void frm01LotCondition::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    storeSelectedOption(trap, optGrade, &clsHomeData::setLotCondition);
}

} // namespace pages
