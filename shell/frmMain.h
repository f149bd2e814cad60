#pragma once

#include "runtime/forms/CommonDialog.h"
#include "runtime/forms/ImageList.h"
#include "runtime/forms/PictureCache.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>

class QAction;
class QLabel;
class QMenu;

// Running-total and payment texts for the top band.
struct TotalCostFigures {
    double TotalCost = 0;
    double MonthlyPrincipalInterest = 0;
    double MonthlyMortgageInsurance = 0;
    double MonthlyTaxes = 0;
    double MonthlyInsurance = 0;

    double MonthlyPayment() const
    {
        return MonthlyPrincipalInterest + MonthlyMortgageInsurance + MonthlyTaxes + MonthlyInsurance;
    }
    QString TotalText() const;   // "$###,###"
    QString PaymentText() const; // "Estimated Payment: $###,###.00"
};

// 30 years of monthly payments on the total less 5% down, plus taxes and insurance.
TotalCostFigures ComputeTotalCost(double totalCost, float interestRate);

// Refreshes the running total and the estimated monthly payment in the main window.
void UpdateTotalCost();

// Registers the shell's own windows (frmSplash, frmAbout) with the window table.
void registerShellWindows();

// The program's frame window: the top band with the running total, the File and Help menus,
// the common dialog and the image list. Pages are child widgets of pageArea().
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    QLabel* lblTotalCost() const { return m_lblTotalCost; }
    QWidget* pcHelpGutter() const { return m_pcHelpGutter; }
    forms::CommonDialog& dlgCommonDialog() { return m_dlgCommonDialog; }
    forms::ImageList& ImageList1() { return m_imageList; }
    // The page buttons' faces, drawn once per face, size and pixel ratio for all pages.
    forms::PictureCache& ButtonFaces() { return m_buttonFaces; }
    QString HelpFile() const { return m_helpFile; }

    // The area pages are shown in.
    QWidget* pageArea() const { return m_pageArea; }
    // Makes a page a child of the page area (hidden until it is shown).
    void adoptPage(QWidget* page);
    // The page now shown in the page area, if any.
    QWidget* activePage() const;

    // Writes the figures into the top band.
    void showTotalCost(const TotalCostFigures& figures);
    // Empties the top band while there is no estimate to show.
    void clearTotalCost();

    void LaunchBrowser(const QString& URL);

    // The overview report (print when true, preview when false). Until it is set, the Print
    // and Print Preview items do nothing.
    std::function<void(bool ToPrinter)> ShowOverviewReport;

    static QString FaqUrl();
    static QString HomePageUrl();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private Q_SLOTS:
    // Not called from any menu or button.
    void ShowQuickNavigation();
    void ShowPageSetup();

private:
    friend struct frmMainTestAccess;
    // Not called from any menu or button; raises whatever fails.
    void ShowSpreadsheetChart();

    void MDIForm_Load();
    void MDIForm_Resize();
    bool MDIForm_QueryUnload();
    void layoutTopBand();
    void createMenus();

    void mnuFilePrint_Click();
    void mnuFilePrintPreview_Click();
    void mnuHelpContents_Click();
    void mnuTechSupport_Click();
    void mnuHelpAbout_Click();

    QWidget* m_pcToolbar = nullptr;
    QWidget* m_pcBreak = nullptr;
    QWidget* m_imgCurve = nullptr;
    QWidget* m_pcTotal = nullptr;
    QLabel* m_lblTotalCost = nullptr;
    QLabel* m_lblPayment = nullptr;
    QWidget* m_pcHelpGutter = nullptr;
    QWidget* m_pageArea = nullptr;
    forms::CommonDialog m_dlgCommonDialog;
    forms::ImageList m_imageList;
    forms::PictureCache m_buttonFaces;
    QString m_helpFile;
    bool m_closing = false;
};
