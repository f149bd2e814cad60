#include "tests/shell/engine/EngineFixture.h"

#include "estimate/clsHomeData.h"
#include "runtime/forms/Forms.h"
#include "runtime/forms/Screen.h"
#include "runtime/vb/FileSystem.h"
#include "runtime/vb/Trap.h"
#include "shell/StartupPrefetch.h"
#include "shell/basErrorHandling.h"
#include "shell/basGlobalVariables.h"
#include "shell/basHouseFiles.h"
#include "shell/basNavigation.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using namespace enginetest;

namespace
{

class Startup : public EngineTest
{
};

TEST_F(Startup, WithoutArgumentsReplacesAnOldWorkingCopy)
{
    const QString working = folder() + u"/~092891.tmp"_s;
    {
        QFile old(working);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an old working copy");
    }
    start();

    EXPECT_EQ(WorkingCopyPath(), working);
    EXPECT_EQ(contents(working), contents(folder() + u"/Tmplt.cfg"_s));
    EXPECT_EQ(g_HouseFilePath, working);
    EXPECT_EQ(g_IsNewFile, vb::Integer(-1));
    ASSERT_TRUE(g_frmMain);
    EXPECT_TRUE(g_frmMain->isVisible());
    EXPECT_EQ(g_frmMain->windowTitle(), u"Tavimoor"_s);
    EXPECT_FALSE(forms::Forms::isLoaded(u"frmSplash"_s));
    // The template's stack holds page 1: it is shown, and not pushed again.
    EXPECT_EQ(g_CurrentFormID, vb::Integer(1));
    ASSERT_TRUE(g_CurrentForm);
    EXPECT_EQ(g_CurrentForm->objectName(), u"frm01Welcome"_s);
    EXPECT_EQ(rows(0), QList<int>({1}));
    EXPECT_EQ(forms::Screen::mousePointer(), forms::vbDefault);
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
}

TEST_F(Startup, QuotedCommandLinePathOpensInPlace)
{
    const QString path = makeHouseFile(u"Lake House.tvm"_s);
    exec(path, u"UPDATE [HouseData] SET NumBedrooms = 5"_s);
    exec(path, u"INSERT INTO [Form Stack] (Form_ID) VALUES (10)"_s);

    start(u"\""_s + path + u"\""_s);

    EXPECT_EQ(g_HouseFilePath, path);
    EXPECT_EQ(g_IsNewFile, vb::Integer(0));
    EXPECT_EQ(g_frmMain->windowTitle(), u"Tavimoor - Lake House.tvm"_s);
    EXPECT_FALSE(QFileInfo::exists(folder() + u"/~092891.tmp"_s));
    EXPECT_EQ(g_HomeData->NumBedrooms(), vb::Integer(5));
    // The last page on the file's stack comes back.
    EXPECT_EQ(g_CurrentFormID, vb::Integer(10));
    EXPECT_EQ(rows(0), QList<int>({1, 10}));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
}

TEST_F(Startup, MissingFilesAreReportedAndNeverCreated)
{
    struct Case {
        const char* remove;      // data file taken away before start
        const char* commandLine; // relative to the program folder, or empty
        const char* procName;
        const char* neverCreated;
    };
    const Case cases[] = {
        {nullptr, "nowhere/missing.tvm", "basNavigation.Open Home Database File", "nowhere/missing.tvm"},
        {"HomeControl.cfg", "", "basNavigation.Open Control Database", "HomeControl.cfg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.procName);
        TearDown();
        SetUp();
        if (c.remove) QFile::remove(folder() + u'/' + QString::fromLatin1(c.remove));
        const QString arg = *c.commandLine ? folder() + u'/' + QString::fromLatin1(c.commandLine) : QString();
        start(arg);

        ASSERT_FALSE(boxes->calls().empty());
        const auto& first = boxes->calls().front();
        EXPECT_TRUE(first.prompt.contains(u"<"_s + QString::fromLatin1(c.procName) + u">"_s))
            << first.prompt.toStdString();
        EXPECT_EQ(first.title, u"Error"_s);
        EXPECT_FALSE(QFileInfo::exists(folder() + u'/' + QString::fromLatin1(c.neverCreated)));
        // Start-up still ends with the main window shown.
        ASSERT_TRUE(g_frmMain);
        EXPECT_TRUE(g_frmMain->isVisible());
        EXPECT_EQ(forms::Screen::mousePointer(), forms::vbDefault);
    }
}

// The prefetch hands Main what Main would read itself, and nothing where a step failed, so that
// Main does that step again and reports it.
TEST_F(Startup, PrefetchReadsWhatMainWouldOrNothing)
{
    const QString control = folder() + u"/HomeControl.cfg"_s;
    const QString templateFile = folder() + u"/Tmplt.cfg"_s;
    const QString working = folder() + u"/~092891.tmp"_s;
    {
        shell_internal::StartupPrefetch prefetch(control, templateFile, working);
        const auto read = prefetch.takeControlDatabase();
        ASSERT_TRUE(read);
        EXPECT_TRUE(read->connection->isOpen());
        QList<QVariant> plan;
        for (ado::Recordset& rs = *read->formDefinition; !rs.EOF(); rs.MoveNext())
            plan << rs.Field(u"Form_ID"_s);
        EXPECT_EQ(plan, column(control, u"SELECT Form_ID FROM [Form Definition] ORDER BY Sequence"_s));
        const auto check = prefetch.takeWorkingCopy();
        ASSERT_TRUE(check);
        EXPECT_EQ(check->problem, shell_internal::FileProblem::None);
        EXPECT_EQ(contents(working), contents(templateFile));
    }
    {
        // A start on a file of its own makes no working copy.
        QFile::remove(working);
        shell_internal::StartupPrefetch prefetch(control, templateFile, QString());
        EXPECT_FALSE(prefetch.takeWorkingCopy());
        EXPECT_FALSE(QFileInfo::exists(working));
    }
    {
        QFile::remove(control);
        QFile::remove(templateFile);
        shell_internal::StartupPrefetch prefetch(control, templateFile, working);
        EXPECT_FALSE(prefetch.takeControlDatabase());
        EXPECT_FALSE(prefetch.takeWorkingCopy());
        EXPECT_FALSE(QFileInfo::exists(working));
    }
}

TEST_F(Startup, WorkingCopyGoesToTheDataFolderWhenTheProgramFolderIsReadOnly)
{
    QTemporaryDir home;
    ReadOnlyProgramFolder readOnly(folder(), home.path());
    if (vb::IsWritableFolder(folder())) GTEST_SKIP() << "the folder stays writable for this user";
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    start();

    EXPECT_EQ(g_HouseFilePath, dataFolder + u"/~092891.tmp"_s);
    EXPECT_EQ(contents(g_HouseFilePath), contents(folder() + u"/Tmplt.cfg"_s));
    EXPECT_FALSE(QFileInfo::exists(folder() + u"/~092891.tmp"_s));
    EXPECT_EQ(g_IsNewFile, vb::Integer(-1));
    EXPECT_EQ(g_CurrentFormID, vb::Integer(1));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
}

// Installed, the program folder has no build tree's mark: even where this user may write it (an
// install into the home folder, a program run by root), nothing is written there.
TEST_F(Startup, InstalledProgramKeepsTheWorkingCopyInTheDataFolder)
{
    QTemporaryDir home;
    UserHome user(home.path());
    installFolder();
    const QStringList installed = folderEntries();
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    ASSERT_TRUE(dataFolder.startsWith(home.path() + u'/')) << dataFolder.toStdString();
    start();

    const QString working = dataFolder + u"/~092891.tmp"_s;
    EXPECT_EQ(g_HouseFilePath, working);
    EXPECT_EQ(WorkingCopyPath(), working);
    EXPECT_EQ(contents(working), contents(folder() + u"/Tmplt.cfg"_s));
    EXPECT_EQ(g_IsNewFile, vb::Integer(-1));
    EXPECT_EQ(g_frmMain->windowTitle(), u"Tavimoor"_s);
    // File > New makes the fresh copy there too.
    exec(working, u"UPDATE [HouseData] SET NumBedrooms = 6"_s);
    boxes->answer(forms::vbNo);
    FileNew();
    EXPECT_EQ(g_HouseFilePath, working);
    EXPECT_EQ(contents(working), contents(folder() + u"/Tmplt.cfg"_s));
    EXPECT_EQ(folderEntries(), installed);
    EXPECT_EQ(prompts(), QStringList{u"Do you want to save this file?"_s});
}

QString dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

QString noWorkingCopyMessage(const QString& path, SaveCause cause, const QString& outcome)
{
    return u"A new house could not be started in this file:\r\n"_s + path + u"\r\n\r\n"_s +
           failureCause(cause) + u"\r\n\r\n"_s + outcome;
}

QString startedInstead(const QString& path)
{
    return u"The new house was started in this file instead:\r\n"_s + path;
}

// The working copy cannot be made: one message says why and names the file; the start goes on
// with a fresh estimate in the user's data folder, or the program ends without a window.
TEST_F(Startup, WorkingCopyThatCannotBeMadeIsSaidOnceThenTheDataFolderOrTheEnd)
{
    struct Blocks {
        std::unique_ptr<ReadOnlyProgramFolder> readOnly;
        std::vector<std::unique_ptr<vb::FileWriteFault>> faults;
        // Faults end in the reverse order of their making.
        ~Blocks()
        {
            while (!faults.empty())
                faults.pop_back();
        }
    };
    struct Case {
        const char* name;
        std::function<void(const QString& program, const QString& home, Blocks& blocks)> block;
        bool inDataFolder; // the copy that failed: the data folder's, else the program folder's
        SaveCause cause;
        bool startsInDataFolder;
    };
    const Case cases[] = {
        {"a folder at the working copy's name",
         [](const QString& program, const QString&, Blocks&) {
             ASSERT_TRUE(QDir(program).mkdir(u"~092891.tmp"_s));
         },
         false, SaveCause::NotAFile, true},
        {"a full disk under the program folder",
         [](const QString& program, const QString&, Blocks& blocks) {
             blocks.faults.push_back(
                 std::make_unique<vb::FileWriteFault>(program, vb::FileWriteFault::DiskFull, 0));
         },
         false, SaveCause::DiskFull, true},
        {"a full disk everywhere",
         [](const QString& program, const QString& home, Blocks& blocks) {
             for (const QString& folder : {program, home})
                 blocks.faults.push_back(
                     std::make_unique<vb::FileWriteFault>(folder, vb::FileWriteFault::DiskFull, 0));
         },
         false, SaveCause::DiskFull, false},
        {"no permission in the program folder nor in the data folder",
         [](const QString& program, const QString& home, Blocks& blocks) {
             blocks.readOnly = std::make_unique<ReadOnlyProgramFolder>(program, home);
             ASSERT_TRUE(QDir().mkpath(dataFolder()));
             ASSERT_TRUE(QFile::setPermissions(dataFolder(), QFile::ReadOwner | QFile::ExeOwner));
             blocks.faults.push_back(
                 std::make_unique<vb::FileWriteFault>(dataFolder(), vb::FileWriteFault::ReadOnly));
         },
         true, SaveCause::NoPermission, false},
        {"a folder at the data folder's working copy",
         [](const QString& program, const QString& home, Blocks& blocks) {
             blocks.readOnly = std::make_unique<ReadOnlyProgramFolder>(program, home);
             ASSERT_TRUE(QDir().mkpath(dataFolder() + u"/~092891.tmp"_s));
         },
         true, SaveCause::NotAFile, false},
        {"no template",
         [](const QString& program, const QString&, Blocks&) {
             ASSERT_TRUE(QFile::remove(program + u"/Tmplt.cfg"_s));
         },
         false, SaveCause::NoTemplate, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        QTemporaryDir home;
        const UserHome user(home.path());
        bool started = false;
        QString failed;
        {
            Blocks blocks;
            ASSERT_NO_FATAL_FAILURE(c.block(folder(), home.path(), blocks));
            if (c.inDataFolder && vb::IsWritableFolder(folder()))
                GTEST_SKIP() << "the folder stays writable for this user";
            failed = (c.inDataFolder ? dataFolder() : folder()) + u"/~092891.tmp"_s;
            started = Main(QString());
            processDeferred();
        }
        const QString instead = dataFolder() + u"/~092891.tmp"_s;
        const QString outcome = c.startsInDataFolder ? startedInstead(instead)
                                                     : u"Tavimoor cannot start without it, so it ends now."_s;
        EXPECT_EQ(prompts(), QStringList({noWorkingCopyMessage(failed, c.cause, outcome)}));
        EXPECT_EQ(boxes->calls().front().title, u"File Error"_s);
        EXPECT_EQ(started, c.startsInDataFolder);
        ASSERT_TRUE(g_frmMain);
        EXPECT_EQ(g_frmMain->isVisible(), c.startsInDataFolder);
        EXPECT_FALSE(forms::Forms::isLoaded(u"frmSplash"_s));
        EXPECT_EQ(forms::Screen::mousePointer(), forms::vbDefault);
        if (!c.startsInDataFolder) {
            EXPECT_FALSE(g_CurrentForm);
            EXPECT_FALSE(g_cnHouse && g_cnHouse->isOpen());
            EXPECT_FALSE(vb::IsRegularFile(failed));
            continue;
        }
        EXPECT_EQ(g_HouseFilePath, instead);
        EXPECT_EQ(contents(instead), contents(folder() + u"/Tmplt.cfg"_s));
        EXPECT_TRUE(IsUntitled());
        EXPECT_EQ(g_frmMain->windowTitle(), u"Tavimoor"_s);
        EXPECT_EQ(g_CurrentFormID, vb::Integer(1));
        ASSERT_TRUE(g_CurrentForm);
        EXPECT_TRUE(g_CurrentForm->isVisible());
    }
}

// File > New says the same once, and goes on in the data folder or stays on the open estimate.
TEST_F(Startup, FileNewWithoutAWorkingCopyIsSaidOnce)
{
    QTemporaryDir home;
    const UserHome user(home.path());
    start();
    const QString working = folder() + u"/~092891.tmp"_s;
    ASSERT_EQ(g_HouseFilePath, working);
    go(10);
    boxes->clear();

    // Everything full: the estimate stays as it is.
    {
        vb::FileWriteFault programFolder(folder(), vb::FileWriteFault::DiskFull, 0);
        vb::FileWriteFault homeFolder(home.path(), vb::FileWriteFault::DiskFull, 0);
        boxes->answer(forms::vbNo);
        FileNew();
    }
    EXPECT_EQ(prompts(), QStringList({u"Do you want to save this file?"_s,
                                      noWorkingCopyMessage(working, SaveCause::DiskFull,
                                                           u"The house you had open stays open."_s)}));
    EXPECT_EQ(g_HouseFilePath, working);
    EXPECT_EQ(g_CurrentFormID, vb::Integer(10));
    ASSERT_TRUE(g_CurrentForm);
    EXPECT_TRUE(g_CurrentForm->isVisible());

    // A folder in the way: the new estimate goes to the data folder.
    boxes->clear();
    ASSERT_TRUE(QFile::remove(working));
    ASSERT_TRUE(QDir(folder()).mkdir(u"~092891.tmp"_s));
    boxes->answer(forms::vbNo);
    FileNew();
    const QString instead = dataFolder() + u"/~092891.tmp"_s;
    EXPECT_EQ(prompts(),
              QStringList({u"Do you want to save this file?"_s,
                           noWorkingCopyMessage(working, SaveCause::NotAFile, startedInstead(instead))}));
    EXPECT_EQ(g_HouseFilePath, instead);
    EXPECT_TRUE(IsUntitled());
    EXPECT_EQ(g_CurrentFormID, vb::Integer(1));
}

// The program folder's permissions change after the start, either way: the working copy is still
// untitled, and Save asks for a name.
TEST_F(Startup, UntitledIsDecidedWhenTheWorkingCopyIsMade)
{
    for (bool readOnlyAtStart : {true, false}) {
        SCOPED_TRACE(readOnlyAtStart ? "the folder becomes writable" : "the folder becomes read-only");
        TearDown();
        SetUp();
        QTemporaryDir home;
        QTemporaryDir elsewhere;
        auto readOnly = std::make_unique<ReadOnlyProgramFolder>(folder(), home.path());
        if (vb::IsWritableFolder(folder())) GTEST_SKIP() << "the folder stays writable for this user";
        if (!readOnlyAtStart) readOnly.reset();
        start();
        const QString workingCopy = g_HouseFilePath;
        EXPECT_EQ(g_IsNewFile, vb::Integer(-1));
        if (readOnlyAtStart)
            readOnly.reset();
        else
            readOnly = std::make_unique<ReadOnlyProgramFolder>(folder(), home.path());

        go(10);
        g_HomeData->setNumBedrooms(6);
        const QString name = elsewhere.filePath(u"Saved.tvm"_s);
        dialogs->choose(name);
        FileSave();
        EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
        ASSERT_EQ(dialogs->calls().size(), 1u);
        EXPECT_EQ(dialogs->calls().front().request.title, u"Save"_s);
        EXPECT_EQ(g_HouseFilePath, name);
        EXPECT_EQ(g_IsNewFile, vb::Integer(0));
        EXPECT_EQ(column(name, u"SELECT NumBedrooms FROM [HouseData]"_s), QList<QVariant>({6}));
        EXPECT_EQ(contents(workingCopy), contents(folder() + u"/Tmplt.cfg"_s));
        readOnly.reset();
    }
}

TEST_F(Startup, ErrorHandlerShowsProcedureStepAndErrorThenResetsThePointer)
{
    g_CurrentStep = u"Calculate Form Data"_s;
    forms::Screen::setMousePointer(forms::vbHourglass);
    ErrorHandler(u"frm01Garage.CalcForm"_s, -2147217900, u"Syntax error"_s);

    ASSERT_EQ(boxes->calls().size(), 1u);
    const auto& box = boxes->calls().front();
    EXPECT_EQ(box.prompt, u"An error occured in the following procedure: <frm01Garage.CalcForm>.\r\n"
                          "Line Info: Calculate Form Data\r\n"
                          "-2147217900 - Syntax error\r\n\r\n"
                          "Please report this error to Technical Support."_s);
    EXPECT_EQ(box.buttons, forms::vbCritical + forms::vbOKOnly);
    EXPECT_EQ(box.title, u"Error"_s);
    EXPECT_EQ(forms::Screen::mousePointer(), forms::vbDefault);
}

TEST_F(Startup, TrappedProcedureReportsAndGoesOn)
{
    start();
    boxes->clear();
    g_CurrentStep = u"Before"_s;
    int after = 0;
    vb::Trap trap(u"basNavigation.Main"_s);
    trap([] { throw vb::VbError(13, u"Type mismatch"_s); });
    trap([&] { after = 1; });

    EXPECT_EQ(after, 1);
    ASSERT_EQ(boxes->calls().size(), 1u);
    EXPECT_TRUE(boxes->calls().front().prompt.startsWith(
        u"An error occured in the following procedure: <basNavigation.Main>.\r\nLine Info: Before\r\n13 - Type mismatch"_s));
}

} // namespace
