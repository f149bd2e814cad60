#include "runtime/com/PropertyBag.h"
#include "shell/ScrllngFrm.h"
#include "tests/support/Application.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>

using namespace Qt::Literals::StringLiterals;

namespace
{

class ScrllngFrmTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { testsupport::application(); }

    void SetUp() override
    {
        host = std::make_unique<QWidget>();
        host->resize(600, 500);
        frame = new ScrllngFrm(host.get());
        frame->setGeometry(10, 10, 400, 300);
        child = new QWidget(host.get());
        host->show();
    }

    std::unique_ptr<QWidget> host;
    ScrllngFrm* frame = nullptr;
    QWidget* child = nullptr;
};

struct BarCase {
    const char* name;
    int extraWidth; // child size beyond the control's, pixels
    int extraHeight;
    bool vertical;
    bool horizontal;
};

TEST_F(ScrllngFrmTest, BarsShowOnlyWhereTheChildIsLargerThanTheView)
{
    const BarCase cases[] = {
        {"smaller both ways", -100, -100, false, false},
        {"same size", 0, 0, false, false},
        {"taller", -100, 200, true, false},
        {"wider", 200, -100, false, true},
        {"larger both ways", 200, 200, true, true},
        {"fits until the other bar takes room", -5, 200, true, true},
        {"same size again", 0, 0, false, false},
    };
    for (const BarCase& c : cases) {
        SCOPED_TRACE(c.name);
        child->resize(frame->width() + c.extraWidth, frame->height() + c.extraHeight);
        frame->Attatch(child);
        EXPECT_EQ(frame->vScroll()->isVisible(), c.vertical);
        EXPECT_EQ(frame->vScroll()->isEnabled(), c.vertical);
        EXPECT_EQ(frame->hScroll()->isVisible(), c.horizontal);
        EXPECT_EQ(frame->hScroll()->isEnabled(), c.horizontal);
        const QRect view = frame->view()->geometry();
        // The view takes the room of a hidden bar.
        if (!c.vertical) {
            EXPECT_EQ(view.width(), frame->width());
        } else {
            EXPECT_EQ(frame->vScroll()->maximum(), (child->height() - view.height()) * 15);
        }
        if (!c.horizontal) {
            EXPECT_EQ(view.height(), frame->height());
        } else {
            EXPECT_EQ(frame->hScroll()->maximum(), (child->width() - view.width()) * 15);
        }
        frame->Detatch();
    }
}

TEST_F(ScrllngFrmTest, ScrollingToTheEndShowsTheChildsBottomEdge)
{
    child->resize(300, 100);
    frame->Attatch(child);
    const int viewHeight = frame->view()->height();
    child->resize(300, viewHeight + 200); // grows after attaching: 3000 twips taller
    ASSERT_TRUE(frame->vScroll()->isVisible());
    EXPECT_EQ(frame->vScroll()->minimum(), 0);
    EXPECT_EQ(frame->vScroll()->maximum(), 3000);

    int scrolls = 0;
    QObject::connect(frame, &ScrllngFrm::Scroll, [&] { ++scrolls; });
    frame->vScroll()->setValue(frame->vScroll()->maximum());
    EXPECT_EQ(child->y() + child->height(), viewHeight);
    EXPECT_EQ(scrolls, 1);
    frame->vScroll()->setValue(0);
    EXPECT_EQ(child->y(), 0);

    // Shrinking again hides the bar and puts the child back at the top.
    frame->vScroll()->setValue(1500);
    child->resize(300, 50);
    EXPECT_FALSE(frame->vScroll()->isVisible());
    EXPECT_EQ(child->pos(), QPoint(0, 0));
}

TEST_F(ScrllngFrmTest, DetatchGivesTheChildBackToItsOwnParent)
{
    child->move(30, 40);
    frame->Attatch(child);
    EXPECT_EQ(child->parentWidget(), frame->view());
    EXPECT_EQ(child->pos(), QPoint(0, 0));
    frame->Detatch();
    EXPECT_EQ(child->parentWidget(), host.get());
    EXPECT_EQ(frame->child(), nullptr);
    // No longer attached: its resizes leave the control alone.
    int layouts = 0;
    QObject::connect(frame, &ScrllngFrm::Resize, [&] { ++layouts; });
    child->resize(900, 900);
    EXPECT_EQ(layouts, 0);
}

TEST_F(ScrllngFrmTest, ChildDestroyedWhileAttachedIsReleased)
{
    frame->Attatch(child);
    delete child;
    child = nullptr;
    EXPECT_EQ(frame->child(), nullptr);
    frame->Detatch();
    frame->resize(200, 200);
    EXPECT_FALSE(frame->vScroll()->isVisible());
}

TEST_F(ScrllngFrmTest, BackColorPersistsWithItsDefault)
{
    com::PropertyBag bag;
    frame->WriteProperties(&bag);
    EXPECT_TRUE(bag.isEmpty());
    frame->setBackColor(0x00FF00u);
    EXPECT_EQ(frame->view()->palette().color(QPalette::Window), QColor(0, 0xFF, 0));
    frame->WriteProperties(&bag);
    ScrllngFrm other;
    other.ReadProperties(&bag);
    EXPECT_EQ(other.BackColor(), 0x00FF00u);
    com::PropertyBag none;
    other.ReadProperties(&none);
    EXPECT_EQ(other.BackColor(), ScrllngFrm::DefaultBackColor);
}

} // namespace
