#include "shell/basHouseFiles.h"

#include "estimate/clsHomeData.h"
#include "runtime/ado/Connection.h"
#include "runtime/ado/FileVfs.h"
#include "runtime/ado/Recordset.h"
#include "runtime/forms/App.h"
#include "runtime/forms/CommonDialog.h"
#include "runtime/forms/Forms.h"
#include "runtime/forms/MsgBox.h"
#include "runtime/vb/Conversions.h"
#include "runtime/vb/FileSystem.h"
#include "runtime/vb/Trap.h"
#include "runtime/vb/VbError.h"
#include "shell/HouseFileDialogStart.h"
#include "shell/ShellInternal.h"
#include "shell/basGlobalVariables.h"
#include "shell/basNavigation.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>

#include <functional>
#include <optional>

using namespace Qt::Literals::StringLiterals;
using namespace shell_internal;

namespace
{

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

const QString& HouseFileFilter()
{
    static const QString filter = u"All Tavimoor Files (*.tvm)|*.tvm"_s;
    return filter;
}

QString CrLf()
{
    return u"\r\n"_s;
}

void UnloadCurrentForm()
{
    if (g_CurrentForm && !IsMainWindow(g_CurrentForm)) forms::Forms::unload(g_CurrentForm);
}

bool HasDatabaseHeader(const QString& path)
{
    return vb::ReadFileStart(path, 16) == QByteArrayLiteral("SQLite format 3\0");
}

// What SQLite reads or makes beside a database file.
constexpr const char16_t* SideFileSuffixes[] = {u"-journal", u"-wal", u"-shm"};

// A journal, log or shared-memory file beside the database that is not a plain file (SQLite
// would wait on a FIFO there).
bool HasSpecialSideFile(const QString& path)
{
    for (const char16_t* suffix : SideFileSuffixes) {
        const QString side = ado::SideFilePath(path, suffix);
        if (QFileInfo::exists(side) && !vb::IsRegularFile(side)) return true;
    }
    return false;
}

// A rollback journal that SQLite rolls back on the next open: a save that stopped midway.
bool HasHotJournal(const QString& file)
{
    const QByteArray start = vb::ReadFileStart(ado::SideFilePath(file, u"-journal"), 1);
    return !start.isEmpty() && start.front() != 0;
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

// A private copy of a house file with the journal or write-ahead log beside it, so that what
// SQLite recovers on opening happens to the copy. Empty when no copy could be made.
QString CopyForCheck(const QString& path, const QTemporaryDir& scratch)
{
    if (!scratch.isValid()) return {};
    const QString copy = scratch.filePath(u"check.tvm"_s);
    for (const char16_t* suffix : {u"", u"-journal", u"-wal"}) {
        const QString from = ado::SideFilePath(path, suffix);
        if (!QFileInfo::exists(from)) continue;
        const QString to = copy + QString::fromUtf16(suffix);
        try {
            vb::CopyToNewFile(from, to, vb::CopyKind::Scratch);
        } catch (const vb::VbError&) {
            return {};
        }
        QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner);
    }
    return copy;
}

QString FileErrorTitle()
{
    return u"File Error"_s;
}

// Why a link on the way to a file is not followed; `subject` names the name, `outcome` says
// what did not happen.
QString LinkRefusal(const QString& subject, const QString& name, const QString& link, const QString& outcome)
{
    const bool isName = link == name || link.isEmpty();
    return subject + (isName ? u" is"_s : u" leads through"_s) +
           u" a symbolic link that another user made in a shared folder"_s +
           (isName ? QString() : u", "_s + link) +
           u"; links there are followed only when they are your own or the folder owner's, so "_s + outcome;
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
                          u"Program Database Version: "_s + vb::CStr(ProgramDatabaseVersion) + CrLf() +
                          CrLf() + u"You need to install the correct version of the program."_s,
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
    case FileProblem::Folder:
        text = u"This is a folder, not a house file, so it cannot be opened:"_s;
        break;
    case FileProblem::ProtectedLink:
        text = LinkRefusal(u"This name"_s, path, check.link, u"it cannot be opened:"_s);
        break;
    case FileProblem::NeedsWriteAccess:
        text = u"This house file was being saved when a program stopped. Putting it right needs "
               "permission to write to the file and to its folder, which you do not have, so it "
               "cannot be opened:"_s;
        break;
    }
    forms::MsgBox(text + CrLf() + path, forms::vbCritical, FileErrorTitle());
}

