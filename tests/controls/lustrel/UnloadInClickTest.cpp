#include "controls/Lustrel.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

#include <gtest/gtest.h>

using ombLustrel::Lustrel;

// The font libraries keep caches until exit; only memory errors and undefined behaviour matter here.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}

// Every page move unloads the page whose button was clicked; the button must not touch itself
// afterwards, whichever way the click came.
TEST(UnloadInClick, HandlerDeletesTheForm)
{
    enum Way { Mouse, Space, Enter };
    for (Way way : {Mouse, Space, Enter}) {
        auto* form = new QWidget;
        auto* button = new Lustrel(form);
        button->InitProperties();
        button->resize(60, 30);
        QPointer<QWidget> watch(form);
        QObject::connect(button, &Lustrel::Click, [form] { delete form; });
        QObject::connect(button, &Lustrel::MouseUp, [] { ADD_FAILURE() << "MouseUp after unload"; });
        QFocusEvent focus(QEvent::FocusIn);
        QCoreApplication::sendEvent(button, &focus);
        if (way == Mouse) {
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(button, &press);
            QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                                Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(button, &release);
        } else if (way == Space) {
            QKeyEvent down(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            QCoreApplication::sendEvent(button, &down);
            QKeyEvent up(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            QCoreApplication::sendEvent(button, &up);
        } else {
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QCoreApplication::sendEvent(button, &enter);
        }
        EXPECT_TRUE(watch.isNull()) << way;
        if (watch) delete form;
    }
}

// A page unloaded while one of its buttons has the focus: the focus moves on during ~QWidget,
// when the button's own part is already gone, so no slot of the button may run then.
TEST(UnloadInClick, ButtonDestroyedWhileItHasTheFocus)
{
    auto* form = new QWidget;
    form->resize(200, 100);
    auto* first = new Lustrel(form);
    auto* second = new Lustrel(form);
    for (Lustrel* b : {first, second}) {
        b->InitProperties();
        b->resize(60, 30);
    }
    second->move(80, 0);
    form->show();
    form->activateWindow();
    for (int i = 0; i < 100 && QApplication::activeWindow() != form; ++i)
        QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), form);
    first->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), first);

    delete first;
    second->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), second);
    delete form;
}
