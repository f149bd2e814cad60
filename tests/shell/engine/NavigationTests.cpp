#include "tests/shell/engine/EngineFixture.h"

#include "runtime/ado/Recordset.h"
#include "runtime/forms/Forms.h"
#include "runtime/forms/Screen.h"
#include "shell/basGlobalVariables.h"
#include "shell/basNavigation.h"
#include "shell/frmMain.h"

#include <QPointer>
#include <QPushButton>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;
using namespace enginetest;

namespace
{

class Navigation : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        // Rows for Form_IDs the plan does not use: one without a window, one without a class.
        exec(folder() + u"/HomeControl.cfg"_s,
             u"INSERT INTO [Form Definition] VALUES (7, 1000, 12, 0, 1007, 'Seven', 2, 0, 0);"
             "INSERT INTO [Form Definition] VALUES (13, 1010, 14, 0, 1013, 'Thirteen', 2, 0, 0);"_s);
    }

    // Goes to a page the way a button with that Tag does.
    void go(int formId)
    {
        QWidget* b = button(g_CurrentForm, u"cmdContinue"_s);
        ASSERT_NE(b, nullptr);
        b->setProperty("Tag", QString::number(formId));
        click(u"cmdContinue"_s);
    }

    QString shown() const { return g_CurrentForm ? g_CurrentForm->objectName() : QString(); }
    QString tag(const char* name) const
    {
        return button(g_CurrentForm, QString::fromLatin1(name))->property("Tag").toString();
    }
    bool visible(const char* name) const
    {
        return !button(g_CurrentForm, QString::fromLatin1(name))->isHidden();
    }
};

TEST_F(Navigation, ContinueBackYesAndNoFollowThePagePlan)
{
    start();
    struct Step {
        const char* button;
        int formId;
        const char* window;
    };
    const Step steps[] = {
        {"cmdContinue", 10, "frm01Disclaimer"},     {"cmdContinue", 28, "frm01HouseLocation"},
        {"cmdContinue", 11, "frm01HouseType"},      {"cmdBack", 28, "frm01HouseLocation"},
        {"cmdContinue", 11, "frm01HouseType"},      {"cmdContinue", 22, "frm01Garage"},
        {"cmdContinue", 47, "frm01Porches"},        {"cmdContinue", 37, "frm01SquareFootage"},
        {"cmdContinue", 12, "frm01NumberBedrooms"}, {"cmdContinue", 14, "frm01NumberBathrooms"},
        {"cmdContinue", 15, "frm01OtherRooms"},     {"cmdContinue", 16, "frm01Basement"},
        {"cmdYes", 17, "frm01Basement02"},          {"cmdBack", 16, "frm01Basement"},
        {"cmdNo", 21, "frm01Foundation"},           {"cmdContinue", 23, "frm01MainFloorCeiling"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(std::string(s.button) + " to " + s.window);
        click(QString::fromLatin1(s.button));
        EXPECT_EQ(g_CurrentFormID, vb::Integer(s.formId));
        EXPECT_EQ(shown(), QString::fromLatin1(s.window));
        EXPECT_TRUE(g_CurrentForm->isVisible());
        EXPECT_EQ(g_CurrentForm->parentWidget() != nullptr, true);
        // The last stack row is always the page on show.
        EXPECT_EQ(rows(0).last(), s.formId);
        // Only the page on show is loaded (page 1 never was left behind here).
        QStringList pages = forms::Forms::loadedClasses();
        pages.removeAll(u"frm01Welcome"_s);
        pages.removeAll(u"frmMain"_s);
        EXPECT_EQ(pages, QStringList{QString::fromLatin1(s.window)});
    }
    EXPECT_EQ(rows(0), QList<int>({1, 10, 28, 11, 22, 47, 37, 12, 14, 15, 16, 21, 23}));
    EXPECT_EQ(forms::Screen::mousePointer(), forms::vbDefault);
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
}

TEST_F(Navigation, ButtonsComeFromTheRowOfThePage)
{
    struct Case {
        int yesForm;
        int noForm;
        bool continueShown, yesShown, noShown;
        const char* continueTag;
        const char* yesTag;
        const char* noTag;
    };
    const Case cases[] = {
        {12, 0, true, false, false, "12", "", ""},
        {12, 14, false, true, true, "", "12", "14"},
        {0, 0, false, false, false, "", "", ""},
    };
    start();
    go(10);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.yesForm << "/" << c.noForm);
        g_rsFormDefinition->MoveFirst();
        g_rsFormDefinition->Find(u"Form_ID=11"_s);
        g_rsFormDefinition->setField(u"Yes_Form"_s, c.yesForm);
        g_rsFormDefinition->setField(u"No_Form"_s, c.noForm);
        g_rsFormDefinition->Update();
        go(11);
        EXPECT_EQ(visible("cmdContinue"), c.continueShown);
        EXPECT_EQ(visible("cmdYes"), c.yesShown);
        EXPECT_EQ(visible("cmdNo"), c.noShown);
        if (c.continueShown) {
            EXPECT_EQ(tag("cmdContinue"), QString::fromLatin1(c.continueTag));
        }
        if (c.yesShown) {
            EXPECT_EQ(tag("cmdYes"), QString::fromLatin1(c.yesTag));
        }
        if (c.noShown) {
            EXPECT_EQ(tag("cmdNo"), QString::fromLatin1(c.noTag));
        }
        EXPECT_TRUE(visible("cmdBack"));
        EXPECT_EQ(tag("cmdBack"), u"-1"_s);
        EXPECT_TRUE(visible("cmdNavigation"));
        EXPECT_TRUE(visible("cmdHelp"));
        EXPECT_EQ(tag("cmdHelp"), u"1011"_s);
        EXPECT_EQ(g_CurrentForm->property("HelpContextID").toInt(), 1011);
        click(u"cmdBack"_s);
    }
    // Pages 10 and 28 leave Navigation as the page designed it.
    EXPECT_EQ(g_CurrentFormID, vb::Integer(10));
    EXPECT_FALSE(visible("cmdNavigation"));
    EXPECT_TRUE(visible("cmdHelp"));
    EXPECT_EQ(tag("cmdHelp"), u"1010"_s);
}