// What kept a file from being written, in a sentence; `link` is the link not followed.
QString CauseOf(SaveFailure failure, const QString& name, const QString& link = {})
{
    switch (failure) {
    case SaveFailure::Changed:
        return u"The file was changed by another program since it was opened, so it is left as that "
               "program saved it."_s;
    case SaveFailure::Busy:
        return u"Another program is saving to the file just now, so nothing was written."_s;
    case SaveFailure::Gone:
        return u"The file, or the folder it belongs in, is not there: it may have been moved or "
               "deleted."_s;
    case SaveFailure::DiskFull:
        return u"The disk is full."_s;
    case SaveFailure::NoPermission:
        return u"You do not have permission to write to the file or its folder."_s;
    case SaveFailure::NoReplace:
        return u"You do not have permission to replace the file: it belongs to another user, in a "
               "shared folder where only its owner may replace it."_s;
    case SaveFailure::NotAFile:
        return u"The name is a folder or another special file, not a house file."_s;
    case SaveFailure::NoTemplate:
        return u"The program's template \"Tmplt.cfg\", from which every house file is made, is "
               "missing; reinstalling the program brings it back."_s;
    case SaveFailure::ProtectedLink:
        return LinkRefusal(u"The name"_s, name, link, u"nothing was written."_s);
    case SaveFailure::Other:
        break;
    }
    return u"The disk may be full, or the file or its folder may not be written to."_s;
}

// What the user may do after a save that failed.
QString AdviceAfter(SaveFailure failure)
{
    switch (failure) {
    case SaveFailure::Changed:
        return u"Your answers are still open; Save As keeps them, under this name or another."_s;
    case SaveFailure::Busy:
        return u"Your answers are still open; save again in a moment, or under another name."_s;
    case SaveFailure::DiskFull:
        return u"Your answers are still open; make room on the disk and save them again, or save "
               "them under another name on another disk."_s;
    case SaveFailure::NoPermission:
    case SaveFailure::NoReplace:
    case SaveFailure::ProtectedLink:
        return u"Your answers are still open; save them under another name, in a folder of your own."_s;
    case SaveFailure::NotAFile:
        return u"Your answers are still open; save them under another name."_s;
    case SaveFailure::NoTemplate:
        return u"Your answers are still open."_s;
    case SaveFailure::Gone:
    case SaveFailure::Other:
        break;
    }
    return u"Your answers are still open; save them again, perhaps under another name."_s;
}

// The one message of a save that failed, naming the file and saying what happened.
void ReportFailedSave(const QString& path, SaveFailure failure, const QString& link = {})
{
    vb::Trap::silent()([&] {
        forms::MsgBox(u"Your house could not be saved to this file:"_s + CrLf() + path + CrLf() + CrLf() +
                          CauseOf(failure, path, link) + u' ' + AdviceAfter(failure),
                      forms::vbCritical, FileErrorTitle());
    });
}

// Why a write into a file failed, as far as the error and the file system tell; `replacing`
// when the write was to put a new file in its place.
SaveFailure FailureOf(const vb::VbError& error, const QString& file, bool replacing = false)
{
    const QFileInfo info(file);
    if (!QFileInfo(info.absolutePath()).isDir()) return SaveFailure::Gone;
    if (error.number() == vb::ErrDiskFull) return SaveFailure::DiskFull;
    if (error.number() == vb::ErrLocked) return SaveFailure::Busy;
    if (info.exists() && !vb::IsRegularFile(file)) return SaveFailure::NotAFile;
    if (error.number() == vb::ErrNoSuchFile && !vb::IsRegularFile(TemplatePath()))
        return SaveFailure::NoTemplate;
    if (replacing && !vb::MayReplaceInFolder(file)) return SaveFailure::NoReplace;
    if (!vb::IsWritableFolder(info.absolutePath()) || !vb::IsWritableFile(file))
        return SaveFailure::NoPermission;
    return SaveFailure::Other;
}

