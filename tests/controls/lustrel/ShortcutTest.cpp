#include "LustrelTestSupport.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace lustreltest;
using ombLustrel::Lustrel;

namespace
{

struct Window : testing::Test {
    QWidget form;
    QLineEdit* text = new QLineEdit(&form);
    Lustrel* continueButton = new Lustrel(&form);
    Lustrel* backButton = new Lustrel(&form);
    void SetUp() override
    {
        continueButton->InitProperties();
        continueButton->setCaption(QStringLiteral("&Continue"));
        continueButton->setDefault(true);
        backButton->InitProperties();
        backButton->setCaption(QStringLiteral("&Back"));
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        text->setFocus();
    }
};

} // namespace

TEST_F(Window, AccessKeyClicksAfterShowingThePress)
{
    QSignalSpy clicks(backButton, &Lustrel::Click);
    QTest::keyClick(text, Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 0); // the press shows first
    EXPECT_TRUE(clicks.wait(500));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(Window, EnterClicksTheDefaultButtonUnlessAFocusedButtonTakesIt)
{
    QSignalSpy defaultClicks(continueButton, &Lustrel::Click);
    QSignalSpy backClicks(backButton, &Lustrel::Click);
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_TRUE(defaultClicks.wait(500));

    backButton->setFocus();
    QTest::keyClick(backButton, Qt::Key_Return);
    QTest::qWait(100);
    EXPECT_EQ(backClicks.count(), 1);
    EXPECT_EQ(defaultClicks.count(), 1);
}

TEST_F(Window, TheDefaultFrameAndEnterFollowTheFocusAmongTheButtons)
{
    for (Lustrel* b : {continueButton, backButton})
        b->resize(60, 30);
    // The default frame is the outermost ring in the border colour.
    auto framed = [](const Lustrel* b) {
        const QRgb border = rgbOf(com::translateColor(b->BorderColor())) & 0xFFFFFFu;
        return (b->surface().pixel(0, 15) & 0xFFFFFFu) == border;
    };
    EXPECT_TRUE(continueButton->Default());
    EXPECT_FALSE(backButton->Default());

    backButton->setFocus();
    EXPECT_TRUE(backButton->Default());
    EXPECT_FALSE(continueButton->Default());
    EXPECT_TRUE(framed(backButton));
    EXPECT_FALSE(framed(continueButton));
    EXPECT_TRUE(continueButton->containerDefault());

    // Enter in the window goes to the focused button, also when it shows no focus.
    backButton->setShowFocus(false);
    QSignalSpy backClicks(backButton, &Lustrel::Click);
    QSignalSpy continueClicks(continueButton, &Lustrel::Click);
    QTest::keyClick(backButton, Qt::Key_Return);
    EXPECT_TRUE(backClicks.wait(500));
    EXPECT_EQ(continueClicks.count(), 0);

    // The focus leaves the buttons: the window's own default button is default again.
    text->setFocus();
    EXPECT_TRUE(continueButton->Default());
    EXPECT_FALSE(backButton->Default());
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_TRUE(continueClicks.wait(500));
    EXPECT_EQ(backClicks.count(), 1);
}

TEST_F(Window, ADisabledButtonIsNoLongerTheWindowsDefault)
{
    continueButton->setEnabledProperty(false);
    backButton->setFocus();
    text->setFocus();
    EXPECT_FALSE(continueButton->Default());
    EXPECT_FALSE(continueButton->containerDefault());
}
