#include "pages/fireplace/frm01Fireplace.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QLabel>

namespace pages
{

frm01Fireplace::frm01Fireplace()
    : InterviewPage(QStringLiteral("frm01Fireplace"), QStringLiteral("Fireplaces"))
{
    lbStatement = addLabel(QStringLiteral("lbStatement"), QString(), 1440, 960, 7440, 1200);
    // This page asks Yes or No itself: Continue moves left, Yes and No take the right end.
    placeButton(cmdContinue, 3840, 1695);
    placeButton(cmdYes, 6000, 975);
    placeButton(cmdNo, 7200, 855);
}

void frm01Fireplace::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    lbStatement->setText(
        QStringLiteral("Many new homes include the comfort and charm of a fireplace. \r\n\r\n"
                       "Do you want a fireplace?"));
    InitLabel(lbStatement, StatementLabel);
}

void frm01Fireplace::Form_Activate()
{
    focusCurrent(QStringLiteral("cmdNo"));
}

void frm01Fireplace::cmdYes_Click()
{
    // A fireplace not chosen yet starts prefabricated with a brick facing; one already chosen
    // keeps its type and facing for the detail pages to show.
    clsHomeData& home = HomeData();
    const auto chosen = [](vb::Integer code) { return code == 1 || code == 2; };
    if (!chosen(home.FireplaceStyle())) home.setFireplaceStyle(1);
    if (!chosen(home.FireplaceFace())) home.setFireplaceFace(1);
    moveTo(cmdYes, true);
}

void frm01Fireplace::cmdNo_Click()
{
    HomeData().setFireplaceStyle(0);
    HomeData().setFireplaceFace(0);
    moveTo(cmdNo, true);
}

} // namespace pages
