#include "controls/EntryPoints.h"
#include "controls/frmAbout.h"
#include "runtime/com/ComponentRegistry.h"
#include "runtime/com/PropertyBag.h"
#include "runtime/forms/MsgBox.h"
#include "runtime/forms/WindowFit.h"
#include "runtime/help/HelpService.h"
#include "runtime/help/HelpWindow.h"
#include "runtime/report/QtPrintService.h"
#include "shell/basGlobalVariables.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "shell/frmNavigation.h"
#include "tests/support/Application.h"
#include "tests/support/ScreenLayouts.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QMoveEvent>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace
{

using testsupport::screenNamed;

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

class ScreenFit : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        screen = screenNamed(QString::fromLatin1(GetParam()));
        ASSERT_NE(screen, nullptr) << "the offscreen platform did not take the screen configuration";
        main = std::make_unique<frmMain>();
        // Opened on this screen: placed in its top left corner.
        main->setScreen(screen);
        main->move(screen->availableGeometry().topLeft());
        g_frmMain = main.get();
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
        settle();
    }
    void TearDown() override
    {
        g_frmMain = nullptr;
        main.reset();
        settle();
    }

    void expectInside(const QWidget* window, const char* what)
    {
        ASSERT_TRUE(window->isVisible()) << what;
        const QRect area = screen->availableGeometry();
        EXPECT_EQ(window->screen(), screen) << what;
        EXPECT_TRUE(area.contains(window->frameGeometry()))
            << what << ": frame " << window->frameGeometry().x() << "," << window->frameGeometry().y() << " "
            << window->frameGeometry().width() << "x" << window->frameGeometry().height() << " on "
            << area.x() << "," << area.y() << " " << area.width() << "x" << area.height();
    }

    QScreen* screen = nullptr;
    std::unique_ptr<frmMain> main;
};

TEST_P(ScreenFit, MainWindowKeepsItsDesignSizeWhereItFitsAndScrollsItsPageWhereNot)
{
    expectInside(main.get(), "main window");
    const QRect area = screen->availableGeometry();
    const QMargins frame = forms::frameMarginsOf(main.get());
    const QSize design(800, 620);
    const QSize room(area.width() - frame.left() - frame.right(),
                     area.height() - frame.top() - frame.bottom());
    EXPECT_EQ(main->size(), design.boundedTo(room));

    // A page of the interview's size, reachable to its bottom right corner.
    QWidget page;
    page.setFixedSize(640, 480);
    main->adoptPage(&page);
    page.show();
    settle();
    auto* scroll = main->findChild<QScrollArea*>(u"pageScroll"_s);
    ASSERT_NE(scroll, nullptr);
    EXPECT_EQ(scroll->widget(), main->pageArea());
    const QSize view = scroll->viewport()->size();
    EXPECT_GE(view.height() + scroll->verticalScrollBar()->maximum(), 480);
    EXPECT_GE(view.width() + scroll->horizontalScrollBar()->maximum(), 640);
    EXPECT_EQ(page.size(), QSize(640, 480)) << "the page keeps its own layout";
}

TEST_P(ScreenFit, PrintPreviewShowsTheWholePageInsideTheScreen)
{
    report::Report r;
    r.caption = u"Construction Overview"_s;
    r.width = 10665;
    report::Section& detail =
        r.addSection(report::Section(u"Section1"_s, report::Section::Kind::Detail, 9840));
    detail.addLabel(report::Label{u"lbTotal"_s, u"Total:"_s, 0, 9000, 2000, 240});
    report::QtPrintService service;
    service.preview(r, main.get());
    settle();
    QPrintPreviewDialog* preview = service.previewWindow();
    ASSERT_NE(preview, nullptr);
    expectInside(preview, "print preview");
    auto* pages = preview->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->zoomMode(), QPrintPreviewWidget::FitInView);
    preview->close();
    settle();
}

TEST_P(ScreenFit, HelpQuickNavigationAndAboutBoxesOpenInsideTheScreen)
{
    QTemporaryDir dir;
    {
        QFile map(dir.filePath(u"topics.txt"_s));
        ASSERT_TRUE(map.open(QIODevice::WriteOnly));
        map.write("100 contents.html\n");
        QFile topic(dir.filePath(u"contents.html"_s));
        ASSERT_TRUE(topic.open(QIODevice::WriteOnly));
        topic.write("<html><head><title>Contents</title></head><body>All topics</body></html>");
    }
    QApplication::setActiveWindow(main.get());
    help::QtHelpWindow help(dir.path());
    help.showTopic(help::ContextContents);
    settle();
    ASSERT_NE(help.window(), nullptr);
    expectInside(help.window(), "help window");
    help.window()->close();

    frmNavigation navigation(main.get());
    navigation.show();
    settle();
    expectInside(&navigation, "quick navigation");

    frmAbout about(main.get());
    about.show();
    settle();
    expectInside(&about, "about box");
    about.close();

    ombLustrel::frmAbout controlsAbout(main.get());
    controlsAbout.show();
    settle();
    expectInside(&controlsAbout, "button library's about box");
    controlsAbout.close();
}

TEST_P(ScreenFit, MessageBoxesOpenInsideTheScreen)
{
    QApplication::setActiveWindow(main.get());
    bool seen = false;
    QTimer::singleShot(0, main.get(), [&] {
        settle();
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = true;
        expectInside(box, "message box");
        box->reject();
    });
    forms::QtMessageBoxes().show(u"Unable to display Help Contents. There is no Help associated with this "
                                 u"project. A longer line, as a trapped error's report gives."_s,
                                 forms::vbInformation, u"Tavimoor"_s);
    EXPECT_TRUE(seen);
}

// A window manager frames a window only after it is shown, and may say so with a move or not
// at all: the window opened with a guessed frame fits again with the frame it got.
TEST_P(ScreenFit, WindowFitsAgainOnceTheWindowManagerHasFramedIt)
{
    struct Case {
        const char* what;
        QSize size;
        bool inCorner;     // placed in the screen's bottom right corner, else in its top left one
        bool toldWithMove; // the window system reports the framing with a move
    };
    const Case cases[] = {
        {"main window's design size, framed with a move", QSize(800, 620), false, true},
        {"main window's design size, framed silently", QSize(800, 620), false, false},
        {"small window in the bottom right corner", QSize(300, 200), true, true},
    };
    const QMargins titleBar(4, 37, 4, 4);
    const QRect area = screen->availableGeometry();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::optional<QMargins> frame;
        QWidget window;
        window.setScreen(screen);
        window.resize(c.size);
        window.move(c.inCorner ? area.bottomRight() - QPoint(c.size.width(), c.size.height())
                               : area.topLeft());
        forms::keepOnScreen(&window, [&](const QWidget*) { return frame; });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        settle();

        frame = titleBar;
        const auto outer = [&] { return window.geometry().marginsAdded(titleBar); };
        if (c.toldWithMove) {
            QMoveEvent framed(window.pos(), window.pos());
            QCoreApplication::sendEvent(&window, &framed);
            settle();
        } else {
            EXPECT_TRUE(QTest::qWaitFor([&] { return area.contains(outer()); }));
        }
        EXPECT_TRUE(area.contains(outer())) << "frame " << outer().x() << "," << outer().y() << " "
                                            << outer().width() << "x" << outer().height();
        EXPECT_EQ(window.size(), c.size.boundedTo(area.size().shrunkBy(titleBar)));
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenFit, ::testing::Values("netbook", "laptop", "hidpi"));

} // namespace

int main(int argc, char** argv)
{
    return testsupport::runOnScreenLayouts(argc, argv);
}
