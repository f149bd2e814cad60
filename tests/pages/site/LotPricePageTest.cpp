#include "tests/support/PageControls.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"

#include <gtest/gtest.h>

#include <QLineEdit>

using namespace pagetest;

namespace
{

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

} // namespace
