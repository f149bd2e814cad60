#include "tests/scenario/walk/WalkFixture.h"

#include "estimate/clsHomeData.h"
#include "runtime/vb/Format.h"
#include "shell/frmMain.h"
#include "tests/support/TestFiles.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <cmath>

using namespace Qt::Literals::StringLiterals;
using namespace walk;

namespace
{

using testsupport::houseField;

QLineEdit* entry(const QString& name)
{
    return g_CurrentForm ? g_CurrentForm->findChild<QLineEdit*>(name) : nullptr;
}

// The user comes back to the main window from quick navigation.
void activateMainWindow()
{
    g_frmMain->activateWindow();
    settle();
}

// Ctrl+S as the user presses it in the main window, to the widget with the focus.
void pressCtrlS()
{
    activateMainWindow();
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : g_frmMain.data();
    QTest::keyClick(target, Qt::Key_S, Qt::ControlModifier);
    settle();
}

QString bandPayment()
{
    auto* label = g_frmMain->findChild<QLabel*>(u"lblEstimatedPayment"_s);
    return label ? label->text() : QString();
}

// The whole entry is selected and has the focus, as a refusal leaves it.
void expectSelectedAndFocused(const QString& name)
{
    QLineEdit* box = entry(name);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->selectedText(), box->text());
    EXPECT_EQ(QApplication::focusWidget(), box);
}

} // namespace

// A two storey house whose second floor is smaller than the main floor keeps it when the style
// page is shown again by Back, by quick navigation and on resuming the file; only a click on a
// different style presets the upper floors.
TEST_F(WalkTest, StylePageShownAgainKeepsTheFloorsUntilAnotherStyleIsChosen)
{
    startProgram();
    on(1);
    next(10);
    next(28);
    next(11);
    option(u"optStyle"_s, 2);
    next(22);
    next(47);
    next(37);
    type(u"txtData1"_s, u"1300"_s);
    type(u"txtData2"_s, u"1100"_s);
    next(12);
    const auto expectFloors = [](int second) {
        EXPECT_EQ(home().Style().value(), 3);
        EXPECT_EQ(home().MainFloorSqFt().value(), 1300);
        EXPECT_EQ(home().SecondFloorSqFt().value(), second);
    };
    expectFloors(1100);

    back(37);
    back(47);
    back(22);
    back(11);
    expectFloors(1100);
    EXPECT_FALSE(control<QLabel>(u"imgHouse"_s)->pixmap().isNull()) << "the stored style's picture";
    next(22);
    expectFloors(1100);

    jump(u"Style of House"_s);
    on(11);
    expectFloors(1100);
    next(22);
    jump(u"Style of House"_s);
    on(11);

    const QString saved = folder() + u"/two storey.tvm"_s;
    dialogs->choose(saved);
    pressCtrlS();
    EXPECT_EQ(houseField(saved, u"SecondFloorSqFt"_s).toInt(), 1100);
    stopProgram();

    startProgram(saved);
    on(11);
    expectFloors(1100);
    // The style already chosen, clicked again, changes nothing.
    option(u"optStyle"_s, 2);
    expectFloors(1100);
    // Another style presets the upper floors from the main floor; back to two storey again.
    option(u"optStyle"_s, 1);
    EXPECT_EQ(home().Style().value(), 2);
    EXPECT_EQ(home().SecondFloorSqFt().value(), 650);
    option(u"optStyle"_s, 2);
    expectFloors(1300);
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
}

