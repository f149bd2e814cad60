#include "tests/shell/engine/EngineFixture.h"

#include "estimate/clsHomeData.h"
#include "runtime/ado/FileVfs.h"
#include "runtime/forms/Forms.h"
#include "runtime/vb/Conversions.h"
#include "runtime/vb/FileSystem.h"
#include "shell/basGlobalVariables.h"
#include "shell/basHouseFiles.h"
#include "shell/frmMain.h"
#include "tests/support/SpecialFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>

#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace enginetest;

namespace
{

const QString NotHouseFile = u"This file is not a Tavimoor house file, so it cannot be opened:\r\n"_s;
const QString Damaged = u"This house file is damaged and cannot be opened:\r\n"_s;
const QString NoVersion =
    u"This house file does not say which version of Tavimoor made it, so it cannot be opened:\r\n"_s;
const QString Outdated = u"Outdated Version of File"_s;

// The refusal of a file of a later version, opened as "bad.tvm".
QString newer(const QString& fileVersion)
{
    return u"An error occured in the opening the file: <bad.tvm>.\r\nFile Database Version: "_s +
           fileVersion + u"\r\nProgram Database Version: "_s + vb::CStr(ProgramDatabaseVersion) +
           u"\r\n\r\nYou need to install the correct version of the program."_s;
}

// One bad file: how the test makes it and what the program must say. A case without a
// message opens, on page 1.
struct BadFile {
    const char* name;
    std::function<void(const QString& path, class BadHouseFiles& t)> make;
    QString message; // the refusal ahead of the path; the version messages have no path
    bool withPath = true;
};

class BadHouseFiles : public EngineTest
{
public:
    QString goodFile() const { return folder() + u"/Good.tvm"_s; }
    void sql(const QString& path, const QString& statements) { exec(path, statements); }
    QString house(const QString& name) { return makeHouseFile(name); }

protected:
    // The good estimate, open with an unsaved answer on page 10.
    void openGoodEstimate()
    {
        makeHouseFile(u"Good.tvm"_s);
        start(goodFile());
        go(10);
        g_HomeData->setNumBedrooms(6);
        boxes->clear();
    }
    static QString totalText() { return g_frmMain->lblTotalCost()->text(); }
};

std::vector<BadFile> badFiles()
{
    // A good house file changed by one statement.
    auto fromTemplate = [](const QString& statement) {
        return [statement](const QString& path, BadHouseFiles& t) {
            QFile::remove(path);
            QFile::copy(t.house(u"seed.tvm"_s), path);
            t.sql(path, statement);
        };
    };
    auto version = [&](const char* value) {
        return fromTemplate(u"UPDATE [Database] SET Version = "_s + QString::fromLatin1(value));
    };
    return {
        {"empty", [](const QString& path, BadHouseFiles&) { writeBytes(path, {}); }, NotHouseFile},
        {"text",
         [](const QString& path, BadHouseFiles&) {
             writeBytes(path, QByteArray("Lake house\nthree bedrooms\n").repeated(200));
         },
         NotHouseFile},
        {"truncated",
         [](const QString& path, BadHouseFiles& t) {
             const QByteArray whole = contents(t.house(u"seed.tvm"_s));
             writeBytes(path, whole.left(whole.size() / 3));
         },
         Damaged},
        {"foreign database",
         [](const QString& path, BadHouseFiles& t) {
             writeBytes(path, {});
             t.sql(path, u"CREATE TABLE Customers (Name TEXT); INSERT INTO Customers VALUES ('Ann')"_s);
         },
         NotHouseFile},
        {"missing table", fromTemplate(u"DROP TABLE [Visited Forms]"_s), Damaged},
        {"missing row", fromTemplate(u"DELETE FROM [HouseData]"_s), Damaged},
        {"two rows", fromTemplate(u"INSERT INTO [HouseData] SELECT * FROM [HouseData]"_s), Damaged},
        {"NULL in a number field", fromTemplate(u"UPDATE [HouseData] SET NumBedrooms = NULL"_s), Damaged},
        {"text in a number field", fromTemplate(u"UPDATE [HouseData] SET LotSize = 'large'"_s), Damaged},
        {"number too large", fromTemplate(u"UPDATE [HouseData] SET MainFloorSqFt = 40000"_s), Damaged},
        {"infinite amount", fromTemplate(u"UPDATE [HouseData] SET LotPrice = 1e999"_s), Damaged},
        {"NULL page", fromTemplate(u"INSERT INTO [Form Stack] VALUES (NULL)"_s), Damaged},
        {"version NULL", version("NULL"), NoVersion},
        {"version text", version("'two'"), NoVersion},
        {"version too large", version("1e39"), NoVersion},
        {"no version row", fromTemplate(u"DELETE FROM [Database]"_s), NoVersion},
        {"version 1", version("1"), Outdated, false},
        {"version 3", version("3"), newer(u"3"_s), false},
        // What the next version of the program may change: an earlier file is outdated, a later
        // one needs that program, whatever fields and tables it has; the current version with a
        // field missing is damaged.
        {"earlier version, a field fewer",
         fromTemplate(u"ALTER TABLE [HouseData] DROP COLUMN GardenTub; UPDATE [Database] SET Version = "_s +
                      vb::CStr(ProgramDatabaseVersion - 1)),
         Outdated, false},
        {"earlier version, a table fewer",
         fromTemplate(u"DROP TABLE [Visited Forms]; UPDATE [Database] SET Version = "_s +
                      vb::CStr(ProgramDatabaseVersion - 0.5f)),
         Outdated, false},
        {"earlier version, its record under another table name",
         fromTemplate(u"ALTER TABLE [HouseData] RENAME TO [House]; UPDATE [Database] SET Version = "_s +
                      vb::CStr(ProgramDatabaseVersion - 1)),
         Outdated, false},
        {"later version, its record under another table name",
         fromTemplate(u"ALTER TABLE [HouseData] RENAME TO [House]; UPDATE [Database] SET Version = "_s +
                      vb::CStr(ProgramDatabaseVersion + 1)),
         newer(vb::CStr(ProgramDatabaseVersion + 1)), false},
        {"current version, its record under another table name",
         fromTemplate(u"ALTER TABLE [HouseData] RENAME TO [House]"_s), Damaged},
        {"later version, a field more",
         fromTemplate(
             u"ALTER TABLE [HouseData] ADD COLUMN AddedInALaterVersion BIT; UPDATE [Database] SET Version = "_s +
             vb::CStr(ProgramDatabaseVersion + 1)),
         newer(vb::CStr(ProgramDatabaseVersion + 1)), false},
        {"current version, a field fewer", fromTemplate(u"ALTER TABLE [HouseData] DROP COLUMN GardenTub"_s),
         Damaged},
        {"current version, a field renamed",
         fromTemplate(u"ALTER TABLE [HouseData] RENAME COLUMN GardenTub TO Tub"_s), Damaged},
        {"resume page 0", fromTemplate(u"INSERT INTO [Form Stack] VALUES (0)"_s), {}},
        {"resume page 30", fromTemplate(u"INSERT INTO [Form Stack] VALUES (30)"_s), {}},
        {"resume page 32767", fromTemplate(u"INSERT INTO [Form Stack] VALUES (32767)"_s), {}},
    };
}

QString expectedMessage(const BadFile& c, const QString& path)
{
    return c.withPath ? c.message + path : c.message;
}

TEST_F(BadHouseFiles, AtStartUpOneMessageThenAFreshEstimate)
{
    for (const BadFile& c : badFiles()) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        const QString path = folder() + u"/bad.tvm"_s;
        c.make(path, *this);
        const QByteArray before = contents(path);

        start(path);

        EXPECT_EQ(contents(path), before);
        ASSERT_TRUE(g_frmMain);
        EXPECT_TRUE(g_frmMain->isVisible());
        EXPECT_EQ(g_CurrentFormID, vb::Integer(1));
        ASSERT_TRUE(g_CurrentForm);
        EXPECT_EQ(g_CurrentForm->objectName(), u"frm01Welcome"_s);
        EXPECT_TRUE(totalText().startsWith(u'$')) << totalText().toStdString();
        if (c.message.isEmpty()) {
            EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
            EXPECT_EQ(g_HouseFilePath, path);
            EXPECT_EQ(g_frmMain->windowTitle(), u"Tavimoor - bad.tvm"_s);
            continue;
        }
        EXPECT_EQ(prompts(), QStringList({expectedMessage(c, path)}));
        EXPECT_EQ(boxes->calls().front().buttons, forms::vbCritical);
        EXPECT_EQ(g_HouseFilePath, WorkingCopyPath());
        EXPECT_EQ(g_frmMain->windowTitle(), u"Tavimoor"_s);
    }
}

