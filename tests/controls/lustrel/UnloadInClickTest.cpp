#include "controls/Lustrel.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

#include <gtest/gtest.h>

using ombLustrel::Lustrel;

// The font libraries keep caches until exit; only memory errors matter here.
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
