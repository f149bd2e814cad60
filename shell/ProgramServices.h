#pragma once

#include "runtime/forms/CommonDialog.h"
#include "runtime/forms/MsgBox.h"
#include "runtime/help/HelpService.h"
#include "runtime/os/Browser.h"
#include "runtime/report/PrintService.h"

#include <QPointer>
#include <QString>

#include <functional>

class frmMain;

// What the program needs around Main: the Qt message boxes, file dialogs, help window, browser
// and printing installed while it lives, the button library loaded from the program folder,
// and the main window's Print and Print Preview handed the report. It owns the main window Main
// makes and deletes it first when it goes, unless the window is gone already. Needs a
// QApplication.
class ProgramServices
{
public:
    ProgramServices();
    ~ProgramServices();
    ProgramServices(const ProgramServices&) = delete;
    ProgramServices& operator=(const ProgramServices&) = delete;

    // Loads "libombLustrel.so" from the program folder; on failure says so and why in a message
    // box and returns false.
    bool loadButtonLibrary();

    // Main on the process command line (or on the one given), then File > Print and Print
    // Preview show the overview report. False when the program is to end at once.
    using OverviewReport = std::function<void(bool ToPrinter)>;
    bool start(const OverviewReport& report);
    bool start(const OverviewReport& report, const QString& commandLine);

    help::QtHelpWindow& helpWindow() { return m_helpWindow; }

private:
    void adoptMainWindow(const OverviewReport& report);

    forms::QtMessageBoxes m_messageBoxes;
    forms::QtFileDialogs m_fileDialogs;
    help::QtHelpWindow m_helpWindow;
    os::DesktopBrowser m_browser;
    report::DeferredPrintService m_printing;
    QPointer<frmMain> m_mainWindow;
};
