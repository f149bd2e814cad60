#include "pages/site/frm01LotPrice.h"

#include "estimate/clsHomeData.h"
#include "runtime/vb/Conversions.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QLabel>
#include <QLineEdit>

namespace pages
{

frm01LotPrice::frm01LotPrice() : InterviewPage(QStringLiteral("frm01LotPrice"), QStringLiteral("Lot Price"))
{
    lbStatement = addLabel(QStringLiteral("lbStatement"), QString(), 1440, 960, 7440, 2040);
    lbData1 = addLabel(QStringLiteral("lbData1"), QStringLiteral("Price"), 2160, 3360, 1200, 375, false);
    // Whole dollars: seven digits reach 9999999.
    txtData1 = addTextBox(QStringLiteral("txtData1"), 3480, 3360, 1695, 7);
    selectOnFocus(txtData1);
}

void frm01LotPrice::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    lbStatement->setText(QStringLiteral(
        "If you want the cost of the lot to be included in the home cost, enter it here.\r\n\r\n"
        "Note: If you are trying to compare builders prices, lot costs are often included in the "
        "estimate.  You may need to ask the builder for the cost of the lot."));
    InitLabel(lbStatement, StatementLabel);
    InitLabel(lbData1, DataLabel);
    InitTextBox(txtData1);
    InstallKeyFilter(txtData1, FilterNumericKey);
}

void frm01LotPrice::Form_Activate()
{
    lbData1->show();
    txtData1->show();
    txtData1->setText(vb::CStr(HomeData().LotPrice()));
    // The caret of a text set in code stands at the start, so the focus selects the whole entry.
    txtData1->setCursorPosition(0);
    focusCurrent(QStringLiteral("txtData1"));
}

bool frm01LotPrice::ValidateFormData()
{
    // An emptied price is no lot price.
    if (txtData1->text().isEmpty()) txtData1->setText(QStringLiteral("0"));
    return true;
}

void frm01LotPrice::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    trap([&] {
        // The stored value as shown stays exact (its text has only seven digits).
        const QString text = txtData1->text();
        if (text != vb::CStr(HomeData().LotPrice())) HomeData().setLotPrice(vb::CSng(QVariant(text)));
    });
}

} // namespace pages
