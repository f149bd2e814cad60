#include "pages/house/CeilingHeightPage.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QLabel>
#include <QRadioButton>

namespace pages
{

namespace
{

// Height in feet of each option.
constexpr int kHeights[] = {8, 9, 10};

} // namespace

CeilingHeightPage::CeilingHeightPage(const QString& className, const QString& title, const QString& statement,
                                     Getter height, Setter setHeight)
    : InterviewPage(className, title), m_height(height), m_setHeight(setHeight)
{
    lbStatement = addLabel(QStringLiteral("lbStatement"), statement, 1440, 960, 7440, 400);
    optHeight = addOptions(QStringLiteral("optHeight"),
                           {QStringLiteral("8 foot"), QStringLiteral("9 foot"), QStringLiteral("10 foot")},
                           nullptr, 2160, 1680, 2400, 375, 0, 480);
    for (QRadioButton* option : optHeight)
        onClick(option, [this] { CalcForm(); });
}

void CeilingHeightPage::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(lbStatement, StatementLabel);
    for (QRadioButton* option : optHeight)
        InitOptionButton(option);
}

void CeilingHeightPage::Form_Activate()
{
    // A height the page does not offer selects nothing and stays stored.
    const vb::Integer height = (HomeData().*m_height)();
    for (int i = 0; i < optHeight.size(); ++i) {
        optHeight[i]->show();
        if (height == kHeights[i]) {
            optHeight[i]->setChecked(true);
            optHeight[i]->setFocus();
        }
    }
}

void CeilingHeightPage::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    vb::Integer i = -1;
    trap([&] { i = GetSelectedOption(optHeight); });
    if (i >= 0) trap([&] { (HomeData().*m_setHeight)(kHeights[i]); });
}

} // namespace pages
