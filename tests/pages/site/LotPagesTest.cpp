#include "tests/support/PageHarness.h"

#include "estimate/clsHomeData.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <functional>

using namespace pagetest;

namespace
{

QRadioButton* option(const char* name, int index)
{
    return control<QRadioButton>(QString::fromLatin1(name) + QString::number(index));
}

QLineEdit* entry()
{
    return control<QLineEdit>(QStringLiteral("txtData1"));
}

void type(QLineEdit* box, const QString& keys)
{
    box->setFocus();
    for (QChar key : keys) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(key));
        QCoreApplication::sendEvent(box, &press);
    }
}

TEST(LotConditionPage, StoredGradeIsSelectedAndFocusedAndAClickStoresAtOnce)
{
    g_HomeData->setLotCondition(1);
    showPage(29);
    EXPECT_FALSE(option("optGrade", 0)->isChecked());
    EXPECT_TRUE(option("optGrade", 1)->isChecked());
    EXPECT_EQ(currentPage()->window()->focusWidget(), option("optGrade", 1));
    EXPECT_EQ(option("optGrade", 2)->text(), QStringLiteral("Medium Trees - trees to 10\" diameter"));
    option("optGrade", 2)->click();
    EXPECT_EQ(g_HomeData->LotCondition(), 2);
    click(QStringLiteral("cmdContinue"));
    EXPECT_EQ(currentFormId(), 31);
    EXPECT_EQ(g_HomeData->LotCondition(), 2);
}

struct AcreCase {
    const char* text;
    const char* message; // nullptr: the move happens and the value is stored
    float stored;
};

TEST(LotSizePage, ValidationRefusesAnythingButANumberUpToFiveAcres)
{
    const char* format = "Invalid Number Format";
    const char* tooLarge = "Portion of lot being landscaped cannot be greater than 5 acres.";
    const AcreCase cases[] = {
        {"5", nullptr, 5.0f},  {"0.25", nullptr, 0.25f}, {".5", nullptr, 0.5f}, {"5.", nullptr, 5.0f},
        {"5.01", tooLarge, 0}, {"12", tooLarge, 0},      {"1.2.5", format, 0},  {"", format, 0},
        {".", format, 0},      {"......", format, 0},
    };
    for (const AcreCase& c : cases) {
        SCOPED_TRACE(c.text);
        g_HomeData->setLotSize(1.5f);
        showPage(31);
        entry()->setText(QString::fromLatin1(c.text));
        boxes().clear();
        click(QStringLiteral("cmdContinue"));
        if (!c.message) {
            EXPECT_TRUE(boxes().calls().empty()) << boxLog();
            EXPECT_EQ(currentFormId(), 32);
            EXPECT_FLOAT_EQ(g_HomeData->LotSize(), c.stored);
            continue;
        }
        ASSERT_EQ(boxes().calls().size(), 1u) << boxLog();
        EXPECT_EQ(boxes().calls()[0].prompt, QString::fromLatin1(c.message));
        EXPECT_EQ(boxes().calls()[0].buttons, 16);
        EXPECT_EQ(boxes().calls()[0].title, QStringLiteral("Validation Error"));
        EXPECT_EQ(currentFormId(), 31);
        EXPECT_EQ(entry()->selectionStart(), c.text[0] ? 0 : -1);
        EXPECT_EQ(entry()->selectedText(), entry()->text());
        EXPECT_EQ(currentPage()->window()->focusWidget(), entry());
        EXPECT_FLOAT_EQ(g_HomeData->LotSize(), 1.5f);
    }
}

TEST(LotSizePage, BackIsRefusedToo)
{
    showPage(29);
    showPage(31);
    entry()->setText(QStringLiteral("6"));
    boxes().clear();
    click(QStringLiteral("cmdBack"));
    EXPECT_EQ(boxes().calls().size(), 1u) << boxLog();
    EXPECT_EQ(currentFormId(), 31);
}