// Typed entries reach the file by every save: Ctrl+S, Save As, and Yes before New and Exit. An
// entry the page refuses stops the command with the page's message and saves nothing.
TEST_F(WalkTest, EverySaveTakesTheTypedEntryOrStopsOnARefusedOne)
{
    startProgram();
    on(1);
    next(10);
    next(28);
    next(11);
    next(22);
    next(47);
    next(37);
    type(u"txtData1"_s, u"1300"_s);
    next(12);
    const QString saved = folder() + u"/typed.tvm"_s;
    dialogs->choose(saved);
    pressCtrlS();
    ASSERT_EQ(g_HouseFilePath, saved);
    back(37);

    // Ctrl+S in place, then Yes to the question before Exit.
    type(u"txtData1"_s, u"1400"_s);
    pressCtrlS();
    EXPECT_EQ(houseField(saved, u"MainFloorSqFt"_s).toInt(), 1400);
    on(37);
    type(u"txtData1"_s, u"1450"_s);
    boxes->answer(forms::vbYes);
    menu(u"mnuFileExit"_s);
    EXPECT_FALSE(g_frmMain && g_frmMain->isVisible()) << "the program did not end";
    EXPECT_EQ(houseField(saved, u"MainFloorSqFt"_s).toInt(), 1450);
    stopProgram();

    startProgram(saved);
    on(37);
    EXPECT_EQ(entry(u"txtData1"_s)->text(), u"1450"_s);

    // A refused entry: the message, the entry selected, nothing saved, nothing closed.
    const QByteArray before = [&] {
        QFile f(saved);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    const QString refusal = u"Main Floor square footage must be greater than 500 square feet."_s;
    struct Command {
        const char* name;
        QString menuItem; // empty: Ctrl+S
        bool asks;        // the save question comes first, answered Yes
    };
    const Command commands[] = {
        {"Ctrl+S", QString(), false},
        {"Save As", u"mnuFileSaveAs"_s, false},
        {"Yes before New", u"mnuFileNew"_s, true},
        {"Yes before Open", u"mnuFileOpen"_s, true},
        {"Yes before Exit", u"mnuFileExit"_s, true},
    };
    const size_t dialogsBefore = dialogs->calls().size();
    for (const Command& command : commands) {
        SCOPED_TRACE(command.name);
        type(u"txtData1"_s, u"400"_s);
        boxes->clear();
        if (command.asks) boxes->answer(forms::vbYes);
        if (command.menuItem.isEmpty())
            pressCtrlS();
        else
            menu(command.menuItem);
        // Yes to the question, then the page's refusal.
        ASSERT_EQ(prompts().size(), command.asks ? 2 : 1) << prompts().join(u'\n').toStdString();
        EXPECT_EQ(prompts().back(), refusal);
        EXPECT_EQ(boxes->calls().back().title, u"Validation Error"_s);
        ASSERT_TRUE(g_frmMain && g_frmMain->isVisible());
        on(37);
        EXPECT_EQ(g_HouseFilePath, saved);
        expectSelectedAndFocused(u"txtData1"_s);
        EXPECT_EQ(home().MainFloorSqFt().value(), 1450);
        QFile f(saved);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), before) << "the file changed";
    }
    EXPECT_EQ(dialogs->calls().size(), dialogsBefore) << "a file dialog opened after a refused entry";

    // Save As and Yes before New with a valid entry.
    const QString copy = folder() + u"/typed copy.tvm"_s;
    type(u"txtData1"_s, u"1600"_s);
    dialogs->choose(copy);
    menu(u"mnuFileSaveAs"_s);
    EXPECT_EQ(g_HouseFilePath, copy);
    EXPECT_EQ(houseField(copy, u"MainFloorSqFt"_s).toInt(), 1600);
    on(37);
    type(u"txtData1"_s, u"1700"_s);
    boxes->clear();
    boxes->answer(forms::vbYes);
    menu(u"mnuFileNew"_s);
    EXPECT_EQ(houseField(copy, u"MainFloorSqFt"_s).toInt(), 1700);
    on(1);
    EXPECT_EQ(home().MainFloorSqFt().value(), 1800) << "the new estimate starts from the template";
}

