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
#include "runtime/vb/Trap.h"
#include "runtime/vb/VbError.h"
#include "shell/PageWindows.h"
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

#include <optional>

using namespace Qt::Literals::StringLiterals;
using namespace shell_internal;

namespace
{

// Form_IDs of the plan that have no window of their own.
constexpr int16_t FormsWithoutWindow[] = {5, 6, 7, 8, 9, 18, 19, 30};

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

void RestorePointer(vb::Trap& trap)
{
    trap([&] { forms::Screen::setMousePointer(forms::vbDefault); });
}

// Step "Find Record for Load Form": the plan's row of FormID becomes the definition's current row.
bool FindFormDefinition(vb::Trap& trap, ado::Recordset* definition, vb::Integer FormID)
{
    g_CurrentStep = u"Find Record for Load Form"_s;
    return trap([&] {
        if (!definition) throw vb::VbError::objectNotSet();
        definition->MoveFirst();
        definition->Find(u"Form_ID="_s + QString::number(FormID));
        if (definition->EOF()) throw vb::VbError::noCurrentRecord();
    });
}

// A back move that cannot be shown: the two rows PopForm took go back on the stack.
void RestorePoppedRows(vb::Trap& trap, vb::Integer popped, vb::Integer shown)
{
    trap([&] {
        for (vb::Integer id : {popped, shown}) {
            Need(g_rsFormStack).AddNew();
            Need(g_rsFormStack).setField(u"Form_ID"_s, static_cast<int>(id));
            Need(g_rsFormStack).Update();
        }
    });
}

// Step "Unload Current Form".
void UnloadCallingForm(vb::Trap& trap, QWidget* CallingForm, vb::Integer FormID)
{
    g_CurrentStep = u"Unload Current Form"_s;
    QPointer<QWidget> calling = CallingForm;
    if (!calling || IsMainWindow(calling)) return;
    if (FormID.value() != 1)
        trap([&] { forms::Forms::unload(calling); });
    else
        // Stays loaded behind the welcome page, but never shown beside it.
        trap([&] { calling->hide(); });
}

// The window of the current Form_ID, created on first use; for a Form_ID without one, the
// previous page again (as a fresh window when it was just unloaded).
QPointer<QWidget> SelectPageWindow(vb::Trap& trap, const QString& previousClass)
{
    QPointer<QWidget> page;
    const QString className = pageWindowClass(g_CurrentFormID);
    if (!className.isEmpty()) {
        trap([&] { page = forms::Forms::instance(className); });
        return page;
    }
    if (!HasNoWindow(g_CurrentFormID))
        trap([&] { forms::MsgBox(u"Form not defined in code"_s, forms::vbCritical); });
    if (!previousClass.isEmpty() && !IsMainWindow(g_CurrentForm))
        trap([&] { page = forms::Forms::instance(previousClass); });
    return page;
}

// What LoadForm does to one button of the row: shows or hides it, and sets its Tag if given.
struct ButtonSetting {
    QString button;
    bool visible;
    std::optional<QString> tag;
};

// Back, Navigation and Help follow the Form_ID alone: the welcome page keeps its own, pages
// 10 and 28 keep Navigation as designed.
QList<ButtonSetting> NavigationButtons(int16_t formId, const QString& helpTag)
{
    if (formId == 1) return {};
    const ButtonSetting back{u"cmdBack"_s, true, u"-1"_s};
    const ButtonSetting help{u"cmdHelp"_s, true, helpTag};
    if (formId == 10 || formId == 28) return {back, help};
    return {back, {u"cmdNavigation"_s, true, std::nullopt}, help};
}

// Continue, Yes and No follow the row's targets: none without a way forward, Yes and No on a
// Yes/No page, otherwise Continue.
QList<ButtonSetting> MoveButtons(int16_t formId, vb::Integer yesForm, vb::Integer noForm)
{
    const ButtonSetting hideContinue{u"cmdContinue"_s, false, std::nullopt};
    const ButtonSetting hideYes{u"cmdYes"_s, false, std::nullopt};
    const ButtonSetting hideNo{u"cmdNo"_s, false, std::nullopt};
    if (noForm.value() == 0 && yesForm.value() == 0) return {hideContinue, hideYes, hideNo};
    if (noForm.value() > 0 && yesForm.value() > 0)
        return {hideContinue,
                {u"cmdYes"_s, true, QString::number(yesForm)},
                {u"cmdNo"_s, true, QString::number(noForm)}};
    QList<ButtonSetting> settings;
    if (formId != 1) settings = {hideYes, hideNo};
    settings.append({u"cmdContinue"_s, true, QString::number(yesForm)});
    return settings;
}

// One statement a property, as the trap reports them.
void ApplyButtons(vb::Trap& trap, QWidget* page, const QList<ButtonSetting>& settings)
{
    for (const ButtonSetting& s : settings) {
        trap([&] { SetVisible(page, s.button, s.visible); });
        if (s.tag) trap([&] { SetTag(page, s.button, *s.tag); });
    }
}

// Step "Set Form Button Properties", from the definition's current row; then the page's help topic.
void SetFormButtons(vb::Trap& trap, QWidget* page, ado::Recordset& definition)
{
    g_CurrentStep = u"Set Form Button Properties"_s;
    int32_t helpContextId = 0;
    trap([&] { helpContextId = vb::CLng(definition.Field(u"HelpContextID"_s)); });
    if (!page) return;
    const int16_t id = g_CurrentFormID;
    ApplyButtons(trap, page, NavigationButtons(id, QString::number(helpContextId)));

    vb::Integer yesForm = 0;
    vb::Integer noForm = 0;
    trap([&] { noForm = vb::CInt(definition.Field(u"No_Form"_s)); });
    trap([&] { yesForm = vb::CInt(definition.Field(u"Yes_Form"_s)); });
    ApplyButtons(trap, page, MoveButtons(id, yesForm, noForm));

    trap([&] { page->setProperty("HelpContextID", helpContextId); });
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
        RestorePointer(trap);
        return;
    }

