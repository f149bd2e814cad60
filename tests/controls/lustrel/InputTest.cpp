#include "LustrelTestSupport.h"
#include "tests/support/ModalBox.h"

#include <QLineEdit>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

using namespace lustreltest;
using ombLustrel::Lustrel;

namespace
{

// Records the button's events in order.
struct EventLog {
    QStringList events;
    explicit EventLog(Lustrel& b)
    {
        QObject::connect(&b, &Lustrel::Click, [this] { events << QStringLiteral("Click"); });
        QObject::connect(&b, &Lustrel::MouseDown, [this](short button, short, float, float) {
            events << QStringLiteral("MouseDown%1").arg(button);
        });
        QObject::connect(&b, &Lustrel::MouseUp, [this](short button, short, float, float) {
            events << QStringLiteral("MouseUp%1").arg(button);
        });
        QObject::connect(&b, &Lustrel::MouseOver, [this] { events << QStringLiteral("MouseOver"); });
        QObject::connect(&b, &Lustrel::MouseOut, [this] { events << QStringLiteral("MouseOut"); });
        QObject::connect(&b, &Lustrel::KeyDown,
                         [this](short& key, short&) { events << QStringLiteral("KeyDown%1").arg(key); });
        QObject::connect(&b, &Lustrel::KeyPress,
                         [this](short& key) { events << QStringLiteral("KeyPress%1").arg(key); });
        QObject::connect(&b, &Lustrel::KeyUp,
                         [this](short& key, short&) { events << QStringLiteral("KeyUp%1").arg(key); });
    }
};

struct Input : testing::Test {
    Lustrel b;
    EventLog log{b};
    void SetUp() override
    {
        configure(b, Lustrel::ombStyleStandard, Lustrel::ombAppearance3D, QStringLiteral("Go"));
    }
};

} // namespace

TEST_F(Input, ClickComesBeforeMouseUp)
{
    sendMouse(&b, QEvent::MouseMove, {10, 10});
    sendMouse(&b, QEvent::MouseButtonPress, {10, 10});
    EXPECT_EQ(b.state(), Lustrel::StateDown);
    sendMouse(&b, QEvent::MouseButtonRelease, {10, 10});
    EXPECT_EQ(log.events, (QStringList{QStringLiteral("MouseOver"), QStringLiteral("MouseDown1"),
                                       QStringLiteral("Click"), QStringLiteral("MouseUp1")}));
    EXPECT_EQ(b.state(), Lustrel::StateHot);
}

TEST_F(Input, DragOutGivesNoClickAndBackInClicks)
{
    sendMouse(&b, QEvent::MouseMove, {10, 10});
    sendMouse(&b, QEvent::MouseButtonPress, {10, 10});
    sendMouse(&b, QEvent::MouseMove, {100, 10}, Qt::LeftButton);
    EXPECT_EQ(b.state(), Lustrel::StateHot);
    sendMouse(&b, QEvent::MouseButtonRelease, {100, 10});
    EXPECT_FALSE(log.events.contains(QStringLiteral("Click")));
    EXPECT_TRUE(log.events.contains(QStringLiteral("MouseOut")));

    log.events.clear();
    sendMouse(&b, QEvent::MouseButtonPress, {10, 10});
    sendMouse(&b, QEvent::MouseMove, {100, 10}, Qt::LeftButton);
    sendMouse(&b, QEvent::MouseMove, {12, 10}, Qt::LeftButton);
    EXPECT_EQ(b.state(), Lustrel::StateDown);
    sendMouse(&b, QEvent::MouseButtonRelease, {12, 10});
    EXPECT_TRUE(log.events.contains(QStringLiteral("Click")));
}

TEST_F(Input, OtherButtonsRaiseNoMouseDownAndNeverClick)
{
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        log.events.clear();
        sendMouse(&b, QEvent::MouseButtonPress, {10, 10}, button);
        sendMouse(&b, QEvent::MouseButtonRelease, {10, 10}, button);
        EXPECT_EQ(log.events,
                  QStringList{QStringLiteral("MouseUp%1").arg(button == Qt::RightButton ? 2 : 4)});
    }
}

