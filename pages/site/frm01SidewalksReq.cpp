#include "pages/site/frm01SidewalksReq.h"

#include "estimate/clsHomeData.h"
#include "runtime/forms/Twips.h"
#include "runtime/vb/Conversions.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace pages
{

namespace
{

const QStringList kYesNo = {QStringLiteral("Yes"), QStringLiteral("No")};

} // namespace

frm01SidewalksReq::frm01SidewalksReq()
    : InterviewPage(QStringLiteral("frm01SidewalksReq"), QStringLiteral("Sidewalk Systems"))
{
    fraSidewalk = addFrame(QStringLiteral("fraSidewalk"), 1440, 960, 7440, 960);
    Label1 = addLabel(QStringLiteral("Label1"),
                      QStringLiteral("Will you be required to install sidewalks in front of your home?"), 0,
                      0, 7440, 400, true, fraSidewalk);
    optSidewalk =
        addOptions(QStringLiteral("optSidewalk"), kYesNo, fraSidewalk, 720, 480, 1200, 375, 1440, 0);

    fraWidth = addFrame(QStringLiteral("fraWidth"), 1440, 2040, 7440, 960);
    lbStatement = addLabel(QStringLiteral("lbStatement"),
                           QStringLiteral("What is the width of your lot across the front?"), 0, 0, 7440, 400,
                           true, fraWidth);
    lbData1 =
        addLabel(QStringLiteral("lbData1"), QStringLiteral("Feet"), 720, 480, 1080, 375, true, fraWidth);
    txtData1 = addTextBox(QStringLiteral("txtData1"), 1800, 480, 1095, 4);
    txtData1->setParent(fraWidth);
    txtData1->setGeometry(forms::twipsRect(1800, 480, 1095, 375));
    txtData1->show();
    selectOnFocus(txtData1);

    fraCorner = addFrame(QStringLiteral("fraCorner"), 1440, 3120, 7440, 960);
    Label2 = addLabel(QStringLiteral("Label2"), QStringLiteral("Do you have a corner lot?"), 0, 0, 7440, 400,
                      true, fraCorner);
    optCorner = addOptions(QStringLiteral("optCorner"), kYesNo, fraCorner, 720, 480, 1200, 375, 1440, 0);

    for (QRadioButton* option : optSidewalk)
        onClick(option, [this] { CalcForm(); });
    for (QRadioButton* option : optCorner)
        onClick(option, [this] { CalcForm(); });
    setTabOrder(optSidewalk.last(), txtData1);
    setTabOrder(txtData1, optCorner.first());
}

void frm01SidewalksReq::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(Label1, QuestionLabel);
    InitLabel(lbStatement, QuestionLabel);
    InitLabel(lbData1, DataLabel);
    InitLabel(Label2, QuestionLabel);
    for (QRadioButton* option : optSidewalk + optCorner)
        InitOptionButton(option);
    InitTextBox(txtData1);
    InstallKeyFilter(txtData1, FilterNumericKey);
}

void frm01SidewalksReq::Form_Activate()
{
    clsHomeData& home = HomeData();
    fraSidewalk->show();
    // The width goes in first: the Yes below stores it.
    txtData1->setText(vb::CStr(home.LotWidth()));
    txtData1->setCursorPosition(0); // the first focus selects the whole entry
    if (home.SidewalksRequired()) {
        optSidewalk[0]->setChecked(true);
        optSidewalk[0]->setFocus();
        fraWidth->show();
        fraCorner->show();
    } else {
        optSidewalk[1]->setChecked(true);
        optSidewalk[1]->setFocus();
        fraWidth->hide();
        fraCorner->hide();
    }
    optCorner[home.CornerLot() ? 0 : 1]->setChecked(true);
}

void frm01SidewalksReq::storeCornerLot(vb::Trap& trap)
{
    if (optCorner[0]->isChecked())
        trap([] { HomeData().setCornerLot(true); });
    else if (optCorner[1]->isChecked())
        trap([] { HomeData().setCornerLot(false); });
}

void frm01SidewalksReq::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    clsHomeData& home = HomeData();
    vb::Integer i = -1;
    trap([&] { i = GetSelectedOption(optSidewalk); });
    switch (i) {
    case 0:
        trap([&] { home.setSidewalksRequired(true); });
        fraWidth->show();
        fraCorner->show();
        // An empty box does not convert: the trap reports it and the stored width stays.
        trap([&] { home.setLotWidth(vb::CInt(QVariant(txtData1->text()))); });
        storeCornerLot(trap);
        break;
    case 1:
        trap([&] { home.setSidewalksRequired(false); });
        fraWidth->hide();
        trap([&] { home.setCornerLot(false); });
        fraCorner->hide();
        break;
    default:
        storeCornerLot(trap);
        break;
    }
}

} // namespace pages
