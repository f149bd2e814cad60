#include "runtime/forms/ProgramStyle.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace
{

// The menu bar's overflow picture is made once, when the overflow button is first drawn.
TEST(ProgramStyle, OverflowPictureMadeOnceWhenFirstDrawn)
{
    const QString previous = QApplication::style()->name();
    forms::installProgramStyle();
    forms::installProgramStyle();
    auto* style = dynamic_cast<forms::ProgramStyle*>(QApplication::style());
    ASSERT_NE(style, nullptr);
    {
        QMainWindow window;
        for (const QString& title : {u"&File"_s, u"&Edit"_s, u"&View"_s, u"&Window"_s, u"&Help"_s})
            window.menuBar()->addMenu(title)->addAction(u"Item"_s);
        window.resize(600, 300);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        auto* overflow = window.menuBar()->findChild<QToolButton*>(u"qt_menubar_ext_button"_s);
        ASSERT_NE(overflow, nullptr);
        window.grab();
        EXPECT_FALSE(overflow->isVisible());
        EXPECT_EQ(style->deferredIconsMade(), 0);

        // Too narrow for its menus: the button shows, and its picture is made for its first paint.
        window.resize(120, 300);
        QTest::qWait(50);
        ASSERT_TRUE(overflow->isVisible());
        window.grab();
        EXPECT_EQ(style->deferredIconsMade(), 1);
        window.grab();
        EXPECT_EQ(style->deferredIconsMade(), 1);

        const std::unique_ptr<QStyle> plain(QStyleFactory::create(previous));
        const QIcon expected = plain->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        EXPECT_EQ(overflow->icon().pixmap(QSize(16, 16)).toImage(), expected.pixmap(QSize(16, 16)).toImage());
        EXPECT_EQ(overflow->icon().availableSizes(), expected.availableSizes());
        EXPECT_EQ(style->deferredIconsMade(), 1);
    }
    // Every other picture comes straight from the style.
    const std::unique_ptr<QStyle> plain(QStyleFactory::create(previous));
    EXPECT_EQ(style->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(QSize(32, 32)).toImage(),
              plain->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(QSize(32, 32)).toImage());
    QApplication::setStyle(QStyleFactory::create(previous));
}

// Message boxes and dialogs show their buttons without pictures.
TEST(ProgramStyle, DialogButtonsWithoutPictures)
{
    const QString previous = QApplication::style()->name();
    forms::installProgramStyle();
    {
        QMessageBox box(QMessageBox::Information, u"Title"_s, u"Text"_s,
                        QMessageBox::Ok | QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Save);
        QList<QAbstractButton*> all = box.buttons();
        all += buttons.buttons();
        ASSERT_EQ(all.size(), 7);
        for (const QAbstractButton* button : all)
            EXPECT_TRUE(button->icon().isNull()) << button->text().toStdString();
        EXPECT_FALSE(box.iconPixmap().isNull()) << "the message's own picture stays";
    }
    QApplication::setStyle(QStyleFactory::create(previous));
}

// The application's window icon is made once, when it is first asked for, not when it is set or
// a window shows (offscreen nothing asks for it).
TEST(DeferredIcon, MadeOnceWhenFirstAskedFor)
{
    int made = 0;
    QPixmap picture(16, 16);
    picture.fill(Qt::red);
    const QIcon previous = QApplication::windowIcon();
    QApplication::setWindowIcon(forms::deferredIcon([&] {
        ++made;
        return QIcon(picture);
    }));
    {
        QWidget window;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_EQ(made, 0);
    }
    const QIcon icon = QApplication::windowIcon();
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(made, 1);
    EXPECT_EQ(icon.availableSizes(), QList<QSize>{QSize(16, 16)});
    EXPECT_EQ(icon.pixmap(QSize(16, 16)).toImage().pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(made, 1);
    QApplication::setWindowIcon(previous);
}

} // namespace