TEST_F(Navigation, TagOfTheCurrentPageOrZeroChangesNothing)
{
    start();
    go(10);
    QPointer<QWidget> page = g_CurrentForm;
    const int serial = serialOf(page);
    const QList<int> stack = rows(0);

    go(10);
    EXPECT_TRUE(prompts().isEmpty());
    EXPECT_EQ(forms::Screen::mousePointer(), forms::vbDefault);

    go(0);
    EXPECT_EQ(prompts(), QStringList{u"No Tag Value Defined for Button"_s});
    EXPECT_EQ(boxes->calls().back().buttons, forms::vbOKOnly);
    EXPECT_EQ(forms::Screen::mousePointer(), forms::vbDefault);

    ASSERT_TRUE(page);
    EXPECT_EQ(g_CurrentForm, page);
    EXPECT_EQ(serialOf(page), serial);
    EXPECT_EQ(g_CurrentFormID, vb::Integer(10));
    EXPECT_EQ(rows(0), stack);
}

TEST_F(Navigation, PageWithoutWindowBringsThePreviousPageBackAfresh)
{
    start();
    go(10);
    go(28);
    const int before = serialOf(g_CurrentForm);

    go(7);
    EXPECT_EQ(g_CurrentFormID, vb::Integer(7));
    EXPECT_EQ(rows(0), QList<int>({1, 10, 28, 7}));
    ASSERT_TRUE(g_CurrentForm);
    EXPECT_EQ(shown(), u"frm01HouseLocation"_s);
    EXPECT_NE(serialOf(g_CurrentForm), before);
    EXPECT_TRUE(g_CurrentForm->isVisible());
    EXPECT_EQ(tag("cmdContinue"), u"12"_s);
    EXPECT_EQ(tag("cmdHelp"), u"1007"_s);
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();

    // A row without a window class is refused with its message, then shown the same way.
    go(13);
    EXPECT_EQ(prompts(), QStringList{u"Form not defined in code"_s});
    EXPECT_EQ(boxes->calls().back().buttons, forms::vbCritical);
    EXPECT_EQ(g_CurrentFormID, vb::Integer(13));
    EXPECT_EQ(shown(), u"frm01HouseLocation"_s);
    EXPECT_EQ(tag("cmdContinue"), u"14"_s);

    click(u"cmdBack"_s);
    EXPECT_EQ(g_CurrentFormID, vb::Integer(7));
    click(u"cmdBack"_s);
    EXPECT_EQ(g_CurrentFormID, vb::Integer(28));
    EXPECT_EQ(rows(0), QList<int>({1, 10, 28}));
}

TEST_F(Navigation, FormIdWithoutARowIsReportedAndLeavesThePage)
{
    start();
    go(10);
    QPointer<QWidget> page = g_CurrentForm;
    go(60);
    ASSERT_EQ(boxes->calls().size(), 1u);
    EXPECT_TRUE(boxes->calls().front().prompt.contains(u"<basNavigation.LoadForm>"_s));
    EXPECT_TRUE(boxes->calls().front().prompt.contains(u"Line Info: Find Record for Load Form"_s));
    EXPECT_EQ(g_CurrentFormID, vb::Integer(10));
    EXPECT_EQ(g_CurrentForm, page);
    EXPECT_TRUE(page && page->isVisible());
    EXPECT_EQ(rows(0), QList<int>({1, 10}));
    EXPECT_EQ(forms::Screen::mousePointer(), forms::vbDefault);
}

TEST_F(Navigation, BackToAFormIdWithoutARowKeepsTheStack)
{
    start();
    go(10);
    go(28);
    g_rsFormStack->MoveFirst();
    g_rsFormStack->MoveNext();
    g_rsFormStack->setField(u"Form_ID"_s, 60);
    g_rsFormStack->Update();
    QPointer<QWidget> page = g_CurrentForm;

    click(u"cmdBack"_s);
    EXPECT_EQ(boxes->calls().size(), 1u);
    EXPECT_EQ(rows(0), QList<int>({1, 60, 28}));
    EXPECT_EQ(g_CurrentFormID, vb::Integer(28));
    EXPECT_TRUE(page && page->isVisible());
}

