#include "tests/support/PageControls.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace pagetest;

namespace
{

QLineEdit* areaBox()
{
    return control<QLineEdit>(QStringLiteral("txtData1"));
}

TEST(BasementPage, StoresNothingAndOpensWithTheFocusOnNo)
{
    g_HomeData->setMainFloorSqFt(1500);
    g_HomeData->setFoundationType(4);
    g_HomeData->setBasementSqFt(700);
    showPage(16);
    EXPECT_EQ(focused(), control(QStringLiteral("cmdNo")));
    EXPECT_TRUE(
        control<QLabel>(QStringLiteral("lbStatement"))
            ->text()
            .startsWith(QStringLiteral("You can not always put a basement in your house.  Some factors")));
    click(QStringLiteral("cmdHelp"));
    EXPECT_EQ(g_HomeData->FoundationType(), 4);
    EXPECT_EQ(g_HomeData->BasementSqFt(), 700);
    click(QStringLiteral("cmdNo"));
    EXPECT_EQ(currentFormId(), 21);
    showPage(16);
    click(QStringLiteral("cmdYes"));
    EXPECT_EQ(currentFormId(), 17);
}

// Yes on a basement already answered walks through its pages as they were answered: the size,
// the area and the ceiling height stay as stored.
TEST(BasementPage, YesOnAReviewedBasementKeepsItsAnswers)
{
    struct Case {
        int type, area, height;
        int shownOption, keptArea;
    };
    const Case cases[] = {{4, 800, 9, 1, 800}, {4, 1500, 10, 1, 1500}, {3, 0, 8, 0, 1500}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << ", area " << c.area);
        g_HomeData->setMainFloorSqFt(1500);
        g_HomeData->setFoundationType(c.type);
        g_HomeData->setBasementSqFt(c.area);
        g_HomeData->setBasementCeilingHeight(c.height);
        showPage(16);
        click(QStringLiteral("cmdYes"));
        ASSERT_EQ(currentFormId(), 17);
        EXPECT_TRUE(option(QStringLiteral("optBasement"), c.shownOption)->isChecked());
        if (c.type == 4) {
            EXPECT_EQ(areaBox()->text(), QString::number(c.area));
        }
        click(QStringLiteral("cmdContinue"));
        ASSERT_EQ(currentFormId(), 24) << boxLog();
        EXPECT_TRUE(option(QStringLiteral("optHeight"), (c.height - 8))->isChecked());
        click(QStringLiteral("cmdContinue"));
        EXPECT_EQ(currentFormId(), 23);
        EXPECT_EQ(g_HomeData->FoundationType(), c.type);
        EXPECT_EQ(g_HomeData->BasementSqFt(), c.keptArea);
        EXPECT_EQ(g_HomeData->BasementCeilingHeight(), c.height);
    }
}

struct ButtonPlace {
    const char* name;
    int left, width; // twips
};

