#include "tests/support/PageHarness.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"
#include "shell/basNavigation.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace pagetest;

namespace
{

QRadioButton* option(const QString& name, int index)
{
    return control<QRadioButton>(name + QString::number(index));
}

QLineEdit* box(int row)
{
    return control<QLineEdit>(QStringLiteral("txtData%1").arg(row));
}

struct StyleCase {
    int option;
    int mainFloor;
    int style, second, third;
};

TEST(HouseTypePage, StyleClickStoresStyleAndPresetsUpperFloors)
{
    const StyleCase cases[] = {
        {0, 1200, 1, 0, 0},    {1, 1501, 2, 750, 0},    {1, 1503, 2, 752, 0},
        {2, 1500, 3, 1500, 0}, {3, 1501, 4, 1501, 750}, {3, 1503, 4, 1503, 752},
    };
    for (const StyleCase& c : cases) {
        SCOPED_TRACE(c.option);
        SCOPED_TRACE(c.mainFloor);
        g_HomeData->setStyle(c.option == 0 ? 3 : 1);
        g_HomeData->setMainFloorSqFt(c.mainFloor);
        g_HomeData->setSecondFloorSqFt(999);
        g_HomeData->setThirdFloorSqFt(999);
        showPage(11);
        option(QStringLiteral("optStyle"), c.option)->click();
        EXPECT_EQ(g_HomeData->Style(), c.style);
        EXPECT_EQ(g_HomeData->SecondFloorSqFt(), c.second);
        EXPECT_EQ(g_HomeData->ThirdFloorSqFt(), c.third);
        EXPECT_FALSE(control<QLabel>(QStringLiteral("imgHouse"))->pixmap().isNull());
    }
}

TEST(HouseTypePage, ShownOrClickedAgainTheStoredStyleKeepsTheFloors)
{
    g_HomeData->setStyle(3);
    g_HomeData->setMainFloorSqFt(1300);
    g_HomeData->setSecondFloorSqFt(1100);
    showPage(11);
    EXPECT_TRUE(option(QStringLiteral("optStyle"), 2)->isChecked());
    EXPECT_FALSE(control<QLabel>(QStringLiteral("imgHouse"))->pixmap().isNull());
    EXPECT_EQ(g_HomeData->SecondFloorSqFt(), 1100);
    option(QStringLiteral("optStyle"), 2)->click();
    EXPECT_EQ(g_HomeData->SecondFloorSqFt(), 1100);
    click(QStringLiteral("cmdContinue"));
    EXPECT_EQ(g_HomeData->Style(), 3);
    EXPECT_EQ(g_HomeData->SecondFloorSqFt(), 1100);
}

TEST(HouseTypePage, UnknownStoredStyleSelectsNothing)
{
    g_HomeData->setStyle(0);
    g_HomeData->setSecondFloorSqFt(321);
    showPage(11);
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(option(QStringLiteral("optStyle"), i)->isChecked());
    click(QStringLiteral("cmdContinue"));
    EXPECT_EQ(g_HomeData->SecondFloorSqFt(), 321);
    EXPECT_EQ(g_HomeData->Style(), 0);
}

// One square-footage entry and what the page makes of it.
struct AreaCase {
    const char* what;
    int style, garage, porches;
    const char* main;
    const char* second;
    const char* third;
    bool bonus;
    const char* bonusArea;
    const char* message; // nullptr: the move happens
    int refusedRow;
};

TEST(SquareFootagePage, ValidationRefusesEntriesInOrderWithTheLimitInTheMessage)
{
    const char* mainMin = "Main Floor square footage must be greater than 500 square feet.";
    const char* bonusMin = "Bonus Room square footage must be greater than 250 square feet.";
    const AreaCase cases[] = {
        {"ranch at the minimum", 1, 0, 0, "500", "0", "0", false, "0", nullptr, 0},
        {"main below minimum", 1, 0, 0, "499", "0", "0", false, "0", mainMin, 1},
        {"empty main reads 0", 1, 0, 0, "", "0", "0", false, "0", mainMin, 1},
        {"two story at the limit", 3, 2, 0, "1500", "2000", "0", false, "0", nullptr, 0},
        {"two story over the limit", 3, 2, 0, "1500", "2001", "0", false, "0",
         "Second Floor square footage cannot be greater than Main Floor, Garage and Porches (2000 sqft).", 2},
        {"porches raise the limit", 3, 0, 150, "1500", "1800", "0", false, "0", nullptr, 0},
        {"story and a half at 80%", 2, 0, 0, "1500", "1200", "0", false, "0", nullptr, 0},
        {"story and a half over 80%", 2, 0, 0, "1500", "1201", "0", false, "0",
         "Second Floor square footage on a 1.5 story house cannot be greater than 80% of the Main Floor "
         "(1200 sqft).",
         2},
        {"80% with a fraction", 2, 0, 0, "1501", "1201", "0", false, "0",
         "Second Floor square footage on a 1.5 story house cannot be greater than 80% of the Main Floor "
         "(1200.8 sqft).",
         2},
        {"two and a half over 80% of second", 4, 0, 0, "1500", "1500", "1201", false, "0",
         "Third Floor square footage on a 2.5 story house cannot be greater than 80% of the Second Floor "
         "(1200 sqft).",
         3},
        {"bonus without garage, large", 1, 0, 0, "1500", "0", "0", true, "300",
         "Bonus Room square footage cannot be greater than 150% the square footage of the garage. (0 sqft).",
         4},
        {"bonus without garage, small", 1, 0, 0, "1500", "0", "0", true, "200", bonusMin, 4},
        {"empty bonus reads 0", 1, 2, 0, "1500", "0", "0", true, "", bonusMin, 4},
        {"bonus at 150% of garage", 1, 2, 0, "1500", "0", "0", true, "750", nullptr, 0},
        {"bonus over 150% of garage", 1, 2, 0, "1500", "0", "0", true, "751",
         "Bonus Room square footage cannot be greater than 150% the square footage of the garage. (750 "
         "sqft).",
         4},
        {"bonus No is not checked", 1, 0, 0, "1500", "0", "0", false, "9", nullptr, 0},
    };
    for (const AreaCase& c : cases) {
        SCOPED_TRACE(c.what);
        g_HomeData->setStyle(c.style);
        g_HomeData->setNumCarGarage(c.garage);
        g_HomeData->setFrontPorchSqFt(c.porches);
        g_HomeData->setRearPorchSqFt(c.porches);
        g_HomeData->setrmBonusRoom(false);
        showPage(37);
        box(1)->setText(QString::fromLatin1(c.main));
        box(2)->setText(QString::fromLatin1(c.second));
        box(3)->setText(QString::fromLatin1(c.third));
        option(QStringLiteral("optBonus"), c.bonus ? 0 : 1)->click();
        box(4)->setText(QString::fromLatin1(c.bonusArea));
        boxes().clear();
        click(QStringLiteral("cmdContinue"));
        if (!c.message) {
            EXPECT_TRUE(boxes().calls().empty()) << boxLog();
            EXPECT_EQ(currentFormId(), 12);
            continue;
        }
        ASSERT_EQ(boxes().calls().size(), 1u) << boxLog();
        EXPECT_EQ(boxes().calls()[0].prompt, QString::fromLatin1(c.message));
        EXPECT_EQ(boxes().calls()[0].buttons, 16);
        EXPECT_EQ(boxes().calls()[0].title, QStringLiteral("Validation Error"));
        EXPECT_EQ(currentFormId(), 37);
        QLineEdit* refused = box(c.refusedRow);
        EXPECT_EQ(refused->selectedText(), refused->text());
        EXPECT_EQ(currentPage()->window()->focusWidget(), refused);
    }
}

// The page's limits are the footprint and garage the estimate prices, whatever their sizes.
TEST(SquareFootagePage, LimitsAreTheFootprintAndGarageOfTheEstimate)
{
    g_HomeData->setStyle(3);
    g_HomeData->setNumCarGarage(3);
    g_HomeData->setFrontPorchSqFt(100);
    g_HomeData->setRearPorchSqFt(60);
    showPage(37);
    box(1)->setText(QStringLiteral("1400"));
    box(2)->setText(QStringLiteral("9999"));
    option(QStringLiteral("optBonus"), 0)->click();
    box(4)->setText(QStringLiteral("9999"));
    const auto refusal = [] {
        boxes().clear();
        click(QStringLiteral("cmdContinue"));
        return boxes().calls().size() == 1 ? boxes().calls()[0].prompt : QString();
    };
    const QString second = refusal();
    box(2)->setText(QStringLiteral("0"));
    const QString bonus = refusal();

    g_HomeData->setMainFloorSqFt(1400);
    const int footprint = g_HomeData->CalculateSquareFt(2);
    const int garage = footprint - 1400 - 100 - 60;
    EXPECT_GT(garage, 0);
    EXPECT_TRUE(second.endsWith(QStringLiteral("(%1 sqft).").arg(footprint))) << second.toStdString();
    EXPECT_TRUE(bonus.endsWith(QStringLiteral("(%1 sqft).").arg(garage * 3 / 2))) << bonus.toStdString();
    g_HomeData->InitializeData();
}

TEST(SquareFootagePage, RowsAndBonusFrameFollowTheNumberOfFloors)
{
    struct Layout {
        int style;
        bool second, third, total;
        int bonusTop, bonusRowTop; // twips
    };
    const Layout layouts[] = {{1, false, false, false, 2640, 3840},
                              {3, true, false, true, 3300, 4500},
                              {4, true, true, true, 3960, 5160}};
    for (const Layout& l : layouts) {
        SCOPED_TRACE(l.style);
        g_HomeData->setStyle(l.style);
        g_HomeData->setrmBonusRoom(true);
        showPage(37);
        EXPECT_TRUE(box(1)->isVisible());
        EXPECT_EQ(box(2)->isVisible(), l.second);
        EXPECT_EQ(box(3)->isVisible(), l.third);
        EXPECT_EQ(control(QStringLiteral("txtTotal"))->isVisible(), l.total);
        EXPECT_EQ(control(QStringLiteral("fraBonus"))->y(), qRound(l.bonusTop / 15.0));
        EXPECT_EQ(box(4)->y(), qRound(l.bonusRowTop / 15.0));
        EXPECT_TRUE(box(4)->isVisible());
        if (l.style == 3) {
            EXPECT_EQ(control(QStringLiteral("lbTotal"))->y(), control(QStringLiteral("lbData3"))->y());
        }
    }
}

TEST(SquareFootagePage, AReusedPageLaysItsRowsOutAgain)
{
    // The page stays loaded behind the welcome page and is shown again from there.
    struct Layout {
        int style;
        bool second, third, total;
        int totalTop, bonusTop, bonusRowTop; // twips
    };
    const Layout layouts[] = {{1, false, false, false, 3240, 2640, 3840},
                              {4, true, true, true, 3240, 3960, 5160},
                              {3, true, false, true, 2640, 3300, 4500},
                              {4, true, true, true, 3240, 3960, 5160},
                              {1, false, false, false, 3240, 2640, 3840}};
    g_HomeData->setrmBonusRoom(true);
    showPage(37);
    QWidget* page = currentPage();
    for (const Layout& l : layouts) {
        SCOPED_TRACE(l.style);
        LoadForm(currentPage(), vb::Integer(1));
        processEvents();
        g_HomeData->setStyle(l.style);
        LoadForm(currentPage(), vb::Integer(37));
        processEvents();
        ASSERT_EQ(currentPage(), page);
        EXPECT_EQ(box(2)->isVisible(), l.second);
        EXPECT_EQ(box(3)->isVisible(), l.third);
        EXPECT_EQ(control(QStringLiteral("lbData3"))->isVisible(), l.third);
        EXPECT_EQ(control(QStringLiteral("txtTotal"))->isVisible(), l.total);
        EXPECT_EQ(control(QStringLiteral("txtTotal"))->y(), qRound(l.totalTop / 15.0));
        EXPECT_EQ(box(3)->y(), qRound(2640 / 15.0));
        EXPECT_EQ(control(QStringLiteral("fraBonus"))->y(), qRound(l.bonusTop / 15.0));
        EXPECT_EQ(box(4)->y(), qRound(l.bonusRowTop / 15.0));
        // Nothing shown lies over another row.
        const QWidget* frame = control(QStringLiteral("fraBonus"));
        for (const char* name : {"txtData1", "txtData2", "txtData3", "txtTotal", "txtData4"}) {
            const QWidget* w = control(QString::fromLatin1(name));
            if (w->isVisible()) {
                EXPECT_FALSE(frame->geometry().intersects(w->geometry())) << name;
            }
        }
    }
}

TEST(SquareFootagePage, TotalSumsTheThreeFloors)
{
    g_HomeData->setStyle(4);
    showPage(37);
    box(1)->setText(QStringLiteral("1500"));
    box(2)->setText(QStringLiteral("1200"));
    box(3)->setText(QString());
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("txtTotal"))->text(), QStringLiteral("2,700"));
}

