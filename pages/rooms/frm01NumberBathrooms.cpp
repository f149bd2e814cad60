#include "pages/rooms/frm01NumberBathrooms.h"

#include "estimate/clsHomeData.h"
#include "runtime/vb/Conversions.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QComboBox>
#include <QLabel>

namespace pages
{

frm01NumberBathrooms::frm01NumberBathrooms()
    : InterviewPage(QStringLiteral("frm01NumberBathrooms"), QStringLiteral("Number of Bathrooms"))
{
    lbStatement = addLabel(QStringLiteral("lbStatement"),
                           QStringLiteral("How many bathrooms will your house have?"), 1440, 960, 7440, 400);
    lbFullBath = addLabel(QStringLiteral("lbFullBath"), QStringLiteral("Full Bathrooms"), 2160, 1740, 2040,
                          375, false);
    cmbFullBath = addComboBox(QStringLiteral("cmbFullBath"), 4320, 1700, 960);
    lbHalfBath = addLabel(QStringLiteral("lbHalfBath"), QStringLiteral("Half Bathrooms"), 2160, 2400, 2040,
                          375, false);
    cmbHalfBath = addComboBox(QStringLiteral("cmbHalfBath"), 4320, 2360, 960);
    onClick(cmbFullBath, [this] { CalcForm(); });
    onClick(cmbHalfBath, [this] { CalcForm(); });
}

void frm01NumberBathrooms::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(lbStatement, StatementLabel);
    InitLabel(lbFullBath, DataLabel);
    InitLabel(lbHalfBath, DataLabel);
    InitComboBox(cmbFullBath);
    InitComboBox(cmbHalfBath);
}

void frm01NumberBathrooms::Form_Activate()
{
    fillList(cmbFullBath, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                           QStringLiteral("5"), QStringLiteral("6")});
    fillList(cmbHalfBath, {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                           QStringLiteral("4"), QStringLiteral("5")});
    // Counts the lists do not offer select nothing and stay stored.
    selectItem(cmbFullBath, QString::number(HomeData().NumFullBath()));
    selectItem(cmbHalfBath, QString::number(HomeData().NumHalfBath()));
    for (QWidget* w : std::initializer_list<QWidget*>{lbFullBath, cmbFullBath, lbHalfBath, cmbHalfBath})
        w->show();
    cmbFullBath->setFocus();
}

void frm01NumberBathrooms::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    clsHomeData& home = HomeData();
    // A list with nothing selected keeps the stored count (the half-bath list is still empty
    // while Activate selects the full-bath count).
    if (cmbFullBath->currentIndex() >= 0)
        trap([&] { home.setNumFullBath(vb::CInt(QVariant(cmbFullBath->currentText()))); });
    if (cmbHalfBath->currentIndex() >= 0)
        trap([&] { home.setNumHalfBath(vb::CInt(QVariant(cmbHalfBath->currentText()))); });
}

} // namespace pages