TEST(YesNoRows, BasementAndRoofStylePlaceTheirOwnButtons)
{
    struct Row {
        int formId;
        ButtonPlace places[3];
    };
    const Row rows[] = {
        {16, {{"cmdContinue", 3960, 1695}, {"cmdYes", 6000, 975}, {"cmdNo", 7200, 855}}},
        {25, {{"cmdContinue", 7200, 1695}, {"cmdYes", 4080, 1335}, {"cmdNo", 5640, 855}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.formId);
        showPage(row.formId);
        for (const ButtonPlace& p : row.places) {
            SCOPED_TRACE(p.name);
            EXPECT_EQ(control(QString::fromLatin1(p.name))->geometry(),
                      QRect(qRound(p.left / 15.0), 424, qRound(p.width / 15.0), 24));
        }
    }
}

TEST(BasementSizePage, PartialBasementReopensWithItsArea)
{
    g_HomeData->setMainFloorSqFt(1500);
    g_HomeData->setFoundationType(4);
    g_HomeData->setBasementSqFt(800);
    showPage(17);
    EXPECT_TRUE(option(QStringLiteral("optBasement"), 1)->isChecked());
    EXPECT_EQ(focused(), option(QStringLiteral("optBasement"), 1));
    EXPECT_TRUE(areaBox()->isVisible());
    EXPECT_TRUE(control(QStringLiteral("lbData1"))->isVisible());
    EXPECT_EQ(areaBox()->text(), QStringLiteral("800"));
    EXPECT_EQ(g_HomeData->FoundationType(), 4);
    EXPECT_EQ(g_HomeData->BasementSqFt(), 800);
}

TEST(BasementSizePage, AnyOtherFoundationOpensAsAFullBasementAndStoresIt)
{
    for (int stored : {3, 2, 1, 0}) {
        SCOPED_TRACE(stored);
        g_HomeData->setMainFloorSqFt(1400);
        g_HomeData->setFoundationType(stored);
        showPage(17);
        EXPECT_TRUE(option(QStringLiteral("optBasement"), 0)->isChecked());
        EXPECT_EQ(focused(), option(QStringLiteral("optBasement"), 0));
        EXPECT_FALSE(areaBox()->isVisible());
        EXPECT_EQ(areaBox()->text(), QStringLiteral("500"));
        EXPECT_EQ(g_HomeData->FoundationType(), 3);
        EXPECT_EQ(g_HomeData->BasementSqFt(), 1400);
    }
}

TEST(BasementSizePage, PartialAreaIsCheckedAgainstTheMinimumAndTheMainFloor)
{
    const char* tooSmall = "Partial basement square footage must be greater than 250 square feet.";
    const char* tooLarge =
        "Basement square footage cannot be greater than Main Floor square feet. (1500 sqft)";
    struct Case {
        const char* area;
        const char* message; // nullptr: the move happens
    };
    const Case cases[] = {
        {"249", tooSmall},  {"250", nullptr}, {"1500", nullptr},
        {"1501", tooLarge}, {"", tooSmall},   {"0", tooSmall},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.area);
        g_HomeData->setMainFloorSqFt(1500);
        g_HomeData->setFoundationType(3);
        showPage(17);
        option(QStringLiteral("optBasement"), 1)->click();
        EXPECT_EQ(focused(), areaBox());
        areaBox()->setText(QString::fromLatin1(c.area));
        boxes().clear();
        click(QStringLiteral("cmdContinue"));
        if (!c.message) {
            EXPECT_TRUE(boxes().calls().empty()) << boxLog();
            EXPECT_EQ(currentFormId(), 24);
            EXPECT_EQ(g_HomeData->FoundationType(), 4);
            EXPECT_EQ(g_HomeData->BasementSqFt(), QString::fromLatin1(c.area).toInt());
            continue;
        }
        ASSERT_EQ(boxes().calls().size(), 1u) << boxLog();
        EXPECT_EQ(boxes().calls()[0].prompt, QString::fromLatin1(c.message));
        EXPECT_EQ(boxes().calls()[0].buttons, 16);
        EXPECT_EQ(boxes().calls()[0].title, QStringLiteral("Validation Error"));
        EXPECT_EQ(currentFormId(), 17);
        EXPECT_EQ(areaBox()->selectedText(), areaBox()->text());
        EXPECT_EQ(focused(), areaBox());
    }
}

TEST(BasementSizePage, SwitchingToFullHidesTheAreaAndStoresTheMainFloorAtOnce)
{
    g_HomeData->setMainFloorSqFt(1500);
    g_HomeData->setFoundationType(4);
    g_HomeData->setBasementSqFt(800);
    showPage(17);
    areaBox()->setText(QStringLiteral("99"));
    option(QStringLiteral("optBasement"), 0)->click();
    EXPECT_FALSE(areaBox()->isVisible());
    EXPECT_FALSE(control(QStringLiteral("lbData1"))->isVisible());
    EXPECT_EQ(g_HomeData->FoundationType(), 3);
    EXPECT_EQ(g_HomeData->BasementSqFt(), 1500);
    EXPECT_EQ(areaBox()->text(), QStringLiteral("99"));
    boxes().clear();
    click(QStringLiteral("cmdBack"));
    EXPECT_TRUE(boxes().calls().empty()) << boxLog();
    EXPECT_EQ(g_HomeData->BasementSqFt(), 1500);
}

TEST(BasementSizePage, ChoosingPartialFocusesTheAreaWithTheWholeEntrySelected)
{
    for (int stored : {3, 4}) {
        SCOPED_TRACE(stored);
        g_HomeData->setMainFloorSqFt(1500);
        g_HomeData->setFoundationType(stored);
        g_HomeData->setBasementSqFt(stored == 4 ? 640 : 1500);
        showPage(17);
        if (stored == 4) option(QStringLiteral("optBasement"), 0)->click();
        option(QStringLiteral("optBasement"), 1)->click();
        processEvents();
        EXPECT_EQ(focused(), areaBox());
        EXPECT_EQ(areaBox()->selectedText(), stored == 4 ? QStringLiteral("640") : QStringLiteral("500"));
    }
}

