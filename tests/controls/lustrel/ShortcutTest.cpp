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
