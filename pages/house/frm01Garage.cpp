#include "pages/house/frm01Garage.h"

#include "estimate/clsHomeData.h"
#include "runtime/vb/Conversions.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>

namespace pages
{

frm01Garage::frm01Garage() : InterviewPage(QStringLiteral("frm01Garage"), QStringLiteral("Garage"))
{
    lbStatement = addLabel(QStringLiteral("lbStatement"),
                           QStringLiteral("How many bays do you want in your garage?"), 1440, 960, 7440, 400);
    lbData1 =
        addLabel(QStringLiteral("lbData1"), QStringLiteral("Garage Bays"), 2160, 1740, 1800, 375, false);
    cmbGarageBays = addComboBox(QStringLiteral("cmbGarageBays"), 4080, 1700, 960);
    fraOpeners = addFrame(QStringLiteral("fraOpeners"), 1440, 2640, 7440, 1080);
    Label1 = addLabel(QStringLiteral("Label1"), QStringLiteral("Do you want to install garage door openers?"),
                      0, 0, 7440, 400, true, fraOpeners);
    optOpeners = addOptions(QStringLiteral("optOpeners"), {QStringLiteral("Yes"), QStringLiteral("No")},
                            fraOpeners, 720, 540, 1200, 375, 1440, 0);
    onClick(cmbGarageBays, [this] { CalcForm(); });
    for (QRadioButton* option : optOpeners)
        onClick(option, [this] { CalcForm(); });
}

void frm01Garage::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(lbStatement, StatementLabel);
    InitLabel(Label1, QuestionLabel);
    InitLabel(lbData1, DataLabel);
    InitComboBox(cmbGarageBays);
    for (QRadioButton* option : optOpeners)
        InitOptionButton(option);
}

void frm01Garage::Form_Activate()
{
    clsHomeData& home = HomeData();
    fillList(cmbGarageBays, {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                             QStringLiteral("3"), QStringLiteral("4")});
    // A count the list does not offer selects nothing and stays stored.
    selectItem(cmbGarageBays, QString::number(home.NumCarGarage()));
    cmbGarageBays->show();
    if (home.NumCarGarage() != 0) {
        fraOpeners->show();
        optOpeners[home.DoorOpeners() ? 0 : 1]->setChecked(true);
    } else {
        fraOpeners->hide();
    }
    lbData1->show();
    cmbGarageBays->setFocus();
}

void frm01Garage::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    clsHomeData& home = HomeData();
    if (cmbGarageBays->currentIndex() >= 0)
        trap([&] { home.setNumCarGarage(vb::CInt(QVariant(cmbGarageBays->currentText()))); });
    vb::Integer bays = 0;
    trap([&] { bays = home.NumCarGarage(); });
    if (bays != 0) {
        fraOpeners->show();
        vb::Integer i = -1;
        trap([&] { i = GetSelectedOption(optOpeners); });
        if (i == 0)
            trap([&] { home.setDoorOpeners(true); });
        else if (i == 1)
            trap([&] { home.setDoorOpeners(false); });
    } else {
        trap([&] { home.setDoorOpeners(false); });
        fraOpeners->hide();
    }
}

} // namespace pages