TEST_F(BadHouseFiles, ThroughFileOpenTheOpenEstimateStays)
{
    for (const BadFile& c : badFiles()) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        openGoodEstimate();
        const QString good = goodFile();
        const QString total = totalText();
        const QString path = folder() + u"/bad.tvm"_s;
        c.make(path, *this);
        const QByteArray before = contents(path);

        boxes->answer(forms::vbNo);
        dialogs->choose(path);
        FileOpen();

        EXPECT_EQ(contents(path), before);
        if (c.message.isEmpty()) {
            EXPECT_EQ(g_HouseFilePath, path);
            EXPECT_EQ(g_CurrentFormID, vb::Integer(1));
            EXPECT_EQ(prompts(), QStringList({u"Do you want to save this file?"_s}));
            continue;
        }
        EXPECT_EQ(prompts(), QStringList({u"Do you want to save this file?"_s, expectedMessage(c, path)}));
        EXPECT_EQ(g_HouseFilePath, good);
        EXPECT_EQ(g_frmMain->windowTitle(), u"Tavimoor - Good.tvm"_s);
        EXPECT_EQ(g_HomeData->NumBedrooms(), vb::Integer(6));
        EXPECT_EQ(g_CurrentFormID, vb::Integer(10));
        ASSERT_TRUE(g_CurrentForm);
        EXPECT_TRUE(g_CurrentForm->isVisible());
        EXPECT_EQ(totalText(), total);

        // The estimate still saves where it came from.
        boxes->clear();
        FileSave();
        EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
        const auto saved = column(good, u"SELECT NumBedrooms FROM [HouseData]"_s);
        ASSERT_EQ(saved.size(), 1);
        EXPECT_EQ(saved.front().toInt(), 6);
        EXPECT_EQ(formIds(good, u"Form Stack"_s), QList<int>({1, 10}));
    }
}

