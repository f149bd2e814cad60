#include "tests/shell/quicknav/QuickNavFixture.h"

#include "controls/EntryPoints.h"
#include "runtime/com/ComponentRegistry.h"
#include "runtime/forms/Forms.h"
#include "shell/ScrllngFrm.h"
#include "shell/basGlobalVariables.h"
#include "shell/frmNavigation.h"
#include "tests/support/Application.h"
#include "tests/support/ScreenLayouts.h"

#include <QApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace quicknav
{

namespace
{

using testsupport::screenNamed;

// Quick navigation with the real buttons on a netbook's screen and on a 2x screen of its size.
class QuickNavKeys : public QuickNavTest, public ::testing::WithParamInterface<const char*>
{
protected:
    void SetUp() override
    {
        QuickNavTest::SetUp();
        screen = screenNamed(QString::fromLatin1(GetParam()));
        ASSERT_NE(screen, nullptr) << "the offscreen platform did not take the screen layouts";
        nav = qobject_cast<frmNavigation*>(forms::Forms::instance(u"frmNavigation"_s));
        ASSERT_NE(nav, nullptr);
        nav->setScreen(screen);
        nav->move(screen->availableGeometry().topLeft());
        nav->show();
        QApplication::setActiveWindow(nav);
        ASSERT_TRUE(QTest::qWaitForWindowActive(nav));
        ASSERT_EQ(nav->screen(), screen);
        for (QWidget* b : nav->cmdSection())
            if (!b->isHidden()) sections << b;
        ASSERT_GT(sections.size(), 20);
        // The list is longer than the view: it has to scroll to show every entry.
        ASSERT_TRUE(nav->ScrllngFrm1()->vScroll()->isVisible());
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : nav, key, modifiers);
        QCoreApplication::processEvents();
    }

    // The section with the focus, whole inside the view; -1 when the focus is on no section.
    int focusedSection()
    {
        const qsizetype at = sections.indexOf(QApplication::focusWidget());
        if (at < 0) return -1;
        const QWidget* view = nav->ScrllngFrm1()->view();
        const QRect shown(sections[at]->mapTo(view, QPoint(0, 0)), sections[at]->size());
        EXPECT_TRUE(view->rect().contains(shown))
            << "entry " << at << " at " << shown.y() << ".." << shown.bottom() << " of a view "
            << view->height() << " high";
        return static_cast<int>(at);
    }

    QScreen* screen = nullptr;
    frmNavigation* nav = nullptr;
    QList<QWidget*> sections;
};

TEST_P(QuickNavKeys, TabAndTheArrowsGoThroughTheListAndItScrollsWithTheFocus)
{
    nav->cmdContinue()->setFocus();
    // Tab: every entry top to bottom, each in view, then Continue, then the first entry again.
    for (int i = 0; i < sections.size(); ++i) {
        press(Qt::Key_Tab);
        ASSERT_EQ(focusedSection(), i);
    }
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), nav->cmdContinue());
    press(Qt::Key_Tab);
    EXPECT_EQ(focusedSection(), 0);
    EXPECT_EQ(nav->Picture1()->y(), 0) << "the top of the list shows again";

    // Shift+Tab from the first entry goes to Continue, then up from the last.
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), nav->cmdContinue());
    for (int i = static_cast<int>(sections.size()) - 1; i >= sections.size() - 5; --i) {
        press(Qt::Key_Tab, Qt::ShiftModifier);
        ASSERT_EQ(focusedSection(), i);
    }

    // Up and Down move one entry; the list's ends stay where they are.
    int at = focusedSection();
    for (int i = 0; i < 30; ++i) {
        press(Qt::Key_Up);
        at = std::max(0, at - 1);
        ASSERT_EQ(focusedSection(), at);
    }
    for (int i = 0; i < 40; ++i) {
        press(Qt::Key_Down);
        at = std::min(static_cast<int>(sections.size()) - 1, at + 1);
        ASSERT_EQ(focusedSection(), at);
    }
    EXPECT_TRUE(boxes->calls().empty()) << boxes->calls().front().prompt.toStdString();
}

TEST_P(QuickNavKeys, EnterGoesToTheEntryWithTheFocus)
{
    nav->cmdContinue()->setFocus();
    for (int i = 0; i < 20; ++i)
        press(Qt::Key_Tab);
    press(Qt::Key_Down);
    const int at = focusedSection();
    ASSERT_EQ(at, 20);
    const int formId = sections[at]->property("Tag").toInt();
    ASSERT_NE(formId, g_CurrentFormID.value());

    press(Qt::Key_Return);
    // The button shows its press for a moment before it clicks.
    EXPECT_TRUE(QTest::qWaitFor([&] { return g_CurrentFormID.value() == formId; }, 2000))
        << "went to " << g_CurrentFormID.value() << ", not " << formId;
    processDeferred();
    EXPECT_FALSE(navigationLoaded());
}

INSTANTIATE_TEST_SUITE_P(Screens, QuickNavKeys, ::testing::Values("netbook", "hidpi"));

} // namespace

} // namespace quicknav

int main(int argc, char** argv)
{
    return testsupport::runOnScreenLayouts(argc, argv);
}
