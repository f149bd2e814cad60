#include "tests/scenario/walk/WalkFixture.h"

#include "controls/Lustrel.h"
#include "estimate/clsHomeData.h"
#include "shell/frmMain.h"
#include "tests/support/ModalBox.h"
#include "tests/support/TestFiles.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;
using namespace walk;

namespace
{

// A key as the user presses it in the main window: to the widget with the focus.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : g_frmMain.data();
    QTest::keyClick(target, key, modifiers);
    settle();
}

// Enter in the main window, and the page it leads to (the default button's Enter clicks after a
// short press).
void pressEnter(int formId)
{
    press(Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return g_CurrentFormID == formId; }, 2000))
        << "Enter led to page " << g_CurrentFormID.value() << ", not " << formId;
    settle();
}

QString focusName()
{
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : u"(nothing)"_s;
}

// A house file saved on a page: the template with that page last on its stack.
QString houseOnPage(const QString& path, const QList<int>& stack, const QByteArray& answers = {})
{
    QFile::remove(path);
    EXPECT_TRUE(QFile::copy(QFileInfo(path).path() + u"/Tmplt.cfg"_s, path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QByteArray sql = "DELETE FROM [Form Stack];";
    for (int id : stack)
        sql += "INSERT INTO [Form Stack] (Form_ID) VALUES (" + QByteArray::number(id) + ");";
    testsupport::execute(path, sql + answers);
    return path;
}

} // namespace

// Right after start-up, File > New and File > Open the page shown has the focus where a move by
// Continue puts it, so Enter goes on at once.
TEST_F(WalkTest, EnterGoesOnFromTheFirstPageAfterStartNewAndOpen)
{
    startProgram();
    on(1);
    EXPECT_EQ(focusName(), u"cmdContinue"_s);
    pressEnter(10);
    EXPECT_EQ(focusName(), u"cmdContinue"_s);
    pressEnter(28);
    // Where Continue leaves the focus on the page a file is saved on.
    next(11);
    const QString byContinue = focusName();
    EXPECT_NE(byContinue, u"(nothing)"_s);

    boxes->answer(forms::vbNo); // the estimate is not saved
    menu(u"mnuFileNew"_s);
    on(1);
    EXPECT_EQ(focusName(), u"cmdContinue"_s);
    pressEnter(10);
    stopProgram();

    const QString saved = houseOnPage(folder() + u"/style.tvm"_s, {1, 10, 28, 11});
    startProgram(saved);
    on(11);
    EXPECT_EQ(focusName(), byContinue);
    pressEnter(22);

    boxes->answer(forms::vbNo);
    dialogs->choose(saved);
    menu(u"mnuFileOpen"_s);
    on(11);
    EXPECT_EQ(focusName(), byContinue);
    pressEnter(22);
}

// Tab into an option group lands on the chosen option; the arrow keys move the choice inside
// the group (the record follows) and never into the next group.
TEST_F(WalkTest, TabLandsOnTheChosenOptionAndArrowsMoveTheChoiceInItsGroup)
{
    // A house with a basement and a bonus room, so that all three questions of "Finish Rooms"
    // show: the garage and the bonus room answered No, the basement Yes.
    const QString saved =
        houseOnPage(folder() + u"/finish.tvm"_s, {1, 10, 40},
                    "UPDATE [HouseData] SET FoundationType = 0, BonusRoom = -1, BonusRoomSqFt = 300, "
                    "FinishGarage = 0, FinishBasement = -1, FinishBonusRoom = 0;");
    startProgram(saved);
    on(40);
    ASSERT_TRUE(shown(u"fraBasement"_s));
    ASSERT_TRUE(shown(u"fraBonusRoom"_s));
    const auto option = [&](const char* name) { return control<QRadioButton>(QString::fromLatin1(name)); };

    // The page's activation puts the focus on the garage's answer.
    EXPECT_EQ(focusName(), u"optGarage1"_s);
    press(Qt::Key_Tab);
    EXPECT_EQ(focusName(), u"optBasement0"_s);
    press(Qt::Key_Tab);
    EXPECT_EQ(focusName(), u"optBonusRoom1"_s);
    press(Qt::Key_Tab);
    EXPECT_FALSE(focusName().startsWith(u"opt"_s)) << "one Tab stop a group";
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focusName(), u"optBonusRoom1"_s);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focusName(), u"optBasement0"_s);

    struct Step {
        Qt::Key key;
        const char* focus;
        bool finishBasement;
    };
    const Step steps[] = {
        {Qt::Key_Right, "optBasement1", false}, {Qt::Key_Right, "optBasement1", false},
        {Qt::Key_Down, "optBasement1", false},  {Qt::Key_Left, "optBasement0", true},
        {Qt::Key_Up, "optBasement0", true},     {Qt::Key_Right, "optBasement1", false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.focus);
        press(step.key);
        EXPECT_EQ(focusName(), QString::fromLatin1(step.focus));
        EXPECT_TRUE(option(step.focus)->isChecked());
        EXPECT_EQ(home().FinishBasement(), step.finishBasement);
    }
    EXPECT_TRUE(option("optGarage1")->isChecked());
    EXPECT_TRUE(option("optBonusRoom1")->isChecked());

    // Tab away and back: the stop has moved with the choice.
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focusName(), u"optGarage1"_s);
    press(Qt::Key_Tab);
    EXPECT_EQ(focusName(), u"optBasement1"_s);
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
}