TEST_F(BadHouseFiles, MissingFileOnTheCommandLineIsReportedThenAFreshEstimate)
{
    const QString path = folder() + u"/gone.tvm"_s;
    start(path);
    ASSERT_EQ(prompts().size(), 1) << prompts().join(u'\n').toStdString();
    EXPECT_TRUE(prompts().front().contains(u"<basNavigation.Open Home Database File>"_s));
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_EQ(g_HouseFilePath, WorkingCopyPath());
    EXPECT_EQ(g_CurrentFormID, vb::Integer(1));
}

TEST_F(BadHouseFiles, TheTopBandShowsTheRealTotalOrNothing)
{
    {
        frmMain fresh;
        EXPECT_TRUE(fresh.lblTotalCost()->text().isEmpty());
    }
    start();
    EXPECT_EQ(totalText(), TotalCostFigures{double(g_HomeData->CalculateTotal())}.TotalText());
    // A record that cannot be priced leaves no figure behind.
    g_HomeData->rsHouseData().setField(u"NumBedrooms"_s, QVariant());
    EXPECT_THROW(UpdateTotalCost(), vb::VbError);
    EXPECT_TRUE(totalText().isEmpty());
}

// Watches a FIFO for a reader: a writer's open that does not wait succeeds only while someone
// has it open for reading, and it lets that reader go on (it reads the end of the file).
class FifoReaderWatch
{
public:
    explicit FifoReaderWatch(const QString& fifo)
        : m_thread([this, name = QFile::encodeName(fifo)] {
              while (!m_stop) {
                  const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                  if (fd >= 0) {
                      m_read = true;
                      ::close(fd);
                  }
                  std::this_thread::sleep_for(std::chrono::milliseconds(1));
              }
          })
    {
    }
    ~FifoReaderWatch()
    {
        m_stop = true;
        m_thread.join();
    }
    FifoReaderWatch(const FifoReaderWatch&) = delete;
    FifoReaderWatch& operator=(const FifoReaderWatch&) = delete;
    bool opened() const { return m_read; }

private:
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_read{false};
    std::thread m_thread;
};

