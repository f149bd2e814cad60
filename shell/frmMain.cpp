#include "shell/frmMain.h"

#include "estimate/MonthlyPayments.h"
#include "estimate/clsHomeData.h"
#include "runtime/com/ComponentRegistry.h"
#include "runtime/com/LateBound.h"
#include "runtime/forms/App.h"
#include "runtime/forms/Forms.h"
#include "runtime/forms/Modal.h"
#include "runtime/forms/MsgBox.h"
#include "runtime/forms/WindowFit.h"
#include "runtime/help/ContextHelp.h"
#include "runtime/help/HelpService.h"
#include "runtime/os/Browser.h"
#include "runtime/report/PrintService.h"
#include "runtime/vb/Format.h"
#include "runtime/vb/Random.h"
#include "runtime/vb/Trap.h"
#include "runtime/vb/VbError.h"
#include "shell/basGlobalVariables.h"
#include "shell/basHouseFiles.h"
#include "shell/basStyleControl.h"
#include "shell/frmAbout.h"
#include "shell/frmNavigation.h"
#include "shell/frmSplash.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QVBoxLayout>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace
{

// The band's colours: the pages' dark blue fading to a lighter blue.
const QColor BandDark(0x0b, 0x1f, 0x4d);
const QColor BandLight(0x1d, 0x4f, 0x91);
const QColor TotalPanel(0xf3, 0xf6, 0xfb);
constexpr int BandHeight = 58;
constexpr int CurveWidth = 44;
constexpr int TotalWidth = 250;

// pcBreak: the band's filler, with the program's name.
class BreakPanel : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QLinearGradient g(0, 0, width(), 0);
        g.setColorAt(0, BandDark);
        g.setColorAt(1, BandLight);
        p.fillRect(rect(), g);
        p.setPen(Qt::white);
        p.setFont(StyleFont(18, true)); // the page titles' font: no font engine of its own
        const QRect text = rect().adjusted(16, 0, 0, -14);
        p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, forms::App::Title());
        p.setPen(QColor(0xc8, 0xd6, 0xea));
        p.setFont(StyleFont(9, false));
        p.drawText(rect().adjusted(17, 26, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   u"Home construction cost estimate"_s);
    }
};

// imgCurve: the sweep from the band into the total panel.
class CurveImage : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), BandLight);
        QPainterPath path;
        path.moveTo(width(), 0);
        path.lineTo(width() * 0.55, 0);
        path.cubicTo(width() * 0.05, height() * 0.25, width() * 0.95, height() * 0.75, 0, height());
        path.lineTo(width(), height());
        path.closeSubpath();
        p.fillPath(path, TotalPanel);
    }
};

// pcTotal: the right end of the band.
class TotalPanelWidget : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), TotalPanel);
        p.setPen(QColor(0xc5, 0xcf, 0xdd));
        p.drawLine(0, height() - 1, width(), height() - 1);
    }
};

// The page area: the workspace behind the pages.
class PageArea : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(0xd9, 0xde, 0xe6));
    }
};

} // namespace

QString TotalCostFigures::TotalText() const
{
    return vb::Format(TotalCost, u"$###,###"_s);
}

QString TotalCostFigures::PaymentText() const
{
    return u"Estimated Payment: "_s + vb::Format(MonthlyPayment(), u"$###,###.00"_s);
}

TotalCostFigures ComputeTotalCost(double totalCost, float interestRate)
{
    TotalCostFigures f;
    f.TotalCost = totalCost;
    // The rate per month is worked out in single precision, as the record holds it.
    const float monthlyRate = interestRate / 100.0f / 12.0f;
    f.MonthlyPrincipalInterest = estimate::monthlyPrincipalInterest(
        totalCost - totalCost * estimate::kDownShares[0], double(monthlyRate));
    f.MonthlyMortgageInsurance = estimate::monthlyMortgageInsurance(totalCost);
    f.MonthlyTaxes = estimate::monthlyTaxes(totalCost);
    f.MonthlyInsurance = estimate::monthlyHomeowners(totalCost);
    return f;
}

void UpdateTotalCost()
{
    clsHomeData& home = HomeData();
    TotalCostFigures f;
    try {
        f = ComputeTotalCost(double(home.CalculateTotal()), home.InterestRate());
    } catch (...) {
        // No figure rather than an old one.
        if (g_frmMain) g_frmMain->clearTotalCost();
        throw;
    }
    g_TotalCost = f.TotalCost;
    g_MonthlyPrincipalInterest = f.MonthlyPrincipalInterest;
    g_MonthlyMortgageInsurance = f.MonthlyMortgageInsurance;
    g_MonthlyTaxes = f.MonthlyTaxes;
    g_MonthlyInsurance = f.MonthlyInsurance;
    if (g_frmMain) g_frmMain->showTotalCost(f);
}