TEST(SquareFootagePage, MoveStoresAreasBasementAndBonusRoom)
{
    g_HomeData->setStyle(3);
    g_HomeData->setNumCarGarage(2);
    g_HomeData->setFoundationType(3);
    g_HomeData->setrmBonusRoom(true);
    g_HomeData->setBonusRoomSqFt(400);
    showPage(37);
    EXPECT_TRUE(option(QStringLiteral("optBonus"), 0)->isChecked());
    EXPECT_EQ(box(4)->text(), QStringLiteral("400"));
    box(1)->setText(QStringLiteral("1600"));
    box(2)->setText(QStringLiteral("1400"));
    box(4)->setText(QStringLiteral("500"));
    click(QStringLiteral("cmdContinue"));
    EXPECT_EQ(currentFormId(), 12);
    EXPECT_EQ(g_HomeData->MainFloorSqFt(), 1600);
    EXPECT_EQ(g_HomeData->SecondFloorSqFt(), 1400);
    EXPECT_EQ(g_HomeData->BasementSqFt(), 1600);
    EXPECT_TRUE(g_HomeData->rmBonusRoom());
    EXPECT_EQ(g_HomeData->BonusRoomSqFt(), 500);

    // No: the row hides, the record clears the area, the next visit shows 0.
    showPage(37);
    option(QStringLiteral("optBonus"), 1)->click();
    EXPECT_FALSE(box(4)->isVisible());
    click(QStringLiteral("cmdContinue"));
    EXPECT_FALSE(g_HomeData->rmBonusRoom());
    EXPECT_EQ(g_HomeData->BonusRoomSqFt(), 0);
    showPage(37);
    EXPECT_EQ(box(4)->text(), QStringLiteral("0"));
    g_HomeData->setFoundationType(2);
}

