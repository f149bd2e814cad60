#include "pages/house/frm01SquareFootage.h"

#include "estimate/HouseSizes.h"
#include "estimate/clsHomeData.h"
#include "runtime/forms/Twips.h"
#include "runtime/vb/Conversions.h"
#include "runtime/vb/Format.h"
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

// A typed entry as a number; the key filter lets only digits through, and an empty entry reads 0.
double entry(const QLineEdit* box)
{
    return vb::Val(box->text());
}

void moveTop(QWidget* w, int top)
{
    w->move(w->x(), forms::twipsToPixels(top));
}

// Design tops of the rows the layout by floors moves (twips).
constexpr int kSecondTop = 2160;
constexpr int kThirdTop = 2640;
constexpr int kTotalTop = 3240;
constexpr int kBonusFrameTop = 3960;
constexpr int kBonusTop = 5160;

// The smallest main floor and bonus room taken (square feet).
constexpr int kMinMainFloorSqFt = 500;
constexpr int kMinBonusRoomSqFt = 250;

} // namespace

frm01SquareFootage::frm01SquareFootage()
    : InterviewPage(QStringLiteral("frm01SquareFootage"), QStringLiteral("Square Footage"))
{
    lbStatement = addLabel(QStringLiteral("lbStatement"),
                           QStringLiteral("What is the square footage of your house?"), 1440, 960, 7440, 400);
    lbData1 = addLabel(QStringLiteral("lbData1"), QStringLiteral("Main Floor"), 2160, 1680, 1800, 375, false);
    txtData1 = addTextBox(QStringLiteral("txtData1"), 4080, 1680, 1095, 4);
    lbData2 = addLabel(QStringLiteral("lbData2"), QStringLiteral("Second Floor"), 2160, kSecondTop, 1800, 375,
                       false);
    txtData2 = addTextBox(QStringLiteral("txtData2"), 4080, kSecondTop, 1095, 4);
    lbData3 =
        addLabel(QStringLiteral("lbData3"), QStringLiteral("Third Floor"), 2160, kThirdTop, 1800, 375, false);
    txtData3 = addTextBox(QStringLiteral("txtData3"), 4080, kThirdTop, 1095, 4);
    lbTotal = addLabel(QStringLiteral("lbTotal"), QStringLiteral("Total Square Feet"), 1680, kTotalTop, 2340,
                       375, false);
    QFont bold = lbTotal->font();
    bold.setBold(true);
    lbTotal->setFont(bold);
    txtTotal = addTextBox(QStringLiteral("txtTotal"), 4080, kTotalTop, 1095, 32767);
    txtTotal->setReadOnly(true);
    txtTotal->setFocusPolicy(Qt::NoFocus);

    fraBonus = addFrame(QStringLiteral("fraBonus"), 1440, kBonusFrameTop, 6480, 1080);
    lbStatement2 =
        addLabel(QStringLiteral("lbStatement2"), QStringLiteral("Will your house have a bonus room?"), 0, 0,
                 6480, 400, true, fraBonus);
    optBonus = addOptions(QStringLiteral("optBonus"), {QStringLiteral("Yes"), QStringLiteral("No")}, fraBonus,
                          720, 540, 1200, 375, 1440, 0);
    lbData4 =
        addLabel(QStringLiteral("lbData4"), QStringLiteral("Bonus Room"), 2160, kBonusTop, 1800, 375, false);
    txtData4 = addTextBox(QStringLiteral("txtData4"), 4080, kBonusTop, 1095, 4);

    for (QLineEdit* box : {txtData1, txtData2, txtData3, txtData4})
        selectOnFocus(box, true);
    for (QLineEdit* box : {txtData1, txtData2, txtData3})
        connect(box, &QLineEdit::textChanged, this,
                [this] { guarded(QStringLiteral("txtData_Change"), [this] { updateTotal(); }); });
    for (int i = 0; i < optBonus.size(); ++i)
        onClick(optBonus[i], [this, i] { optBonus_Click(i); });
}

void frm01SquareFootage::Form_Load()
{
    InitLabel(lbPageTitle, PageTitleLabel);
    InitLabel(lbStatement, StatementLabel);
    InitLabel(lbStatement2, QuestionLabel);
    const std::pair<QLabel*, QLineEdit*> rows[] = {
        {lbData1, txtData1}, {lbData2, txtData2}, {lbData3, txtData3}, {lbData4, txtData4}};
    for (const auto& [label, box] : rows) {
        InitLabel(label, DataLabel);
        InitTextBox(box);
        InstallKeyFilter(box, FilterNumericKey);
    }
    for (QRadioButton* option : optBonus)
        InitOptionButton(option);
}

void frm01SquareFootage::restoreDesignLayout()
{
    // The page stays loaded behind the welcome page; a reused page starts from its design.
    const std::pair<QWidget*, int> rows[] = {{lbData2, kSecondTop}, {txtData2, kSecondTop},
                                             {lbData3, kThirdTop},  {txtData3, kThirdTop},
                                             {lbTotal, kTotalTop},  {txtTotal, kTotalTop}};
    for (const auto& [w, top] : rows) {
        moveTop(w, top);
        w->hide();
    }
    moveTop(fraBonus, kBonusFrameTop);
    moveTop(lbData4, kBonusTop);
    moveTop(txtData4, kBonusTop);
}