// A name that is no regular file is refused with the one message, at start-up and through
// File > Open, and never opened for reading: the program does not wait on it.
TEST_F(BadHouseFiles, SpecialFilesAreRefusedUnread)
{
    struct Case {
        const char* name;
        std::function<void(const QString& path, BadHouseFiles& t)> make;
        QString message;
        const char16_t* fifo = nullptr; // the FIFO that must never be read: the name and this
    };
    const Case cases[] = {
        {"FIFO",
         [](const QString& path, BadHouseFiles&) { ::mkfifo(QFile::encodeName(path).constData(), 0600); },
         NotHouseFile, u""},
        {"socket", [](const QString& path, BadHouseFiles&) { testsupport::makeSocket(path); }, NotHouseFile},
        {"folder", [](const QString& path, BadHouseFiles&) { QDir().mkdir(path); },
         u"This is a folder, not a house file, so it cannot be opened:\r\n"_s},
        {"device", [](const QString& path, BadHouseFiles&) { QFile::link(u"/dev/null"_s, path); },
         NotHouseFile},
        {"link to a FIFO",
         [](const QString& path, BadHouseFiles&) {
             ::mkfifo(QFile::encodeName(path + u".fifo"_s).constData(), 0600);
             QFile::link(path + u".fifo"_s, path);
         },
         NotHouseFile, u".fifo"},
        {"FIFO as the journal of a good file",
         [](const QString& path, BadHouseFiles& t) {
             QFile::copy(t.house(u"seed.tvm"_s), path);
             ::mkfifo(QFile::encodeName(path + u"-journal"_s).constData(), 0600);
         },
         Damaged, u"-journal"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        const QString path = folder() + u"/special.tvm"_s;
        c.make(path, *this);
        std::optional<FifoReaderWatch> watch;
        if (c.fifo) watch.emplace(path + QString::fromUtf16(c.fifo));

        start(path);
        EXPECT_EQ(prompts(), QStringList({c.message + path}));
        EXPECT_EQ(boxes->calls().front().title, u"File Error"_s);
        EXPECT_EQ(g_HouseFilePath, WorkingCopyPath());
        EXPECT_EQ(g_CurrentFormID, vb::Integer(1));

        boxes->clear();
        go(10);
        boxes->answer(forms::vbNo);
        dialogs->choose(path);
        FileOpen();
        EXPECT_EQ(prompts(), QStringList({u"Do you want to save this file?"_s, c.message + path}));
        EXPECT_EQ(g_HouseFilePath, WorkingCopyPath());
        EXPECT_EQ(g_CurrentFormID, vb::Integer(10));
        if (watch) {
            EXPECT_FALSE(watch->opened());
        }
    }
}

// A good house file as a program leaves it that stopped in the middle of a save: written in
// part, with the hot rollback journal beside it that the next writer rolls back.
void makeHalfSaved(const QString& path)
{
    const QString source = path + u".source"_s;
    ASSERT_TRUE(QFile::copy(path, source));
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(source).constData(), &db), SQLITE_OK);
    auto run = [&](const char* sql) {
        EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql;
    };
    run("CREATE TABLE Filler (Text TEXT)");
    run("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 500) "
        "INSERT INTO Filler SELECT printf('%0500d', i) FROM n");
    // Changed pages spill into the database file before the transaction ends.
    run("PRAGMA cache_size = 2");
    run("BEGIN");
    run("UPDATE [HouseData] SET NumBedrooms = 9");
    run("UPDATE Filler SET Text = upper(Text) || 'x'");
    QFile::remove(path);
    EXPECT_TRUE(QFile::copy(source, path));
    EXPECT_TRUE(QFile::copy(source + u"-journal"_s, path + u"-journal"_s));
    run("ROLLBACK");
    sqlite3_close(db);
    QFile::remove(source);
    ASSERT_NE(contents(path + u"-journal"_s).left(1), QByteArray(1, '\0'));
}