// A group with nothing chosen: Tab and Shift+Tab land on its first option, the arrows move the
// focus, Space chooses and from then on the arrows move the choice.
TEST_F(WalkTest, TabLandsOnTheFirstOptionOfAGroupWithNothingChosen)
{
    const QString saved =
        houseOnPage(folder() + u"/quality.tvm"_s, {1, 10, 20}, "UPDATE [HouseData] SET DefaultGrade = 0;");
    startProgram(saved);
    on(20);
    const auto option = [&](int i) { return control<QRadioButton>(u"optGrade"_s + QString::number(i)); };
    for (int i = 0; i < 4; ++i)
        ASSERT_FALSE(option(i)->isChecked()) << i;

    control(u"cmdContinue"_s)->setFocus();
    press(Qt::Key_Tab);
    EXPECT_EQ(focusName(), u"optGrade0"_s);
    press(Qt::Key_Tab);
    EXPECT_FALSE(focusName().startsWith(u"opt"_s)) << "one Tab stop a group";
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focusName(), u"optGrade0"_s) << "Shift+Tab lands on the first option too";

    press(Qt::Key_Down);
    EXPECT_EQ(focusName(), u"optGrade1"_s);
    EXPECT_FALSE(option(1)->isChecked());
    // Leaving the group puts its stop back on the first option.
    press(Qt::Key_Tab);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focusName(), u"optGrade0"_s);

    press(Qt::Key_Down);
    press(Qt::Key_Space);
    EXPECT_TRUE(option(1)->isChecked());
    EXPECT_EQ(home().DefaultGrade(), 2);
    press(Qt::Key_Down);
    EXPECT_EQ(focusName(), u"optGrade2"_s);
    EXPECT_TRUE(option(2)->isChecked());
    EXPECT_EQ(home().DefaultGrade(), 3);
    press(Qt::Key_Tab);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focusName(), u"optGrade2"_s);
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
}

namespace
{

// A box that is modal while it is up, as the real one is: the click it takes never reaches the
// window behind it.
class ModalBoxes : public forms::MessageBoxService
{
public:
    ModalBoxes() : m_previous(forms::setMessageBoxService(this)) {}
    ~ModalBoxes() override { forms::setMessageBoxService(m_previous); }

    int show(const QString& prompt, int buttons, const QString& title) override
    {
        m_prompts << prompt;
        testsupport::showAndCloseModalBox(title);
        return forms::defaultAnswer(buttons);
    }

    QStringList m_prompts;

private:
    forms::MessageBoxService* m_previous;
};

} // namespace

// A rate that is no number, then a click on Back: the rate's error box takes the click, and Back
// is drawn up again once the box is closed; the next click goes back.
TEST_F(WalkTest, AButtonWhoseClickAnErrorBoxTookIsDrawnUpAgain)
{
    startProgram();
    next(10);
    next(28);
    next(11);
    jump(u"Payment Options"_s);
    on(4);
    g_frmMain->activateWindow();
    settle();
    QComboBox* rate = control<QComboBox>(u"cmbInterest"_s);
    QWidget* cmdBack = control(u"cmdBack"_s);
    ASSERT_TRUE(rate && cmdBack);
    const float stored = home().InterestRate();

    // How Back looks under the pointer with the focus and nothing pressed.
    const QPoint at = cmdBack->rect().center();
    cmdBack->setFocus();
    QTest::mouseMove(cmdBack, at);
    settle();
    const QImage hot = cmdBack->grab().toImage();

    rate->setFocus();
    rate->lineEdit()->selectAll();
    QTest::keyClicks(rate->lineEdit(), u"abc"_s);
    {
        ModalBoxes modal;
        QTest::mousePress(cmdBack, Qt::LeftButton, Qt::NoModifier, at);
        settle();
        ASSERT_EQ(modal.m_prompts.size(), 1) << modal.m_prompts.join(u'\n').toStdString();
        EXPECT_TRUE(modal.m_prompts.front().contains(u"<frm10Payments.CalcForm>"_s));
    }
    // The main window is active again, the focus on Back, the pointer still over it.
    g_frmMain->activateWindow();
    QTest::mouseMove(cmdBack, at + QPoint(1, 0));
    QTest::mouseMove(cmdBack, at);
    settle();
    on(4);
    EXPECT_EQ(QApplication::focusWidget(), cmdBack);
    const QImage after = cmdBack->grab().toImage();
    EXPECT_TRUE(after == hot) << "Back is drawn pressed";
    EXPECT_EQ(home().InterestRate(), stored);
    EXPECT_NE(rate->currentText(), u"abc"_s);
    back(11);
}