TEST(LotSizePage, ShowsTheStoredAcresAsShortestText)
{
    g_HomeData->setLotSize(0.25f);
    showPage(31);
    EXPECT_EQ(entry()->text(), QStringLiteral("0.25"));
    EXPECT_TRUE(control(QStringLiteral("lbData1"))->isVisible());
    EXPECT_EQ(currentPage()->window()->focusWidget(), entry());
}

TEST(TextEntries, LengthAndKeyFilterOfEachPage)
{
    struct Case {
        int formId;
        int maxLength;
        const char* keys;
        const char* text;
    };
    const Case cases[] = {
        {31, 6, "1a.2-3.45", "1.23.4"},
        {32, 4, "1a.2-345", "1234"},
        {33, 4, "9x.8-765", "9876"},
    };
    g_HomeData->setSidewalksRequired(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formId);
        showPage(c.formId);
        QLineEdit* box = entry();
        ASSERT_TRUE(box->isVisible());
        EXPECT_EQ(MaxEntryLength(box), c.maxLength);
        box->clear();
        type(box, QString::fromLatin1(c.keys));
        EXPECT_EQ(box->text(), QString::fromLatin1(c.text));
    }
}

TEST(StreetDistancePage, StoresTheDistanceOnAMove)
{
    g_HomeData->setDistanceToStreet(40);
    showPage(32);
    EXPECT_EQ(entry()->text(), QStringLiteral("40"));
    EXPECT_EQ(currentPage()->window()->focusWidget(), entry());
    entry()->setText(QStringLiteral("125"));
    EXPECT_EQ(g_HomeData->DistanceToStreet(), 40);
    click(QStringLiteral("cmdContinue"));
    EXPECT_EQ(currentFormId(), 33);
    EXPECT_EQ(g_HomeData->DistanceToStreet(), 125);
}

// An empty box cannot be converted: the error is reported under the page's name, the stored
// value stays and the move goes on.
TEST(TextEntries, EmptyDistanceOrWidthIsReportedAndKeepsTheStoredValue)
{
    struct Case {
        int formId;
        const char* procedure;
        int next;
    };
    const Case cases[] = {{32, "<frm01StreetDistance.CalcForm>", 33},
                          {33, "<frm01SidewalksReq.CalcForm>", 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formId);
        g_HomeData->setDistanceToStreet(55);
        g_HomeData->setSidewalksRequired(true);
        g_HomeData->setLotWidth(70);
        showPage(c.formId);
        entry()->clear();
        boxes().clear();
        click(QStringLiteral("cmdContinue"));
        ASSERT_EQ(boxes().calls().size(), 1u) << boxLog();
        EXPECT_TRUE(boxes().calls()[0].prompt.contains(QString::fromLatin1(c.procedure))) << boxLog();
        EXPECT_EQ(currentFormId(), c.next);
        EXPECT_EQ(g_HomeData->DistanceToStreet(), 55);
        EXPECT_EQ(g_HomeData->LotWidth(), 70);
        EXPECT_TRUE(g_HomeData->SidewalksRequired());
    }
}

