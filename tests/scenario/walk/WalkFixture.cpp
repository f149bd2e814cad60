#include "tests/scenario/walk/WalkFixture.h"

#include "estimate/clsHomeData.h"
#include "pages/registerPages.h"
#include "results/basReporting.h"
#include "results/registerResults.h"
#include "runtime/ado/Recordset.h"
#include "runtime/forms/App.h"
#include "runtime/forms/Forms.h"
#include "runtime/forms/Screen.h"
#include "shell/ProgramServices.h"
#include "shell/basNavigation.h"
#include "shell/frmMain.h"
#include "shell/frmNavigation.h"
#include "tests/support/Application.h"
#include "tests/support/CloseProgram.h"
#include "tests/support/NavigationRows.h"
#include "tests/support/TestFiles.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace walk
{

namespace
{

QTemporaryDir* g_programFolder = nullptr;
ProgramServices* g_services = nullptr;

// A left click where a user would put the pointer.
void mouseClick(QWidget* target, QPoint at)
{
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
    settle();
}

} // namespace

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

const clsHomeData& home()
{
    return *g_HomeData;
}

void WalkTest::SetUpTestSuite()
{
    testsupport::application();
    // A program folder of the test's own: the working copy and saved files land there.
    g_programFolder = new QTemporaryDir;
    const QString bin = QStringLiteral(TAVIMOOR_BIN_DIR);
    ASSERT_NO_FATAL_FAILURE(testsupport::copyDataFiles(g_programFolder->path()));
    for (const char* entry : {"libombLustrel.so", "help", "pictures"})
        QFile::link(bin + u'/' + QLatin1String(entry), g_programFolder->filePath(QLatin1String(entry)));
    forms::App::setPath(g_programFolder->path());

    g_services = new ProgramServices;
    forms::ScriptedMessageBoxes failure;
    ASSERT_TRUE(g_services->loadButtonLibrary());
    pages::registerPages();
    results::registerResults();
}

void WalkTest::TearDownTestSuite()
{
    delete g_services;
    g_services = nullptr;
    delete g_programFolder;
    g_programFolder = nullptr;
}

QString WalkTest::folder()
{
    return g_programFolder->path();
}

void WalkTest::SetUp()
{
    boxes = std::make_unique<forms::ScriptedMessageBoxes>();
    dialogs = std::make_unique<forms::ScriptedFileDialogs>();
    modals = std::make_unique<forms::ScriptedModals>();
    helpLog = std::make_unique<help::ScriptedHelp>();
    printing = std::make_unique<report::ScriptedPrintService>();
}

void WalkTest::TearDown()
{
    stopProgram();
    printing.reset();
    helpLog.reset();
    modals.reset();
    dialogs.reset();
    boxes.reset();
}

void WalkTest::startProgram(const QString& commandLine)
{
    g_services->start(&results::ShowOverviewReport, commandLine);
    settle();
    ASSERT_TRUE(g_frmMain && g_frmMain->isVisible()) << "the main window did not come up";
}

void WalkTest::stopProgram()
{
    testsupport::closeProgram();
    settle();
}

int WalkTest::currentFormId() const
{
    return g_CurrentFormID.value();
}

QWidget* WalkTest::on(int formId)
{
    EXPECT_EQ(currentFormId(), formId) << "boxes so far:\n" << prompts().join(u'\n').toStdString();
    EXPECT_TRUE(g_CurrentForm && g_CurrentForm->isVisible());
    return g_CurrentForm;
}

void WalkTest::click(const QString& button, const Caller& where)
{
    QWidget* b = control(button, where);
    ASSERT_TRUE(b->isVisible()) << button.toStdString() << " is hidden on page " << currentFormId();
    mouseClick(b, b->rect().center());
}

void WalkTest::option(const QString& group, int index, const Caller& where)
{
    auto* found = control<QRadioButton>(group + QString::number(index), where);
    ASSERT_TRUE(found->isVisible()) << group.toStdString() << "(" << index << ") is hidden";
    mouseClick(found, {8, found->height() / 2});
    EXPECT_TRUE(found->isChecked()) << group.toStdString() << "(" << index << ")";
}

void WalkTest::tick(const QString& checkBox, bool ticked, const Caller& where)
{
    auto* box = control<QCheckBox>(checkBox, where);
    ASSERT_TRUE(box->isVisible()) << checkBox.toStdString() << " is hidden";
    if (box->isChecked() != ticked) mouseClick(box, {8, box->height() / 2});
    EXPECT_EQ(box->isChecked(), ticked) << checkBox.toStdString();
}

void WalkTest::choose(const QString& list, const QString& item, const Caller& where)
{
    auto* combo = control<QComboBox>(list, where);
    ASSERT_TRUE(combo->isVisible()) << list.toStdString() << " is hidden";
    const int index = combo->findText(item);
    ASSERT_GE(index, 0) << item.toStdString() << " is not in " << list.toStdString();
    mouseClick(combo, {combo->width() - 8, combo->height() / 2}); // on the arrow
    QAbstractItemView* view = combo->view();
    ASSERT_TRUE(view->isVisible()) << list.toStdString() << " did not drop down";
    // The drop-down ignores a release that comes right after it opened, so the item is picked
    // with the arrow keys and Enter.
    QTest::keyClick(view, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(view, Qt::Key_Down);
    // The Enter that picks belongs to the list: a window shortcut (the default button's) that
    // took it too would press that button a moment later, in the middle of the page.
    QList<QSignalSpy*> shortcuts;
    for (QShortcut* shortcut : combo->window()->findChildren<QShortcut*>())
        shortcuts << new QSignalSpy(shortcut, &QShortcut::activated);
    QTest::keyClick(view, Qt::Key_Return);
    int pressed = 0;
    for (QSignalSpy* spy : std::as_const(shortcuts))
        pressed += int(spy->count());
    qDeleteAll(shortcuts);
    EXPECT_EQ(pressed, 0) << "Enter in " << list.toStdString() << " went on to a shortcut";
    EXPECT_FALSE(view->isVisible()) << list.toStdString() << " stayed open";
    settle();
    EXPECT_EQ(combo->currentText(), item) << list.toStdString();
}

void WalkTest::type(const QString& textBox, const QString& keys, const Caller& where)
{
    auto* box = control<QLineEdit>(textBox, where);
    ASSERT_TRUE(box->isVisible()) << textBox.toStdString() << " is hidden";
    mouseClick(box, box->rect().center());
    QTest::keyClick(box, Qt::Key_End);
    for (qsizetype n = box->text().size(); n > 0; --n)
        QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, keys);
    settle();
}

void WalkTest::menu(const QString& item, const Caller& where)
{
    QAction* action = testsupport::require(g_frmMain ? g_frmMain->findChild<QAction*>(item) : nullptr,
                                           "no menu item " + item.toStdString(), where);
    action->trigger();
    settle();
}

void WalkTest::jump(const QString& section)
{
    click(u"cmdNavigation"_s);
    auto* navigation = qobject_cast<frmNavigation*>(forms::Forms::instance(u"frmNavigation"_s));
    ASSERT_TRUE(navigation && navigation->isVisible()) << "quick navigation did not open";
    for (QWidget* b : navigation->cmdSection()) {
        if (!b->isVisible() || b->property("Caption").toString() != section) continue;
        mouseClick(b, b->rect().center());
        return;
    }
    FAIL() << "no section " << section.toStdString() << " in quick navigation";
}

QList<int> WalkTest::rows(int which)
{
    return testsupport::formIdRows(which == 0 ? g_rsFormStack.get() : g_rsVisitedForms.get());
}

double WalkTest::money(const QString& text)
{
    QString digits = text;
    digits.remove(u'$').remove(u',');
    return digits.toDouble();
}

QStringList WalkTest::prompts() const
{
    QStringList list;
    for (const auto& call : boxes->calls())
        list << call.prompt;
    return list;
}

} // namespace walk