void registerShellWindows()
{
    forms::Forms::registerClass(u"frmSplash"_s, [] { return new frmSplash; });
    forms::Forms::registerClass(u"frmAbout"_s, [] { return new frmAbout(g_frmMain.data()); });
    registerNavigationWindow();
}

frmMain::frmMain(QWidget* parent) : QMainWindow(parent), m_dlgCommonDialog(this)
{
    setObjectName(u"frmMain"_s);
    setWindowTitle(forms::App::Title());

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_pcToolbar = new QWidget(central);
    m_pcToolbar->setObjectName(u"pcToolbar"_s);
    m_pcToolbar->setFixedHeight(BandHeight);
    m_pcBreak = new BreakPanel(m_pcToolbar);
    m_pcBreak->setObjectName(u"pcBreak"_s);
    m_imgCurve = new CurveImage(m_pcToolbar);
    m_imgCurve->setObjectName(u"imgCurve"_s);
    m_imgCurve->resize(CurveWidth, BandHeight);
    m_pcTotal = new TotalPanelWidget(m_pcToolbar);
    m_pcTotal->setObjectName(u"pcTotal"_s);
    m_pcTotal->resize(TotalWidth, BandHeight);

    // Empty until there is an estimate to show.
    m_lblTotalCost = new QLabel(m_pcTotal);
    m_lblTotalCost->setObjectName(u"lblTotalCost"_s);
    m_lblTotalCost->setFont(StyleFont(18, true));
    m_lblTotalCost->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lblTotalCost->setStyleSheet(u"color: #0b1f4d;"_s);
    m_lblTotalCost->setGeometry(8, 4, TotalWidth - 22, 30);
    // The payment is the label's second text; this line shows it under the total.
    m_lblPayment = new QLabel(m_pcTotal);
    m_lblPayment->setObjectName(u"lblEstimatedPayment"_s);
    m_lblPayment->setFont(StyleFont(9, false));
    m_lblPayment->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lblPayment->setStyleSheet(u"color: #3c4a5e;"_s);
    m_lblPayment->setGeometry(8, 33, TotalWidth - 22, 18);

    m_pageArea = new PageArea(central);
    m_pageArea->setObjectName(u"pageArea"_s);
    m_pageArea->setMinimumSize(640, 480);

    // On a screen too small for the page the page area scrolls; the page keeps its layout.
    auto* pageScroll = new QScrollArea(central);
    pageScroll->setObjectName(u"pageScroll"_s);
    pageScroll->setFrameShape(QFrame::NoFrame);
    pageScroll->setWidgetResizable(true);
    pageScroll->setWidget(m_pageArea);
    // The area only holds the page: Tab goes from control to control of the page, never to it.
    pageScroll->setFocusPolicy(Qt::NoFocus);

    layout->addWidget(m_pcToolbar);
    layout->addWidget(pageScroll, 1);
    setCentralWidget(central);
    m_pcToolbar->installEventFilter(this);
    m_pageArea->installEventFilter(this);

    for (const QString& key : forms::ImageList::standardKeys())
        m_imageList.add(key);

    if (!forms::Forms::isRegistered(u"frmAbout"_s)) registerShellWindows();
    // A picture box of the design without behaviour.
    m_pcHelpGutter = new QWidget(central);
    m_pcHelpGutter->setObjectName(u"pcHelpGutter"_s);
    m_pcHelpGutter->setGeometry(0, 0, 0, 0);

    createMenus();
    help::installContextHelp();
    resize(800, 620);
    forms::keepOnScreen(this);
    MDIForm_Load();
}

frmMain::~frmMain() = default;

void frmMain::ShowQuickNavigation()
{
    ShowNavigationWindow();
}

