#include "tests/shell/engine/EngineFixture.h"

#include "estimate/clsHomeData.h"
#include "runtime/vb/FileSystem.h"
#include "shell/basGlobalVariables.h"
#include "shell/basHouseFiles.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

using namespace Qt::Literals::StringLiterals;
using namespace enginetest;

namespace
{

// Rebuilds [HouseData] with the same columns and rows, and more in its declaration.
void rebuildHouseData(const QString& path, const QString& more, const QString& options)
{
    const QList<QVariant> create =
        EngineTest::column(path, u"SELECT sql FROM sqlite_master WHERE name = 'HouseData'"_s);
    ASSERT_EQ(create.size(), 1);
    QString sql = create.front().toString();
    sql.insert(sql.lastIndexOf(u')'), more);
    EngineTest::exec(path, u"ALTER TABLE [HouseData] RENAME TO Old; "_s + sql + u" "_s + options +
                               u"; INSERT INTO [HouseData] SELECT * FROM Old; DROP TABLE Old"_s);
}

class SafeFiles : public EngineTest
{
protected:
    // An estimate on page 10 of a file made from the template, with an unsaved answer.
    void openEstimate(const QString& path)
    {
        start(path);
        go(10);
        go(28);
        g_HomeData->setNumBedrooms(6);
        boxes->clear();
    }

    // What the estimate now open holds, to be found in a saved file.
    struct Estimate {
        QList<int> stack = rows(0);
        QList<int> visited = rows(1);
    };
    void expectWholeEstimateIn(const QString& path, const Estimate& estimate)
    {
        EXPECT_EQ(column(path, u"SELECT NumBedrooms FROM [HouseData]"_s), QList<QVariant>({6}));
        EXPECT_EQ(formIds(path, u"Form Stack"_s), estimate.stack);
        EXPECT_EQ(formIds(path, u"Visited Forms"_s), estimate.visited);
        EXPECT_EQ(column(path, u"SELECT Version FROM [Database]"_s), QList<QVariant>({2.0}));
    }

    // A save in place that the file refuses: one message, and the file is exactly as before
    // (the save is one transaction).
    void expectSaveRefused(const QString& path)
    {
        const QByteArray before = contents(path);
        FileSave();
        EXPECT_EQ(prompts(), QStringList({saveFailureMessage(path, SaveCause::Other)}));
        EXPECT_EQ(contents(path), before);
        EXPECT_FALSE(QFileInfo::exists(path + u"-journal"_s));
        boxes->clear();
    }

    // Save As to a new file, which then holds the whole estimate; Exit is no longer refused.
    void expectSavedAs(const Estimate& estimate)
    {
        const QString target = folder() + u"/Saved.tvm"_s;
        dialogs->choose(target);
        FileSaveAs();
        EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
        EXPECT_EQ(g_HouseFilePath, target);
        EXPECT_EQ(g_CurrentFormID, vb::Integer(28));
        expectWholeEstimateIn(target, estimate);
        boxes->answer(forms::vbYes);
        EXPECT_TRUE(FileClose());
    }

    // A file in a state that a program that stopped mid-save leaves behind: the database with
    // its journal (rollback) or write-ahead log beside it. The database is foreign, so the
    // check refuses it.
    void makeInterruptedFile(const QString& path, bool writeAheadLog)
    {
        const QString source = folder() + u"/source.db"_s;
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(source).constData(), &db), SQLITE_OK);
        auto run = [&](const char* sql) {
            EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql;
        };
        run(writeAheadLog ? "PRAGMA journal_mode = WAL" : "PRAGMA journal_mode = DELETE");
        run("PRAGMA wal_autocheckpoint = 0");
        run("CREATE TABLE Customers (Name TEXT)");
        run("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
            "INSERT INTO Customers SELECT printf('%0500d', i) FROM n");
        // Changed pages spill into the database file before the transaction ends.
        run("PRAGMA cache_size = 2");
        run("BEGIN");
        run("UPDATE Customers SET Name = upper(Name) || 'x'");
        const QString suffix = writeAheadLog ? u"-wal"_s : u"-journal"_s;
        if (writeAheadLog) run("COMMIT");
        EXPECT_TRUE(QFile::copy(source, path));
        EXPECT_TRUE(QFile::copy(source + suffix, path + suffix));
        if (!writeAheadLog) run("ROLLBACK");
        sqlite3_close(db);
        ASSERT_TRUE(QFileInfo(path + suffix).size() > 0);
    }
};