// Another program's change found where a save was to write.
struct ChangedOnDisk {
    SaveFailure failure;
};

// What became of a connection's file since it last read or wrote it; none while it is unchanged.
std::optional<SaveFailure> ChangeOf(ado::Connection& cn)
{
    switch (cn.diskState()) {
    case ado::DiskState::Unchanged:
        break;
    case ado::DiskState::Changed:
        return SaveFailure::Changed;
    case ado::DiskState::Gone:
        return SaveFailure::Gone;
    }
    return std::nullopt;
}

// Runs the writes as one transaction of the connection: all of them reach the file or, on
// any failure (thrown on), none; the recordsets keep what was not written as pending.
void InOneTransaction(ado::Connection& cn, const std::function<void()>& writes)
{
    cn.BeginTrans();
    try {
        writes();
        cn.CommitTrans();
    } catch (...) {
        cn.RollbackTrans();
        throw;
    }
}

// Saves in place; false after one message, naming the file as the user named it, when the save
// failed.
bool SaveOpenFile(const QString& name = g_HouseFilePath)
{
    std::optional<SaveFailure> failure;
    try {
        failure = SaveInPlace(Need(g_cnHouse), HomeData(), Need(g_rsFormStack), Need(g_rsVisitedForms));
    } catch (const vb::VbError& e) {
        failure = FailureOf(e, g_HouseFilePath);
    }
    if (failure) ReportFailedSave(name, *failure);
    return !failure;
}

// Writes the whole estimate as it is in memory (answers, page stack, visited pages) into a
// fresh copy of the template, on its own connection; the record and page lists in memory stay
// as they are, pending changes included.
void WriteEstimateInto(ado::Connection& cn)
{
    InOneTransaction(cn, [&] {
        const std::unique_ptr<ado::Recordset> record = HomeData().rsHouseData().Clone();
        ado::Recordset row;
        row.setCursorLocation(ado::adUseClient);
        row.Open(u"Select * from [HouseData]"_s, cn);
        row.MoveFirst();
        for (const QString& name : record->fieldNames())
            if (row.hasField(name)) row.setField(name, record->Field(name));
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
    });
}

void RemoveJournals(const QString& path)
{
    for (const char16_t* suffix : SideFileSuffixes)
        QFile::remove(ado::SideFilePath(path, suffix));
}

// Builds the estimate afresh into a file (the name through its links), replacing what the file
// held, and opens it under the name. The new file is built from the template, never from the
// open file (which may be gone, cut short or overwritten): a copy of the template beside the
// file, the whole estimate written into it, and only the complete copy replaces the file, which
// keeps its permissions (a new file gets the user's umask). On failure (one message) the open
// file and the estimate in memory are untouched, the file is as it was and no temporary file is
// left.
bool SaveCopyAs(const QString& name, const QString& file, bool isOpenFile)
{
    try {
        if (!vb::IsWritableFile(file) || QFileInfo(file).isDir()) throw vb::VbError::pathFileAccess();
        vb::TemporaryFile temporary(file);
        temporary.copyFrom(TemplatePath());
        {
            ado::Connection copy;
            copy.Open(temporary.path());
            WriteEstimateInto(copy);
        }
        temporary.replaceTarget();
    } catch (const vb::VbError& e) {
        ReportFailedSave(name, FailureOf(e, file, true));
        return false;
    }
    // A journal or log of the file that was replaced must never be applied to the new one.
    if (isOpenFile) vb::Trap::silent()([] { Need(g_cnHouse).Close(); });
    RemoveJournals(file);
    return OpenHomeDatabaseFile(name, true);
}

// Writes the whole estimate into a sound house file in place, in one transaction, whatever
// another program wrote into it, and opens it under the name: every name of the file keeps
// sharing it. On failure (one message) the file is as it was and the estimate stays open.
bool SaveIntoHouseFile(const QString& name, const QString& file)
{
    try {
        ado::Connection cn;
        cn.Open(file);
        WriteEstimateInto(cn);
    } catch (const vb::VbError& e) {
        ReportFailedSave(name, FailureOf(e, file));
        return false;
    }
    return OpenHomeDatabaseFile(name, true);
}