TEST(SidewalksPage, NoHidesWidthAndCornerAndStoresFalseYesRestoresThem)
{
    g_HomeData->setSidewalksRequired(true);
    g_HomeData->setLotWidth(60);
    g_HomeData->setCornerLot(false);
    showPage(33);
    auto* width = control<QFrame>(QStringLiteral("fraWidth"));
    auto* corner = control<QFrame>(QStringLiteral("fraCorner"));
    EXPECT_TRUE(option("optSidewalk", 0)->isChecked());
    EXPECT_EQ(currentPage()->window()->focusWidget(), option("optSidewalk", 0));
    EXPECT_TRUE(width->isVisible());
    EXPECT_TRUE(corner->isVisible());
    EXPECT_TRUE(option("optCorner", 1)->isChecked());

    entry()->setText(QStringLiteral("85"));
    option("optCorner", 0)->click();
    EXPECT_TRUE(g_HomeData->CornerLot());
    EXPECT_EQ(g_HomeData->LotWidth(), 85);

    option("optSidewalk", 1)->click();
    EXPECT_FALSE(g_HomeData->SidewalksRequired());
    EXPECT_FALSE(g_HomeData->CornerLot());
    EXPECT_FALSE(width->isVisible());
    EXPECT_FALSE(corner->isVisible());

    option("optSidewalk", 0)->click();
    EXPECT_TRUE(width->isVisible());
    EXPECT_TRUE(corner->isVisible());
    EXPECT_EQ(entry()->text(), QStringLiteral("85"));
    EXPECT_TRUE(option("optCorner", 0)->isChecked());
    EXPECT_TRUE(g_HomeData->SidewalksRequired());
    EXPECT_TRUE(g_HomeData->CornerLot());

    option("optSidewalk", 1)->click();
    click(QStringLiteral("cmdContinue"));
    EXPECT_FALSE(g_HomeData->SidewalksRequired());
    EXPECT_FALSE(g_HomeData->CornerLot());
    EXPECT_EQ(g_HomeData->LotWidth(), 85);
}

TEST(SidewalksPage, ShowingThePageKeepsTheStoredAnswers)
{
    struct Case {
        bool required, corner;
    };
    for (const Case c : {Case{true, true}, Case{true, false}, Case{false, false}, Case{false, true}}) {
        SCOPED_TRACE(c.required * 10 + c.corner);
        g_HomeData->setSidewalksRequired(c.required);
        g_HomeData->setLotWidth(120);
        g_HomeData->setCornerLot(c.corner);
        boxes().clear();
        showPage(33);
        EXPECT_TRUE(boxes().calls().empty()) << boxLog();
        EXPECT_TRUE(option("optSidewalk", c.required ? 0 : 1)->isChecked());
        EXPECT_EQ(control(QStringLiteral("fraWidth"))->isVisible(), c.required);
        EXPECT_EQ(control(QStringLiteral("fraCorner"))->isVisible(), c.required);
        EXPECT_EQ(entry()->text(), QStringLiteral("120"));
        EXPECT_EQ(g_HomeData->SidewalksRequired(), c.required);
        EXPECT_EQ(g_HomeData->LotWidth(), 120);
        // No stores a plain lot.
        EXPECT_EQ(g_HomeData->CornerLot(), c.required && c.corner);
    }
}