    ado::Recordset* definition = g_rsFormDefinition.get();
    if (!FindFormDefinition(trap, definition, FormID)) {
        // Without its row the page cannot be shown; the current page and the stack stay as they are.
        if (popped) RestorePoppedRows(trap, FormID, shownID);
        RestorePointer(trap);
        return;
    }
    const bool pageWasShown = g_CurrentFormID.value() > 0;
    trap([&] { g_CurrentFormID = vb::CInt(definition->Field(u"Form_ID"_s)); });
    if (pageWasShown) trap([&] { PushForm(g_CurrentFormID); });

    const QString previousClass = g_CurrentForm ? g_CurrentForm->objectName() : QString();
    UnloadCallingForm(trap, CallingForm, FormID);
    const QPointer<QWidget> page = SelectPageWindow(trap, previousClass);
    g_CurrentForm = page;

    trap([&] { InitForm(); });

    SetFormButtons(trap, page, *definition);

    trap([&] { UpdateTotalCost(); });

    trap([&] {
        if (page) page->show();
    });
    RestorePointer(trap);
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
    if (pageWindowClass(formId).isEmpty() || !g_rsFormDefinition || !g_rsFormDefinition->isOpen())
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

bool Main()
{
    return Main(CommandLine());
}

bool Main(const QString& commandLine)
{
    vb::setErrorReporter(&ErrorHandler);
    vb::Trap trap(u"basNavigation.Main"_s);

    // A command-line file that is refused gives way to a fresh untitled estimate.
    const QString path = CommandLinePath(commandLine);
    // Where the working copy goes is decided once for it.
    QString workingCopy = path.isEmpty() ? WorkingCopyPath() : QString();
    // The disk is read while the fonts load and the splash shows.
    StartupPrefetch prefetch(ControlDatabasePath(), TemplatePath(), workingCopy);

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

    bool opened = !path.isEmpty() && OpenHomeDatabaseFile(path, true);
    if (!opened) {
        if (workingCopy.isEmpty()) workingCopy = WorkingCopyPath();
        if (const std::optional<FileCheck> fresh = prefetch.takeWorkingCopy())
            opened = OpenCheckedHomeDatabaseFile(workingCopy, *fresh);
        else
            opened = OpenNewWorkingCopy(workingCopy, true);
    }

    trap([&] {
        if (forms::Forms::isLoaded(u"frmSplash"_s))
            forms::Forms::unload(forms::Forms::instance(u"frmSplash"_s));
    });
    // Without an estimate there is nothing to show: the program ends (a message said why).
    if (!opened) {
        ReleaseProgramState();
        return false;
    }
    // The first page is shown once the main window is up, not as part of the window's show:
    // its activation may raise error boxes, whose event loops delete windows unloaded so far
    // (the splash among them) and must not run while Qt walks the window's children.
    const QPointer<QWidget> page = g_CurrentForm;
    const bool pageShown = page && !IsMainWindow(page) && !page->isHidden();
    if (pageShown) page->hide();
    trap([&] { Need(g_frmMain).show(); });
    if (pageShown && page) trap([&] { page->show(); });
    return true;
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
    if (stack.RecordCount() < 2) throw vb::VbError::noCurrentRecord();
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
    trap([&] { Need(g_rsFormDefinition).Open(FormDefinitionQuery(), Need(g_cnControl)); });
    trap([&] { Need(g_rsFormDefinition).SetActiveConnection(nullptr); });
}
