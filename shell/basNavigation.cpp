#include "shell/basNavigation.h"

#include "estimate/clsHomeData.h"
#include "runtime/ado/Connection.h"
#include "runtime/ado/Recordset.h"
#include "runtime/com/LateBound.h"
#include "runtime/forms/App.h"
#include "runtime/forms/Forms.h"
#include "runtime/forms/MsgBox.h"
#include "runtime/forms/Screen.h"
#include "runtime/vb/Conversions.h"
#include "runtime/vb/FileSystem.h"
#include "runtime/vb/Trap.h"
#include "runtime/vb/VbError.h"
#include "shell/ShellInternal.h"
#include "shell/StartupPrefetch.h"
#include "shell/basErrorHandling.h"
#include "shell/basGlobalVariables.h"
#include "shell/basHouseFiles.h"
#include "shell/basStyleControl.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"

#include <QCoreApplication>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;
using namespace shell_internal;

namespace
{

// Form_ID -> page window.
struct PageWindow {
    int16_t formId;
    const char16_t* className;
};

constexpr PageWindow PageWindows[] = {
    {1, u"frm01Welcome"},         {2, u"frm01Driveway"},         {3, u"frm10Summary"},
    {4, u"frm10Payments"},        {10, u"frm01Disclaimer"},      {11, u"frm01HouseType"},
    {12, u"frm01NumberBedrooms"}, {14, u"frm01NumberBathrooms"}, {15, u"frm01OtherRooms"},
    {16, u"frm01Basement"},       {17, u"frm01Basement02"},      {20, u"frm01DefaultGrade"},
    {21, u"frm01Foundation"},     {22, u"frm01Garage"},          {23, u"frm01MainFloorCeiling"},
    {24, u"frm01BasementHeight"}, {25, u"frm01RoofStyle"},       {26, u"frm01RoofPitch"},
    {27, u"frm01HeatType"},       {28, u"frm01HouseLocation"},   {29, u"frm01LotCondition"},
    {31, u"frm01LotSize"},        {32, u"frm01StreetDistance"},  {33, u"frm01SidewalksReq"},
    {34, u"frm01WaterType"},      {35, u"frm01SewerType"},       {36, u"frm10Totals"},
    {37, u"frm01SquareFootage"},  {38, u"frm01FaucetFixtures"},  {39, u"frm01KitchenExtras"},
    {40, u"frm01FinishRooms"},    {41, u"frm01GardenTub"},       {42, u"frm01Exterior"},
    {43, u"frm01Fireplace"},      {44, u"frm01Fireplace02"},     {45, u"frm01Fireplace03"},
    {46, u"frm01LotPrice"},       {47, u"frm01Porches"},
};

// Form_IDs of the plan that have no window of their own.
constexpr int16_t FormsWithoutWindow[] = {5, 6, 7, 8, 9, 18, 19, 30};

QString WindowClassFor(int16_t formId)
{
    for (const PageWindow& p : PageWindows)
        if (p.formId == formId) return QString::fromUtf16(p.className);
    return {};
}

bool HasNoWindow(int16_t formId)
{
    for (int16_t id : FormsWithoutWindow)
        if (id == formId) return true;
    return false;
}

// A control of a page by name, as the late-bound Controls collection finds it.
QWidget* Control(QWidget* page, const QString& name)
{
    if (!page) throw vb::VbError::objectNotSet();
    auto* control = page->findChild<QWidget*>(name);
    if (!control) throw vb::VbError::controlNotFound(name);
    return control;
}

void SetVisible(QWidget* page, const QString& name, bool visible)
{
    Control(page, name)->setVisible(visible);
}

void SetTag(QWidget* page, const QString& name, const QString& tag)
{
    Control(page, name)->setProperty("Tag", tag);
}

QString CommandLine()
{
    QStringList args = QCoreApplication::arguments();
    if (!args.isEmpty()) args.removeFirst();
    return args.join(u' ');
}

// The house file a command line names: the whole line, without the double quotes that may
// enclose it. A double quote inside a name is part of the name.
QString CommandLinePath(const QString& commandLine)
{
    if (commandLine.size() >= 2 && commandLine.startsWith(u'"') && commandLine.endsWith(u'"'))
        return commandLine.mid(1, commandLine.size() - 2);
    return commandLine;
}

void LoadFormImpl(QWidget* CallingForm, vb::Integer& FormID)
{
    vb::Trap trap(u"basNavigation.LoadForm"_s);

    if (FormID == g_CurrentFormID) return;

    trap([&] { forms::Screen::setMousePointer(forms::vbHourglass); });
    const vb::Integer shownID = g_CurrentFormID;
    bool popped = false;
    if (FormID.value() == -1) popped = trap([&] { FormID = PopForm(); });
    if (FormID.value() < 1) {
        trap([&] { forms::MsgBox(u"No Tag Value Defined for Button"_s); });
        trap([&] { forms::Screen::setMousePointer(forms::vbDefault); });
        return;
    }

    g_CurrentStep = u"Find Record for Load Form"_s;
    ado::Recordset* definition = g_rsFormDefinition.get();
    bool found = trap([&] {
        if (!definition) throw vb::VbError::objectNotSet();
        definition->MoveFirst();
        definition->Find(u"Form_ID="_s + QString::number(FormID));
        if (definition->EOF())
            throw vb::VbError::noCurrentRecord();
    });
    if (!found) {
        // Without its row the page cannot be shown; the current page and the stack stay as they are.
        if (popped)
            trap([&] {
                for (vb::Integer id : {FormID, shownID}) {
                    Need(g_rsFormStack).AddNew();
                    Need(g_rsFormStack).setField(u"Form_ID"_s, static_cast<int>(id));
                    Need(g_rsFormStack).Update();
                }
            });
        trap([&] { forms::Screen::setMousePointer(forms::vbDefault); });
        return;
    }
    const bool pageWasShown = g_CurrentFormID.value() > 0;
    trap([&] { g_CurrentFormID = vb::CInt(definition->Field(u"Form_ID"_s)); });
    if (pageWasShown) trap([&] { PushForm(g_CurrentFormID); });

    g_CurrentStep = u"Unload Current Form"_s;
    QPointer<QWidget> calling = CallingForm;
    const QString previousClass = g_CurrentForm ? g_CurrentForm->objectName() : QString();
    if (calling && !IsMainWindow(calling)) {
        if (FormID.value() != 1)
            trap([&] { forms::Forms::unload(calling); });
        else
            // Stays loaded behind the welcome page, but never shown beside it.
            trap([&] { calling->hide(); });
    }

    const QString className = WindowClassFor(g_CurrentFormID);
    QPointer<QWidget> page;
    if (!className.isEmpty()) {
        trap([&] { page = forms::Forms::instance(className); });
    } else {
        if (!HasNoWindow(g_CurrentFormID))
            trap([&] { forms::MsgBox(u"Form not defined in code"_s, forms::vbCritical); });
        // The previous page again, as a fresh window when it was just unloaded.
        if (!previousClass.isEmpty() && !IsMainWindow(g_CurrentForm))
            trap([&] { page = forms::Forms::instance(previousClass); });
    }
    g_CurrentForm = page;

    trap([&] { InitForm(); });

    g_CurrentStep = u"Set Form Button Properties"_s;
    int32_t helpContextId = 0;
    trap([&] { helpContextId = vb::CLng(definition->Field(u"HelpContextID"_s)); });
    const QString helpTag = QString::number(helpContextId);
    if (page) {
        const int16_t id = g_CurrentFormID;
        if (id == 10 || id == 28) {
            trap([&] { SetVisible(page, u"cmdBack"_s, true); });
            trap([&] { SetTag(page, u"cmdBack"_s, u"-1"_s); });
            trap([&] { SetVisible(page, u"cmdHelp"_s, true); });
            trap([&] { SetTag(page, u"cmdHelp"_s, helpTag); });
        } else if (id != 1) {
            trap([&] { SetVisible(page, u"cmdBack"_s, true); });
            trap([&] { SetTag(page, u"cmdBack"_s, u"-1"_s); });
            trap([&] { SetVisible(page, u"cmdNavigation"_s, true); });
            trap([&] { SetVisible(page, u"cmdHelp"_s, true); });
            trap([&] { SetTag(page, u"cmdHelp"_s, helpTag); });
        }

        vb::Integer yesForm = 0;
        vb::Integer noForm = 0;
        trap([&] { noForm = vb::CInt(definition->Field(u"No_Form"_s)); });
        trap([&] { yesForm = vb::CInt(definition->Field(u"Yes_Form"_s)); });
        if (noForm.value() == 0 && yesForm.value() == 0) {
            trap([&] { SetVisible(page, u"cmdContinue"_s, false); });
            trap([&] { SetVisible(page, u"cmdYes"_s, false); });
            trap([&] { SetVisible(page, u"cmdNo"_s, false); });
        } else if (noForm.value() > 0 && yesForm.value() > 0) {
            trap([&] { SetVisible(page, u"cmdContinue"_s, false); });
            trap([&] { SetVisible(page, u"cmdYes"_s, true); });
            trap([&] { SetTag(page, u"cmdYes"_s, QString::number(yesForm)); });
            trap([&] { SetVisible(page, u"cmdNo"_s, true); });
            trap([&] { SetTag(page, u"cmdNo"_s, QString::number(noForm)); });
        } else {
            if (id != 1) {
                trap([&] { SetVisible(page, u"cmdYes"_s, false); });
                trap([&] { SetVisible(page, u"cmdNo"_s, false); });
            }
            trap([&] { SetVisible(page, u"cmdContinue"_s, true); });
            trap([&] { SetTag(page, u"cmdContinue"_s, QString::number(yesForm)); });
        }

        trap([&] { page->setProperty("HelpContextID", helpContextId); });
    }

    trap([&] { UpdateTotalCost(); });

    trap([&] {
        if (page) page->show();
    });
    trap([&] { forms::Screen::setMousePointer(forms::vbDefault); });
}

} // namespace

