#include "tests/support/PageHarness.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"
#include "shell/basNavigation.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QRadioButton>

using namespace pagetest;

namespace
{

QRadioButton* option(const char* group, int index)
{
    return control<QRadioButton>(QString::fromLatin1(group) + QString::number(index));
}

bool anyChecked(const char* group, int count)
{
    for (int i = 0; i < count; ++i)
        if (option(group, i)->isChecked()) return true;
    return false;
}

int twipsTop(const char* name)
{
    return control(QString::fromLatin1(name))->y() * 15;
}

struct FinishLayout {
    const char* what;
    int foundation;
    bool bonusRoom;
    bool basementShown, bonusShown;
    int bonusTop; // twips, when shown
};

TEST(FinishRoomsPage, QuestionsFollowFoundationAndBonusRoomWithoutGaps)
{
    const FinishLayout layouts[] = {
        {"slab without bonus room", 2, false, false, false, 0},
        {"crawl space with bonus room", 1, true, false, true, 2160},
        {"slab with bonus room", 2, true, false, true, 2160},
        {"full basement with bonus room", 3, true, true, true, 3480},
        {"partial basement without bonus room", 4, false, true, false, 0},
    };
    for (const FinishLayout& l : layouts) {
        SCOPED_TRACE(l.what);
        g_HomeData->setFoundationType(l.foundation);
        g_HomeData->setrmBonusRoom(l.bonusRoom);
        g_HomeData->setFinishGarage(true);
        showPage(40);
        EXPECT_TRUE(control(QStringLiteral("fraGarage"))->isVisible());
        EXPECT_EQ(twipsTop("fraGarage"), 960);
        EXPECT_EQ(control(QStringLiteral("fraBasement"))->isVisible(), l.basementShown);
        EXPECT_EQ(control(QStringLiteral("fraBonusRoom"))->isVisible(), l.bonusShown);
        if (l.bonusShown) {
            EXPECT_EQ(twipsTop("fraBonusRoom"), l.bonusTop);
        }
        EXPECT_TRUE(option("optGarage", 0)->isChecked());
        EXPECT_EQ(currentPage()->window()->focusWidget(), option("optGarage", 0));
    }
}

TEST(FinishRoomsPage, PageShownAgainForABasementPutsTheBonusQuestionBack)
{
    g_HomeData->setFoundationType(2);
    g_HomeData->setrmBonusRoom(true);
    QWidget* page = showPage(40);
    EXPECT_EQ(twipsTop("fraBonusRoom"), 2160);
    // A move to the welcome page leaves the page loaded; showing it again reuses it.
    LoadForm(page, 1);
    processEvents();
    g_HomeData->setFoundationType(3);
    LoadForm(currentPage(), 40);
    processEvents();
    ASSERT_EQ(currentPage(), page);
    EXPECT_TRUE(control(QStringLiteral("fraBasement"))->isVisible());
    EXPECT_EQ(twipsTop("fraBonusRoom"), 3480);
}

TEST(FinishRoomsPage, HiddenQuestionsKeepTheirStoredAnswers)
{
    g_HomeData->setFoundationType(2);
    g_HomeData->setrmBonusRoom(true);
    g_HomeData->setFinishBasement(true); // answered before the foundation changed in a file
    g_HomeData->setFinishBonusRoom(true);
    g_HomeData->setFinishGarage(false);
    showPage(40);
    option("optGarage", 0)->click();
    click(QStringLiteral("cmdContinue"));
    EXPECT_TRUE(g_HomeData->FinishGarage());
    EXPECT_TRUE(g_HomeData->FinishBasement());
    EXPECT_TRUE(g_HomeData->FinishBonusRoom());
}

TEST(KitchenPage, IslandAndBarAreStoredIndependently)
{
    g_HomeData->setKitchenIsland(false);
    g_HomeData->setKitchenBar(true);
    showPage(39);
    EXPECT_EQ(control(QStringLiteral("lbIntro"))->property("text").toString(),
              QStringLiteral("Many modern kitchens include an additional bar or island."));
    EXPECT_TRUE(option("optIsland", 1)->isChecked());
    EXPECT_TRUE(option("optBar", 0)->isChecked());
    EXPECT_EQ(currentPage()->window()->focusWidget(), option("optIsland", 1));
    option("optIsland", 0)->click();
    EXPECT_TRUE(g_HomeData->KitchenIsland());
    EXPECT_TRUE(g_HomeData->KitchenBar());
    option("optBar", 1)->click();
    EXPECT_TRUE(g_HomeData->KitchenIsland());
    EXPECT_FALSE(g_HomeData->KitchenBar());
}

TEST(GardenTubPage, StoredAnswerIsSelectedAndAClickStores)
{
    g_HomeData->setGardenTub(true);
    showPage(41);
    EXPECT_TRUE(option("optTub", 0)->isChecked());
    option("optTub", 1)->click();
    EXPECT_FALSE(g_HomeData->GardenTub());
}

// Pages whose answer is the index of an option group.
struct CodeCase {
    int formId;
    const char* group;
    void (clsHomeData::*set)(vb::Integer);
    vb::Integer (clsHomeData::*get)() const;
    int code;
};

TEST(CodeOptionPages, StoredCodeSelectsItsOptionAndACodeOutsideSelectsNothing)
{
    const CodeCase cases[] = {
        {38, "optGrade", &clsHomeData::setFixtureType, &clsHomeData::FixtureType, 0},
        {38, "optGrade", &clsHomeData::setFixtureType, &clsHomeData::FixtureType, 2},
        {38, "optGrade", &clsHomeData::setFixtureType, &clsHomeData::FixtureType, 3},
        {38, "optGrade", &clsHomeData::setFixtureType, &clsHomeData::FixtureType, -1},
        {2, "optDriveway", &clsHomeData::setDrivewayTreatment, &clsHomeData::DrivewayTreatment, 1},
        {2, "optDriveway", &clsHomeData::setDrivewayTreatment, &clsHomeData::DrivewayTreatment, 7},
    };
    for (const CodeCase& c : cases) {
        SCOPED_TRACE(c.group);
        SCOPED_TRACE(c.code);
        (g_HomeData.get()->*c.set)(c.code);
        boxes().clear();
        showPage(c.formId);
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(option(c.group, i)->isVisible());
            EXPECT_EQ(option(c.group, i)->isChecked(), i == c.code);
        }
        if (c.code >= 0 && c.code <= 2) {
            EXPECT_EQ(currentPage()->window()->focusWidget(), option(c.group, c.code));
        }
        click(QStringLiteral("cmdContinue"));
        EXPECT_TRUE(boxes().calls().empty()) << boxLog();
        EXPECT_EQ((g_HomeData.get()->*c.get)(), c.code);
    }
}

TEST(CodeOptionPages, AClickStoresTheIndex)
{
    g_HomeData->setFixtureType(9);
    showPage(38);
    EXPECT_FALSE(anyChecked("optGrade", 3));
    option("optGrade", 1)->click();
    EXPECT_EQ(g_HomeData->FixtureType(), 1);

    g_HomeData->setDrivewayTreatment(0);
    showPage(2);
    option("optDriveway", 2)->click();
    EXPECT_EQ(g_HomeData->DrivewayTreatment(), 2);
}

} // namespace