TEST_F(Input, SpaceClicksOnceAndOnlyAfterItsPress)
{
    giveFocus(&b);
    sendKey(&b, QEvent::KeyPress, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(b.state(), Lustrel::StateDown);
    sendKey(&b, QEvent::KeyPress, Qt::Key_Space, QStringLiteral(" "), true);
    sendKey(&b, QEvent::KeyRelease, Qt::Key_Space, QStringLiteral(" "), true); // auto-repeat
    EXPECT_FALSE(log.events.contains(QStringLiteral("Click")));
    sendKey(&b, QEvent::KeyRelease, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(log.events.count(QStringLiteral("Click")), 1);
    EXPECT_EQ(b.state(), Lustrel::StateHot);

    // A release whose press went elsewhere does not click.
    log.events.clear();
    sendKey(&b, QEvent::KeyRelease, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_FALSE(log.events.contains(QStringLiteral("Click")));
}

TEST_F(Input, EnterClicksOnlyWithFocusShown)
{
    sendKey(&b, QEvent::KeyPress, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_FALSE(log.events.contains(QStringLiteral("Click")));
    giveFocus(&b);
    sendKey(&b, QEvent::KeyPress, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(log.events.count(QStringLiteral("Click")), 1);
    b.setShowFocus(false);
    sendKey(&b, QEvent::KeyPress, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(log.events.count(QStringLiteral("Click")), 1);
}

TEST_F(Input, DisablingClearsPressedFlagsAndFocus)
{
    giveFocus(&b);
    sendKey(&b, QEvent::KeyPress, Qt::Key_Space, QStringLiteral(" "));
    b.setDefault(true);
    b.setEnabledProperty(false);
    EXPECT_FALSE(b.Default());
    EXPECT_FALSE(b.hasFocusFlag());
    b.setEnabledProperty(true);
    sendKey(&b, QEvent::KeyRelease, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_FALSE(log.events.contains(QStringLiteral("Click")));
}

TEST_F(Input, TypingExactlyAboutWhileHeldOpensTheAboutBox)
{
    int shown = 0;
    Lustrel::setAboutBoxHandler([&](QWidget*) { ++shown; });
    const struct {
        const char* typed;
        int opens;
    } cases[] = {{"about", 1}, {"AbOuT", 1}, {"xabout", 0}, {"aboutx", 0}, {"abxut", 0}, {"abou", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        shown = 0;
        sendMouse(&b, QEvent::MouseButtonPress, {10, 10});
        for (const char* ch = c.typed; *ch; ++ch)
            sendKey(&b, QEvent::KeyPress, 0, QString(QLatin1Char(*ch)));
        sendMouse(&b, QEvent::MouseButtonRelease, {10, 10});
        EXPECT_EQ(shown, c.opens);
    }
    Lustrel::setAboutBoxHandler({});
}

// A box raised while the button takes the focus (the validation of the entry left) takes the
// press: its release goes to the box, and the button shows up again once the box is gone.
TEST(InputModal, APressTakenByABoxLeavesTheButtonUp)
{
    QWidget window;
    auto* entry = new QLineEdit(&window);
    entry->setGeometry(0, 0, 80, 24);
    auto* b = new Lustrel(&window);
    configure(*b, Lustrel::ombStyleStandard, Lustrel::ombAppearance3D, QStringLiteral("Back"));
    b->move(0, 40);
    EventLog log{*b};
    int boxes = 0;
    QObject::connect(entry, &QLineEdit::editingFinished, [&] {
        ++boxes;
        testsupport::showAndCloseModalBox();
    });
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    entry->setFocus();
    QTest::keyClicks(entry, QStringLiteral("abc"));

    QTest::mouseMove(b, {10, 10});
    QTest::mousePress(b, Qt::LeftButton, Qt::NoModifier, {10, 10});
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes, 1);
    EXPECT_NE(b->state(), Lustrel::StateDown);
    // The pointer moving over it with no button held shows it hot, never down.
    QTest::mouseMove(b, {12, 10});
    EXPECT_EQ(b->state(), Lustrel::StateHot);
    EXPECT_FALSE(log.events.contains(QStringLiteral("Click")));

    // The next click is an ordinary one.
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, {12, 10});
    EXPECT_EQ(log.events.count(QStringLiteral("Click")), 1);
    EXPECT_EQ(b->state(), Lustrel::StateHot);
    EXPECT_EQ(boxes, 1);
}