TEST_F(Navigation, BackToPageOneHidesButKeepsTheCallingPage)
{
    start();
    go(10);
    QPointer<QWidget> disclaimer = g_CurrentForm;
    click(u"cmdBack"_s);

    EXPECT_EQ(g_CurrentFormID, vb::Integer(1));
    EXPECT_EQ(shown(), u"frm01Welcome"_s);
    ASSERT_TRUE(disclaimer);
    EXPECT_TRUE(forms::Forms::isLoaded(u"frm01Disclaimer"_s));
    EXPECT_FALSE(disclaimer->isVisible());
    EXPECT_EQ(rows(0), QList<int>({1}));

    // Any other back move unloads the calling page: its next visit is a fresh window.
    go(10);
    go(28);
    QPointer<QWidget> location = g_CurrentForm;
    click(u"cmdBack"_s);
    EXPECT_TRUE(location.isNull());
    EXPECT_FALSE(forms::Forms::isLoaded(u"frm01HouseLocation"_s));
}

TEST_F(Navigation, PageUnloadedFromItsOwnClickIsDeletedLater)
{
    start();
    go(10);
    QPointer<QWidget> page = g_CurrentForm;
    QWidget* b = button(page, u"cmdContinue"_s);
    bool aliveAfterMove = false;
    QObject::connect(qobject_cast<QPushButton*>(b), &QPushButton::clicked,
                     [&] { aliveAfterMove = !page.isNull(); });
    qobject_cast<QPushButton*>(b)->click();
    EXPECT_TRUE(aliveAfterMove);
    EXPECT_FALSE(page->isVisible());
    processDeferred();
    EXPECT_TRUE(page.isNull());
    EXPECT_EQ(g_CurrentFormID, vb::Integer(28));
}

TEST_F(Navigation, EachPageIsVisitedOnce)
{
    start();
    for (int id : {10, 28, 11})
        go(id);
    click(u"cmdBack"_s);
    click(u"cmdBack"_s);
    go(28);
    go(11);
    go(22);
    EXPECT_EQ(rows(1), QList<int>({1, 10, 28, 11, 22}));
    EXPECT_EQ(rows(0), QList<int>({1, 10, 28, 11, 22}));
}

TEST_F(Navigation, BackWithAShortStackIsReportedAndKeepsTheStack)
{
    start();
    ASSERT_EQ(rows(0), QList<int>({1}));
    g_CurrentFormID = 10; // as if another page were shown over a one-row stack
    QWidget* b = button(g_CurrentForm, u"cmdContinue"_s);
    b->setProperty("Tag", u"-1"_s);
    click(u"cmdContinue"_s);

    ASSERT_EQ(boxes->calls().size(), 2u);
    EXPECT_TRUE(boxes->calls()[0].prompt.contains(u"<basNavigation.LoadForm>"_s));
    EXPECT_TRUE(boxes->calls()[0].prompt.contains(u"Line Info: PopForm"_s));
    EXPECT_EQ(boxes->calls()[1].prompt, u"No Tag Value Defined for Button"_s);
    EXPECT_EQ(rows(0), QList<int>({1}));
    EXPECT_EQ(forms::Screen::mousePointer(), forms::vbDefault);
}

TEST_F(Navigation, ErrorAfterTheHourglassIsReportedAndTheMoveGoesOn)
{
    // A page that lacks its Navigation button: the error is reported, the rest still runs.
    forms::Forms::registerClass(u"frm01HouseType"_s, [] {
        auto* page = new QWidget();
        page->setObjectName(u"frm01HouseType"_s);
        for (const char* name : {"cmdBack", "cmdContinue", "cmdYes", "cmdNo", "cmdHelp"}) {
            auto* b = new QPushButton(page);
            b->setObjectName(QString::fromLatin1(name));
            b->hide();
        }
        return page;
    });
    start();
    go(10);
    go(28);
    go(11);
    ASSERT_FALSE(boxes->calls().empty());
    const QString last = boxes->calls().back().prompt;
    EXPECT_TRUE(last.contains(u"<basNavigation.LoadForm>"_s));
    EXPECT_TRUE(last.contains(u"Line Info: Set Form Button Properties"_s));
    EXPECT_TRUE(last.contains(u"730 - Control 'cmdNavigation' not found"_s)) << last.toStdString();
    EXPECT_EQ(g_CurrentFormID, vb::Integer(11));
    EXPECT_TRUE(visible("cmdContinue"));
    EXPECT_EQ(tag("cmdContinue"), u"22"_s);
    EXPECT_TRUE(g_CurrentForm->isVisible());
    EXPECT_EQ(forms::Screen::mousePointer(), forms::vbDefault);
}

} // namespace
