#pragma once

#include "runtime/forms/CommonDialog.h"
#include "runtime/forms/MsgBox.h"
#include "runtime/vb/FileSystem.h"
#include "tests/support/StandInPages.h"

#include <gtest/gtest.h>

#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>
#include <ostream>

// Readable texts in failure messages.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

class QWidget;

namespace enginetest
{

// Stand-in page windows under every class name of the page plan: the six buttons (hidden),
// each Click moving to the button's Tag as a page does. Each window gets a new serial.
void registerStandInPages();
int serialOf(const QWidget* page);
QWidget* button(QWidget* page, const QString& name);
// Clicks a button of the page now shown and lets deferred deletes run.
void click(const QString& name);
using testsupport::processDeferred;
// The bytes of a file (empty when it cannot be read), and a file made of bytes.
QByteArray contents(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);
// The one message of a save that failed, by what happened, and its first sentence, the cause.
// A link not followed that is not the name itself is named.
enum class SaveCause {
    Changed,
    Busy,
    Gone,
    DiskFull,
    NoPermission,
    NotAFile,
    NoTemplate,
    Other,
    NoReplace,
    ProtectedLink
};
QString saveFailureMessage(const QString& path, SaveCause cause, const QString& link = {});
QString failureCause(SaveCause cause, const QString& link = {});

// The user's home folder is home meanwhile, with the data and documents folders under it.
class UserHome
{
public:
    explicit UserHome(const QString& home);
    ~UserHome();
    UserHome(const UserHome&) = delete;
    UserHome& operator=(const UserHome&) = delete;

private:
    QByteArray m_home;
    QByteArray m_dataHome;
};

// Takes write permission on the program folder away by its mode bits. Root ignores them, so for
// root the folder is also made read-only through the file layer's fault seam (the installed
// program's test starts it as an ordinary user on a truly read-only folder). HOME is home
// meanwhile.
class ReadOnlyProgramFolder
{
public:
    ReadOnlyProgramFolder(const QString& folder, const QString& home);
    ~ReadOnlyProgramFolder();
    ReadOnlyProgramFolder(const ReadOnlyProgramFolder&) = delete;
    ReadOnlyProgramFolder& operator=(const ReadOnlyProgramFolder&) = delete;

private:
    QString m_folder;
    UserHome m_home;
    std::unique_ptr<vb::FileWriteFault> m_fault;
};

// A running program over a scratch program folder holding copies of the two data files.
class EngineTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    void start(const QString& commandLine = QString());
    QString folder() const { return m_dir->path(); }
    // The program folder as an install lays it out: without the build tree's mark, still
    // writable (an install into the user's home, or a program run by root).
    void installFolder() const;
    // The names in the program folder, hidden ones too.
    QStringList folderEntries() const;
    // A house file copied from the template, with the given database version.
    QString makeHouseFile(const QString& name, double version = 2) const;
    // A house file "Open.tvm" in a folder of its own, "away", that a test may take away.
    QString makeHouseFileAway() const;

public:
    static void exec(const QString& dbPath, const QString& sql);
    static QList<QVariant> column(const QString& dbPath, const QString& sql);

protected:
    static QList<int> formIds(const QString& dbPath, const QString& table);
    // Form_IDs of a detached navigation recordset, first to last.
    static QList<int> rows(int which); // 0 stack, 1 visited

    // Prompts of the boxes shown so far.
    QStringList prompts() const;
    // Moves on to a page through the Continue button of the page now shown.
    static void go(int formId);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<forms::ScriptedMessageBoxes> boxes;
    std::unique_ptr<forms::ScriptedFileDialogs> dialogs;
};

} // namespace enginetest
