#include "pages/site/frm01StreetDistance.h"

#include "estimate/clsHomeData.h"
#include "runtime/vb/Conversions.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QLabel>
#include <QLineEdit>

namespace pages
{

frm01StreetDistance::frm01StreetDistance()
    : InterviewPage(QStringLiteral("frm01StreetDistance"), QStringLiteral("Distance from Street"))
{
    lbStatement = addLabel(QStringLiteral("lbStatement"),
                           QStringLiteral("How far from the street will the front of your house be?"), 1440,
                           960, 7440, 400);
    lbData1 = addLabel(QStringLiteral("lbData1"), QStringLiteral("Feet"), 2160, 1680, 1080, 375, false);
    txtData1 = addTextBox(QStringLiteral("txtData1"), 3240, 1680, 1095, 4);
    selectOnFocus(txtData1);
}

void frm01StreetDistance::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(lbStatement, StatementLabel);
    InitLabel(lbData1, DataLabel);
    InitTextBox(txtData1);
    InstallKeyFilter(txtData1, FilterNumericKey);
}

void frm01StreetDistance::Form_Activate()
{
    txtData1->setText(vb::CStr(HomeData().DistanceToStreet()));
    txtData1->setCursorPosition(0); // the first focus selects the whole entry
    lbData1->show();
    txtData1->show();
    focusCurrent(QStringLiteral("txtData1"));
}

void frm01StreetDistance::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    // An empty box does not convert: the trap reports it and the stored distance stays.
    trap([&] { HomeData().setDistanceToStreet(vb::CInt(QVariant(txtData1->text()))); });
}

} // namespace pages
