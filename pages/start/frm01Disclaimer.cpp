#include "pages/start/frm01Disclaimer.h"

#include "shell/basStyleControl.h"

#include <QLabel>

namespace pages
{

frm01Disclaimer::frm01Disclaimer()
    : InterviewPage(QStringLiteral("frm01Disclaimer"), QStringLiteral("Purpose of Program"))
{
    // Back and Navigation leave without saving; there is nothing to save.
    m_moves.calcOnBack = false;
    m_moves.calcOnNavigation = false;
    Label1 = addLabel(QStringLiteral("Label1"), QString(), 1440, 1200, 7440, 1800);
    Label2 = addLabel(QStringLiteral("Label2"), QString(), 1440, 3120, 7440, 1200);
    QPalette pal = Label2->palette();
    pal.setColor(QPalette::WindowText, palette().color(QPalette::Highlight));
    Label2->setPalette(pal);
}

void frm01Disclaimer::Form_Load()
{
    Label1->setText(QStringLiteral(
        "This program is designed to give you an estimate for the construction of residential homes "
        "costing less than $600,000, not including lot price.  The final number should be within 5 "
        "percent of the home cost.  Costs could vary depending on builder markup, custom features, "
        "etc."));
    Label2->setText(QStringLiteral(
        "This should be used just to give a ballpark estimate for budgetary purposes and should not "
        "be used to replace builder estimates."));
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(Label1, StatementLabel);
}

void frm01Disclaimer::Form_Activate()
{
    focusCurrent(QStringLiteral("cmdContinue"));
}

} // namespace pages
