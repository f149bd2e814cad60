#include "runtime/forms/SendKeys.h"
#include "runtime/help/ContextHelp.h"
#include "runtime/help/HelpService.h"
#include "runtime/help/HelpWindow.h"
#include "runtime/os/Browser.h"
#include "runtime/os/Programs.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

TEST(TopicMap, ReadsIdAndFilePerLine)
{
    const help::TopicMap map = help::TopicMap::parse(
        u"# context topics\n100 contents.html\n104\ttech support.html\r\n\nbad line\nx12 nope.html\n 37 square-footage.html \n"_s);
    struct Case {
        int id;
        std::optional<QString> file;
    };
    const Case cases[] = {
        {100, u"contents.html"_s},
        {104, u"tech support.html"_s},
        {37, u"square-footage.html"_s},
        {12, std::nullopt},
        {0, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(map.file(c.id), c.file) << c.id;
    EXPECT_EQ(map.size(), 3);
    EXPECT_EQ(help::TopicMap::load(u"/nonexistent/topics.txt"_s).size(), 0);
}

void write(const QString& path, const QByteArray& text)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

TEST(HelpWindow, OneWindowShowsTheMappedTopicOrTheContents)
{
    QTemporaryDir dir;
    write(dir.filePath(u"topics.txt"_s), "100 contents.html\n104 support.html\n105 missing.html\n");
    write(dir.filePath(u"contents.html"_s),
          "<html><head><title>Contents</title></head><body>All topics</body></html>");
    write(dir.filePath(u"support.html"_s),
          "<html><head><title>Support</title></head><body>Call us</body></html>");

    help::QtHelpWindow help(dir.path());
    help.showTopic(104);
    help::HelpWindow* window = help.window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->browser()->toPlainText().contains(u"Call us"_s));
    EXPECT_TRUE(window->windowTitle().endsWith(u"Support"_s));

    for (int id : {105, 999}) {
        help.showTopic(id);
        EXPECT_EQ(help.window(), window) << "the window is reused";
        EXPECT_TRUE(window->browser()->toPlainText().contains(u"All topics"_s)) << id;
    }
    window->close();
}

// A link followed, then Back, Forward, Contents and Escape, as a reader uses the viewer.
TEST(HelpWindow, BackForwardContentsAndTitleFollowTheTopicShown)
{
    QTemporaryDir dir;
    write(dir.filePath(u"topics.txt"_s), "100 contents.html\n37 rooms.html\n");
    write(dir.filePath(u"contents.html"_s),
          "<html><head><title>Contents</title></head><body>All topics</body></html>");
    write(dir.filePath(u"rooms.html"_s), "<html><head><title>Rooms</title></head><body>"
                                         "<a href=\"bath.html\">Bathrooms</a></body></html>");
    write(dir.filePath(u"bath.html"_s),
          "<html><head><title>Bathrooms</title></head><body>Full and half baths</body></html>");

    help::QtHelpWindow help(dir.path());
    help.showTopic(37);
    help::HelpWindow* window = help.window();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QTextBrowser* browser = window->browser();
    EXPECT_TRUE(window->windowTitle().endsWith(u" - Rooms"_s));
    EXPECT_FALSE(window->backAction()->isEnabled());

    // Tab to the link and follow it with Enter.
    browser->setFocus();
    QTest::keyClick(browser, Qt::Key_Tab);
    QTest::keyClick(browser, Qt::Key_Return);
    ASSERT_TRUE(browser->toPlainText().contains(u"Full and half baths"_s));
    EXPECT_TRUE(window->windowTitle().endsWith(u" - Bathrooms"_s));
    EXPECT_TRUE(window->backAction()->isEnabled());

    QTest::keyClick(browser, Qt::Key_Left, Qt::AltModifier);
    EXPECT_TRUE(browser->toPlainText().contains(u"Bathrooms"_s));
    EXPECT_TRUE(window->windowTitle().endsWith(u" - Rooms"_s));
    EXPECT_TRUE(window->forwardAction()->isEnabled());

    QTest::keyClick(browser, Qt::Key_Right, Qt::AltModifier);
    EXPECT_TRUE(window->windowTitle().endsWith(u" - Bathrooms"_s));

    // The tool bar's buttons do the same.
    auto* bar = window->findChild<QToolBar*>(u"HelpToolBar"_s);
    ASSERT_NE(bar, nullptr);
    QTest::mouseClick(bar->widgetForAction(window->contentsAction()), Qt::LeftButton);
    EXPECT_TRUE(browser->toPlainText().contains(u"All topics"_s));
    EXPECT_TRUE(window->windowTitle().endsWith(u" - Contents"_s));
    QTest::mouseClick(bar->widgetForAction(window->backAction()), Qt::LeftButton);
    EXPECT_TRUE(window->windowTitle().endsWith(u" - Bathrooms"_s));

    QTest::keyClick(browser, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible()) << "Escape closes the help window";
}

TEST(HelpWindow, WithoutTopicsSaysSo)
{
    QTemporaryDir dir;
    help::QtHelpWindow help(dir.path());
    help.showTopic(100);
    ASSERT_NE(help.window(), nullptr);
    EXPECT_TRUE(help.window()->browser()->toPlainText().contains(u"not available"_s));
    help.window()->close();
}

TEST(ContextHelp, F1OpensTheNearestHelpContext)
{
    help::ScriptedHelp scripted;
    help::installContextHelp();

    QWidget page;
    page.setProperty("HelpContextID", 2037);
    auto* entry = new QLineEdit(&page);
    QWidget bare;
    page.show();
    bare.show();

    QTest::keyClick(entry, Qt::Key_F1);
    QTest::keyClick(&bare, Qt::Key_F1);
    QTest::keyClick(entry, Qt::Key_A);
    EXPECT_EQ(scripted.topics(), (std::vector<int>{2037, help::ContextContents}));
    EXPECT_EQ(entry->text(), u"a"_s);
}

TEST(ContextHelp, SentF1ArrivesWithoutWaiting)
{
    help::ScriptedHelp scripted;
    help::installContextHelp();
    QWidget page;
    page.setProperty("HelpContextID", 2011);
    auto* entry = new QLineEdit(&page);
    page.show();
    QApplication::setActiveWindow(&page);
    entry->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), entry);

    forms::SendKeys(u"{F1}"_s);
    EXPECT_TRUE(scripted.topics().empty()) << "posted, not sent";
    QCoreApplication::processEvents();
    EXPECT_EQ(scripted.topics(), std::vector<int>{2011});
}

TEST(Browser, FakeLogsAndFailsAsTold)
{
    os::ScriptedBrowser browser;
    EXPECT_EQ(os::browserService(), &browser);
    EXPECT_TRUE(os::browserService()->openUrl(u"https://example.org/"_s));
    browser.setOpens(false);
    EXPECT_FALSE(os::browserService()->openUrl(u"https://example.org/b"_s));
    EXPECT_EQ(browser.opened().size(), 2u);
}

TEST(Programs, SystemInformationToolIsLookedUpOnThePath)
{
    const QStringList saved = os::systemInformationTools();
    os::setSystemInformationTools({u"no-such-tool-here"_s});
    EXPECT_TRUE(os::findSystemInformationTool().isEmpty());
    os::setSystemInformationTools({u"no-such-tool-here"_s, u"sh"_s});
    EXPECT_TRUE(os::findSystemInformationTool().endsWith(u"/sh"_s));
    os::setSystemInformationTools(saved);
}

} // namespace
