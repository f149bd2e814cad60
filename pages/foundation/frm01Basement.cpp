#include "pages/foundation/frm01Basement.h"

#include "shell/basStyleControl.h"

#include <QLabel>

namespace pages
{

frm01Basement::frm01Basement() : InterviewPage(QStringLiteral("frm01Basement"), QStringLiteral("Basement"))
{
    lbStatement = addLabel(QStringLiteral("lbStatement"), QString(), 1440, 960, 7440, 1200);
    lbStatement2 = addLabel(QStringLiteral("lbStatement2"),
                            QStringLiteral("Will your house have a basement?"), 1440, 2160, 7440, 400);
    // The page asks Yes or No itself: Continue sits left of the answers.
    placeButton(cmdContinue, 3960, 1695);
    placeButton(cmdYes, 6000, 975);
    placeButton(cmdNo, 7200, 855);
}

void frm01Basement::Form_Load()
{
    lbStatement->setText(QStringLiteral(
        "You can not always put a basement in your house.  Some factors that could prevent you "
        "from being able to put in a basement are water table levels and rock formations."));
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(lbStatement, StatementLabel);
    InitLabel(lbStatement2, StatementLabel);
}

void frm01Basement::Form_Activate()
{
    focusCurrent(QStringLiteral("cmdNo"));
}

} // namespace pages
