#include "tests/support/PageHarness.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"

#include <gtest/gtest.h>

#include <QRadioButton>

using namespace pagetest;

namespace
{

QRadioButton* option(const char* name, int index)
{
    return control<QRadioButton>(QString::fromLatin1(name) + QString::number(index));
}

TEST(WaterPage, AChoiceIsStoredOnlyByAMove)
{
    g_HomeData->setWaterType(0);
    showPage(34);
    EXPECT_TRUE(option("optWater", 0)->isChecked());
    EXPECT_EQ(currentPage()->window()->focusWidget(), option("optWater", 0));
    option("optWater", 1)->click();
    EXPECT_EQ(g_HomeData->WaterType(), 0);
    click(QStringLiteral("cmdContinue"));
    EXPECT_EQ(currentFormId(), 35);
    EXPECT_EQ(g_HomeData->WaterType(), 1);

    showPage(34);
    EXPECT_TRUE(option("optWater", 1)->isChecked());
    option("optWater", 0)->click();
    click(QStringLiteral("cmdBack"));
    EXPECT_EQ(g_HomeData->WaterType(), 0);
}

TEST(SewerPage, AChoiceIsStoredAtTheClick)
{
    g_HomeData->setSewerType(0);
    showPage(35);
    EXPECT_TRUE(option("optSewer", 0)->isChecked());
    option("optSewer", 1)->click();
    EXPECT_EQ(g_HomeData->SewerType(), 1);
    option("optSewer", 0)->click();
    EXPECT_EQ(g_HomeData->SewerType(), 0);
}

TEST(OptionPages, StoredCodeOutsideItsRangeSelectsNothingAndStays)
{
    struct Case {
        int formId;
        const char* options;
        int count;
        void (clsHomeData::*set)(vb::Integer);
        vb::Integer (clsHomeData::*get)() const;
        int code;
    };
    const Case cases[] = {
        {29, "optGrade", 3, &clsHomeData::setLotCondition, &clsHomeData::LotCondition, 3},
        {29, "optGrade", 3, &clsHomeData::setLotCondition, &clsHomeData::LotCondition, -1},
        {34, "optWater", 2, &clsHomeData::setWaterType, &clsHomeData::WaterType, 2},
        {35, "optSewer", 2, &clsHomeData::setSewerType, &clsHomeData::SewerType, -1},
        {35, "optSewer", 2, &clsHomeData::setSewerType, &clsHomeData::SewerType, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options);
        SCOPED_TRACE(c.code);
        (g_HomeData.get()->*c.set)(c.code);
        boxes().clear();
        showPage(c.formId);
        for (int i = 0; i < c.count; ++i) {
            EXPECT_TRUE(option(c.options, i)->isVisible());
            EXPECT_FALSE(option(c.options, i)->isChecked());
        }
        click(QStringLiteral("cmdContinue"));
        EXPECT_TRUE(boxes().calls().empty()) << boxLog();
        EXPECT_NE(currentFormId(), c.formId);
        EXPECT_EQ((g_HomeData.get()->*c.get)(), c.code);
    }
}

} // namespace