// A new workbook with a 2 x 10 block of random whole numbers and a chart of it, left open in the
// user's hands.
void frmMain::ShowSpreadsheetChart()
{
    std::shared_ptr<QObject> xlApp = com::ComponentRegistry::instance().createObject(u"Excel.application"_s);
    QObject* xlBook = com::callObject(com::getObject(xlApp.get(), u"Workbooks"_s), u"Add"_s);
    QObject* xlSheet = com::callObject(com::getObject(xlBook, u"Worksheets"_s), u"Item"_s, {1});

    QVariantList aryData; // 2 rows of 10 columns
    vb::Randomize();
    for (int row = 1; row <= 2; ++row) {
        QVariantList columns;
        for (int column = 1; column <= 10; ++column)
            columns.append(QVariant(std::floor(vb::Rnd() * 50.0f) + 1.0f));
        aryData.append(QVariant(columns));
    }
    const auto blockA1 = [&] {
        return com::callObject(com::callObject(xlSheet, u"Range"_s, {u"A1"_s}), u"Resize"_s, {2, 10});
    };
    com::setProperty(blockA1(), u"Value"_s, aryData);

    QObject* xlChart = com::getObject(
        com::callObject(com::callObject(xlSheet, u"ChartObjects"_s), u"Add"_s, {50, 40, 300, 200}),
        u"Chart"_s);
    com::callMethod(xlChart, u"SetSourceData"_s, {}, {{u"Source"_s, QVariant::fromValue(blockA1())}});

    com::setProperty(xlApp.get(), u"Visible"_s, true);
    com::setProperty(xlApp.get(), u"UserControl"_s, true);
    xlApp.reset();
}

// The printer's page set-up; a cancel or any failure is ignored.
void frmMain::ShowPageSetup()
{
    vb::Trap trap = vb::Trap::silent();
    trap([this] { report::printService()->pageSetup(this); });
}

void frmMain::createMenus()
{
    QMenu* mnuFile = menuBar()->addMenu(u"&File"_s);
    mnuFile->setObjectName(u"mnuFile"_s);
    auto add = [this](QMenu* menu, const QString& name, const QString& caption, auto handler) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this,
                [name, handler] { vb::guard(u"frmMain."_s + name + u"_Click"_s, handler); });
        return action;
    };
    auto separator = [](QMenu* menu, const QString& name) { menu->addSeparator()->setObjectName(name); };

    add(mnuFile, u"mnuFileNew"_s, u"&New"_s, [] { FileNew(); })->setShortcut(QKeySequence::New);
    add(mnuFile, u"mnuFileOpen"_s, u"&Open..."_s, [] { FileOpen(); })->setShortcut(QKeySequence::Open);
    separator(mnuFile, u"mnuFileBar0"_s);
    add(mnuFile, u"mnuFileSave"_s, u"&Save"_s, [] { FileSave(); })->setShortcut(QKeySequence::Save);
    add(mnuFile, u"mnuFileSaveAs"_s, u"Save &As..."_s, [] { FileSaveAs(); });
    separator(mnuFile, u"mnuFileBar1"_s);
    add(mnuFile, u"mnuFilePrint"_s, u"&Print..."_s, [this] { mnuFilePrint_Click(); });
    add(mnuFile, u"mnuFilePrintPreview"_s, u"&Print Preview..."_s, [this] { mnuFilePrintPreview_Click(); });
    separator(mnuFile, u"mnuFileBar5"_s);
    add(mnuFile, u"mnuFileExit"_s, u"E&xit"_s, [this] { close(); });

    QMenu* mnuHelp = menuBar()->addMenu(u"&Help"_s);
    mnuHelp->setObjectName(u"mnuHelp"_s);
    add(mnuHelp, u"mnuHelpContents"_s, u"&Contents..."_s, [this] { mnuHelpContents_Click(); });
    separator(mnuHelp, u"mnuHelpBar0"_s);
    add(mnuHelp, u"mnuTechSupport"_s, u"Technical Support"_s, [this] { mnuTechSupport_Click(); });
    QMenu* mnuWeb = mnuHelp->addMenu(u"Quorbel Software on the Web"_s);
    mnuWeb->setObjectName(u"mnuWeb"_s);
    add(mnuWeb, u"mnuFAQ"_s, u"Frequent Asked Questions"_s, [this] { LaunchBrowser(FaqUrl()); });
    separator(mnuWeb, u"mnuWebBar0"_s);
    add(mnuWeb, u"mnuHomePage"_s, u"Quorbel Software Home Page"_s, [this] { LaunchBrowser(HomePageUrl()); });
    separator(mnuHelp, u"mnuHelpBar1"_s);
    add(mnuHelp, u"mnuHelpAbout"_s, u"&About ..."_s, [this] { mnuHelpAbout_Click(); });
}

QString frmMain::FaqUrl()
{
    return u"https://www.quorbel.example/tavimoor/faq.html"_s;
}
QString frmMain::HomePageUrl()
{
    return u"https://www.quorbel.example/"_s;
}

void frmMain::MDIForm_Load()
{
    vb::Trap trap(u"frmMain.MDIForm_Load"_s);
    trap([] { g_CurrentStep = u"Load MDI Form"_s; });
    trap([this] { layoutTopBand(); });
    trap([this] { m_helpFile = forms::App::Path() + u"/help"_s; });
}

