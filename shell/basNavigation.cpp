#include "shell/basNavigation.h"

#include "estimate/clsHomeData.h"
#include "runtime/ado/Connection.h"
#include "runtime/ado/Recordset.h"
#include "runtime/com/LateBound.h"
#include "runtime/forms/App.h"
#include "runtime/forms/CommonDialog.h"
#include "runtime/forms/Forms.h"
#include "runtime/forms/MsgBox.h"
#include "runtime/forms/Screen.h"
#include "runtime/vb/Conversions.h"
#include "runtime/vb/FileSystem.h"
#include "runtime/vb/Trap.h"
#include "runtime/vb/VbError.h"
#include "shell/basErrorHandling.h"
#include "shell/basGlobalVariables.h"
#include "shell/basStyleControl.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWidget>

#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

namespace
{

constexpr float ProgramDatabaseVersion = 2;

// The shared objects, or error 91 when one does not exist.
template <typename T> T& Need(const std::unique_ptr<T>& object)
{
    if (!object) throw vb::VbError::objectNotSet();
    return *object;
}

template <typename T> T& Need(const QPointer<T>& object)
{
    if (!object) throw vb::VbError::objectNotSet();
    return *object;
}

// The main window, as the calling window of file-opening code.
QWidget* MainWindowWidget()
{
    return g_frmMain.data();
}

// The main window's common dialog; a spare one while there is no main window.
forms::CommonDialog& HouseFileDialog()
{
    static forms::CommonDialog spare;
    return g_frmMain ? g_frmMain->dlgCommonDialog() : spare;
}

void SetMainCaption(const QString& caption)
{
    if (g_frmMain) g_frmMain->setWindowTitle(caption);
}

const QString& Provider()
{
    static const QString provider = u"Microsoft.Jet.OLEDB.4.0"_s;
    return provider;
}

const QString& HouseFileFilter()
{
    static const QString filter = u"All Tavimoor Files (*.tvm)|*.tvm"_s;
    return filter;
}

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

void EndNow()
{
    std::_Exit(0);
}

EndProgramHook g_endProgram = &EndNow;

QString CrLf()
{
    return u"\r\n"_s;
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

bool IsMainWindow(const QWidget* window)
{
    return window && (window == MainWindowWidget() || window->objectName() == u"frmMain"_s);
}

bool IsWorkingCopy()
{
    return g_HouseFilePath == WorkingCopyPath();
}

void UnloadCurrentForm()
{
    if (g_CurrentForm && !IsMainWindow(g_CurrentForm)) forms::Forms::unload(g_CurrentForm);
}

// What is wrong with a file offered for opening.
enum class FileProblem { None, Unopenable, NotHouseFile, Damaged, UnreadableVersion, Outdated, Newer };

struct FileCheck {
    FileProblem problem = FileProblem::None;
    float version = 0;
    vb::VbError error{0, QString()}; // why an unopenable file did not open
};

bool HasDatabaseHeader(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.read(16) == QByteArrayLiteral("SQLite format 3\0");
}

// Every Form_ID of a page list reads as an Integer.
void CheckPageList(ado::Connection& cn, const QString& sql)
{
    ado::Recordset rs;
    rs.setCursorLocation(ado::adUseClient);
    rs.Open(sql, cn);
    for (; !rs.EOF(); rs.MoveNext())
        vb::CInt(rs.Field(u"Form_ID"_s));
}

// Reads a house file without writing to it: the four tables, one readable [HouseData] row, the
// page lists and the version.
FileCheck CheckHouseFile(const QString& path)
{
    FileCheck check;
    ado::Connection cn;
    try {
        // Not read-only: a journal left by a save that failed is rolled back, as on any open.
        cn.Open(path);
    } catch (const vb::VbError& e) {
        const QFileInfo info(path);
        if (!info.isFile() || !info.isReadable()) {
            check.problem = FileProblem::Unopenable;
            check.error = e;
        } else {
            check.problem = HasDatabaseHeader(path) ? FileProblem::Damaged : FileProblem::NotHouseFile;
        }
        return check;
    }
    try {
        ado::Recordset tables;
        tables.setCursorLocation(ado::adUseClient);
        tables.Open(u"SELECT name FROM sqlite_master WHERE type = 'table'"_s, cn);
        QStringList names;
        for (; !tables.EOF(); tables.MoveNext())
            names << vb::CStr(tables.Field(u"name"_s)).toLower();
        int present = 0;
        for (const char16_t* table : {u"housedata", u"database", u"form stack", u"visited forms"})
            present += names.contains(QString::fromUtf16(table)) ? 1 : 0;
        if (present < 4) {
            check.problem = present == 0 ? FileProblem::NotHouseFile : FileProblem::Damaged;
            return check;
        }
        clsHomeData probe(cn, cn);
        probe.InitializeData();
        probe.CheckData();
        CheckPageList(cn, u"Select * from [Form Stack]"_s);
        CheckPageList(cn, u"Select * from [Visited Forms]"_s);
        try {
            check.version = probe.DBVersion();
        } catch (const vb::VbError&) {
            check.problem = FileProblem::UnreadableVersion;
            return check;
        }
    } catch (const vb::VbError&) {
        check.problem = FileProblem::Damaged;
        return check;
    }
    if (check.version < ProgramDatabaseVersion)
        check.problem = FileProblem::Outdated;
    else if (check.version > ProgramDatabaseVersion)
        check.problem = FileProblem::Newer;
    return check;
}

QString FileErrorTitle()
{
    return u"File Error"_s;
}

// The one message for a file that is not opened.
void ReportRefusedFile(const FileCheck& check, const QString& path, const QString& procName)
{
    const QString program = forms::App::Title();
    QString text;
    switch (check.problem) {
    case FileProblem::None:
        return;
    case FileProblem::Unopenable:
        vb::reportError(procName, check.error.number(), check.error.description());
        return;
    case FileProblem::Outdated:
        OutdatedVersion();
        return;
    case FileProblem::Newer:
        forms::MsgBox(u"An error occured in the opening the file: <"_s + GetFileName(path) + u">."_s +
                          CrLf() + u"File Database Version: "_s + vb::CStr(check.version) + CrLf() +
                          u"Program Database Version: "_s + u"2"_s + CrLf() + CrLf() +
                          u"You need to install the correct version of the program."_s,
                      forms::vbCritical, FileErrorTitle());
        return;
    case FileProblem::NotHouseFile:
        text = u"This file is not a "_s + program + u" house file, so it cannot be opened:"_s;
        break;
    case FileProblem::Damaged:
        text = u"This house file is damaged and cannot be opened:"_s;
        break;
    case FileProblem::UnreadableVersion:
        text = u"This house file does not say which version of "_s + program +
               u" made it, so it cannot be opened:"_s;
        break;
    }
    forms::MsgBox(text + CrLf() + path, forms::vbCritical, FileErrorTitle());
}

void ReportFailedSave(const QString& path)
{
    vb::Trap::silent()([&] {
        forms::MsgBox(u"Your house could not be saved to this file:"_s + CrLf() + path + CrLf() + CrLf() +
                          u"The disk may be full, or the file or its folder may not be written to. "
                          "Your answers are still open; save them again, perhaps under another name."_s,
                      forms::vbCritical, FileErrorTitle());
    });
}

// Writes the record and both page lists into the open file; throws on the first failure (the
// failed list stays detached and keeps its pending rows).
void WriteOpenFile()
{
    HomeData().SaveData();
    for (ado::Recordset* rs : {g_rsFormStack.get(), g_rsVisitedForms.get()}) {
        if (!rs) throw vb::VbError::objectNotSet();
        rs->SetActiveConnection(g_cnHouse.get());
        try {
            rs->UpdateBatch(ado::adAffectAll);
        } catch (...) {
            rs->SetActiveConnection(nullptr);
            throw;
        }
        rs->SetActiveConnection(nullptr);
    }
}

// Saves in place; false after one message when the save failed.
bool SaveOpenFile()
{
    try {
        WriteOpenFile();
        return true;
    } catch (const vb::VbError&) {
        ReportFailedSave(g_HouseFilePath);
        return false;
    }
}

// Writes the estimate as it is in memory into a copy of the open file, on its own connection;
// the record and page lists in memory stay as they are, pending changes included.
void WriteEstimateInto(ado::Connection& cn)
{
    const std::unique_ptr<ado::Recordset> record = HomeData().rsHouseData().Clone();
    ado::Recordset row;
    row.setCursorLocation(ado::adUseClient);
    row.Open(u"Select * from [HouseData]"_s, cn);
    row.MoveFirst();
    for (const QString& name : record->fieldNames())
        row.setField(name, record->Field(name));
    row.UpdateBatch(ado::adAffectAll);

    const std::pair<const std::unique_ptr<ado::Recordset>*, QString> lists[] = {
        {&g_rsFormStack, u"Select * from [Form Stack]"_s},
        {&g_rsVisitedForms, u"Select * from [Visited Forms]"_s},
    };
    for (const auto& [list, sql] : lists) {
        const std::unique_ptr<ado::Recordset> rows = Need(*list).Clone();
        ado::Recordset copy;
        copy.setCursorLocation(ado::adUseClient);
        copy.Open(sql, cn);
        while (!(copy.BOF() && copy.EOF())) {
            copy.MoveFirst();
            copy.Delete();
        }
        for (; !rows->EOF(); rows->MoveNext()) {
            copy.AddNew();
            copy.setField(u"Form_ID"_s, rows->Field(u"Form_ID"_s));
            copy.Update();
        }
        copy.UpdateBatch(ado::adAffectAll);
    }
}

// Saves the estimate under a new name. The open file is copied to a temporary file beside the
// target, the estimate is written into that copy, and only the complete copy replaces the
// target; then the estimate is loaded from it. On failure (one message) the open file and the
// estimate in memory are untouched, the target is as it was and no temporary file is left.
bool SaveCopyAs(const QString& target)
{
    const QString temporary = vb::TemporaryPathBeside(target);
    try {
        if (!vb::IsWritableFile(target) || QFileInfo(target).isDir())
            throw vb::VbError::pathFileAccess();
        vb::CopyToNewFile(g_HouseFilePath, temporary);
        {
            ado::Connection copy;
            copy.Open(temporary);
            WriteEstimateInto(copy);
        }
        vb::ReplaceFile(temporary, target);
    } catch (const vb::VbError&) {
        QFile::remove(temporary);
        QFile::remove(temporary + u"-journal"_s);
        ReportFailedSave(target);
        return false;
    }
    return OpenHomeDatabaseFile(target, true);
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

// New, Open and Exit go on only after Yes (saved) or No.
bool SaveQuestionLetsGoOn(vb::Integer answer)
{
    return answer.value() == forms::vbYes || answer.value() == forms::vbNo;
}

// The Save dialog of the main window's common dialog; empty when cancelled. The name gets
// ".tvm" unless it already ends in exactly that.
QString ShowSaveDialog(const QString& title)
{
    forms::CommonDialog& dialog = HouseFileDialog();
    dialog.setDialogTitle(title);
    dialog.setCancelError(false);
    dialog.setFilter(HouseFileFilter());
    dialog.ShowSave();
    QString name = dialog.FileName();
    if (name.isEmpty()) return {};
    if (name.right(4) != u".tvm"_s) {
        name += u".tvm"_s;
        // The dialog confirmed the name it returned, not the one the extension made.
        if (QFileInfo::exists(name) && name != g_HouseFilePath) {
            const int answer =
                forms::MsgBox(name + u" already exists."_s + CrLf() + u"Do you want to replace it?"_s,
                              forms::vbYesNo + forms::vbExclamation, title);
            if (answer != forms::vbYes) return {};
        }
    }
    return name;
}

QString CommandLine()
{
    QStringList args = QCoreApplication::arguments();
    if (!args.isEmpty()) args.removeFirst();
    return args.join(u' ');
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
        if (definition->EOF()) throw vb::VbError::noCurrentRecord();
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

EndProgramHook setEndProgramHook(EndProgramHook hook)
{
    EndProgramHook previous = g_endProgram;
    g_endProgram = hook ? hook : &EndNow;
    return previous;
}

QString TemplatePath()
{
    return forms::App::Path() + u"/Tmplt.cfg"_s;
}

QString WorkingCopyPath()
{
    QString folder = forms::App::Path();
    if (!QFileInfo(folder).isWritable()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
        QDir().mkpath(folder);
    }
    return folder + u"/~092891.tmp"_s;
}

void Main()
{
    Main(CommandLine());
}

void Main(const QString& commandLine)
{
    vb::setErrorReporter(&ErrorHandler);
    vb::Trap trap(u"basNavigation.Main"_s);

    trap([&] { registerShellWindows(); });
    trap([&] {
        QWidget* splash = forms::Forms::instance(u"frmSplash"_s);
        if (auto* window = qobject_cast<frmSplash*>(splash))
            window->showPainted();
        else
            splash->show();
    });

    g_cnHouse = std::make_unique<ado::Connection>();
    g_cnControl = std::make_unique<ado::Connection>();

    trap([&] {
        auto* main = new frmMain();
        if (main->objectName().isEmpty()) main->setObjectName(u"frmMain"_s);
        g_frmMain = main;
    });

    trap([&] {
        g_HomeData = std::make_unique<clsHomeData>(*g_cnHouse, *g_cnControl,
                                                   [](const QString& step) { g_CurrentStep = step; });
    });

    OpenControlDatabase();

    g_CurrentStep = u"Create Stack Recordset"_s;
    trap([&] {
        g_rsFormStack = std::make_unique<ado::Recordset>();
        Need(g_rsFormStack).setCursorLocation(ado::adUseClient);
    });
    trap([&] {
        g_rsVisitedForms = std::make_unique<ado::Recordset>();
        Need(g_rsVisitedForms).setCursorLocation(ado::adUseClient);
    });

    // A command-line file that is refused gives way to a fresh untitled estimate.
    if (commandLine.isEmpty() || !OpenHomeDatabaseFile(commandLine, true)) {
        // A scratch copy: every start and File > New make it afresh, so it need not wait for the disk.
        trap([&] { vb::FileCopy(TemplatePath(), WorkingCopyPath(), vb::CopyKind::Scratch); });
        OpenHomeDatabaseFile(WorkingCopyPath(), true);
    }

    trap([&] {
        if (forms::Forms::isLoaded(u"frmSplash"_s))
            forms::Forms::unload(forms::Forms::instance(u"frmSplash"_s));
    });
    trap([&] { Need(g_frmMain).show(); });
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
    trap(
        [&] { Need(g_cnControl).Open(forms::App::Path() + u"/HomeControl.cfg"_s, ado::OpenMode::ReadOnly); });
    trap([&] {
        g_rsFormDefinition = std::make_unique<ado::Recordset>();
        Need(g_rsFormDefinition).setCursorLocation(ado::adUseClient);
    });
    trap([&] {
        Need(g_rsFormDefinition)
            .Open(u"Select * from [Form Definition] "_s + u"Order By Sequence"_s, Need(g_cnControl));
    });
    trap([&] { Need(g_rsFormDefinition).SetActiveConnection(nullptr); });
}

bool OpenHomeDatabaseFile(QString FilePath, bool CheckVersion)
{
    const QString procName = u"basNavigation.Open Home Database File"_s;
    vb::Trap trap(procName);
    g_CurrentStep = u"Open House Database Connection"_s;
    FilePath.remove(u'"');
    if (CheckVersion) {
        // A file is checked before anything of the open estimate changes.
        const FileCheck check = CheckHouseFile(FilePath);
        if (check.problem != FileProblem::None) {
            trap([&] { ReportRefusedFile(check, FilePath, procName); });
            return false;
        }
        trap([&] { UnloadCurrentForm(); });
    }

    const QString previous = g_HouseFilePath;
    trap([&] {
        if (Need(g_cnHouse).State() != ado::adStateClosed) Need(g_cnHouse).Close();
    });
    trap([&] { Need(g_cnHouse).setProvider(Provider()); });
    if (!trap([&] { Need(g_cnHouse).Open(FilePath); })) {
        // The estimate stays on the file it came from.
        if (!previous.isEmpty() && previous != FilePath)
            vb::Trap::silent()([&] { Need(g_cnHouse).Open(previous); });
        return false;
    }
    g_HouseFilePath = FilePath;

    if (FilePath == WorkingCopyPath()) {
        trap([&] { SetMainCaption(forms::App::Title()); });
        g_IsNewFile = -1;
    } else {
        trap([&] { SetMainCaption(forms::App::Title() + u" - "_s + GetFileName(FilePath)); });
        g_IsNewFile = 0;
    }

    if (CheckVersion) {
        trap([&] { HomeData().InitializeData(); });
        trap([&] {
            if (Need(g_rsFormStack).State() != ado::adStateClosed) Need(g_rsFormStack).Close();
        });
        trap([&] { Need(g_rsFormStack).Open(u"Select * from [Form Stack]"_s, Need(g_cnHouse)); });
        trap([&] { Need(g_rsFormStack).SetActiveConnection(nullptr); });
        trap([&] {
            if (Need(g_rsVisitedForms).State() != ado::adStateClosed) Need(g_rsVisitedForms).Close();
        });
        trap([&] { Need(g_rsVisitedForms).Open(u"Select * from [Visited Forms]"_s, Need(g_cnHouse)); });
        trap([&] { Need(g_rsVisitedForms).SetActiveConnection(nullptr); });
    }

    g_CurrentStep = u"Load Appropriate Form"_s;
    g_CurrentFormID = 0;
    bool empty = true;
    vb::Integer last = 1;
    trap([&] {
        empty = !Need(g_rsFormStack).isOpen() || (Need(g_rsFormStack).BOF() && Need(g_rsFormStack).EOF());
    });
    if (!empty) {
        if (!trap([&] {
                Need(g_rsFormStack).MoveLast();
                last = vb::CInt(Need(g_rsFormStack).Field(u"Form_ID"_s));
            }))
            last = 1;
    }
    if (!IsKnownPage(last)) last = 1;
    LoadForm(MainWindowWidget(), last);
    return true;
}

vb::Integer SaveHomeDatabaseFile(bool NoPrompt)
{
    vb::Trap trap(u"basNavigation.Save Home Database File"_s);
    int answer = 0;
    if (NoPrompt)
        answer = forms::vbYes;
    else
        trap([&] {
            answer = forms::MsgBox(u"Do you want to save this file?"_s,
                                   forms::vbYesNoCancel + forms::vbExclamation);
        });

    if (answer == forms::vbYes) {
        // Yes to the question saves what the page shows (File Save and Save As took it already);
        // a refused entry stops whatever waited on the save.
        if (!NoPrompt && !CommitCurrentForm()) return static_cast<int16_t>(forms::vbCancel);
        // A save that fails answers Cancel: whatever waited on it stops.
        if (IsWorkingCopy()) {
            QString newName;
            trap([&] { newName = ShowSaveDialog(u"Save"_s); });
            if (newName.isEmpty()) return 0;
            if (!SaveCopyAs(newName)) return static_cast<int16_t>(forms::vbCancel);
        } else if (!SaveOpenFile()) {
            return static_cast<int16_t>(forms::vbCancel);
        }
    }
    return static_cast<int16_t>(answer);
}

void OutdatedVersion()
{
    vb::Trap::silent()([] { forms::MsgBox(u"Outdated Version of File"_s, forms::vbCritical); });
}

QString GetFileName(const QString& Path)
{
    const QString path = Path.trimmed();
    const qsizetype slash = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    if (slash < 0) return path;
    return path.mid(slash + 1);
}

void FileNew()
{
    vb::guard(u"frmMain.mnuFileNew_Click"_s, [] {
        g_CurrentStep = u"File New"_s;
        if (!SaveQuestionLetsGoOn(SaveHomeDatabaseFile(false))) return;
        try {
            vb::FileCopy(TemplatePath(), WorkingCopyPath(), vb::CopyKind::Scratch);
        } catch (const vb::VbError& e) {
            // Without a fresh working copy the open estimate stays as it is.
            ErrorHandler(u"frmMain.mnuFileNew_Click"_s, e.number(), e.description());
            return;
        }
        OpenHomeDatabaseFile(WorkingCopyPath(), true);
    });
}

void FileOpen()
{
    vb::guard(u"frmMain.mnuFileOpen_Click"_s, [] {
        if (!SaveQuestionLetsGoOn(SaveHomeDatabaseFile(false))) return;
        forms::CommonDialog& dialog = HouseFileDialog();
        dialog.setDialogTitle(u"Open"_s);
        dialog.setCancelError(false);
        dialog.setFilter(HouseFileFilter());
        dialog.setInitDir(forms::App::Path());
        dialog.ShowOpen();
        const QString name = dialog.FileName();
        if (name.isEmpty()) return;
        // The current page goes only once the file is accepted.
        OpenHomeDatabaseFile(name, true);
    });
}

void FileSave()
{
    vb::guard(u"frmMain.mnuFileSave_Click"_s, [] {
        g_CurrentStep = u"File Save"_s;
        if (!CommitCurrentForm()) return;
        if (IsWorkingCopy()) {
            const QString name = ShowSaveDialog(u"Save"_s);
            if (name.isEmpty()) return;
            SaveCopyAs(name);
            return;
        }
        SaveHomeDatabaseFile(true);
    });
}

void FileSaveAs()
{
    vb::guard(u"frmMain.mnuFileSaveAs_Click"_s, [] {
        g_CurrentStep = u"File Save As"_s;
        if (!CommitCurrentForm()) return;
        const QString name = ShowSaveDialog(u"Save As"_s);
        if (name.isEmpty()) return;
        // A new name: the copy replaces the page once it is saved.
        if (name != g_HouseFilePath) {
            SaveCopyAs(name);
            return;
        }
        UnloadCurrentForm();
        Need(g_cnHouse).Close();
        if (OpenHomeDatabaseFile(name, false)) SaveHomeDatabaseFile(true);
    });
}

bool FileClose()
{
    bool close = true;
    vb::guard(u"frmMain.MDIForm_QueryUnload"_s, [&] {
        if (!g_HomeData && !g_cnHouse) return; // already closed
        if (!SaveQuestionLetsGoOn(SaveHomeDatabaseFile(false))) {
            close = false;
            return;
        }
        // Pages, quick navigation, preview and help go with the main window.
        for (const QString& name : forms::Forms::loadedClasses()) {
            QWidget* window = forms::Forms::instance(name);
            if (!IsMainWindow(window)) forms::Forms::unload(window);
        }
        for (QWidget* window : QApplication::topLevelWidgets())
            if (!IsMainWindow(window) && window->isVisible()) window->close();
        g_CurrentForm = nullptr;

        vb::Trap trap = vb::Trap::silent();
        trap([] {
            if (g_rsFormStack) g_rsFormStack->Close();
        });
        g_rsFormStack.reset();
        trap([] {
            if (g_rsFormDefinition) g_rsFormDefinition->Close();
        });
        g_rsFormDefinition.reset();
        trap([] {
            if (g_rsVisitedForms) g_rsVisitedForms->Close();
        });
        g_rsVisitedForms.reset();
        trap([] {
            if (g_cnHouse) g_cnHouse->Close();
        });
        g_HomeData.reset();
        g_cnHouse.reset();
        trap([] {
            if (g_cnControl) g_cnControl->Close();
        });
        g_cnControl.reset();
    });
    return close;
}
