#include "tests/support/PageHarness.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QRadioButton>
#include <QTest>

using namespace pagetest;

namespace
{

QRadioButton* option(const char* group, int index)
{
    return control<QRadioButton>(QString::fromLatin1(group) + QString::number(index));
}

void storeFireplace(int style, int face, bool chase)
{
    g_HomeData->setFireplaceStyle(style);
    g_HomeData->setFireplaceFace(face);
    g_HomeData->setExternalChase(chase);
}

TEST(FireplacePage, AsksWithItsOwnButtonRowAndFocusOnNo)
{
    showPage(43);
    EXPECT_EQ(control<QLabel>(QStringLiteral("lbStatement"))->text(),
              QStringLiteral("Many new homes include the comfort and charm of a fireplace. \r\n\r\n"
                             "Do you want a fireplace?"));
    const std::tuple<const char*, int, int> row[] = {
        {"cmdContinue", 3840, 1695}, {"cmdYes", 6000, 975}, {"cmdNo", 7200, 855}, {"cmdBack", 720, 1000}};
    for (const auto& [name, left, width] : row) {
        SCOPED_TRACE(name);
        EXPECT_EQ(control(QString::fromLatin1(name))->geometry(),
                  QRect(qRound(left / 15.0), 424, qRound(width / 15.0), 24));
    }
    EXPECT_TRUE(control(QStringLiteral("cmdYes"))->isVisible());
    EXPECT_TRUE(control(QStringLiteral("cmdNo"))->isVisible());
    EXPECT_EQ(currentPage()->window()->focusWidget(), control(QStringLiteral("cmdNo")));
}

TEST(FireplacePage, YesThenBackFromTheTypePageKeepsThePresets)
{
    storeFireplace(0, 0, false);
    showPage(43);
    click(QStringLiteral("cmdYes"));
    EXPECT_EQ(currentFormId(), 44);
    EXPECT_TRUE(option("optStyle", 0)->isChecked());
    click(QStringLiteral("cmdBack"));
    EXPECT_EQ(currentFormId(), 43);
    EXPECT_EQ(g_HomeData->FireplaceStyle(), 1);
    EXPECT_EQ(g_HomeData->FireplaceFace(), 1);
}

TEST(FireplacePage, NoClearsBothCodesAndALaterYesPresetsThemAgain)
{
    storeFireplace(2, 2, true);
    showPage(43);
    click(QStringLiteral("cmdNo"));
    EXPECT_EQ(currentFormId(), 29);
    EXPECT_EQ(g_HomeData->FireplaceStyle(), 0);
    EXPECT_EQ(g_HomeData->FireplaceFace(), 0);
    EXPECT_TRUE(g_HomeData->ExternalChase());

    showPage(43);
    click(QStringLiteral("cmdYes"));
    EXPECT_TRUE(option("optStyle", 0)->isChecked()); // Prefabricated
    EXPECT_EQ(currentPage()->window()->focusWidget(), option("optStyle", 0));
    click(QStringLiteral("cmdContinue"));
    EXPECT_EQ(currentFormId(), 45);
    EXPECT_TRUE(option("optStyle", 0)->isChecked()); // Brick
    EXPECT_EQ(currentPage()->window()->focusWidget(), option("optStyle", 0));
}

// A mouse click on a button of the page now shown, as the user gives it.
void press(const char* button)
{
    QWidget* target = control(QString::fromLatin1(button));
    ASSERT_TRUE(target->isVisible()) << button << " is hidden";
    QTest::mouseClick(target, Qt::LeftButton);
    processEvents();
}

// Yes on a fireplace already answered shows its type and facing; only what is not answered
// yet starts as a prefabricated fireplace with a brick facing.
TEST(FireplacePage, YesOnAReviewedFireplaceKeepsItsTypeAndFacing)
{
    struct Case {
        int storedStyle, storedFace;
        int shownStyle, shownFace; // option index selected, -1 none
        int keptStyle, keptFace;
    };
    const Case cases[] = {
        {1, 1, 0, 0, 1, 1},
        {1, 2, 0, 1, 1, 2},
        {2, 1, 1, 0, 2, 1},
        {2, 2, 1, 1, 2, 2},
        // Nothing chosen yet: the presets.
        {0, 0, 0, 0, 1, 1},
        {2, 0, 1, 0, 2, 1},
        {0, 2, 0, 1, 1, 2},
        {3, 7, 0, 0, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "stored type " << c.storedStyle << ", facing " << c.storedFace);
        storeFireplace(c.storedStyle, c.storedFace, true);
        showPage(43);
        press("cmdYes");
        ASSERT_EQ(currentFormId(), 44);
        EXPECT_EQ(g_HomeData->FireplaceStyle(), c.keptStyle);
        EXPECT_EQ(g_HomeData->FireplaceFace(), c.keptFace);
        EXPECT_TRUE(option("optStyle", c.shownStyle)->isChecked());
        EXPECT_FALSE(option("optStyle", 1 - c.shownStyle)->isChecked());
        EXPECT_TRUE(option("optChase", 0)->isChecked());
        press("cmdContinue");
        ASSERT_EQ(currentFormId(), 45);
        EXPECT_TRUE(option("optStyle", c.shownFace)->isChecked());
        EXPECT_FALSE(option("optStyle", 1 - c.shownFace)->isChecked());
        press("cmdContinue");
        EXPECT_EQ(currentFormId(), 29);
        EXPECT_EQ(g_HomeData->FireplaceStyle(), c.keptStyle);
        EXPECT_EQ(g_HomeData->FireplaceFace(), c.keptFace);
        EXPECT_TRUE(g_HomeData->ExternalChase());
    }
}

TEST(FireplaceTypePage, MasonryHidesTheChaseQuestionThatKeepsItsAnswer)
{
    storeFireplace(1, 1, true);
    showPage(44);
    QWidget* chase = control(QStringLiteral("fraChase"));
    EXPECT_TRUE(chase->isVisible());
    EXPECT_TRUE(option("optChase", 0)->isChecked());
    option("optStyle", 1)->click();
    EXPECT_FALSE(chase->isVisible());
    EXPECT_EQ(g_HomeData->FireplaceStyle(), 2);
    option("optStyle", 0)->click();
    EXPECT_TRUE(chase->isVisible());
    EXPECT_TRUE(option("optChase", 0)->isChecked());
    option("optChase", 1)->click();
    option("optStyle", 1)->click();
    click(QStringLiteral("cmdContinue"));
    EXPECT_EQ(g_HomeData->FireplaceStyle(), 2);
    EXPECT_FALSE(g_HomeData->ExternalChase());
}

TEST(FireplaceTypePage, StoredMasonryOpensWithoutTheChaseQuestion)
{
    storeFireplace(2, 1, false);
    showPage(44);
    EXPECT_TRUE(option("optStyle", 1)->isChecked());
    EXPECT_FALSE(control(QStringLiteral("fraChase"))->isVisible());
    EXPECT_TRUE(option("optChase", 1)->isChecked());
}

TEST(FireplaceTypePage, UnknownStyleSelectsNothingAndKeepsTheChaseShown)
{
    storeFireplace(0, 0, true);
    showPage(44);
    EXPECT_FALSE(option("optStyle", 0)->isChecked());
    EXPECT_FALSE(option("optStyle", 1)->isChecked());
    EXPECT_TRUE(control(QStringLiteral("fraChase"))->isVisible());
    click(QStringLiteral("cmdContinue"));
    EXPECT_EQ(g_HomeData->FireplaceStyle(), 0);
}

TEST(FireplaceFacePage, TitleShowsOneAmpersandAndNoFaceSelectsNothing)
{
    storeFireplace(0, 0, false);
    showPage(45);
    EXPECT_EQ(control<QLabel>(QStringLiteral("lbPageTitle"))->text(),
              QStringLiteral("Fireplace Facing & Hearth"));
    EXPECT_FALSE(option("optStyle", 0)->isChecked());
    EXPECT_FALSE(option("optStyle", 1)->isChecked());
    click(QStringLiteral("cmdContinue"));
    EXPECT_EQ(g_HomeData->FireplaceFace(), 0);

    showPage(45);
    option("optStyle", 1)->click();
    EXPECT_EQ(g_HomeData->FireplaceFace(), 2);
}

} // namespace