void frmMain::layoutTopBand()
{
    const int w = m_pcToolbar->width();
    m_pcTotal->move(w - m_pcTotal->width(), 0);
    m_imgCurve->move(m_pcTotal->x() - m_imgCurve->width(), 0);
    m_pcBreak->setGeometry(0, 0, std::max(0, w - m_imgCurve->width() - m_pcTotal->width()), BandHeight);
}

void frmMain::MDIForm_Resize()
{
    if (!isMinimized()) layoutTopBand();
    // Re-centres the page now shown.
    if (g_CurrentForm) InitForm();
}

bool frmMain::MDIForm_QueryUnload()
{
    return FileClose();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    // The band and the page area get their sizes from the layout, after the window's own resize.
    if (event->type() == QEvent::Resize && (watched == m_pcToolbar || watched == m_pageArea))
        vb::guard(u"frmMain.MDIForm_Resize"_s, [this] { MDIForm_Resize(); });
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        vb::guard(u"frmMain.MDIForm_Resize"_s, [this] { MDIForm_Resize(); });
}

void frmMain::closeEvent(QCloseEvent* event)
{
    bool close = false;
    vb::guard(u"frmMain.MDIForm_QueryUnload"_s, [&] { close = MDIForm_QueryUnload(); });
    if (close)
        event->accept();
    else
        event->ignore();
}

void frmMain::adoptPage(QWidget* page)
{
    if (!page || page->parentWidget() == m_pageArea) return;
    const bool visible = page->isVisible();
    page->setParent(m_pageArea, Qt::Widget);
    page->setAutoFillBackground(true);
    // Room for the largest page shown so far.
    m_pageArea->setMinimumSize(m_pageArea->minimumSize().expandedTo(page->size()));
    if (visible) page->show();
}

QWidget* frmMain::activePage() const
{
    if (g_CurrentForm && g_CurrentForm->parentWidget() == m_pageArea && g_CurrentForm->isVisible())
        return g_CurrentForm.data();
    for (QObject* child : m_pageArea->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && w->isVisible()) return w;
    }
    return nullptr;
}

void frmMain::showTotalCost(const TotalCostFigures& figures)
{
    m_lblTotalCost->setText(figures.TotalText());
    QString payment;
    try {
        payment = figures.PaymentText();
    } catch (...) {
        // A payment that is not a finite amount has no text (overflow): the total stays, the
        // payment shows nothing rather than an old figure.
        m_lblTotalCost->setToolTip(QString());
        m_lblPayment->clear();
        throw;
    }
    m_lblTotalCost->setToolTip(payment);
    m_lblPayment->setText(payment);
}

void frmMain::clearTotalCost()
{
    m_lblTotalCost->clear();
    m_lblTotalCost->setToolTip(QString());
    m_lblPayment->clear();
}

void frmMain::LaunchBrowser(const QString& URL)
{
    os::BrowserService* browser = os::browserService();
    if (!browser->hasBrowser()) {
        forms::MsgBox(u"Could not find associated Browser"_s, forms::vbExclamation, u"Browser Not Found"_s);
        return;
    }
    if (!browser->openUrl(URL))
        forms::MsgBox(u"Web Page not Opened"_s, forms::vbExclamation, u"URL Failed"_s);
}

void frmMain::mnuFilePrint_Click()
{
    vb::Trap trap = vb::Trap::silent();
    trap([this] {
        if (activePage() && ShowOverviewReport) ShowOverviewReport(true);
    });
}

void frmMain::mnuFilePrintPreview_Click()
{
    vb::Trap trap = vb::Trap::silent();
    trap([this] {
        if (activePage() && ShowOverviewReport) ShowOverviewReport(false);
    });
}

void frmMain::mnuHelpContents_Click()
{
    vb::Trap trap = vb::Trap::silent();
    trap([this] {
        if (m_helpFile.isEmpty())
            forms::MsgBox(
                u"Unable to display Help Contents. There is no Help associated with this project."_s,
                forms::vbInformation, windowTitle());
        else
            help::showTopic(help::ContextContents);
    });
}

void frmMain::mnuTechSupport_Click()
{
    vb::Trap trap = vb::Trap::silent();
    trap([] { help::showTopic(help::ContextTechnicalSupport); });
}

void frmMain::mnuHelpAbout_Click()
{
    auto* about = qobject_cast<QDialog*>(forms::Forms::instance(u"frmAbout"_s));
    if (!about) return;
    if (about->parentWidget() != this) about->setParent(this, about->windowFlags());
    forms::showModal(about);
}