void frm01SquareFootage::Form_Activate()
{
    clsHomeData& home = HomeData();
    restoreDesignLayout();
    txtData1->setText(QString::number(home.MainFloorSqFt()));
    txtData2->setText(QString::number(home.SecondFloorSqFt()));
    txtData3->setText(QString::number(home.ThirdFloorSqFt()));
    txtData4->setText(QString::number(home.BonusRoomSqFt()));

    fraBonus->show();
    const bool bonus = home.rmBonusRoom();
    optBonus[bonus ? 0 : 1]->setChecked(true);
    lbData4->setVisible(bonus);
    txtData4->setVisible(bonus);

    lbData1->show();
    txtData1->show();

    switch (home.NumFloors()) {
    case 1:
        moveTop(fraBonus, 2640);
        moveTop(lbData4, 3840);
        moveTop(txtData4, 3840);
        break;
    case 2:
        lbTotal->move(lbTotal->x(), lbData3->y());
        txtTotal->move(txtTotal->x(), txtData3->y());
        moveTop(fraBonus, 3300);
        moveTop(lbData4, 4500);
        moveTop(txtData4, 4500);
        for (QWidget* w : std::initializer_list<QWidget*>{lbData2, txtData2, lbTotal, txtTotal})
            w->show();
        break;
    case 3:
        for (QWidget* w :
             std::initializer_list<QWidget*>{lbData2, txtData2, lbData3, txtData3, lbTotal, txtTotal})
            w->show();
        break;
    default:
        break;
    }
    focusCurrent(QStringLiteral("txtData1"));
}

void frm01SquareFootage::optBonus_Click(int Index)
{
    if (Index == 0) {
        lbData4->show();
        txtData4->show();
        txtData4->setFocus();
    } else if (Index == 1) {
        lbData4->hide();
        txtData4->hide();
    }
}

void frm01SquareFootage::updateTotal()
{
    const double total = vb::Val(txtData1->text()) + vb::Val(txtData2->text()) + vb::Val(txtData3->text());
    txtTotal->setText(vb::Format(total, QStringLiteral("#,##0")));
}

bool frm01SquareFootage::ValidateFormData()
{
    clsHomeData& home = HomeData();
    const double mainFloor = entry(txtData1);
    const double secondFloor = entry(txtData2);
    const double thirdFloor = entry(txtData3);
    const double bonusRoom = entry(txtData4);

    const vb::Integer garageArea = estimate::garageSqFt(home.NumCarGarage());
    const vb::Integer limit =
        vb::CInt(mainFloor + garageArea + double(home.FrontPorchSqFt()) + double(home.RearPorchSqFt()));

    if (mainFloor < kMinMainFloorSqFt)
        return refuse(txtData1,
                      QStringLiteral("Main Floor square footage must be greater than %1 square feet.")
                          .arg(kMinMainFloorSqFt));

    const auto secondWithinLimit = [&] {
        if (secondFloor > limit)
            return refuse(txtData2,
                          QStringLiteral("Second Floor square footage cannot be greater than Main Floor, "
                                         "Garage and Porches (%1 sqft).")
                              .arg(vb::CStr(double(limit))));
        return true;
    };
    switch (home.Style()) {
    case 2:
        if (secondFloor > 0.8 * mainFloor)
            return refuse(txtData2,
                          QStringLiteral("Second Floor square footage on a 1.5 story house cannot be "
                                         "greater than 80% of the Main Floor (%1 sqft).")
                              .arg(vb::CStr(0.8 * mainFloor)));
        break;
    case 3:
        if (!secondWithinLimit()) return false;
        break;
    case 4:
        if (!secondWithinLimit()) return false;
        if (thirdFloor > 0.8 * secondFloor)
            return refuse(txtData3,
                          QStringLiteral("Third Floor square footage on a 2.5 story house cannot be "
                                         "greater than 80% of the Second Floor (%1 sqft).")
                              .arg(vb::CStr(0.8 * secondFloor)));
        break;
    default:
        break;
    }

    if (optBonus[0]->isChecked()) {
        if (bonusRoom < kMinBonusRoomSqFt)
            return refuse(txtData4,
                          QStringLiteral("Bonus Room square footage must be greater than %1 square feet.")
                              .arg(kMinBonusRoomSqFt));
        const double bonusLimit = double(garageArea) * 1.5;
        if (bonusRoom > bonusLimit)
            return refuse(txtData4,
                          QStringLiteral("Bonus Room square footage cannot be greater than 150% the "
                                         "square footage of the garage. (%1 sqft).")
                              .arg(vb::CStr(bonusLimit)));
    }
    return true;
}

void frm01SquareFootage::CalcForm()
{
    vb::Trap trap = beginCalcForm();
    clsHomeData& home = HomeData();
    trap([&] { home.setMainFloorSqFt(vb::CInt(QVariant(txtData1->text()))); });
    trap([&] { home.setSecondFloorSqFt(vb::CInt(QVariant(txtData2->text()))); });
    trap([&] { home.setThirdFloorSqFt(vb::CInt(QVariant(txtData3->text()))); });
    trap([&] {
        if (home.FoundationType() == 3) home.setBasementSqFt(home.MainFloorSqFt());
    });
    trap([&] {
        if (optBonus[0]->isChecked()) {
            home.setrmBonusRoom(true);
            home.setBonusRoomSqFt(vb::CInt(QVariant(txtData4->text())));
        } else if (optBonus[1]->isChecked()) {
            home.setrmBonusRoom(false);
        }
    });
}

} // namespace pages
