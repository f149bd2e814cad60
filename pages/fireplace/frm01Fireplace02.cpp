#include "pages/fireplace/frm01Fireplace02.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>

namespace pages
{

frm01Fireplace02::frm01Fireplace02()
    : QuestionPage(QStringLiteral("frm01Fireplace02"), QStringLiteral("Type of Fireplace"))
{
    const Question style =
        addQuestion(QStringLiteral("fraStyle"), 960, QStringLiteral("Label1"),
                    QStringLiteral("What type of fireplace do you want?"), QStringLiteral("optStyle"),
                    {QStringLiteral("Prefabricated"), QStringLiteral("Masonry")}, 2160);
    fraStyle = style.frame;
    Label1 = style.label;
    optStyle = style.options;
    const Question chase =
        addQuestion(QStringLiteral("fraChase"), 2160, QStringLiteral("Label2"),
                    QStringLiteral("Do you want a brick external chase?"), QStringLiteral("optChase"),
                    {QStringLiteral("Yes"), QStringLiteral("No")});
    fraChase = chase.frame;
    Label2 = chase.label;
    optChase = chase.options;
    onClicks(optStyle, [this](int index) { optStyle_Click(index); });
    onClicks(optChase, [this](int) { CalcForm(); });
}

void frm01Fireplace02::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(Label1, QuestionLabel);
    InitLabel(Label2, QuestionLabel);
    for (const auto* group : {&optStyle, &optChase})
        for (QRadioButton* option : *group)
            InitOptionButton(option);
}

void frm01Fireplace02::Form_Activate()
{
    fraStyle->show();
    fraChase->show();
    const vb::Integer style = HomeData().FireplaceStyle();
    if (style == 1 || style == 2) selectOption(optStyle, style - 1, true);
    selectYesNo(optChase, HomeData().ExternalChase());
}

void frm01Fireplace02::optStyle_Click(int Index)
{
    // Only a prefabricated fireplace has a chase to brick.
    fraChase->setVisible(Index == 0);
    CalcForm();
}

void frm01Fireplace02::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    clsHomeData& home = HomeData();
    const vb::Integer style = selected(trap, optStyle);
    if (style == 0 || style == 1) trap([&] { home.setFireplaceStyle(vb::Integer(style + 1)); });
    // Stored for both types, also while the question is hidden.
    storeYesNo(trap, optChase, [&](bool v) { home.setExternalChase(v); });
}

} // namespace pages
