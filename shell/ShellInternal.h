#pragma once

// Helpers that the page engine and the house-file code of shell/ share; not for use outside shell/.

#include "runtime/vb/Integer.h"
#include "runtime/vb/VbError.h"

#include <QPointer>
#include <QString>

#include <memory>
#include <optional>

class QWidget;
class clsHomeData;

namespace ado
{
class Connection;
class Recordset;
} // namespace ado

namespace shell_internal
{

using namespace Qt::Literals::StringLiterals;

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

inline const QString& Provider()
{
    static const QString provider = u"Microsoft.Jet.OLEDB.4.0"_s;
    return provider;
}

// With the house-file code in basHouseFiles.cpp.
// What is wrong with a file offered for opening.
enum class FileProblem {
    None,
    Unopenable,
    NotHouseFile,
    Damaged,
    UnreadableVersion,
    Outdated,
    Newer,
    Folder,
    ProtectedLink,   // a link in a shared folder that is not followed (`link` names it)
    NeedsWriteAccess // a save that stopped is to be put right, which needs write access
};

struct FileCheck {
    FileProblem problem = FileProblem::None;
    float version = 0;
    vb::VbError error{0, QString()}; // why an unopenable file did not open
    QString link;                    // the link not followed
};

// Reads a house file without changing anything on disk: the version first (a file of another
// version is that, whatever else it holds), then the four tables, one readable [HouseData] row
// and the page lists. Uses nothing of the open estimate, so it
// may run on any thread.
FileCheck CheckHouseFile(const QString& path);

// OpenHomeDatabaseFile with the check of the file already made.
bool OpenCheckedHomeDatabaseFile(const QString& FilePath, const FileCheck& check);

// Makes a fresh working copy of the template and opens it, as a start without a file and
// File > New do; where it cannot be made, in the user's data folder instead. When it could not
// be made where asked, one message says why, naming the file, and where the estimate went
// instead, or that the program ends (atStart) or the open estimate stays. False when no
// estimate was opened.
bool OpenNewWorkingCopy(const QString& workingCopy, bool atStart);

// Unloads every window but the main window and closes and releases the recordsets, the
// connections and the estimate record, as closing the program does after its save question.
void ReleaseProgramState();

// Why a save did not reach its file.
enum class SaveFailure {
    Changed,
    Busy,
    Gone,
    DiskFull,
    NoPermission,
    NotAFile,
    NoTemplate,
    Other,
    NoReplace,    // another user's file in a shared folder, where only its owner may replace it
    ProtectedLink // a link in a shared folder that is not followed
};

// Writes an estimate (its record and both page lists) into the file it was read from, as one
// transaction, unless the file changed since the connection last read or wrote it: then nothing
// is written. Reports nothing; the reason when nothing was written.
std::optional<SaveFailure> SaveInPlace(ado::Connection& cn, clsHomeData& record, ado::Recordset& stack,
                                       ado::Recordset& visited);

// With the page engine in basNavigation.cpp.
// "HomeControl.cfg" in the program folder, and the query of its page plan.
QString ControlDatabasePath();
inline QString FormDefinitionQuery()
{
    return u"Select * from [Form Definition] "_s + u"Order By Sequence"_s;
}

QWidget* MainWindowWidget();
bool IsMainWindow(const QWidget* window);
bool IsKnownPage(vb::Integer formId);

} // namespace shell_internal