namespace shell_internal
{

// The main window, as the calling window of file-opening code.
QWidget* MainWindowWidget()
{
    return g_frmMain.data();
}

bool IsMainWindow(const QWidget* window)
{
    return window && (window == MainWindowWidget() || window->objectName() == u"frmMain"_s);
}

// A page the plan knows and the program can show; the resumed page of a file falls back to 1.
bool IsKnownPage(vb::Integer formId)
{
    if (WindowClassFor(formId).isEmpty() || !g_rsFormDefinition || !g_rsFormDefinition->isOpen())
        return false;
    ado::Recordset& definition = *g_rsFormDefinition;
    if (definition.BOF() && definition.EOF()) return false;
    definition.MoveFirst();
    definition.Find(u"Form_ID="_s + QString::number(formId));
    return !definition.EOF();
}

QString ControlDatabasePath()
{
    return forms::App::Path() + u"/HomeControl.cfg"_s;
}

} // namespace shell_internal

void Main()
{
    Main(CommandLine());
}

void Main(const QString& commandLine)
{
    vb::setErrorReporter(&ErrorHandler);
    vb::Trap trap(u"basNavigation.Main"_s);

    // A command-line file that is refused gives way to a fresh untitled estimate.
    const QString path = CommandLinePath(commandLine);
    // The disk is read while the fonts load and the splash shows.
    StartupPrefetch prefetch(ControlDatabasePath(), TemplatePath(), path.isEmpty() ? WorkingCopyPath() : QString());

    trap([&] { registerShellWindows(); });
    trap([&] {
        QWidget* splash = forms::Forms::instance(u"frmSplash"_s);
        if (auto* window = qobject_cast<frmSplash*>(splash))
            window->showPainted();
        else
            splash->show();
    });

    std::optional<ControlDatabase> control = prefetch.takeControlDatabase();
    g_cnHouse = std::make_unique<ado::Connection>();
    g_cnControl = control ? std::move(control->connection) : std::make_unique<ado::Connection>();

    trap([&] {
        auto* main = new frmMain();
        if (main->objectName().isEmpty()) main->setObjectName(u"frmMain"_s);
        g_frmMain = main;
    });

    trap([&] {
        g_HomeData = std::make_unique<clsHomeData>(*g_cnHouse, *g_cnControl,
                                                   [](const QString& step) { g_CurrentStep = step; });
    });

    if (control) {
        g_CurrentStep = u"Open Control Database Connection"_s;
        g_rsFormDefinition = std::move(control->formDefinition);
    } else {
        OpenControlDatabase();
    }

    g_CurrentStep = u"Create Stack Recordset"_s;
    trap([&] {
        g_rsFormStack = std::make_unique<ado::Recordset>();
        Need(g_rsFormStack).setCursorLocation(ado::adUseClient);
    });
    trap([&] {
        g_rsVisitedForms = std::make_unique<ado::Recordset>();
        Need(g_rsVisitedForms).setCursorLocation(ado::adUseClient);
    });

    if (path.isEmpty() || !OpenHomeDatabaseFile(path, true)) {
        if (const std::optional<FileCheck> fresh = prefetch.takeWorkingCopy()) {
            OpenCheckedHomeDatabaseFile(WorkingCopyPath(), *fresh);
        } else {
            // A scratch copy: every start and File > New make it afresh, so it need not wait for the disk.
            trap([&] { vb::FileCopy(TemplatePath(), WorkingCopyPath(), vb::CopyKind::Scratch); });
            OpenHomeDatabaseFile(WorkingCopyPath(), true);
        }
    }

    trap([&] {
        if (forms::Forms::isLoaded(u"frmSplash"_s))
            forms::Forms::unload(forms::Forms::instance(u"frmSplash"_s));
    });
    // The first page is shown once the main window is up, not as part of the window's show:
    // its activation may raise error boxes, whose event loops delete windows unloaded so far
    // (the splash among them) and must not run while Qt walks the window's children.
    const QPointer<QWidget> page = g_CurrentForm;
    const bool pageShown = page && !IsMainWindow(page) && !page->isHidden();
    if (pageShown) page->hide();
    trap([&] { Need(g_frmMain).show(); });
    if (pageShown && page) trap([&] { page->show(); });
}

