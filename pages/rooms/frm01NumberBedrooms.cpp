#include "pages/rooms/frm01NumberBedrooms.h"

#include "estimate/clsHomeData.h"
#include "runtime/vb/Conversions.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QComboBox>
#include <QLabel>

namespace pages
{

frm01NumberBedrooms::frm01NumberBedrooms()
    : InterviewPage(QStringLiteral("frm01NumberBedrooms"), QStringLiteral("Number of Bedrooms"))
{
    lbStatement = addLabel(QStringLiteral("lbStatement"),
                           QStringLiteral("How many bedrooms will your house have?"), 1440, 960, 7440, 400);
    lbData1 = addLabel(QStringLiteral("lbData1"), QStringLiteral("Bedrooms"), 2160, 1740, 1440, 375, false);
    cmbBedrooms = addComboBox(QStringLiteral("cmbBedrooms"), 3600, 1700, 960);
    imgBedroom = addImage(QStringLiteral("imgBedroom"), 5280, 1680, 2400, 1800);
    onClick(cmbBedrooms, [this] { CalcForm(); });
}

void frm01NumberBedrooms::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(lbStatement, QuestionLabel);
    InitLabel(lbData1, DataLabel);
    InitComboBox(cmbBedrooms);
}

void frm01NumberBedrooms::Form_Activate()
{
    setPicture(imgBedroom, QStringLiteral("Bedroom"));
    fillList(cmbBedrooms, {QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
                           QStringLiteral("6")});
    // A count the list does not offer selects nothing and stays stored until the user picks one.
    selectItem(cmbBedrooms, QString::number(HomeData().NumBedrooms()));
    lbData1->show();
    cmbBedrooms->show();
    cmbBedrooms->setFocus();
}

void frm01NumberBedrooms::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    if (cmbBedrooms->currentIndex() < 0) return;
    trap([&] { HomeData().setNumBedrooms(vb::CInt(QVariant(cmbBedrooms->currentText()))); });
}

} // namespace pages
