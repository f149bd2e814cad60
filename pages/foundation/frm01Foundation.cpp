#include "pages/foundation/frm01Foundation.h"

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

// FoundationType of each option: slab, crawl space.
constexpr int kFoundationTypes[] = {2, 1};

} // namespace

frm01Foundation::frm01Foundation()
    : InterviewPage(QStringLiteral("frm01Foundation"), QStringLiteral("Foundation"))
{
    lbStatement = addLabel(QStringLiteral("lbStatement"),
                           QStringLiteral("What type of foundation do you want?"), 1440, 960, 7440, 400);
    fraFoundation = addFrame(QStringLiteral("fraFoundation"), 2160, 1680, 3000, 1080);
    optFoundation =
        addOptions(QStringLiteral("optFoundation"), {QStringLiteral("Slab"), QStringLiteral("Crawl Space")},
                   fraFoundation, 0, 0, 2880, 375, 0, 480);
    for (QRadioButton* option : optFoundation)
        onClick(option, [this] { CalcForm(); });
}

void frm01Foundation::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(lbStatement, StatementLabel);
    for (QRadioButton* option : optFoundation)
        InitOptionButton(option);
}

void frm01Foundation::Form_Activate()
{
    fraFoundation->show();
    // Any other type (a basement) selects nothing.
    const vb::Integer type = HomeData().FoundationType();
    for (int i = 0; i < optFoundation.size(); ++i)
        if (type == kFoundationTypes[i]) {
            optFoundation[i]->setChecked(true);
            optFoundation[i]->setFocus();
        }
}

void frm01Foundation::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    vb::Integer i = -1;
    trap([&] { i = GetSelectedOption(optFoundation); });
    if (i >= 0) trap([&] { HomeData().setFoundationType(kFoundationTypes[i]); });
}

} // namespace pages
