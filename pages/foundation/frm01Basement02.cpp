#include "pages/foundation/frm01Basement02.h"

#include "estimate/clsHomeData.h"
#include "runtime/vb/Conversions.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace pages
{

namespace
{

constexpr int kFull = 3;
constexpr int kPartial = 4;
// The smallest partial basement taken (square feet).
constexpr int kMinPartialBasementSqFt = 250;

} // namespace

frm01Basement02::frm01Basement02()
    : InterviewPage(QStringLiteral("frm01Basement02"), QStringLiteral("Size of Basement"))
{
    lbStatement = addLabel(QStringLiteral("lbStatement"),
                           QStringLiteral("What type of basement do you want?"), 1440, 960, 7440, 400);
    lbStatement1 = addLabel(QStringLiteral("lbStatement1"), QString(), 1440, 1440, 7440, 1200);
    optBasement = addOptions(QStringLiteral("optBasement"),
                             {QStringLiteral("Full Basement"), QStringLiteral("Partial Basement")}, nullptr,
                             2160, 2880, 3000, 375, 0, 480);
    lbData1 =
        addLabel(QStringLiteral("lbData1"), QStringLiteral("Square Footage"), 2160, 4080, 2400, 375, false);
    txtData1 = addTextBox(QStringLiteral("txtData1"), 4680, 4080, 1095, 4);
    setEntry(QStringLiteral("500"));
    selectOnFocus(txtData1);
    for (int i = 0; i < optBasement.size(); ++i)
        onClick(optBasement[i], [this, i] { optBasement_Click(i); });
}

void frm01Basement02::Form_Load()
{
    lbStatement1->setText(QStringLiteral("Full basements are under ALL the living area on the main floor.  "
                                         "If any rooms are built over a crawl "
                                         "foundation, then it would be considered a partial basement."));
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(lbStatement, StatementLabel);
    InitLabel(lbStatement1, StatementLabel);
    for (QRadioButton* option : optBasement)
        InitOptionButton(option);
    InitTextBox(txtData1);
    InstallKeyFilter(txtData1, FilterNumericKey);
    InitLabel(lbData1, DataLabel);
}

void frm01Basement02::Form_Activate()
{
    optBasement[0]->show();
    optBasement[1]->show();
    clsHomeData& home = HomeData();
    if (home.FoundationType() == kPartial) {
        // The stored area goes into the box before the option's Click saves it.
        setEntry(QString::number(home.BasementSqFt()));
        optBasement[1]->setChecked(true);
        optBasement[1]->setFocus();
        return;
    }
    // A full basement, and anything else still stored, opens as full (and so stores it).
    optBasement[0]->setChecked(true);
    optBasement[0]->setFocus();
}

void frm01Basement02::setEntry(const QString& text)
{
    // Text set in code starts the selection at the first character, so focus selects it all.
    txtData1->setText(text);
    txtData1->setCursorPosition(0);
}

void frm01Basement02::optBasement_Click(int Index)
{
    const bool partial = Index != 0;
    lbData1->setVisible(partial);
    txtData1->setVisible(partial);
    if (partial) txtData1->setFocus();
    CalcForm();
}

bool frm01Basement02::ValidateFormData()
{
    if (!optBasement[1]->isChecked()) return true;
    // An emptied box reads 0 and so is refused as too small.
    const double area = vb::Val(txtData1->text());
    if (area < kMinPartialBasementSqFt)
        return refuse(txtData1,
                      QStringLiteral("Partial basement square footage must be greater than %1 square feet.")
                          .arg(kMinPartialBasementSqFt));
    const vb::Integer mainFloor = HomeData().MainFloorSqFt();
    if (area > mainFloor)
        return refuse(txtData1,
                      QStringLiteral("Basement square footage cannot be greater than Main Floor square "
                                     "feet. (%1 sqft)")
                          .arg(mainFloor));
    return true;
}

void frm01Basement02::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    clsHomeData& home = HomeData();
    vb::Integer i = -1;
    trap([&] { i = GetSelectedOption(optBasement); });
    if (i == 0) {
        trap([&] { home.setFoundationType(kFull); });
        trap([&] { home.setBasementSqFt(home.MainFloorSqFt()); });
    } else if (i == 1) {
        trap([&] { home.setFoundationType(kPartial); });
        // An emptied box holds no area: the stored one stays until the entry passes validation.
        if (!txtData1->text().isEmpty())
            trap([&] { home.setBasementSqFt(vb::CInt(QVariant(txtData1->text()))); });
    }
}

} // namespace pages
