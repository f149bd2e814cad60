#include "tests/support/PageHarness.h"

#include "runtime/forms/App.h"

#include <gtest/gtest.h>

#include <QLabel>

using namespace pagetest;

namespace
{

TEST(WelcomePage, TitleShowsProgramAndTwoPartVersion)
{
    showPage(1);
    const QString expected = QStringLiteral("Welcome to %1 %2.%3")
                                 .arg(forms::App::Title())
                                 .arg(forms::App::Major())
                                 .arg(forms::App::Minor());
    EXPECT_EQ(control<QLabel>(QStringLiteral("lbPageTitle"))->text(), expected);
    EXPECT_FALSE(control<QLabel>(QStringLiteral("Image1"))->pixmap().isNull());
    EXPECT_EQ(currentPage()->findChild<QWidget*>(QStringLiteral("cmdBack")), nullptr);
    click(QStringLiteral("cmdContinue"));
    EXPECT_EQ(currentFormId(), 10);
}

TEST(DisclaimerPage, OpensWithFocusOnContinueSoEnterMovesOn)
{
    showPage(10);
    QWidget* cont = control(QStringLiteral("cmdContinue"));
    EXPECT_EQ(currentPage()->window()->focusWidget(), cont);
    EXPECT_FALSE(control(QStringLiteral("cmdNavigation"))->isVisible());
    pressEnter(cont);
    EXPECT_EQ(currentFormId(), 28);
}

} // namespace
