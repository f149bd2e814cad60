#include "tests/support/PageHarness.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"

#include <gtest/gtest.h>

#include <QComboBox>

using namespace pagetest;
using namespace Qt::StringLiterals;

namespace
{

QComboBox* list(const char* name)
{
    return control<QComboBox>(QString::fromLatin1(name));
}

void choose(const char* name, const char* text)
{
    QComboBox* combo = list(name);
    const int index = combo->findText(QString::fromUtf8(text));
    ASSERT_GE(index, 0) << text;
    combo->setCurrentIndex(index);
}

bool shown(const char* frame)
{
    return control(QString::fromLatin1(frame))->isVisible();
}

void store(int configuration, const char* primary, const char* secondary)
{
    g_HomeData->setBrickConfiguration(configuration);
    g_HomeData->setExteriorPrimary(QString::fromLatin1(primary));
    g_HomeData->setExteriorSecondary(QString::fromLatin1(secondary));
}

void expectStored(int configuration, const char* primary, const char* secondary)
{
    EXPECT_EQ(g_HomeData->BrickConfiguration(), configuration);
    EXPECT_EQ(g_HomeData->ExteriorPrimary(), QString::fromLatin1(primary));
    EXPECT_EQ(g_HomeData->ExteriorSecondary(), QString::fromLatin1(secondary));
}

TEST(ExteriorPage, ListsHoldTheirItemsInListOrder)
{
    store(0, "1", "0");
    showPage(42);
    const std::pair<const char*, QString> lists[] = {
        {"cmbPrimary", u"Vinyl|Wood|Aluminum|Brick|Stucco"_s},
        {"cmbBrick", u"Front Only|Front & Sides|Partial Brick|Main Floor Only|Full Brick"_s},
        {"cmbSecondary", u"Vinyl|Wood|Aluminum"_s},
    };
    for (const auto& [name, items] : lists) {
        QStringList shownItems;
        for (int i = 0; i < list(name)->count(); ++i)
            shownItems << list(name)->itemText(i);
        EXPECT_EQ(shownItems.join(QLatin1Char('|')), items) << name;
    }
    EXPECT_EQ(currentPage()->window()->focusWidget(), list("cmbPrimary"));
}

struct OpenCase {
    int configuration;
    const char* primary;
    const char* secondary;
    const char* shownPrimary;
    const char* shownBrick;
    const char* shownSecondary;
    bool configurationShown, secondaryShown;
};

TEST(ExteriorPage, OpensWithTheStoredAnswerAndCodesOutsideTheListsSelectNothing)
{
    const OpenCase cases[] = {
        {0, "2", "0", "Wood", "", "", false, false},
        {0, "5", "0", "Stucco", "", "", false, false},
        {0, "3", "0", "Vinyl", "", "", false, false}, // brick code without configuration
        {0, "9", "0", "Vinyl", "", "", false, false},
        {1, "3", "0", "Brick", "Full Brick", "", true, false},
        {2, "3", "2", "Brick", "Front Only", "Wood", true, true},
        {3, "3", "4", "Brick", "Front & Sides", "Aluminum", true, true},
        {4, "3", "1", "Brick", "Main Floor Only", "Vinyl", true, true},
        {5, "3", "7", "Brick", "Partial Brick", "", true, true},
        {9, "3", "2", "Brick", "", "Wood", true, true},
    };
    for (const OpenCase& c : cases) {
        SCOPED_TRACE(c.configuration);
        SCOPED_TRACE(c.primary);
        store(c.configuration, c.primary, c.secondary);
        boxes().clear();
        showPage(42);
        EXPECT_TRUE(boxes().calls().empty()) << boxLog();
        EXPECT_EQ(list("cmbPrimary")->currentText(), QString::fromUtf8(c.shownPrimary));
        EXPECT_EQ(list("cmbBrick")->currentText(), QString::fromUtf8(c.shownBrick));
        EXPECT_EQ(list("cmbSecondary")->currentText(), QString::fromUtf8(c.shownSecondary));
        EXPECT_TRUE(shown("fraPrimary"));
        EXPECT_EQ(shown("fraConfiguration"), c.configurationShown);
        EXPECT_EQ(shown("fraSecondary"), c.secondaryShown);
        // Showing the page writes nothing the record did not hold.
        expectStored(c.configuration, c.primary, c.secondary);
    }
}

TEST(ExteriorPage, FullBrickStoresAtOnceAndHidesTheSecondaryQuestion)
{
    store(0, "1", "2");
    showPage(42);
    choose("cmbPrimary", "Brick");
    EXPECT_TRUE(shown("fraConfiguration"));
    EXPECT_TRUE(shown("fraSecondary"));
    expectStored(0, "1", "2"); // a primary alone stores nothing
    choose("cmbBrick", "Full Brick");
    EXPECT_FALSE(shown("fraSecondary"));
    expectStored(1, "3", "0");
    click(QStringLiteral("cmdContinue"));
    EXPECT_EQ(currentFormId(), 27);
    expectStored(1, "3", "0");
}

TEST(ExteriorPage, FrontOnlyWithoutSecondaryIsRefusedWithFocusOnTheSecondaryList)
{
    store(0, "1", "0");
    showPage(42);
    choose("cmbPrimary", "Brick");
    choose("cmbBrick", "Front Only");
    boxes().clear();
    for (const char* button : {"cmdContinue", "cmdBack"}) {
        SCOPED_TRACE(button);
        click(QString::fromLatin1(button));
        ASSERT_EQ(boxes().calls().size(), 1u) << boxLog();
        EXPECT_EQ(boxes().calls()[0].prompt, QStringLiteral("You need to select a secondary material."));
        EXPECT_EQ(boxes().calls()[0].buttons, 16);
        EXPECT_EQ(boxes().calls()[0].title, QStringLiteral("Validation Error"));
        EXPECT_EQ(currentFormId(), 42);
        EXPECT_EQ(currentPage()->window()->focusWidget(), list("cmbSecondary"));
        boxes().clear();
    }
    choose("cmbSecondary", "Wood");
    click(QStringLiteral("cmdContinue"));
    EXPECT_TRUE(boxes().calls().empty()) << boxLog();
    expectStored(2, "3", "2");
}

TEST(ExteriorPage, UnknownConfigurationIsRefusedWithFocusOnTheConfigurationList)
{
    store(8, "3", "1");
    showPage(42);
    boxes().clear();
    click(QStringLiteral("cmdContinue"));
    ASSERT_EQ(boxes().calls().size(), 1u) << boxLog();
    EXPECT_EQ(boxes().calls()[0].prompt, QStringLiteral("You need to select a brick configuration."));
    EXPECT_EQ(currentPage()->window()->focusWidget(), list("cmbBrick"));
    EXPECT_EQ(currentFormId(), 42);
    expectStored(8, "3", "1");
}

TEST(ExteriorPage, BrickToStuccoHidesTheBrickQuestionsAndClearsTheirCodes)
{
    store(2, "3", "2");
    showPage(42);
    choose("cmbPrimary", "Stucco");
    EXPECT_FALSE(shown("fraConfiguration"));
    EXPECT_FALSE(shown("fraSecondary"));
    click(QStringLiteral("cmdContinue"));
    expectStored(0, "5", "0");
}

TEST(ExteriorPage, BrickCodeWithoutConfigurationOpensAsVinylAndStoresIt)
{
    store(0, "3", "0");
    showPage(42);
    click(QStringLiteral("cmdContinue"));
    expectStored(0, "1", "0");
}

} // namespace