// Values a house file may hold that do not fit their box show whole, and Continue without an
// edit keeps them exactly as stored (a single-precision value included, whose text has seven
// digits only).
TEST(TextEntries, StoredValueShowsWholeAndContinueKeepsIt)
{
    struct Case {
        int formId;
        const char* shown;
        std::function<void()> store;
        std::function<bool()> unchanged;
    };
    const Case cases[] = {
        {46, "1.234568E+07", [] { g_HomeData->setLotPrice(12345678); },
         [] { return g_HomeData->LotPrice() == 12345678.0f; }},
        {32, "32767", [] { g_HomeData->setDistanceToStreet(32767); },
         [] { return g_HomeData->DistanceToStreet() == 32767; }},
        {31, "0.3333333", [] { g_HomeData->setLotSize(0.33333334f); },
         [] { return g_HomeData->LotSize() == 0.33333334f; }},
        {33, "32767",
         [] {
             g_HomeData->setSidewalksRequired(true);
             g_HomeData->setLotWidth(32767);
         },
         [] { return g_HomeData->LotWidth() == 32767; }},
        {31, "1E-05", [] { g_HomeData->setLotSize(0.00001f); },
         [] { return g_HomeData->LotSize() == 0.00001f; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        c.store();
        boxes().clear();
        showPage(c.formId);
        EXPECT_EQ(entry()->text(), QString::fromLatin1(c.shown));
        EXPECT_TRUE(c.unchanged()) << "showing the page changed the value";
        click(QStringLiteral("cmdContinue"));
        EXPECT_NE(currentFormId(), c.formId);
        EXPECT_TRUE(c.unchanged()) << "Continue changed the value";
        g_HomeData->setLotPrice(0);
        g_HomeData->setLotSize(0.5f);
        g_HomeData->setDistanceToStreet(40);
        g_HomeData->setLotWidth(100);
        g_HomeData->setSidewalksRequired(false);
    }
}

// A box that shows text its filter would refuse ("1E-05", "-5") still filters what is pasted,
// by the keyboard, by the box's own menu or by a drop; the maximum length limits typing.
TEST(TextEntries, PasteAndDropAreFilteredWhateverTheBoxShows)
{
    struct Case {
        int formId;
        std::function<void()> store;
        const char* shown;
        const char* refused;
        const char* taken;
    };
    const Case cases[] = {
        {31, [] { g_HomeData->setLotSize(0.00001f); }, "1E-05", "-0.5", "0.25"},
        {32, [] { g_HomeData->setDistanceToStreet(-5); }, "-5", "7e", "75"},
    };
    QClipboard* clipboard = QApplication::clipboard();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        c.store();
        showPage(c.formId);
        QLineEdit* box = entry();
        ASSERT_EQ(box->text(), QString::fromLatin1(c.shown));
        const auto pasteKeys = [&](const char* text) {
            clipboard->setText(QString::fromLatin1(text));
            box->selectAll();
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        };
        pasteKeys(c.refused);
        EXPECT_EQ(box->text(), QString::fromLatin1(c.shown)) << "Ctrl+V";

        // The box's own menu: Paste is offered only for text the box takes.
        const auto menuPaste = [&](const char* text) -> QAction* {
            clipboard->setText(QString::fromLatin1(text));
            box->selectAll();
            QContextMenuEvent event(QContextMenuEvent::Mouse, box->rect().center(),
                                    box->mapToGlobal(box->rect().center()));
            QCoreApplication::sendEvent(box, &event);
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* menu = qobject_cast<QMenu*>(w); menu && menu->isVisible())
                    for (QAction* action : menu->actions())
                        if (action->objectName() == QLatin1String("edit-paste")) return action;
            return nullptr;
        };
        QAction* paste = menuPaste(c.refused);
        ASSERT_NE(paste, nullptr);
        EXPECT_FALSE(paste->isEnabled());
        paste->trigger();
        EXPECT_EQ(box->text(), QString::fromLatin1(c.shown)) << "menu";
        qobject_cast<QMenu*>(paste->parent())->close();

        // A drop of text from elsewhere.
        QMimeData dropped;
        dropped.setText(QString::fromLatin1(c.refused));
        QDragEnterEvent enter(box->rect().center(), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &enter);
        EXPECT_FALSE(enter.isAccepted()) << "drag enter";
        QDropEvent drop(box->rect().center(), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &drop);
        EXPECT_EQ(box->text(), QString::fromLatin1(c.shown)) << "drop";

        paste = menuPaste(c.taken);
        ASSERT_NE(paste, nullptr);
        EXPECT_TRUE(paste->isEnabled());
        paste->trigger();
        EXPECT_EQ(box->text(), QString::fromLatin1(c.taken)) << "menu";
        qobject_cast<QMenu*>(paste->parent())->close();
        pasteKeys(c.refused);
        EXPECT_EQ(box->text(), QString::fromLatin1(c.taken)) << "Ctrl+V after an edit";
        processEvents();
    }

    // Typing stops at the box's length: four digits for a distance.
    showPage(32);
    QLineEdit* box = entry();
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("123456"));
    EXPECT_EQ(box->text(), QStringLiteral("1234"));
    clipboard->setText(QStringLiteral("99"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QStringLiteral("1234")) << "a paste past the length";
    g_HomeData->setLotSize(0.5f);
    g_HomeData->setDistanceToStreet(40);
}

} // namespace
