#include "shell/ProgramServices.h"

#include "runtime/com/ComponentRegistry.h"
#include "runtime/com/PropertyBag.h"
#include "runtime/forms/App.h"
#include "runtime/forms/ProgramStyle.h"
#include "runtime/sheet/Spreadsheet.h"
#include "shell/basGlobalVariables.h"
#include "shell/basNavigation.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>

using namespace Qt::Literals::StringLiterals;

namespace
{

// Installed, the desktop knows the program by its entry and icon "tavimoor". The icon is read
// from the installed file: a look-up in the icon themes reads every folder of the desktop's
// themes, a fifth of the start-up under a desktop session.
QIcon programIcon()
{
    const QString installed =
        QDir(forms::App::Path()).absoluteFilePath(QStringLiteral(TAVIMOOR_ICON_FROM_PROGRAM));
    if (!QFileInfo::exists(installed)) return QIcon::fromTheme(u"tavimoor"_s);
    // The theme offers its scalable icon in one size, its folder's 128 pixels; so does this.
    QIcon icon;
    icon.addPixmap(QIcon(installed).pixmap(QSize(128, 128)));
    return icon;
}

} // namespace

ProgramServices::ProgramServices()
{
    QApplication::setApplicationName(u"Tavimoor"_s);
    forms::installProgramStyle();
    QGuiApplication::setDesktopFileName(u"tavimoor"_s);
    // Made when the window system first asks for it; offscreen it never does.
    QApplication::setWindowIcon(forms::deferredIcon(&programIcon));
    forms::setMessageBoxService(&m_messageBoxes);
    forms::setFileDialogService(&m_fileDialogs);
    help::setHelpService(&m_helpWindow);
    os::setBrowserService(&m_browser);
    report::setPrintService(&m_printing);
    sheet::registerSpreadsheet(com::ComponentRegistry::instance());
}

ProgramServices::~ProgramServices()
{
    // Closed, the window only hides; its pages and windows go with it before the services do.
    delete m_mainWindow.data();
    help::setHelpService(nullptr);
    forms::setFileDialogService(nullptr);
    forms::setMessageBoxService(nullptr);
    os::setBrowserService(nullptr);
    report::setPrintService(nullptr);
}

bool ProgramServices::start(const OverviewReport& report)
{
    const bool started = Main();
    adoptMainWindow(report);
    return started;
}

bool ProgramServices::start(const OverviewReport& report, const QString& commandLine)
{
    const bool started = Main(commandLine);
    adoptMainWindow(report);
    return started;
}

void ProgramServices::adoptMainWindow(const OverviewReport& report)
{
    m_mainWindow = g_frmMain;
    if (m_mainWindow) m_mainWindow->ShowOverviewReport = report;
}

bool ProgramServices::loadButtonLibrary()
{
    // Every button of the program comes from the control library beside it.
    const QString library = forms::App::Path() + u"/libombLustrel.so"_s;
    const QString progId = u"ombLustrel.Lustrel"_s;
    auto& registry = com::ComponentRegistry::instance();
    QString reason;
    if (!QFileInfo::exists(library))
        reason = u"The file does not exist."_s;
    else if (!registry.loadLibrary(library))
        reason = registry.lastError();
    else if (!registry.isRegistered(progId))
        reason = u"The library registers no %1."_s.arg(progId);
    else
        return true;
    forms::MsgBox(u"The button library could not be loaded:"_s + u"\r\n"_s + library + u"\r\n"_s + reason,
                  forms::vbCritical, u"Error"_s);
    return false;
}
