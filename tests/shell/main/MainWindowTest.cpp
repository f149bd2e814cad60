#include "runtime/forms/Forms.h"
#include "runtime/forms/Modal.h"
#include "runtime/forms/MsgBox.h"
#include "runtime/help/HelpService.h"
#include "runtime/os/Browser.h"
#include "runtime/os/Programs.h"
#include "runtime/report/PrintService.h"
#include "runtime/vb/Trap.h"
#include "runtime/vb/VbError.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"

#include <QWindow>

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <cmath>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

// The level payment on a loan, worked out directly.
double levelPayment(double principal, double monthlyRate, int months)
{
    if (monthlyRate == 0) return principal / months;
    return principal * monthlyRate / (1 - std::pow(1 + monthlyRate, -months));
}

TEST(UpdateTotalCost, FiguresAgainstHandComputedPayments)
{
    struct Case {
        double total;
        float rate;
        const char* totalText;
        const char* paymentText;
    };
    const Case cases[] = {
        {200000, 6, "$200,000", "Estimated Payment: $1,490.35"},
        {150000, 0, "$150,000", "Estimated Payment: $659.23"},
        {0, 6, "$", "Estimated Payment: $.00"},
        {1234567, 7.5f, "$1,234,567", nullptr},
    };
    for (const Case& c : cases) {
        const TotalCostFigures f = ComputeTotalCost(c.total, c.rate);
        EXPECT_NEAR(f.MonthlyPrincipalInterest, levelPayment(c.total * 0.95, c.rate / 1200.0, 360), 0.01)
            << c.total;
        EXPECT_NEAR(f.MonthlyMortgageInsurance, c.total * 0.00039, 1e-4) << c.total;
        EXPECT_NEAR(f.MonthlyTaxes, c.total * 0.0011, 1e-3) << c.total;
        EXPECT_NEAR(f.MonthlyInsurance, c.total * 0.000266, 1e-3) << c.total;
        EXPECT_EQ(f.TotalText(), QString::fromLatin1(c.totalText));
        if (c.paymentText) {
            EXPECT_EQ(f.PaymentText(), QString::fromLatin1(c.paymentText));
        }
    }
    // The example figures: 78, 220 and 53.2 to the precision of the widened constants.
    const TotalCostFigures f = ComputeTotalCost(200000, 6);
    EXPECT_NEAR(f.MonthlyMortgageInsurance, 78.0, 1e-5);
    EXPECT_NEAR(f.MonthlyTaxes, 220.0, 1e-5);
    EXPECT_NEAR(f.MonthlyInsurance, 53.2, 1e-5);
    EXPECT_NEAR(f.MonthlyPrincipalInterest, 1139.15, 0.005);
}

TEST(UpdateTotalCost, WithoutEstimateRecordRaises)
{
    ASSERT_FALSE(g_HomeData);
    EXPECT_THROW(UpdateTotalCost(), vb::VbError);
}

class MainWindow : public testing::Test
{
protected:
    void SetUp() override
    {
        vb::setErrorReporter([this](const QString& proc, int32_t number, const QString&) {
            errors.push_back(proc + u":"_s + QString::number(number));
        });
        window = new frmMain;
        g_frmMain = window;
    }
    void TearDown() override
    {
        g_CurrentForm = nullptr;
        g_CurrentFormID = vb::Integer(0);
        delete window;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        vb::setErrorReporter({});
    }

    QAction* action(const char* name) const { return window->findChild<QAction*>(QString::fromLatin1(name)); }

    QWidget* makePage(bool withNavigation = true)
    {
        auto* page = new QWidget;
        page->setObjectName(u"frmProbePage"_s);
        page->resize(600, 470);
        if (withNavigation) {
            auto* nav = new QPushButton(page);
            nav->setObjectName(u"cmdNavigation"_s);
            nav->setProperty("ShowFocus", false);
        }
        return page;
    }

    frmMain* window = nullptr;
    std::vector<QString> errors;
    forms::ScriptedMessageBoxes boxes;
};