TEST(SquareFootagePage, BackIsRefusedUntilTheEntryIsFixed)
{
    g_HomeData->setStyle(1);
    g_HomeData->setrmBonusRoom(false);
    showPage(12);
    showPage(37);
    box(1)->setText(QStringLiteral("300"));
    boxes().clear();
    click(QStringLiteral("cmdBack"));
    EXPECT_EQ(boxes().calls().size(), 1u);
    EXPECT_EQ(currentFormId(), 37);
    box(1)->setText(QStringLiteral("900"));
    click(QStringLiteral("cmdBack"));
    EXPECT_EQ(currentFormId(), 12);
    EXPECT_EQ(g_HomeData->MainFloorSqFt(), 900);
}

TEST(SquareFootagePage, FocusSelectsTheWholeEntry)
{
    g_HomeData->setStyle(3);
    showPage(37);
    QLineEdit* second = box(2);
    second->setText(QStringLiteral("1500"));
    second->setCursorPosition(2);
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(second, &focusIn);
    processEvents();
    EXPECT_EQ(second->selectedText(), QStringLiteral("1500"));
}

TEST(SquareFootagePage, EntriesTakeDigitsOnlyUpToFourCharacters)
{
    showPage(37);
    QLineEdit* main = box(1);
    main->clear();
    main->setFocus();
    for (const QString& key :
         {QStringLiteral("1"), QStringLiteral("a"), QStringLiteral("2"), QStringLiteral("."),
          QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")}) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, key);
        QCoreApplication::sendEvent(main, &press);
    }
    EXPECT_EQ(main->text(), QStringLiteral("1234"));
}

} // namespace