// Saves the estimate under a name. The open file's own name (or another name of the same file)
// saves in place: as a save does while the file is as this program left it, else in one
// transaction while it is still a sound house file; a hard link keeps sharing it. Otherwise the
// file the name leads to is built afresh; a symbolic link stays a link. A link that another user
// made in a shared folder is not followed: nothing is written.
bool SaveAs(const QString& name)
{
    QString refusedLink;
    const QString file = vb::ResolveLinks(name, &refusedLink);
    if (!refusedLink.isEmpty()) {
        ReportFailedSave(name, SaveFailure::ProtectedLink, refusedLink);
        return false;
    }
    ado::Connection* open = g_cnHouse && g_cnHouse->isOpen() ? g_cnHouse.get() : nullptr;
    const bool isOpenFile = open && (name == g_HouseFilePath || open->isFile(file));
    if (!isOpenFile) return SaveCopyAs(name, file, false);
    if (open->diskState() != ado::DiskState::Unchanged) {
        if (CheckHouseFile(file).problem == FileProblem::None) return SaveIntoHouseFile(name, file);
        return SaveCopyAs(name, file, true);
    }
    if (!SaveOpenFile(name)) return false;
    // Under another name of the file, the estimate goes on under that name.
    return name == g_HouseFilePath || OpenHomeDatabaseFile(name, true);
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
    SetHouseFileDialogStart(dialog);
    dialog.ShowSave();
    QString name = dialog.FileName();
    if (name.isEmpty()) return {};
    if (name.right(4) != u".tvm"_s) {
        name += u".tvm"_s;
        // The dialog confirmed the name it returned, not the one the extension made.
        if (QFileInfo::exists(name) && name != g_HouseFilePath) {
            const int answer =
                forms::MsgBox(forms::ReplaceQuestion(name), forms::vbYesNo + forms::vbExclamation, title);
            if (answer != forms::vbYes) return {};
        }
    }
    return name;
}

} // namespace

namespace shell_internal
{

FileCheck CheckHouseFile(const QString& path)
{
    FileCheck check;
    const QString file = vb::ResolveLinks(path, &check.link);
    if (!check.link.isEmpty()) {
        check.problem = FileProblem::ProtectedLink;
        return check;
    }
    // A FIFO, socket, device or folder under the name is never opened: reading it could wait for
    // good.
    if (QFileInfo::exists(path) && !vb::IsRegularFile(path)) {
        check.problem = QFileInfo(path).isDir() ? FileProblem::Folder : FileProblem::NotHouseFile;
        return check;
    }
    if (HasSpecialSideFile(path)) {
        check.problem = FileProblem::Damaged;
        return check;
    }
    ado::Connection cn;
    const QTemporaryDir scratch;
    try {
        // A journal or log left by a save that failed is recovered as on any open, but in a
        // copy; without one, the file itself is only read.
        const QString copy = HasDatabaseHeader(path) ? CopyForCheck(path, scratch) : QString();
        if (copy.isEmpty())
            cn.Open(path, ado::OpenMode::ReadOnly);
        else
            cn.Open(copy);
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
        // The version first: a house file of an earlier or later version is told as such,
        // whatever its tables and fields are.
        std::optional<float> version;
        try {
            version = clsHomeData::FileVersion(cn);
        } catch (const vb::VbError&) {
        }
        if (version && *version != ProgramDatabaseVersion) {
            check.version = *version;
            check.problem = *version < ProgramDatabaseVersion ? FileProblem::Outdated : FileProblem::Newer;
            return check;
        }
        if (present < 4) {
            check.problem = present == 0 ? FileProblem::NotHouseFile : FileProblem::Damaged;
            return check;
        }
        clsHomeData probe(cn, cn);
        probe.InitializeData();
        probe.CheckData();
        CheckPageList(cn, u"Select * from [Form Stack]"_s);
        CheckPageList(cn, u"Select * from [Visited Forms]"_s);
        if (!version) {
            check.problem = FileProblem::UnreadableVersion;
            return check;
        }
        check.version = *version;
    } catch (const vb::VbError&) {
        check.problem = FileProblem::Damaged;
    }
    // A sound file all the same once its save is rolled back, which only a writer can do.
    if (check.problem == FileProblem::None && HasHotJournal(file) &&
        !(vb::IsWritableFile(file) && vb::IsWritableFolder(QFileInfo(file).absolutePath())))
        check.problem = FileProblem::NeedsWriteAccess;
    return check;
}

std::optional<SaveFailure> SaveInPlace(ado::Connection& cn, clsHomeData& record, ado::Recordset& stack,
                                       ado::Recordset& visited)
{
    try {
        InOneTransaction(cn, [&] {
            // No other writer gets in between this look and the writes.
            if (const std::optional<SaveFailure> change = ChangeOf(cn)) throw ChangedOnDisk{*change};
            record.SaveData();
            for (ado::Recordset* rs : {&stack, &visited})
                ado::UpdateBatchThrough(*rs, cn);
        });
    } catch (const ChangedOnDisk& changed) {
        return changed.failure;
    } catch (const vb::VbError& e) {
        // A file cut short or overwritten may fail before it is looked at.
        return ChangeOf(cn).value_or(FailureOf(e, cn.path()));
    }
    return std::nullopt;
}

} // namespace shell_internal