void LoadForm(QWidget* CallingForm, vb::Integer& FormID)
{
    LoadFormImpl(CallingForm, FormID);
}

void LoadForm(QWidget* CallingForm, vb::Integer&& FormID)
{
    vb::Integer id = FormID;
    LoadFormImpl(CallingForm, id);
}

void PushForm(vb::Integer FormID)
{
    g_CurrentStep = u"Push Form"_s;
    ado::Recordset& stack = Need(g_rsFormStack);
    stack.AddNew();
    stack.setField(u"Form_ID"_s, static_cast<int>(FormID));
    stack.Update();

    ado::Recordset& visited = Need(g_rsVisitedForms);
    if (!(visited.BOF() && visited.EOF())) {
        visited.MoveFirst();
        visited.Find(u"Form_ID="_s + QString::number(FormID));
    }
    if (visited.EOF()) {
        visited.AddNew();
        visited.setField(u"Form_ID"_s, static_cast<int>(FormID));
        visited.Update();
    }
}

vb::Integer PopForm()
{
    g_CurrentStep = u"PopForm"_s;
    ado::Recordset& stack = Need(g_rsFormStack);
    // Both rows are read before either goes, so a short stack stays as it was.
    if (stack.RecordCount() < 2)
        throw vb::VbError::noCurrentRecord();
    stack.MoveLast();
    stack.MovePrevious();
    const vb::Integer previous = vb::CInt(stack.Field(u"Form_ID"_s));
    stack.MoveLast();
    stack.Delete();
    stack.MoveLast();
    stack.Delete();
    return previous;
}