// The interest-rate box takes what is typed, as typed, on Enter, on Tab and on Back; a text that
// is not a number, or a rate without a payment, keeps the stored rate and shows no "NaN".
TEST_F(WalkTest, TypedInterestRateIsTakenAsTypedOnEnterTabAndBack)
{
    startProgram();
    on(1);
    next(10);
    next(28);
    next(11);
    jump(u"Payment Options"_s);
    on(4);
    activateMainWindow();
    QComboBox* rate = control<QComboBox>(u"cmbInterest"_s);
    const auto typeRate = [&](const QString& text) {
        rate->lineEdit()->selectAll();
        QTest::keyClicks(rate->lineEdit(), text);
        EXPECT_EQ(rate->currentText(), text) << "the box changed the typed text";
    };
    const auto cell = [](const QString& name) {
        auto* label = g_CurrentForm->findChild<QLabel*>(name);
        return label ? label->text() : QString();
    };

    struct Typed {
        const char* text;
        float stored;
        const char* rateCell;
    };
    const Typed typed[] = {
        {"7.1", 7.1f, "7.1%"}, {"6.6", 6.6f, "6.6%"}, {"5.375", 5.375f, "5.38%"}, {"8.8", 8.8f, "8.8%"}};
    for (const Typed& t : typed) {
        SCOPED_TRACE(t.text);
        // Enter: the page stays and shows the rate's table.
        typeRate(QString::fromLatin1(t.text));
        QTest::keyClick(rate->lineEdit(), Qt::Key_Return);
        settle();
        on(4);
        EXPECT_EQ(home().InterestRate(), t.stored);
        EXPECT_EQ(cell(u"lbIntRate2"_s), QString::fromLatin1(t.rateCell));
        EXPECT_EQ(rate->currentText(), QString::fromLatin1(t.text));
    }

    // Tab leaves the box and takes the rate.
    typeRate(u"6.6"_s);
    QTest::keyClick(rate->lineEdit(), Qt::Key_Tab);
    settle();
    EXPECT_EQ(home().InterestRate(), 6.6f);
    EXPECT_EQ(cell(u"lbIntRate3"_s), u"6.6%"_s);

    // Texts that are no rate, negative rates among them: one error message each, the stored rate
    // stays and shows again.
    for (const char* text : {"6.x25", "99999", "1e30", "-2400", "-1200", "-5", "(5)", "-0.125"}) {
        SCOPED_TRACE(text);
        boxes->clear();
        rate->setFocus();
        typeRate(QString::fromLatin1(text));
        QTest::keyClick(rate->lineEdit(), Qt::Key_Return);
        settle();
        EXPECT_EQ(home().InterestRate(), 6.6f);
        EXPECT_EQ(rate->currentText(), u"6.6"_s);
        ASSERT_EQ(prompts().size(), 1) << prompts().join(u'\n').toStdString();
        EXPECT_TRUE(prompts().front().contains(u"<frm10Payments.CalcForm>"_s));
        for (const char* name :
             {"lbPandI1", "lbPandI2", "lbPandI3", "lbPayment1", "lbPayment3", "lbIntRate2"}) {
            EXPECT_FALSE(cell(QString::fromLatin1(name)).contains(u"NaN"_s, Qt::CaseInsensitive)) << name;
            EXPECT_FALSE(cell(QString::fromLatin1(name)).contains(u"inf"_s, Qt::CaseInsensitive)) << name;
        }
        EXPECT_FALSE(bandPayment().contains(u"NaN"_s, Qt::CaseInsensitive)) << bandPayment().toStdString();
    }

    // No interest is a rate: the loan is paid off in equal parts.
    for (const char* text : {"0", "-0"}) {
        SCOPED_TRACE(text);
        boxes->clear();
        typeRate(QString::fromLatin1(text));
        QTest::keyClick(rate->lineEdit(), Qt::Key_Return);
        settle();
        EXPECT_EQ(home().InterestRate(), 0.0f);
        EXPECT_FALSE(std::signbit(home().InterestRate()));
        EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
        EXPECT_EQ(cell(u"lbPandI3"_s), vb::Format(money(cell(u"lbLoanAmt3"_s)) / 360, u"$###,###.00"_s));
    }

    // Back takes a typed rate; the rate comes back whole on the next visit and stays as typed.
    boxes->clear();
    typeRate(u"5.375"_s);
    back(11);
    EXPECT_EQ(home().InterestRate(), 5.375f);
    jump(u"Payment Options"_s);
    on(4);
    EXPECT_EQ(control<QComboBox>(u"cmbInterest"_s)->currentText(), u"5.375"_s);
    EXPECT_EQ(home().InterestRate(), 5.375f);
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
}
