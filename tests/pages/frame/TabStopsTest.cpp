#include "tests/support/PageHarness.h"

#include "controls/EntryPoints.h"
#include "runtime/com/ComponentRegistry.h"
#include "shell/PageWindows.h"
#include "shell/basGlobalVariables.h"
#include "shell/frmMain.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>

#include <algorithm>

using namespace pagetest;

namespace
{

constexpr const char* NavigationButtons[] = {"cmdBack", "cmdNavigation", "cmdHelp",
                                             "cmdYes",  "cmdNo",         "cmdContinue"};

// Every page with the real buttons, in the active main window, walked with Tab as the user does.
class TabStops : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ASSERT_EQ(DllRegisterServer(&com::ComponentRegistry::instance()), 0); }
    static void TearDownTestSuite() { registerStandInButton(); }

    void SetUp() override
    {
        ASSERT_TRUE(g_frmMain);
        g_frmMain->show();
        QApplication::setActiveWindow(g_frmMain.data());
        ASSERT_TRUE(QTest::qWaitForWindowActive(g_frmMain.data()));
    }

    static QWidget* focus() { return QApplication::focusWidget(); }

    static void tab()
    {
        QWidget* target = focus() ? focus() : g_frmMain.data();
        QTest::keyClick(target, Qt::Key_Tab);
        processEvents();
    }

    static QString nameOf(const QWidget* w)
    {
        if (!w) return QStringLiteral("(nothing)");
        return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                         : w->objectName();
    }
};

// Tab goes round the controls of the page and nothing else: each stop is a named control of
// the page, on show and enabled, that marks its focus, and every button of the row is one.
TEST_F(TabStops, EveryStopOnEveryPageIsAControlThatShowsItsFocus)
{
    const QList<PageWindow> windows = pageWindows();
    ASSERT_GT(windows.size(), 30);
    for (const PageWindow& window : windows) {
        SCOPED_TRACE(testing::Message() << "page " << window.formId << " "
                                        << QString::fromUtf16(window.className).toStdString());
        QWidget* page = showPage(window.formId);
        ASSERT_TRUE(page);
        boxes().clear();
        QWidget* first = focus();
        ASSERT_TRUE(first && page->isAncestorOf(first))
            << "the page opens with the focus on " << nameOf(first).toStdString();

        QList<QWidget*> stops;
        QList<QImage> focused;
        QList<QImage> left;
        QWidget* stop = first;
        do {
            stops.append(stop);
            focused.append(stop->grab().toImage());
            tab();
            left.append(stop->grab().toImage());
            stop = focus();
            ASSERT_TRUE(stop) << "Tab after " << nameOf(stops.last()).toStdString() << " lands on nothing";
        } while (stop != first && stops.size() < 60);
        ASSERT_EQ(stop, first) << "Tab does not come round again";
        if (stops.size() == 1) {
            // The page's one stop: without the focus it looks as it does between Tabs elsewhere.
            first->clearFocus();
            processEvents();
            left.last() = first->grab().toImage();
            first->setFocus(Qt::TabFocusReason);
        }

        for (qsizetype i = 0; i < stops.size(); ++i) {
            QWidget* w = stops[i];
            SCOPED_TRACE(nameOf(w).toStdString());
            EXPECT_TRUE(page->isAncestorOf(w)) << "a stop outside the page";
            EXPECT_FALSE(w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
                << "a stop that is no control of the page";
            EXPECT_TRUE(w->isVisible() && w->isEnabled());
            if (w->property("ShowFocus").isValid()) {
                EXPECT_TRUE(w->property("ShowFocus").toBool());
            }
            EXPECT_NE(focused[i], left[i]) << "no focus mark";
        }
        for (const char* name : NavigationButtons) {
            QWidget* button = page->findChild<QWidget*>(QString::fromLatin1(name));
            if (!button || !button->isVisible() || !button->isEnabled()) continue;
            EXPECT_TRUE(stops.contains(button)) << name << " is no Tab stop";
        }
        EXPECT_TRUE(boxes().calls().empty()) << boxLog();
    }
}

} // namespace
