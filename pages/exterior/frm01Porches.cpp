#include "pages/exterior/frm01Porches.h"

#include "estimate/clsHomeData.h"
#include "runtime/vb/Conversions.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QLabel>
#include <QLineEdit>

namespace pages
{

frm01Porches::frm01Porches() : InterviewPage(QStringLiteral("frm01Porches"), QStringLiteral("Porches"))
{
    lbStatement =
        addLabel(QStringLiteral("lbStatement"),
                 QStringLiteral("What is the square footage of the covered porches?"), 1440, 960, 7440, 400);
    lbIntro =
        addLabel(QStringLiteral("lbIntro"),
                 QStringLiteral("If your house is going to have front or rear porches that are covered, it "
                                "can effect foundations, framing, and roofing."),
                 1440, 1560, 7440, 840);
    lbData1 =
        addLabel(QStringLiteral("lbData1"), QStringLiteral("Front Porch"), 2160, 2760, 1800, 375, false);
    txtData1 = addTextBox(QStringLiteral("txtData1"), 4080, 2760, 1095, 4);
    lbData2 = addLabel(QStringLiteral("lbData2"), QStringLiteral("Rear Porch"), 2160, 3240, 1800, 375, false);
    txtData2 = addTextBox(QStringLiteral("txtData2"), 4080, 3240, 1095, 4);
    selectOnFocus(txtData1);
    selectOnFocus(txtData2);
}

void frm01Porches::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(lbStatement, StatementLabel);
    InitLabel(lbIntro, StatementLabel);
    InitLabel(lbData1, DataLabel);
    InitLabel(lbData2, DataLabel);
    for (QLineEdit* box : {txtData1, txtData2}) {
        InitTextBox(box);
        InstallKeyFilter(box, FilterNumericKey);
    }
}

void frm01Porches::Form_Activate()
{
    txtData1->setText(vb::CStr(HomeData().FrontPorchSqFt()));
    txtData2->setText(vb::CStr(HomeData().RearPorchSqFt()));
    // The caret of a text set in code stands at the start, so the focus selects the whole entry.
    txtData1->setCursorPosition(0);
    txtData2->setCursorPosition(0);
    for (QWidget* w : std::initializer_list<QWidget*>{lbData1, txtData1, lbData2, txtData2})
        w->show();
    focusCurrent(QStringLiteral("txtData1"));
}

void frm01Porches::CalcForm()
{
    // An emptied box holds no number: its conversion fails and is reported, that porch keeps its
    // area and the other is still stored.
    vb::Trap trap = beginCalcForm();
    clsHomeData& home = HomeData();
    trap([&] { home.setFrontPorchSqFt(vb::CInt(QVariant(txtData1->text()))); });
    trap([&] { home.setRearPorchSqFt(vb::CInt(QVariant(txtData2->text()))); });
}

} // namespace pages
