#include "tests/support/PageControls.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"

#include <gtest/gtest.h>

#include <QRadioButton>

using namespace pagetest;

namespace
{

QRadioButton* heat(int index)
{
    return control<QRadioButton>(QStringLiteral("optHVAC") + QString::number(index));
}

QRadioButton* ac(int index)
{
    return control<QRadioButton>(QStringLiteral("optAC") + QString::number(index));
}

bool acQuestionShown()
{
    return control(QStringLiteral("fraAC"))->isVisible();
}

TEST(HeatPage, StoredHeatAndAirConditioningAreShown)
{
    struct Case {
        int heatType;
        bool ac;
        bool shown;
        int acMarked;
        bool storedAc;
    };
    const Case cases[] = {
        {0, true, true, 0, true},   {0, false, true, 1, false}, {1, true, false, 1, false},
        {2, true, false, 1, false}, {3, true, false, 0, true},  {-1, false, false, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.heatType);
        SCOPED_TRACE(c.ac);
        g_HomeData->setHeatType(c.heatType);
        g_HomeData->setAC(c.ac);
        boxes().clear();
        showPage(27);
        EXPECT_TRUE(control(QStringLiteral("fraHeat"))->isVisible());
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(heat(i)->isChecked(), i == c.heatType) << i;
        if (c.heatType >= 0 && c.heatType <= 2) {
            EXPECT_EQ(focused(), heat(c.heatType));
        }
        EXPECT_EQ(acQuestionShown(), c.shown);
        EXPECT_TRUE(ac(c.acMarked)->isChecked());
        EXPECT_EQ(g_HomeData->AC(), c.storedAc);
        click(QStringLiteral("cmdContinue"));
        EXPECT_TRUE(boxes().calls().empty()) << boxLog();
        EXPECT_EQ(g_HomeData->HeatType(), c.heatType);
        EXPECT_EQ(g_HomeData->AC(), c.storedAc);
    }
}

TEST(HeatPage, ElectricAfterGasWithAirStoresNoAirAndGasAgainRestoresIt)
{
    g_HomeData->setHeatType(0);
    g_HomeData->setAC(true);
    showPage(27);
    heat(1)->click();
    EXPECT_FALSE(acQuestionShown());
    EXPECT_EQ(g_HomeData->HeatType(), 1);
    EXPECT_FALSE(g_HomeData->AC());
    heat(2)->click();
    EXPECT_EQ(g_HomeData->HeatType(), 2);
    EXPECT_FALSE(g_HomeData->AC());
    heat(0)->click();
    EXPECT_TRUE(acQuestionShown());
    EXPECT_TRUE(ac(0)->isChecked());
    EXPECT_EQ(g_HomeData->HeatType(), 0);
    EXPECT_TRUE(g_HomeData->AC());
    ac(1)->click();
    EXPECT_FALSE(g_HomeData->AC());
}

} // namespace