bool CommitCurrentForm()
{
    QWidget* page = g_CurrentForm;
    if (!page || IsMainWindow(page) || !com::hasMember(page, u"CommitEntries"_s)) return true;
    // The step under way (a save, New, Open) stays the one an error names.
    const QString step = g_CurrentStep;
    const bool taken = com::callMethod(page, u"CommitEntries"_s).toBool();
    g_CurrentStep = step;
    return taken;
}

void OpenControlDatabase()
{
    vb::Trap trap(u"basNavigation.Open Control Database"_s);
    g_CurrentStep = u"Open Control Database Connection"_s;
    trap([&] {
        if (Need(g_cnControl).State() != ado::adStateClosed) Need(g_cnControl).Close();
    });
    trap([&] { Need(g_cnControl).setProvider(Provider()); });
    trap([&] { Need(g_cnControl).Open(ControlDatabasePath(), ado::OpenMode::ReadOnly); });
    trap([&] {
        g_rsFormDefinition = std::make_unique<ado::Recordset>();
        Need(g_rsFormDefinition).setCursorLocation(ado::adUseClient);
    });
    trap([&] {
        Need(g_rsFormDefinition).Open(FormDefinitionQuery(), Need(g_cnControl));
    });
    trap([&] { Need(g_rsFormDefinition).SetActiveConnection(nullptr); });
}