TEST_F(MainWindow, MenusWithTheirAccessKeys)
{
    struct Case {
        const char* name;
        const char* caption;
    };
    const Case cases[] = {
        {"mnuFileNew", "&New"},
        {"mnuFileOpen", "&Open..."},
        {"mnuFileSave", "&Save"},
        {"mnuFileSaveAs", "Save &As..."},
        {"mnuFilePrint", "&Print..."},
        {"mnuFilePrintPreview", "&Print Preview..."},
        {"mnuFileExit", "E&xit"},
        {"mnuHelpContents", "&Contents..."},
        {"mnuTechSupport", "Technical Support"},
        {"mnuFAQ", "Frequent Asked Questions"},
        {"mnuHomePage", "Quorbel Software Home Page"},
        {"mnuHelpAbout", "&About ..."},
    };
    for (const Case& c : cases) {
        QAction* a = action(c.name);
        ASSERT_NE(a, nullptr) << c.name;
        EXPECT_EQ(a->text(), QString::fromLatin1(c.caption)) << c.name;
    }
    EXPECT_EQ(window->findChild<QMenu*>(u"mnuFile"_s)->title(), u"&File"_s);
    EXPECT_EQ(window->findChild<QMenu*>(u"mnuHelp"_s)->title(), u"&Help"_s);
    EXPECT_EQ(window->findChild<QMenu*>(u"mnuWeb"_s)->title(), u"Quorbel Software on the Web"_s);
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindow, ImageListHoldsThePagesKeys)
{
    for (const char* key : {"Style0", "Style3", "Bedroom", "Gable", "Hip", "Pitch4", "Pitch12"})
        EXPECT_TRUE(window->ImageList1().contains(QString::fromLatin1(key))) << key;
}

TEST_F(MainWindow, TopBandShowsTotalAndPayment)
{
    window->resize(900, 640);
    window->show();
    QCoreApplication::processEvents();
    QWidget* total = window->findChild<QWidget*>(u"pcTotal"_s);
    QWidget* curve = window->findChild<QWidget*>(u"imgCurve"_s);
    QWidget* filler = window->findChild<QWidget*>(u"pcBreak"_s);
    EXPECT_EQ(total->geometry().right() + 1, total->parentWidget()->width());
    EXPECT_EQ(curve->geometry().right() + 1, total->x());
    EXPECT_EQ(filler->width(), curve->x());

    window->showTotalCost(ComputeTotalCost(200000, 6));
    EXPECT_EQ(window->lblTotalCost()->text(), u"$200,000"_s);
    EXPECT_EQ(window->lblTotalCost()->toolTip(), u"Estimated Payment: $1,490.35"_s);
    EXPECT_EQ(window->findChild<QLabel*>(u"lblEstimatedPayment"_s)->text(),
              u"Estimated Payment: $1,490.35"_s);

    // A rate whose payment is no amount: the total stays, the payment is cleared, the overflow raised.
    EXPECT_THROW(window->showTotalCost(ComputeTotalCost(200000, 99999)), vb::VbError);
    EXPECT_EQ(window->lblTotalCost()->text(), u"$200,000"_s);
    EXPECT_TRUE(window->lblTotalCost()->toolTip().isEmpty());
    EXPECT_TRUE(window->findChild<QLabel*>(u"lblEstimatedPayment"_s)->text().isEmpty());
}

TEST_F(MainWindow, HelpMenuOpensContentsAndSupport)
{
    help::ScriptedHelp help;
    action("mnuHelpContents")->trigger();
    action("mnuTechSupport")->trigger();
    EXPECT_EQ(help.topics(), (std::vector<int>{100, 104}));
    EXPECT_TRUE(boxes.calls().empty());
}

TEST_F(MainWindow, LaunchBrowserReportsBothFailures)
{
    os::ScriptedBrowser browser;
    action("mnuFAQ")->trigger();
    action("mnuHomePage")->trigger();
    EXPECT_EQ(browser.opened(), (std::vector<QString>{frmMain::FaqUrl(), frmMain::HomePageUrl()}));
    EXPECT_TRUE(boxes.calls().empty());

    browser.setOpens(false);
    window->LaunchBrowser(u"https://example.org/"_s);
    browser.setHasBrowser(false);
    window->LaunchBrowser(u"https://example.org/"_s);
    ASSERT_EQ(boxes.calls().size(), 2u);
    EXPECT_EQ(boxes.calls()[0].prompt, u"Web Page not Opened"_s);
    EXPECT_EQ(boxes.calls()[0].title, u"URL Failed"_s);
    EXPECT_EQ(boxes.calls()[0].buttons, 48);
    EXPECT_EQ(boxes.calls()[1].prompt, u"Could not find associated Browser"_s);
    EXPECT_EQ(boxes.calls()[1].title, u"Browser Not Found"_s);
    EXPECT_EQ(browser.opened().size(), 3u) << "nothing is opened without a browser";
}

TEST_F(MainWindow, PrintItemsNeedAPageAndTheReport)
{
    std::vector<bool> calls;
    action("mnuFilePrint")->trigger(); // no report yet: nothing happens
    window->ShowOverviewReport = [&](bool toPrinter) { calls.push_back(toPrinter); };
    action("mnuFilePrint")->trigger(); // no page shown
    EXPECT_TRUE(calls.empty());

    window->show();
    QWidget* page = makePage();
    window->adoptPage(page);
    g_CurrentForm = page;
    page->show();
    action("mnuFilePrint")->trigger();
    action("mnuFilePrintPreview")->trigger();
    EXPECT_EQ(calls, (std::vector<bool>{true, false}));
}

