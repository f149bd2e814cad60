#include "runtime/com/ComponentRegistry.h"
#include "runtime/com/PropertyBag.h"
#include "runtime/forms/App.h"
#include "runtime/forms/CommonDialog.h"
#include "runtime/forms/MsgBox.h"
#include "runtime/help/HelpService.h"
#include "runtime/os/Browser.h"
#include "runtime/report/PrintService.h"
#include "shell/basGlobalVariables.h"
#include "shell/basNavigation.h"
#include "shell/frmMain.h"

#include "pages/registerPages.h"
#include "results/basReporting.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavimoor"));

    forms::QtMessageBoxes messageBoxes;
    forms::setMessageBoxService(&messageBoxes);
    forms::QtFileDialogs fileDialogs;
    forms::setFileDialogService(&fileDialogs);
    help::QtHelpWindow helpWindow;
    help::setHelpService(&helpWindow);
    os::DesktopBrowser browser;
    os::setBrowserService(&browser);
    report::QtPrintService printing;
    report::setPrintService(&printing);

    // Every button of the program comes from the control library beside it.
    const QString buttonLibrary = forms::App::Path() + QStringLiteral("/libombLustrel.so");
    auto& registry = com::ComponentRegistry::instance();
    if (!QFileInfo::exists(buttonLibrary) || !registry.loadLibrary(buttonLibrary) ||
        !registry.isRegistered(QStringLiteral("ombLustrel.Lustrel"))) {
        forms::MsgBox(QStringLiteral("The button library could not be loaded:") + QStringLiteral("\r\n") + buttonLibrary,
                      16, QStringLiteral("Error"));
        return 1;
    }

    pages::registerPages();

    Main();
    // File > Print and Print Preview show the overview report.
    if (g_frmMain)
        g_frmMain->ShowOverviewReport = [](bool ToPrinter) { results::ShowOverviewReport(ToPrinter); };
    const int result = QApplication::exec();

    help::setHelpService(nullptr);
    forms::setFileDialogService(nullptr);
    forms::setMessageBoxService(nullptr);
    os::setBrowserService(nullptr);
    report::setPrintService(nullptr);
    return result;
}

