#include "pages/roof/RoofPage.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>

namespace pages
{

RoofPage::RoofPage(const QString& className, const QString& title, const QString& statement,
                   std::vector<Choice> choices, Getter value, Setter setValue)
    : InterviewPage(className, title), m_choices(std::move(choices)), m_value(value), m_setValue(setValue)
{
    lbStatement = addLabel(QStringLiteral("lbStatement"), statement, 1440, 960, 7440, 400);
    QStringList captions;
    for (const Choice& choice : m_choices)
        captions << choice.caption;
    fraRoof = addFrame(QStringLiteral("fraRoof"), 1440, 1680, 2160, int(captions.size()) * 480);
    optRoof = addOptions(QStringLiteral("optRoof"), captions, fraRoof, 0, 0, 2040, 375, 0, 480);
    imgRoof = addImage(QStringLiteral("imgRoof"), 4320, 1680, 3000, 2250);
    for (int i = 0; i < optRoof.size(); ++i)
        onClick(optRoof[i], [this, i] { optRoof_Click(i); });
}

void RoofPage::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(lbStatement, StatementLabel);
    for (QRadioButton* option : optRoof)
        InitOptionButton(option);
}

void RoofPage::Form_Activate()
{
    fraRoof->show();
    imgRoof->show();
    // A value outside the table selects nothing: no picture, and nothing stored until a choice.
    const vb::Integer value = (HomeData().*m_value)();
    for (int i = 0; i < optRoof.size(); ++i)
        if (value == m_choices[i].code) {
            optRoof[i]->setChecked(true);
            optRoof[i]->setFocus();
        }
}

void RoofPage::optRoof_Click(int Index)
{
    if (Index >= 0 && Index < int(m_choices.size())) setPicture(imgRoof, m_choices[Index].pictureKey);
    CalcForm();
}

void RoofPage::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    vb::Integer i = -1;
    trap([&] { i = GetSelectedOption(optRoof); });
    if (i >= 0) trap([&] { (HomeData().*m_setValue)(m_choices[i].code); });
}

} // namespace pages
