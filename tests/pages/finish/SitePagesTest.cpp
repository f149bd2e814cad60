#include "tests/support/PageHarness.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

using namespace pagetest;

namespace
{

QLineEdit* box(int row)
{
    return control<QLineEdit>(QStringLiteral("txtData%1").arg(row));
}

void type(QLineEdit* target, const QString& keys)
{
    for (QChar c : keys) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(target, &press);
    }
}

TEST(LotPricePage, EmptiedPriceStoresZeroAndReopensAsZero)
{
    g_HomeData->setLotPrice(45000.0f);
    showPage(46);
    EXPECT_EQ(box(1)->text(), QStringLiteral("45000"));
    EXPECT_EQ(currentPage()->window()->focusWidget(), box(1));
    processEvents();
    EXPECT_EQ(box(1)->selectedText(), QStringLiteral("45000")); // typing replaces the price
    box(1)->clear();
    boxes().clear();
    click(QStringLiteral("cmdContinue"));
    EXPECT_TRUE(boxes().calls().empty()) << boxLog();
    EXPECT_EQ(currentFormId(), 36);
    EXPECT_EQ(g_HomeData->LotPrice(), 0.0f);
    showPage(46);
    EXPECT_EQ(box(1)->text(), QStringLiteral("0"));
}

TEST(LotPricePage, OnlySevenDigitsCanBeTyped)
{
    g_HomeData->setLotPrice(0.0f);
    showPage(46);
    box(1)->clear();
    type(box(1), QStringLiteral("-9.9a99999999"));
    EXPECT_EQ(box(1)->text(), QStringLiteral("9999999"));
    click(QStringLiteral("cmdContinue"));
    EXPECT_EQ(g_HomeData->LotPrice(), 9999999.0f);
    showPage(46);
    EXPECT_EQ(box(1)->text(), QStringLiteral("9999999"));
}

TEST(PorchesPage, AreasAreStoredAndTakeFourDigits)
{
    g_HomeData->setFrontPorchSqFt(120);
    g_HomeData->setRearPorchSqFt(0);
    showPage(47);
    EXPECT_EQ(box(1)->text(), QStringLiteral("120"));
    EXPECT_EQ(box(2)->text(), QStringLiteral("0"));
    EXPECT_EQ(currentPage()->window()->focusWidget(), box(1));
    box(2)->clear();
    type(box(2), QStringLiteral("12345"));
    EXPECT_EQ(box(2)->text(), QStringLiteral("1234"));
    boxes().clear();
    click(QStringLiteral("cmdContinue"));
    EXPECT_TRUE(boxes().calls().empty()) << boxLog();
    EXPECT_EQ(g_HomeData->FrontPorchSqFt(), 120);
    EXPECT_EQ(g_HomeData->RearPorchSqFt(), 1234);
}

TEST(PorchesPage, EmptyBoxIsReportedKeepsItsAreaAndTheOtherIsStored)
{
    g_HomeData->setFrontPorchSqFt(80);
    g_HomeData->setRearPorchSqFt(40);
    showPage(47);
    box(1)->clear();
    box(2)->setText(QStringLiteral("200"));
    boxes().clear();
    click(QStringLiteral("cmdContinue"));
    ASSERT_EQ(boxes().calls().size(), 1u) << boxLog();
    EXPECT_TRUE(boxes().calls()[0].prompt.contains(QStringLiteral("<frm01Porches.CalcForm>")));
    EXPECT_EQ(g_HomeData->FrontPorchSqFt(), 80);
    EXPECT_EQ(g_HomeData->RearPorchSqFt(), 200);
    EXPECT_EQ(currentFormId(), 37);
}

} // namespace