TEST(BasementSizePage, AreaTakesDigitsOnly)
{
    g_HomeData->setFoundationType(3);
    showPage(17);
    option(QStringLiteral("optBasement"), 1)->click();
    QLineEdit* box = areaBox();
    box->clear();
    for (const QString& key :
         {QStringLiteral("6"), QStringLiteral("x"), QStringLiteral("0"), QStringLiteral("-"),
          QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")}) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, key);
        QCoreApplication::sendEvent(box, &press);
    }
    EXPECT_EQ(box->text(), QStringLiteral("6001"));
}

TEST(FoundationPage, StoredTypeSelectsItsOptionAndOthersSelectNothing)
{
    struct Case {
        int stored;
        int selected; // -1: none
    };
    for (const Case c : {Case{2, 0}, Case{1, 1}, Case{3, -1}, Case{4, -1}, Case{7, -1}}) {
        SCOPED_TRACE(c.stored);
        g_HomeData->setFoundationType(c.stored);
        showPage(21);
        EXPECT_TRUE(control(QStringLiteral("fraFoundation"))->isVisible());
        for (int i = 0; i < 2; ++i)
            EXPECT_EQ(option(QStringLiteral("optFoundation"), i)->isChecked(), i == c.selected) << i;
        if (c.selected >= 0) {
            EXPECT_EQ(focused(), option(QStringLiteral("optFoundation"), c.selected));
        }
        click(QStringLiteral("cmdContinue"));
        EXPECT_EQ(g_HomeData->FoundationType(), c.stored);
    }
}

TEST(FoundationPage, CrawlSpaceClearsTheBasementThroughTheRecord)
{
    g_HomeData->setMainFloorSqFt(1500);
    g_HomeData->setFoundationType(3);
    g_HomeData->setBasementSqFt(1500);
    g_HomeData->setFinishBasement(true);
    showPage(21);
    option(QStringLiteral("optFoundation"), 1)->click();
    EXPECT_EQ(g_HomeData->FoundationType(), 1);
    EXPECT_EQ(g_HomeData->BasementSqFt(), 0);
    EXPECT_FALSE(g_HomeData->FinishBasement());
    option(QStringLiteral("optFoundation"), 0)->click();
    EXPECT_EQ(g_HomeData->FoundationType(), 2);
}

// Both ceiling pages: a stored height selects and focuses its option; a click stores at once.
TEST(CeilingHeightPages, StoredHeightIsSelectedAndAClickStoresAtOnce)
{
    struct Page {
        int formId;
        void (clsHomeData::*set)(vb::Integer);
        vb::Integer (clsHomeData::*get)() const;
    };
    const Page pages[] = {{24, &clsHomeData::setBasementCeilingHeight, &clsHomeData::BasementCeilingHeight},
                          {23, &clsHomeData::setMainCeilingHeight, &clsHomeData::MainCeilingHeight}};
    const int heights[] = {8, 9, 10};
    for (const Page& page : pages) {
        SCOPED_TRACE(page.formId);
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(heights[i]);
            (g_HomeData.get()->*page.set)(heights[i]);
            showPage(page.formId);
            EXPECT_TRUE(option(QStringLiteral("optHeight"), i)->isChecked());
            EXPECT_EQ(focused(), option(QStringLiteral("optHeight"), i));
            const int other = (i + 1) % 3;
            option(QStringLiteral("optHeight"), other)->click();
            EXPECT_EQ((g_HomeData.get()->*page.get)(), heights[other]);
        }
        // A height the page does not offer: nothing selected, nothing stored, no error.
        (g_HomeData.get()->*page.set)(7);
        boxes().clear();
        showPage(page.formId);
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(option(QStringLiteral("optHeight"), i)->isVisible());
            EXPECT_FALSE(option(QStringLiteral("optHeight"), i)->isChecked());
        }
        click(QStringLiteral("cmdContinue"));
        EXPECT_TRUE(boxes().calls().empty()) << boxLog();
        EXPECT_EQ((g_HomeData.get()->*page.get)(), 7);
    }
}

} // namespace