// Putting such a file right needs write access to it and to its folder: without it, the one
// message says so, and nothing changes on disk.
TEST_F(BadHouseFiles, HalfSavedFileWithoutWriteAccessIsSaidAsSuch)
{
    const QString needsWriteAccess =
        u"This house file was being saved when a program stopped. Putting it right needs permission "
        "to write to the file and to its folder, which you do not have, so it cannot be opened:\r\n"_s;
    // A name too long for its journal's name to be the name and the suffix as well.
    for (const bool longName : {false, true})
        for (const char* without : {"the file", "the folder", "nothing"}) {
            SCOPED_TRACE(without);
            SCOPED_TRACE(longName ? "long name" : "short name");
            TearDown();
            SetUp();
            QString path = makeHouseFileAway();
            makeHalfSaved(path);
            if (longName) {
                const QString longPath =
                    QFileInfo(path).absolutePath() + u'/' + QString(246, u'n') + u".tvm"_s;
                ASSERT_TRUE(QFile::rename(path, longPath));
                ASSERT_TRUE(QFile::rename(path + u"-journal"_s, ado::SideFilePath(longPath, u"-journal")));
                path = longPath;
            }
            const QString journalPath = ado::SideFilePath(path, u"-journal");
            const QByteArray file = contents(path);
            const QByteArray journal = contents(journalPath);
            const QString locked = qstrcmp(without, "the file") == 0 ? path : QFileInfo(path).absolutePath();
            std::optional<vb::FileWriteFault> fault;
            if (qstrcmp(without, "nothing") != 0) {
                ASSERT_TRUE(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
                // Root ignores the mode bits.
                fault.emplace(locked, vb::FileWriteFault::ReadOnly);
            }

            start(path);
            if (!fault) {
                // With write access the journal is rolled back and the file opens.
                EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
                EXPECT_EQ(g_HouseFilePath, path);
                EXPECT_FALSE(QFileInfo::exists(journalPath));
                continue;
            }
            EXPECT_EQ(prompts(), QStringList({needsWriteAccess + path}));
            EXPECT_TRUE(IsUntitled());
            boxes->clear();
            boxes->answer(forms::vbNo);
            dialogs->choose(path);
            FileOpen();
            EXPECT_EQ(prompts(), QStringList({u"Do you want to save this file?"_s, needsWriteAccess + path}));
            EXPECT_TRUE(IsUntitled());
            EXPECT_EQ(contents(path), file);
            EXPECT_EQ(contents(journalPath), journal);
            fault.reset();
            QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
}

// Saves that fail, through the file layer's write-fault seam.
class FailedSaves : public BadHouseFiles
{
protected:
    QStringList folderFiles() const
    {
        return QDir(folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    void expectEstimateKept(const QString& path)
    {
        EXPECT_EQ(g_HouseFilePath, path);
        EXPECT_EQ(g_HomeData->NumBedrooms(), vb::Integer(6));
        EXPECT_EQ(g_CurrentFormID, vb::Integer(10));
        ASSERT_TRUE(g_CurrentForm);
        EXPECT_TRUE(g_CurrentForm->isVisible());
        ASSERT_TRUE(g_cnHouse);
        EXPECT_TRUE(g_cnHouse->isOpen());
    }
};

TEST_F(FailedSaves, SaveAsThatFailsLeavesTheTargetAndNoStrayFile)
{
    struct Case {
        const char* name;
        bool targetExists;
        vb::FileWriteFault::Kind kind;
        int64_t room;
        bool onFolder;
        SaveCause cause;
    };
    const Case cases[] = {
        {"disk full in the middle of the copy over a file", true, vb::FileWriteFault::DiskFull, 8192, true,
         SaveCause::DiskFull},
        {"disk full in the middle of the copy to a new name", false, vb::FileWriteFault::DiskFull, 8192, true,
         SaveCause::DiskFull},
        {"read-only target", true, vb::FileWriteFault::ReadOnly, 0, false, SaveCause::NoPermission},
        {"read-only folder", false, vb::FileWriteFault::ReadOnly, 0, true, SaveCause::NoPermission},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        openGoodEstimate();
        const QString target = folder() + u"/Target.tvm"_s;
        if (c.targetExists) {
            makeHouseFile(u"Target.tvm"_s);
            exec(target, u"UPDATE [HouseData] SET NumBedrooms = 9"_s);
        }
        const QByteArray before = contents(target);
        const QStringList files = folderFiles();

        {
            vb::FileWriteFault fault(c.onFolder ? folder() : target, c.kind, c.room);
            dialogs->choose(target);
            FileSaveAs();
        }
        EXPECT_EQ(prompts(), QStringList({saveFailureMessage(target, c.cause)}));
        EXPECT_EQ(contents(target), before);
        EXPECT_EQ(folderFiles(), files);
        expectEstimateKept(goodFile());

        // With room again the same Save As works.
        boxes->clear();
        dialogs->choose(target);
        FileSaveAs();
        EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
        EXPECT_EQ(g_HouseFilePath, target);
        EXPECT_EQ(column(target, u"SELECT NumBedrooms FROM [HouseData]"_s).value(0).toInt(), 6);
    }
}

// A name that is a folder, and a program without its template, are said as such.
TEST_F(FailedSaves, SaveAsSaysWhenTheNameIsAFolderOrTheTemplateIsMissing)
{
    openGoodEstimate();
    const QString folderName = folder() + u"/Folder.tvm"_s;
    ASSERT_TRUE(QDir(folder()).mkdir(u"Folder.tvm"_s));
    dialogs->choose(folderName);
    FileSaveAs();
    EXPECT_EQ(prompts(), QStringList({saveFailureMessage(folderName, SaveCause::NotAFile)}));
    EXPECT_TRUE(QFileInfo(folderName).isDir());
    expectEstimateKept(goodFile());

    boxes->clear();
    ASSERT_TRUE(QFile::remove(folder() + u"/Tmplt.cfg"_s));
    const QString target = folder() + u"/New.tvm"_s;
    const QStringList files = folderFiles();
    dialogs->choose(target);
    FileSaveAs();
    EXPECT_EQ(prompts(), QStringList({saveFailureMessage(target, SaveCause::NoTemplate)}));
    EXPECT_EQ(folderFiles(), files);
    expectEstimateKept(goodFile());
}

TEST_F(FailedSaves, SaveAsThatFailsWhileWritingTheCopyKeepsEveryChangeForTheNextSave)
{
    openGoodEstimate();
    const QString target = folder() + u"/Target.tvm"_s;
    const QStringList files = folderFiles();
    {
        // Room for the copy, not for what is then written into it.
        vb::FileWriteFault fault(folder(), vb::FileWriteFault::DiskFull, QFileInfo(goodFile()).size() + 100);
        dialogs->choose(target);
        FileSaveAs();
    }
    EXPECT_EQ(prompts(), QStringList({saveFailureMessage(target, SaveCause::DiskFull)}));
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_EQ(folderFiles(), files);
    expectEstimateKept(goodFile());

    FileSave();
    EXPECT_EQ(prompts().size(), 1);
    EXPECT_EQ(column(goodFile(), u"SELECT NumBedrooms FROM [HouseData]"_s).value(0).toInt(), 6);
    EXPECT_EQ(formIds(goodFile(), u"Form Stack"_s), QList<int>({1, 10}));
}

TEST_F(FailedSaves, ReadOnlyFileStopsExitNewAndOpen)
{
    makeHouseFile(u"Good.tvm"_s);
    vb::FileWriteFault fault(goodFile(), vb::FileWriteFault::ReadOnly);
    start(goodFile());
    go(10);
    g_HomeData->setNumBedrooms(6);
    boxes->clear();
    const QByteArray before = contents(goodFile());

    boxes->answer(forms::vbYes);
    EXPECT_FALSE(FileClose());
    EXPECT_EQ(prompts(), QStringList({u"Do you want to save this file?"_s,
                                      saveFailureMessage(goodFile(), SaveCause::NoPermission)}));
    expectEstimateKept(goodFile());

    boxes->clear();
    boxes->answer(forms::vbYes);
    FileNew();
    boxes->answer(forms::vbYes);
    FileOpen();
    EXPECT_TRUE(dialogs->calls().empty());
    EXPECT_EQ(prompts().size(), 4);
    expectEstimateKept(goodFile());
    EXPECT_EQ(contents(goodFile()), before);

    // Saved elsewhere, the estimate can go.
    boxes->clear();
    dialogs->choose(folder() + u"/Elsewhere.tvm"_s);
    FileSaveAs();
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
    boxes->answer(forms::vbYes);
    EXPECT_TRUE(FileClose());
    EXPECT_EQ(
        column(folder() + u"/Elsewhere.tvm"_s, u"SELECT NumBedrooms FROM [HouseData]"_s).value(0).toInt(), 6);
}

TEST_F(FailedSaves, UntitledSaveThatFailsStopsExit)
{
    start();
    go(10);
    g_HomeData->setNumBedrooms(6);
    boxes->clear();
    const QString target = folder() + u"/New House.tvm"_s;
    {
        vb::FileWriteFault fault(folder(), vb::FileWriteFault::DiskFull, 4096);
        boxes->answer(forms::vbYes);
        dialogs->choose(target);
        EXPECT_FALSE(FileClose());
    }
    EXPECT_EQ(prompts(), QStringList({u"Do you want to save this file?"_s,
                                      saveFailureMessage(target, SaveCause::DiskFull)}));
    EXPECT_FALSE(QFileInfo::exists(target));
    expectEstimateKept(WorkingCopyPath());
    EXPECT_EQ(g_frmMain->windowTitle(), u"Tavimoor"_s);
}

// Started on a full disk there is no working copy: Save asks for a name, and the message of the
// save that fails names that file.
TEST_F(FailedSaves, SaveAfterAStartOnAFullDiskNamesTheFile)
{
    const QString target = folder() + u"/New House.tvm"_s;
    {
        vb::FileWriteFault fault(folder(), vb::FileWriteFault::DiskFull, 0);
        start();
        EXPECT_FALSE(QFileInfo::exists(folder() + u"/~092891.tmp"_s));
        boxes->clear();
        dialogs->choose(target);
        FileSave();
    }
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->calls().front().request.title, u"Save"_s);
    EXPECT_EQ(prompts(), QStringList({saveFailureMessage(target, SaveCause::DiskFull)}));
    EXPECT_FALSE(QFileInfo::exists(target));
}

TEST_F(FailedSaves, InPlaceSaveThatFailsPartWayKeepsTheFileWhole)
{
    const int64_t rooms[] = {0, 600, 4700, 9000, 13000, 1 << 20};
    int failed = 0;
    for (int64_t room : rooms) {
        SCOPED_TRACE(room);
        TearDown();
        SetUp();
        makeHouseFile(u"Good.tvm"_s);
        const int bedroomsBefore =
            column(goodFile(), u"SELECT NumBedrooms FROM [HouseData]"_s).value(0).toInt();
        const QByteArray before = contents(goodFile());
        bool saved = false;
        {
            vb::FileWriteFault fault(folder(), vb::FileWriteFault::DiskFull, room);
            start(goodFile());
            go(10);
            g_HomeData->setNumBedrooms(6);
            boxes->clear();
            boxes->answer(forms::vbYes);
            saved = FileClose();
        }
        // The file is whole: the old answers or the new ones, never a mix or a damaged file. A
        // journal left by the failure is rolled back by the next connection that writes.
        exec(goodFile(), u"SELECT count(*) FROM sqlite_master"_s);
        const auto bedrooms = column(goodFile(), u"SELECT NumBedrooms FROM [HouseData]"_s);
        ASSERT_EQ(bedrooms.size(), 1);
        if (saved) {
            EXPECT_EQ(prompts(), QStringList({u"Do you want to save this file?"_s}));
            EXPECT_EQ(bedrooms.front().toInt(), 6);
            EXPECT_EQ(formIds(goodFile(), u"Form Stack"_s), QList<int>({1, 10}));
            continue;
        }
        ++failed;
        // One transaction: the file is exactly as before.
        EXPECT_EQ(contents(goodFile()), before);
        EXPECT_EQ(bedrooms.front().toInt(), bedroomsBefore);
        EXPECT_EQ(formIds(goodFile(), u"Form Stack"_s), QList<int>({1}));
        EXPECT_EQ(prompts(), QStringList({u"Do you want to save this file?"_s,
                                          saveFailureMessage(goodFile(), SaveCause::DiskFull)}));
        expectEstimateKept(goodFile());
        // The next save, with room again, writes everything.
        boxes->clear();
        FileSave();
        EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
        EXPECT_EQ(column(goodFile(), u"SELECT NumBedrooms FROM [HouseData]"_s).value(0).toInt(), 6);
        EXPECT_EQ(formIds(goodFile(), u"Form Stack"_s), QList<int>({1, 10}));
    }
    EXPECT_GE(failed, 3);
    EXPECT_LT(failed, int(std::size(rooms)));
}

TEST_F(FailedSaves, TriggerInTheFileDoesNotRunOnSave)
{
    makeHouseFile(u"Good.tvm"_s);
    exec(goodFile(), u"CREATE TRIGGER Meddle AFTER UPDATE ON [HouseData] BEGIN "
                     "UPDATE [Database] SET Version = 7; DELETE FROM [Form Stack]; END"_s);
    start(goodFile());
    go(10);
    g_HomeData->setNumBedrooms(6);
    FileSave();
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
    EXPECT_EQ(column(goodFile(), u"SELECT Version FROM [Database]"_s).value(0).toDouble(), 2.0);
    EXPECT_EQ(formIds(goodFile(), u"Form Stack"_s), QList<int>({1, 10}));
    EXPECT_EQ(column(goodFile(), u"SELECT NumBedrooms FROM [HouseData]"_s).value(0).toInt(), 6);
}

} // namespace