TEST_F(MainWindow, PageSetupGoesToThePrinterAndIgnoresACancel)
{
    report::ScriptedPrintService printing;
    printing.cancel().accept();
    for (int i = 0; i < 2; ++i)
        ASSERT_TRUE(QMetaObject::invokeMethod(window, "ShowPageSetup"));
    ASSERT_EQ(printing.calls().size(), 2u);
    for (const auto& call : printing.calls())
        EXPECT_EQ(call.kind, report::ScriptedPrintService::Call::Kind::PageSetup);
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(boxes.calls().empty());
}

TEST_F(MainWindow, InitFormCentresThePageAtTheTop)
{
    window->resize(1000, 700);
    window->show();
    QCoreApplication::processEvents();
    QWidget* page = makePage();
    g_CurrentForm = page;
    g_CurrentFormID = vb::Integer(12);
    InitForm();
    EXPECT_EQ(page->parentWidget(), window->pageArea());
    EXPECT_EQ(page->x(), (window->pageArea()->width() - 600) / 2);
    EXPECT_EQ(page->y(), 0);
    EXPECT_TRUE(page->findChild<QWidget*>(u"cmdNavigation"_s)->property("ShowFocus").toBool());
    EXPECT_EQ(g_CurrentStep, u"Initialize Form"_s);

    // A resize re-centres it.
    window->resize(1200, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(page->x(), (window->pageArea()->width() - 600) / 2);
}

TEST_F(MainWindow, InitFormLeavesTheWelcomePagesNavigationAlone)
{
    QWidget* page = makePage();
    g_CurrentForm = page;
    g_CurrentFormID = vb::Integer(1);
    InitForm();
    EXPECT_FALSE(page->findChild<QWidget*>(u"cmdNavigation"_s)->property("ShowFocus").toBool());

    // Any other page needs its navigation button.
    QWidget* bare = makePage(false);
    g_CurrentForm = bare;
    g_CurrentFormID = vb::Integer(20);
    try {
        InitForm();
        FAIL() << "no error for a page without cmdNavigation";
    } catch (const vb::VbError& e) {
        EXPECT_EQ(e.number(), vb::ErrNoSuchMember);
    }
    EXPECT_EQ(bare->parentWidget(), window->pageArea()) << "centred before the button is touched";
}

TEST_F(MainWindow, AboutShowsModalAndSystemInformation)
{
    forms::ScriptedModals modals;
    action("mnuHelpAbout")->trigger();
    ASSERT_EQ(modals.calls().size(), 1u);
    EXPECT_EQ(modals.calls()[0].objectName, u"frmAbout"_s);
    EXPECT_EQ(modals.calls()[0].title, u"Tavimoor Version 1.0"_s);

    auto* about = qobject_cast<frmAbout*>(forms::Forms::instance(u"frmAbout"_s));
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->lbProduct()->text().startsWith(u"Tavimoor\nVersion 1.0 (Build 0)\n"_s));

    const QStringList saved = os::systemInformationTools();
    os::ScriptedLauncher launcher;
    struct Case {
        QStringList tools;
        bool starts;
        bool message;
    };
    const Case cases[] = {
        {{u"no-such-tool-here"_s}, true, true},
        {{u"sh"_s}, false, true},
        {{u"sh"_s}, true, false},
    };
    for (const Case& c : cases) {
        boxes.clear();
        os::setSystemInformationTools(c.tools);
        launcher.setStarts(c.starts);
        about->cmdSysInfo()->click();
        EXPECT_EQ(boxes.calls().size(), c.message ? 1u : 0u) << c.tools.join(u',').toStdString();
        if (c.message) {
            EXPECT_EQ(boxes.calls()[0].prompt, u"System Information Is Unavailable At This Time"_s);
        }
    }
    EXPECT_EQ(launcher.started().size(), 2u) << "nothing started without a tool";
    os::setSystemInformationTools(saved);

    about->cmdOK()->click();
    EXPECT_FALSE(forms::Forms::isLoaded(u"frmAbout"_s));
}

TEST(Splash, ShowsProductVersionAndNotice)
{
    frmSplash splash;
    EXPECT_EQ(splash.lblProductName()->text(), u"Tavimoor"_s);
    EXPECT_EQ(splash.lblVersion()->text(), u"Version 1.0"_s);
    EXPECT_FALSE(splash.lblCompanyProduct()->text().isEmpty());
    EXPECT_TRUE(splash.lblCopyright()->text().contains(u"Copyright"_s));
}

TEST(Splash, IsPaintedBeforeStartUpGoesOn)
{
    frmSplash splash;
    EXPECT_FALSE(splash.isPainted());
    splash.showPainted();
    // Painted without any further turn of the event loop.
    EXPECT_TRUE(splash.isPainted());
    ASSERT_NE(splash.windowHandle(), nullptr);
    EXPECT_TRUE(splash.windowHandle()->isExposed());
}

} // namespace