QString TemplatePath()
{
    return forms::App::Path() + u"/Tmplt.cfg"_s;
}

namespace
{

const QString& WorkingCopyName()
{
    static const QString name = u"/~092891.tmp"_s;
    return name;
}

QString DataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

// The working copy in either of its folders, whichever may be written now.
bool IsWorkingCopyName(const QString& path)
{
    return path == forms::App::Path() + WorkingCopyName() || path == DataFolder() + WorkingCopyName();
}

} // namespace

bool IsUntitled()
{
    // Decided when the file was opened; with no file open the estimate has no name either.
    return g_IsNewFile == vb::Integer(-1) || g_HouseFilePath.isEmpty();
}

bool UntitledInProgramFolder()
{
    const QString folder = forms::App::Path();
    return QFileInfo::exists(folder + QStringLiteral("/" TAVIMOOR_BUILD_TREE_MARK)) && vb::IsWritableFolder(folder);
}

QString WorkingCopyPath()
{
    QString folder = forms::App::Path();
    if (!UntitledInProgramFolder()) {
        folder = DataFolder();
        QDir().mkpath(folder);
    }
    return folder + WorkingCopyName();
}

namespace
{

// Opens the file and shows its last page; with a check, a file that failed it is refused.
bool OpenHouseFile(const QString& FilePath, const FileCheck* check)
{
    const QString procName = u"basNavigation.Open Home Database File"_s;
    vb::Trap trap(procName);
    g_CurrentStep = u"Open House Database Connection"_s;
    const bool CheckVersion = check != nullptr;
    if (CheckVersion) {
        // A file is checked before anything of the open estimate changes.
        if (check->problem != FileProblem::None) {
            trap([&] { ReportRefusedFile(*check, FilePath, procName); });
            return false;
        }
        trap([&] { UnloadCurrentForm(); });
    }

    const QString previous = g_HouseFilePath;
    // A change to the open file by another program must not be forgotten if it is opened again.
    bool previousChanged = false;
    vb::Trap::silent()([&] {
        previousChanged =
            Need(g_cnHouse).isOpen() && Need(g_cnHouse).diskState() != ado::DiskState::Unchanged;
    });
    trap([&] {
        if (Need(g_cnHouse).State() != ado::adStateClosed) Need(g_cnHouse).Close();
    });
    trap([&] { Need(g_cnHouse).setProvider(Provider()); });
    if (!trap([&] { Need(g_cnHouse).Open(FilePath); })) {
        // The estimate stays on the file it came from.
        if (!previous.isEmpty() && previous != FilePath)
            vb::Trap::silent()([&] {
                Need(g_cnHouse).Open(previous);
                if (previousChanged) Need(g_cnHouse).keepChangeFound();
            });
        return false;
    }
    g_HouseFilePath = FilePath;
    // What a save that was killed left beside the file goes.
    vb::Trap::silent()([&] { vb::RemoveLeftoverTemporaries(vb::ResolveLinks(FilePath)); });

    if (IsWorkingCopyName(FilePath)) {
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

} // namespace

bool OpenHomeDatabaseFile(QString FilePath, bool CheckVersion)
{
    if (!CheckVersion) return OpenHouseFile(FilePath, nullptr);
    return OpenCheckedHomeDatabaseFile(FilePath, CheckHouseFile(FilePath));
}

bool shell_internal::OpenCheckedHomeDatabaseFile(const QString& FilePath, const FileCheck& check)
{
    return OpenHouseFile(FilePath, &check);
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
        if (IsUntitled()) {
            QString newName;
            trap([&] { newName = ShowSaveDialog(u"Save"_s); });
            if (newName.isEmpty()) return 0;
            if (!SaveAs(newName)) return static_cast<int16_t>(forms::vbCancel);
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

namespace
{

// Makes a fresh working copy of the template at path; why not, when it could not be made.
std::optional<SaveFailure> MakeWorkingCopy(const QString& path)
{
    try {
        // A scratch copy: every start and File > New make it afresh, so it need not wait for the disk.
        vb::FileCopy(TemplatePath(), path, vb::CopyKind::Scratch);
        return std::nullopt;
    } catch (const vb::VbError& e) {
        const SaveFailure failure = FailureOf(e, path, true);
        if (failure != SaveFailure::Gone) return failure;
        // Its folder could not be made: what stands in the way.
        QString folder = QFileInfo(path).absolutePath();
        while (!QFileInfo::exists(folder) && QFileInfo(folder).absolutePath() != folder)
            folder = QFileInfo(folder).absolutePath();
        return QFileInfo(folder).isDir() && !vb::IsWritableFolder(folder) ? SaveFailure::NoPermission
                                                                          : SaveFailure::Other;
    }
}

// The one message when the working copy could not be made at path: why, and where the new
// estimate was started instead (empty: nowhere).
void ReportNoWorkingCopy(const QString& path, SaveFailure failure, const QString& instead, bool atStart)
{
    QString outcome;
    if (!instead.isEmpty())
        outcome = u"The new house was started in this file instead:"_s + CrLf() + instead;
    else if (atStart)
        outcome = forms::App::Title() + u" cannot start without it, so it ends now."_s;
    else
        outcome = u"The house you had open stays open."_s;
    vb::Trap::silent()([&] {
        forms::MsgBox(u"A new house could not be started in this file:"_s + CrLf() + path + CrLf() + CrLf() +
                          CauseOf(failure, path) + CrLf() + CrLf() + outcome,
                      forms::vbCritical, FileErrorTitle());
    });
}

} // namespace

bool shell_internal::OpenNewWorkingCopy(const QString& workingCopy, bool atStart)
{
    const std::optional<SaveFailure> failure = MakeWorkingCopy(workingCopy);
    if (!failure) return OpenHomeDatabaseFile(workingCopy, true);
    // Else in the user's data folder, where the user may write.
    QString instead = DataFolder() + WorkingCopyName();
    if (*failure == SaveFailure::NoTemplate || instead == workingCopy || !QDir().mkpath(DataFolder()) ||
        MakeWorkingCopy(instead))
        instead.clear();
    ReportNoWorkingCopy(workingCopy, *failure, instead, atStart);
    return !instead.isEmpty() && OpenHomeDatabaseFile(instead, true);
}

void FileNew()
{
    vb::guard(u"frmMain.mnuFileNew_Click"_s, [] {
        g_CurrentStep = u"File New"_s;
        if (!SaveQuestionLetsGoOn(SaveHomeDatabaseFile(false))) return;
        // Without a fresh working copy the open estimate stays as it is.
        OpenNewWorkingCopy(WorkingCopyPath(), false);
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
        SetHouseFileDialogStart(dialog);
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
        if (IsUntitled()) {
            const QString name = ShowSaveDialog(u"Save"_s);
            if (name.isEmpty()) return;
            SaveAs(name);
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
        SaveAs(name);
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
        ReleaseProgramState();
    });
    return close;
}

void shell_internal::ReleaseProgramState()
{
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
}
