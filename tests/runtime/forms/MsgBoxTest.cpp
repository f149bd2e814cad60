#include "runtime/forms/MsgBox.h"
#include "runtime/forms/App.h"
#include "runtime/forms/Screen.h"

#include <QCursor>
#include <QGuiApplication>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

TEST(MsgBox, ScriptedAnswersComeInOrderAndEveryBoxIsLogged)
{
    forms::ScriptedMessageBoxes boxes;
    boxes.answer(forms::vbNo).answer(forms::vbCancel);

    EXPECT_EQ(forms::MsgBox(u"Save changes?"_s, forms::vbYesNoCancel + forms::vbExclamation, u"Save"_s),
              forms::vbNo);
    EXPECT_EQ(forms::MsgBox(u"Again?"_s, forms::vbYesNoCancel), forms::vbCancel);
    EXPECT_EQ(forms::MsgBox(u"Unscripted"_s, forms::vbYesNo + forms::vbCritical), forms::vbYes);

    ASSERT_EQ(boxes.calls().size(), 3u);
    EXPECT_EQ(boxes.calls()[0].prompt, u"Save changes?"_s);
    EXPECT_EQ(boxes.calls()[0].buttons, 51);
    EXPECT_EQ(boxes.calls()[0].title, u"Save"_s);
    // An empty title shows the program's title.
    EXPECT_EQ(boxes.calls()[1].title, forms::App::Title());
    EXPECT_TRUE(boxes.calls()[1].scripted);
    EXPECT_FALSE(boxes.calls()[2].scripted);
    EXPECT_EQ(boxes.pending(), 0);
}

TEST(MsgBox, UnscriptedBoxAnswersItsFirstButton)
{
    struct Case {
        int buttons;
        int answer;
    };
    const Case cases[] = {
        {forms::vbOKOnly, forms::vbOK},
        {forms::vbOKOnly + forms::vbInformation, forms::vbOK},
        {forms::vbYesNoCancel, forms::vbYes},
        {forms::vbYesNo + forms::vbExclamation, forms::vbYes},
    };
    forms::ScriptedMessageBoxes boxes;
    for (const Case& c : cases)
        EXPECT_EQ(forms::MsgBox(u"x"_s, c.buttons), c.answer) << c.buttons;
}

TEST(MsgBox, AnswersBelongToTheirButtonSet)
{
    EXPECT_TRUE(forms::isAnswerOf(forms::vbYesNoCancel + forms::vbCritical, forms::vbCancel));
    EXPECT_FALSE(forms::isAnswerOf(forms::vbYesNo, forms::vbCancel));
    EXPECT_FALSE(forms::isAnswerOf(forms::vbOKOnly, forms::vbYes));
}

TEST(MsgBox, FakeRestoresThePreviousServiceWhenItGoes)
{
    forms::ScriptedMessageBoxes outer;
    {
        forms::ScriptedMessageBoxes inner;
        EXPECT_EQ(forms::messageBoxService(), &inner);
    }
    EXPECT_EQ(forms::messageBoxService(), &outer);
}

TEST(Screen, HourglassSetsAndClearsTheOverrideCursor)
{
    forms::Screen::setMousePointer(forms::vbHourglass);
    EXPECT_EQ(forms::Screen::mousePointer(), forms::vbHourglass);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    // Setting it twice stacks nothing.
    forms::Screen::setMousePointer(forms::vbHourglass);
    forms::Screen::setMousePointer(forms::vbDefault);
    EXPECT_EQ(forms::Screen::mousePointer(), forms::vbDefault);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
