#include "tests/shell/quicknav/QuickNavFixture.h"

#include "controls/EntryPoints.h"
#include "runtime/com/ComponentRegistry.h"
#include "runtime/forms/Forms.h"
#include "shell/ScrllngFrm.h"
#include "shell/basGlobalVariables.h"
#include "shell/basNavigation.h"
#include "shell/frmNavigation.h"
#include "tests/support/Application.h"
#include "tests/support/ScreenLayouts.h"

#include <QApplication>
#include <QLabel>
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
    }

    // Quick navigation opened from the page of a Form_ID, as its Navigation button opens it.
    void open(int formId = 1)
    {
        if (g_CurrentFormID.value() != formId) {
            LoadForm(g_CurrentForm.data(), vb::Integer(formId));
            processDeferred();
            ASSERT_EQ(g_CurrentFormID.value(), formId);
        }
        sections.clear();
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
    ASSERT_NO_FATAL_FAILURE(open());
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
    ASSERT_NO_FATAL_FAILURE(open());
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

// Opened on a page far down the list, the window shows that page's entry with the focus; a page
// without an entry of its own opens on the entry of its section.
TEST_P(QuickNavKeys, OpensOnTheEntryOfThePageShown)
{
    struct Case {
        int page;
        int entry; // Form_ID of the entry with the focus
    };
    // Sewer System, Driveway Treatment, the facing page under Fireplaces, Payment Options.
    const Case cases[] = {{35, 35}, {2, 2}, {45, 43}, {4, 4}, {1, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "page " << c.page);
        ASSERT_NO_FATAL_FAILURE(open(c.page));
        const int at = focusedSection();
        ASSERT_GE(at, 0) << "the focus is on no entry";
        EXPECT_EQ(sections[at]->property("Tag").toInt(), c.entry);
        if (c.page == c.entry) {
            EXPECT_EQ(nav->imgCurrent()->y(), sections[at]->y());
        }
        if (at > 20) {
            EXPECT_LT(nav->Picture1()->y(), 0) << "the list has scrolled";
        }
        press(Qt::Key_Down);
        EXPECT_EQ(focusedSection(), std::min(at + 1, static_cast<int>(sections.size()) - 1));
        nav->close();
        processDeferred();
        ASSERT_FALSE(navigationLoaded());
    }
    EXPECT_TRUE(boxes->calls().empty()) << boxes->calls().front().prompt.toStdString();
}

// Home and End go to the ends of the list; Page Down and Page Up move the focus by a view,
// the list scrolling with it (each entry reached is whole in view), and stop at the ends.
TEST_P(QuickNavKeys, HomeEndAndThePageKeysMoveThroughTheList)
{
    ASSERT_NO_FATAL_FAILURE(open(35));
    const int last = static_cast<int>(sections.size()) - 1;
    press(Qt::Key_Home);
    ASSERT_EQ(focusedSection(), 0);
    EXPECT_EQ(nav->Picture1()->y(), 0);
    press(Qt::Key_End);
    ASSERT_EQ(focusedSection(), last);
    press(Qt::Key_Home);
    ASSERT_EQ(focusedSection(), 0);

    // A view's worth: the entries a view as high as the list's view holds, from the top of the
    // entry with the focus; Page Down goes to the last of them, the next press as far again.
    const int viewHeight = nav->ScrllngFrm1()->view()->height();
    int inAView = 0;
    for (QWidget* section : sections)
        if (section->geometry().bottom() < sections[0]->y() + viewHeight) ++inAView;
    ASSERT_GT(inAView, 2);
    const int step = inAView - 1;
    int at = 0;
    while (at < last) {
        press(Qt::Key_PageDown);
        at = std::min(at + step, last);
        ASSERT_EQ(focusedSection(), at);
    }
    press(Qt::Key_PageDown);
    EXPECT_EQ(focusedSection(), last);
    while (at > 0) {
        press(Qt::Key_PageUp);
        at = std::max(at - step, 0);
        ASSERT_EQ(focusedSection(), at);
    }
    press(Qt::Key_PageUp);
    EXPECT_EQ(focusedSection(), 0);
    EXPECT_EQ(nav->Picture1()->y(), 0);
    EXPECT_TRUE(boxes->calls().empty()) << boxes->calls().front().prompt.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Screens, QuickNavKeys, ::testing::Values("netbook", "hidpi"));

} // namespace

} // namespace quicknav

int main(int argc, char** argv)
{
    return testsupport::runOnScreenLayouts(argc, argv);
}
