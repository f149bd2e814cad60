#include "tests/support/PageControls.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"

#include <gtest/gtest.h>

#include <QLineEdit>

using namespace pagetest;

namespace
{

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