TEST_F(SafeFiles, SaveAsWorksWhateverBecameOfTheOpenFile)
{
    struct Case {
        const char* name;
        std::function<void(const QString& open)> spoil;
    };
    const Case cases[] = {
        {"deleted", [](const QString& open) { QFile::remove(open); }},
        {"folder removed", [](const QString& open) { QDir(QFileInfo(open).path()).removeRecursively(); }},
        {"truncated", [](const QString& open) { writeBytes(open, contents(open).left(100)); }},
        {"overwritten", [](const QString& open) { writeBytes(open, QByteArray("notes\n").repeated(3000)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        const QString open = makeHouseFileAway();
        openEstimate(open);
        const Estimate estimate;
        EXPECT_EQ(estimate.stack, QList<int>({1, 10, 28}));
        c.spoil(open);
        expectSavedAs(estimate);
    }
}

TEST_F(SafeFiles, FileWhoseTablesRefuseTheSaveIsLeftWithSaveAs)
{
    const std::pair<const char*, std::function<void(const QString&)>> cases[] = {
        {"no rowid",
         [](const QString& path) {
             rebuildHouseData(path, u", PRIMARY KEY (LotCondition)"_s, u"WITHOUT ROWID"_s);
         }},
        {"check on the record",
         [](const QString& path) { rebuildHouseData(path, u", CHECK (NumBedrooms < 5)"_s, {}); }},
        {"check on the page stack",
         [](const QString& path) {
             exec(path, u"DROP TABLE [Form Stack]; CREATE TABLE [Form Stack] (Form_ID SMALLINT "
                        "CHECK (Form_ID < 20)); INSERT INTO [Form Stack] VALUES (1)"_s);
         }},
        {"strict visited pages",
         [](const QString& path) {
             exec(path, u"DROP TABLE [Visited Forms]; CREATE TABLE [Visited Forms] (Form_ID BLOB) STRICT"_s);
         }},
    };
    for (const auto& [name, spoil] : cases) {
        SCOPED_TRACE(name);
        TearDown();
        SetUp();
        const QString open = makeHouseFile(u"Stubborn.tvm"_s);
        spoil(open);
        openEstimate(open);
        const Estimate estimate;
        expectSaveRefused(open);
        expectSavedAs(estimate);
    }
}

TEST_F(SafeFiles, InPlaceSaveIsOneTransaction)
{
    // The record and the page stack would be written, the visited pages refuse the save.
    const QString open = makeHouseFile(u"Open.tvm"_s);
    exec(open, u"DROP TABLE [Visited Forms]; CREATE TABLE [Visited Forms] (Form_ID SMALLINT "
               "CHECK (Form_ID <> 28)); INSERT INTO [Visited Forms] VALUES (1)"_s);
    openEstimate(open);
    const Estimate estimate;
    expectSaveRefused(open);

    // Everything stays pending. Another program mends the file: a save in place no longer
    // writes into it, and Save As to its name writes it all.
    exec(open, u"DROP TABLE [Visited Forms]; CREATE TABLE [Visited Forms] (Form_ID SMALLINT); "
               "INSERT INTO [Visited Forms] VALUES (1)"_s);
    const QByteArray mended = contents(open);
    FileSave();
    EXPECT_EQ(prompts(), QStringList({saveFailureMessage(open, SaveCause::Changed)}));
    EXPECT_EQ(contents(open), mended);
    boxes->clear();
    dialogs->choose(open);
    FileSaveAs();
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
    expectWholeEstimateIn(open, estimate);
}

TEST_F(SafeFiles, NameWithDoubleQuotesIsSavedAndOpensAgain)
{
    start();
    go(10);
    g_HomeData->setNumBedrooms(6);
    const QString name = folder() + u"/My \"Dream\" House.tvm"_s;
    dialogs->choose(name);
    FileSaveAs();
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
    EXPECT_EQ(g_HouseFilePath, name);
    EXPECT_EQ(g_frmMain->windowTitle(), u"Tavimoor - My \"Dream\" House.tvm"_s);
    EXPECT_FALSE(QFileInfo::exists(folder() + u"/My Dream House.tvm"_s));

    boxes->answer(forms::vbNo);
    FileNew();
    boxes->answer(forms::vbNo);
    dialogs->choose(name);
    FileOpen();
    EXPECT_EQ(prompts().size(), 2) << prompts().join(u'\n').toStdString();
    EXPECT_EQ(g_HouseFilePath, name);
    EXPECT_EQ(g_HomeData->NumBedrooms(), vb::Integer(6));
    EXPECT_EQ(g_CurrentFormID, vb::Integer(10));

    // On the command line the name opens as it stands, and also enclosed in quotes.
    for (bool quoted : {false, true}) {
        TearDown();
        SetUp();
        const QString path = folder() + u"/My \"Dream\" House.tvm"_s;
        QFile::copy(makeHouseFile(u"seed.tvm"_s), path);
        start(quoted ? u'"' + path + u'"' : path);
        EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
        EXPECT_EQ(g_HouseFilePath, path);
    }
}

TEST_F(SafeFiles, RelativeNameBeginningWithFileIsAFileName)
{
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder()));
    QFile::copy(makeHouseFile(u"seed.tvm"_s), folder() + u"/file:uri.tvm"_s);
    makeHouseFile(u"uri.tvm"_s);
    const QByteArray other = contents(folder() + u"/uri.tvm"_s);

    start(u"file:uri.tvm"_s);
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
    go(10);
    g_HomeData->setNumBedrooms(6);
    FileSave();
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString();
    EXPECT_EQ(column(folder() + u"/file:uri.tvm"_s, u"SELECT NumBedrooms FROM [HouseData]"_s),
              QList<QVariant>({6}));
    EXPECT_EQ(contents(folder() + u"/uri.tvm"_s), other);
    QDir::setCurrent(previous);
}

TEST_F(SafeFiles, CheckingARefusedFileChangesNothingOnDisk)
{
    for (bool writeAheadLog : {false, true}) {
        SCOPED_TRACE(writeAheadLog ? "write-ahead log" : "rollback journal");
        TearDown();
        SetUp();
        const QString path = folder() + u"/interrupted.tvm"_s;
        makeInterruptedFile(path, writeAheadLog);
        const QString side = path + (writeAheadLog ? u"-wal"_s : u"-journal"_s);
        const QByteArray file = contents(path);
        const QByteArray log = contents(side);

        start(path); // at start-up
        EXPECT_EQ(prompts().size(), 1) << prompts().join(u'\n').toStdString();
        boxes->clear();
        boxes->answer(forms::vbNo);
        dialogs->choose(path);
        FileOpen(); // and through File > Open
        EXPECT_EQ(prompts().size(), 2) << prompts().join(u'\n').toStdString();

        EXPECT_EQ(contents(path), file);
        EXPECT_EQ(contents(side), log);
        EXPECT_EQ(g_HouseFilePath, WorkingCopyPath());
    }
}

} // namespace
