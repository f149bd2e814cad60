#include "runtime/ado/Recordset.h"
#include "runtime/ado/Connection.h"
#include "runtime/ado/FileVfs.h"
#include "runtime/vb/FileSystem.h"
#include "runtime/vb/VbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
#include <sqlite3.h>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

using ado::Connection;
using ado::Recordset;

namespace
{

int32_t errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const vb::VbError& e) {
        return e.number();
    }
    return 0;
}

// Runs SQL straight on a file, outside the layer under test.
void execRaw(const QString& path, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &message);
    EXPECT_EQ(rc, SQLITE_OK) << (message ? message : "");
    sqlite3_free(message);
    sqlite3_close(db);
}

const char* const kSchema = R"(
CREATE TABLE [Form Stack] (Form_ID SMALLINT);
CREATE INDEX FormStackId ON [Form Stack](Form_ID);
INSERT INTO [Form Stack] VALUES (1), (5), (7), (5);
CREATE TABLE [Form Definition] (Form_ID SMALLINT PRIMARY KEY, [Section Name] TEXT, Visible BIT);
INSERT INTO [Form Definition] VALUES (1, 'Welcome', -1), (16, 'Basement', -1), (43, 'Fireplaces', 0);
CREATE TABLE [HouseData] (NumBedrooms SMALLINT, AC BIT, InterestRate REAL, LotPrice SINGLE,
                          PrimaryExterior TEXT, Location INTEGER, Notes TEXT);
INSERT INTO [HouseData] VALUES (3, 0, 6.5, 25000, '1', 7, NULL);
CREATE TABLE [Locations] (LocationID SMALLINT, State TEXT, City TEXT, [Location Factor] REAL);
INSERT INTO [Locations] VALUES (1, 'Ohio', 'Akron', 0.95), (2, 'Ohio', 'O''Fallon', 1.05);
CREATE TABLE Strict (Form_ID SMALLINT NOT NULL);
INSERT INTO Strict VALUES (1), (2);
)";

class RecordsetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("house.tvm"));
        execRaw(path, kSchema);
        cn.Open(path);
    }

    QList<qlonglong> column(const QString& sql, const QString& field)
    {
        Connection fresh;
        fresh.Open(path, ado::OpenMode::ReadOnly);
        Recordset rs;
        rs.Open(sql, fresh);
        QList<qlonglong> out;
        while (!rs.EOF()) {
            out << rs.Field(field).toLongLong();
            rs.MoveNext();
        }
        return out;
    }
    QList<qlonglong> stack()
    {
        return column(QStringLiteral("Select * from [Form Stack]"), QStringLiteral("Form_ID"));
    }

    std::unique_ptr<Recordset> detached(const QString& sql)
    {
        auto rs = std::make_unique<Recordset>();
        rs->setCursorLocation(ado::adUseClient);
        rs->Open(sql, cn);
        rs->SetActiveConnection(nullptr);
        return rs;
    }
    void save(Recordset& rs)
    {
        rs.SetActiveConnection(&cn);
        rs.UpdateBatch(ado::adAffectAll);
        rs.SetActiveConnection(nullptr);
    }

    QTemporaryDir dir;
    QString path;
    Connection cn;
};

} // namespace

TEST(Connection, MissingFileIsAnErrorAndCreatesNothing)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("HomeControl.cfg"));
    for (auto mode : {ado::OpenMode::ReadWrite, ado::OpenMode::ReadOnly}) {
        Connection cn;
        try {
            cn.Open(missing, mode);
            FAIL() << "opened a missing file";
        } catch (const vb::VbError& e) {
            EXPECT_EQ(e.number(), vb::ErrFileNotFound);
            EXPECT_TRUE(e.description().contains(missing)) << e.description().toStdString();
        }
        EXPECT_FALSE(cn.isOpen());
        EXPECT_EQ(cn.State(), ado::adStateClosed);
    }
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST(Connection, BackslashPathsNameTheSameFile)
{
    QTemporaryDir dir;
    execRaw(dir.filePath(QStringLiteral("HomeControl.cfg")), "CREATE TABLE t (x SMALLINT);");
    Connection cn;
    cn.Open(dir.path() + QStringLiteral("\\HomeControl.cfg"), ado::OpenMode::ReadOnly);
    EXPECT_TRUE(cn.isOpen());
    EXPECT_EQ(errorOf([&] { cn.Open(dir.path() + QStringLiteral("\\Tmplt.cfg")); }), vb::ErrFileNotFound);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("Tmplt.cfg"))));
}

TEST(Connection, FileThatIsNotADatabaseIsAnError)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notes.tvm"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    Connection cn;
    EXPECT_EQ(errorOf([&] { cn.Open(path); }), vb::ErrProvider);
    EXPECT_FALSE(cn.isOpen());
}

TEST_F(RecordsetTest, ReadOnlyConnectionRefusesWrites)
{
    Connection ro;
    ro.Open(path, ado::OpenMode::ReadOnly);
    Recordset rs;
    rs.Open(QStringLiteral("Select * from [Form Stack]"), ro);
    rs.MoveLast();
    rs.Delete();
    rs.AddNew();
    rs.setField(QStringLiteral("Form_ID"), 9);
    try {
        rs.UpdateBatch();
        FAIL() << "wrote through a read-only connection";
    } catch (const vb::VbError& e) {
        EXPECT_EQ(e.number(), vb::ErrProvider);
        EXPECT_TRUE(e.description().contains(QStringLiteral("readonly"))) << e.description().toStdString();
    }
    EXPECT_EQ(stack(), (QList<qlonglong>{1, 5, 7, 5}));
    EXPECT_EQ(rs.RecordCount(), 4); // pending changes are kept
}

TEST_F(RecordsetTest, ValuesComeBackByDeclaredType)
{
    Recordset rs;
    rs.Open(QStringLiteral("Select * from [HouseData]"), cn);
    const struct {
        const char* field;
        int type;
    } cases[] = {
        {"NumBedrooms", QMetaType::LongLong},
        {"AC", QMetaType::LongLong},
        {"InterestRate", QMetaType::Double},
        {"LotPrice", QMetaType::Double}, // 25000 is stored as an integer
        {"PrimaryExterior", QMetaType::QString},
        {"Location", QMetaType::LongLong},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rs.Field(QString::fromLatin1(c.field)).typeId(), c.type) << c.field;
    }
    EXPECT_FALSE(rs.Field(QStringLiteral("Notes")).isValid());
    EXPECT_EQ(rs.Field(QStringLiteral("numbedrooms")).toLongLong(), 3);
    EXPECT_EQ(rs.fieldNames().size(), 7);
}

TEST_F(RecordsetTest, UpdateBatchRoundTrip)
{
    auto rs = detached(QStringLiteral("Select * from [HouseData]"));
    rs->setField(QStringLiteral("NumBedrooms"), QVariant::fromValue<short>(4));
    rs->setField(QStringLiteral("AC"), true);
    rs->setField(QStringLiteral("InterestRate"), 6.13f);
    rs->setField(QStringLiteral("PrimaryExterior"), QStringLiteral("3"));
    rs->setField(QStringLiteral("Notes"), QStringLiteral("O'Brien's \"lot\"; DROP TABLE x"));
    EXPECT_EQ(rs->Field(QStringLiteral("AC")).toLongLong(), -1); // in memory as in the file
    save(*rs);

    Recordset back;
    back.Open(QStringLiteral("Select * from [HouseData]"), cn);
    EXPECT_EQ(back.RecordCount(), 1);
    EXPECT_EQ(back.Field(QStringLiteral("NumBedrooms")).toLongLong(), 4);
    EXPECT_EQ(back.Field(QStringLiteral("AC")).toLongLong(), -1);
    EXPECT_EQ(float(back.Field(QStringLiteral("InterestRate")).toDouble()), 6.13f);
    EXPECT_EQ(back.Field(QStringLiteral("PrimaryExterior")).toString(), QStringLiteral("3"));
    EXPECT_EQ(back.Field(QStringLiteral("Notes")).toString(),
              QStringLiteral("O'Brien's \"lot\"; DROP TABLE x"));
    EXPECT_EQ(back.Field(QStringLiteral("Location")).toLongLong(), 7); // untouched field

    // A second save after further changes writes only those.
    rs->setField(QStringLiteral("NumBedrooms"), 5);
    save(*rs);
    back.Open(QStringLiteral("Select * from [HouseData]"), cn);
    EXPECT_EQ(back.Field(QStringLiteral("NumBedrooms")).toLongLong(), 5);
    EXPECT_EQ(back.Field(QStringLiteral("AC")).toLongLong(), -1);
}

TEST_F(RecordsetTest, FormStackKeepsRowsAndOrder)
{
    // Each scenario starts from [1,5,7,5]; the index on Form_ID must not reorder the rows.
    const struct {
        const char* name;
        std::function<void(Recordset&)> edit;
        QList<qlonglong> expected;
    } cases[] = {
        {"pop the last row",
         [](Recordset& rs) {
             rs.MoveLast();
             rs.Delete();
         },
         {1, 5, 7}},
        {"pop twice",
         [](Recordset& rs) {
             rs.MoveLast();
             rs.Delete();
             rs.MoveLast();
             EXPECT_EQ(rs.Field(QStringLiteral("Form_ID")).toLongLong(), 7);
             rs.Delete();
         },
         {1, 5}},
        {"delete the first 5 from the middle",
         [](Recordset& rs) {
             rs.MoveFirst();
             rs.Find(QStringLiteral("Form_ID=5"));
             rs.Delete();
         },
         {1, 7, 5}},
        {"push two",
         [](Recordset& rs) {
             for (int id : {12, 3}) {
                 rs.AddNew();
                 rs.setField(QStringLiteral("Form_ID"), id);
                 rs.Update();
             }
         },
         {1, 5, 7, 5, 12, 3}},
        {"pop then push",
         [](Recordset& rs) {
             rs.MoveLast();
             rs.Delete();
             rs.AddNew();
             rs.setField(QStringLiteral("Form_ID"), 2);
             rs.Update();
         },
         {1, 5, 7, 2}},
        {"a new row deleted before saving",
         [](Recordset& rs) {
             rs.AddNew();
             rs.setField(QStringLiteral("Form_ID"), 9);
             rs.Delete();
         },
         {1, 5, 7, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        execRaw(path, "DELETE FROM [Form Stack]; INSERT INTO [Form Stack] VALUES (1), (5), (7), (5);");
        auto rs = detached(QStringLiteral("Select * from [Form Stack]"));
        c.edit(*rs);
        save(*rs);
        EXPECT_EQ(stack(), c.expected);
        EXPECT_EQ(rs->RecordCount(), c.expected.size());
        // Saving again with nothing pending changes nothing.
        save(*rs);
        EXPECT_EQ(stack(), c.expected);
    }
}

TEST_F(RecordsetTest, SavedNewRowsCanBeDeletedLater)
{
    auto rs = detached(QStringLiteral("Select * from [Form Stack]"));
    rs->AddNew();
    rs->setField(QStringLiteral("Form_ID"), 9);
    rs->Update();
    save(*rs);
    rs->MoveLast();
    EXPECT_EQ(rs->Field(QStringLiteral("Form_ID")).toLongLong(), 9);
    rs->Delete();
    rs->MoveLast();
    rs->Delete();
    save(*rs);
    EXPECT_EQ(stack(), (QList<qlonglong>{1, 5, 7}));
}

TEST_F(RecordsetTest, FindSearchesForwardFromTheCurrentRow)
{
    auto rs = detached(QStringLiteral("Select * from [Form Stack]"));
    rs->MoveFirst();
    rs->Find(QStringLiteral("Form_ID=5"));
    EXPECT_EQ(rs->AbsolutePosition(), 1);
    rs->Find(QStringLiteral("Form_ID=5")); // the current row counts
    EXPECT_EQ(rs->AbsolutePosition(), 1);
    rs->MoveNext();
    rs->Find(QStringLiteral("Form_ID = 5"));
    EXPECT_EQ(rs->AbsolutePosition(), 3);
    rs->Find(QStringLiteral("Form_ID=7")); // behind the current row
    EXPECT_TRUE(rs->EOF());
    EXPECT_EQ(errorOf([&] { rs->Field(QStringLiteral("Form_ID")); }), vb::ErrNoCurrentRecord);
    rs->MoveFirst();
    rs->Find(QStringLiteral("Form_ID=99"));
    EXPECT_TRUE(rs->EOF());

    auto defs = detached(QStringLiteral("Select * from [Form Definition] Order By Form_ID"));
    defs->Find(QStringLiteral("[Section Name]='basement'"));
    ASSERT_FALSE(defs->EOF());
    EXPECT_EQ(defs->Field(QStringLiteral("Form_ID")).toLongLong(), 16);
    EXPECT_EQ(errorOf([&] { defs->Find(QStringLiteral("NoSuchField=1")); }), vb::ErrItemNotFound);
    EXPECT_EQ(errorOf([&] { defs->Find(QStringLiteral("Form_ID")); }), vb::ErrBadArguments);
}

// The forms of a criterion: a plain or bracketed name, blanks around "=" and the value, quoted
// text with a doubled quote, a number; anything else is refused.
TEST_F(RecordsetTest, FindCriterionForms)
{
    auto places = detached(QStringLiteral("Select * from [Locations] Order By LocationID"));
    const struct {
        const char* criterion;
        int row; // -1: no match (EOF)
    } found[] = {
        {"LocationID=2", 1},
        {"  LocationID  =  2  ", 1},
        {"locationid=1", 0},
        {"[Location Factor]=1.05", 1},
        {" [Location Factor] = 0.95 ", 0},
        {"City='O''Fallon'", 1},
        {"City = 'akron'", 0},
        {"State='Ohio'", 0},
        {"City='Dayton'", -1},
        {"LocationID=3", -1},
    };
    for (const auto& c : found) {
        places->MoveFirst();
        places->Find(QString::fromLatin1(c.criterion));
        if (c.row < 0)
            EXPECT_TRUE(places->EOF()) << c.criterion;
        else
            EXPECT_EQ(places->AbsolutePosition(), c.row) << c.criterion;
    }
    for (const char* bad :
         {"LocationID", "=2", "LocationID=", "LocationID=two", "[Location Factor]", "", "City=Akron"}) {
        places->MoveFirst();
        EXPECT_EQ(errorOf([&] { places->Find(QString::fromLatin1(bad)); }), vb::ErrBadArguments) << bad;
    }
    places->MoveFirst();
    EXPECT_EQ(errorOf([&] { places->Find(QStringLiteral("[Location=1")); }), vb::ErrItemNotFound);
}

TEST_F(RecordsetTest, NoCurrentRecordAndUnknownField)
{
    Recordset rs;
    rs.Open(QStringLiteral("Select * from [Form Stack] Where Form_ID = ?"), cn, {99});
    EXPECT_TRUE(rs.BOF());
    EXPECT_TRUE(rs.EOF());
    try {
        rs.Field(QStringLiteral("Form_ID"));
        FAIL();
    } catch (const vb::VbError& e) {
        EXPECT_EQ(e.number(), vb::ErrNoCurrentRecord);
        EXPECT_TRUE(e.description().contains(QStringLiteral("BOF or EOF")));
    }
    EXPECT_EQ(errorOf([&] { rs.MoveFirst(); }), vb::ErrNoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs.MoveLast(); }), vb::ErrNoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs.setField(QStringLiteral("Form_ID"), 1); }), vb::ErrNoCurrentRecord);

    rs.Open(QStringLiteral("Select * from [Form Stack]"), cn);
    EXPECT_EQ(errorOf([&] { rs.Field(QStringLiteral("FormID")); }), vb::ErrItemNotFound);
    EXPECT_FALSE(rs.BOF());
    rs.MovePrevious();
    EXPECT_TRUE(rs.BOF());
    EXPECT_EQ(errorOf([&] { rs.MovePrevious(); }), vb::ErrNoCurrentRecord);
    rs.MoveLast();
    rs.MoveNext();
    EXPECT_TRUE(rs.EOF());
    EXPECT_EQ(errorOf([&] { rs.MoveNext(); }), vb::ErrNoCurrentRecord);
    rs.MovePrevious();
    EXPECT_EQ(rs.Field(QStringLiteral("Form_ID")).toLongLong(), 5);
    // A deleted current row is gone until the cursor moves.
    rs.Delete();
    EXPECT_EQ(errorOf([&] { rs.Field(QStringLiteral("Form_ID")); }), vb::ErrNoCurrentRecord);
    rs.MoveLast();
    EXPECT_EQ(rs.Field(QStringLiteral("Form_ID")).toLongLong(), 7);
}

TEST_F(RecordsetTest, CloneSharesRowsNotTheCursor)
{
    auto rs = detached(QStringLiteral("Select * from [Form Stack]"));
    auto clone = rs->Clone();
    rs->MoveLast();
    EXPECT_EQ(clone->AbsolutePosition(), 0);
    rs->setField(QStringLiteral("Form_ID"), 42);
    clone->MoveLast();
    EXPECT_EQ(clone->Field(QStringLiteral("Form_ID")).toLongLong(), 42);
    clone->Delete();
    EXPECT_EQ(rs->RecordCount(), 3);
    rs->Close();
    EXPECT_TRUE(clone->isOpen());
    EXPECT_EQ(clone->RecordCount(), 3);
}

TEST_F(RecordsetTest, FailedBatchRollsBackAndKeepsPendingRows)
{
    auto rs = detached(QStringLiteral("Select * from Strict"));
    rs->MoveFirst();
    rs->Delete();
    rs->AddNew(); // Form_ID left empty: violates NOT NULL
    rs->SetActiveConnection(&cn);
    try {
        rs->UpdateBatch();
        FAIL();
    } catch (const vb::VbError& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("NOT NULL"))) << e.description().toStdString();
    }
    EXPECT_EQ(column(QStringLiteral("Select * from Strict"), QStringLiteral("Form_ID")),
              (QList<qlonglong>{1, 2}));

    rs->setField(QStringLiteral("Form_ID"), 3);
    rs->UpdateBatch();
    EXPECT_EQ(column(QStringLiteral("Select * from Strict"), QStringLiteral("Form_ID")),
              (QList<qlonglong>{2, 3}));
}

TEST_F(RecordsetTest, BatchesInOneTransactionReachTheFileTogetherOrNotAtAll)
{
    auto stackRows = detached(QStringLiteral("Select * from [Form Stack]"));
    auto strict = detached(QStringLiteral("Select * from Strict"));
    stackRows->AddNew();
    stackRows->setField(QStringLiteral("Form_ID"), 9);
    strict->AddNew(); // Form_ID left empty: violates NOT NULL
    auto bothInOne = [&] {
        cn.BeginTrans();
        try {
            save(*stackRows);
            save(*strict);
            cn.CommitTrans();
        } catch (...) {
            stackRows->SetActiveConnection(nullptr);
            strict->SetActiveConnection(nullptr);
            cn.RollbackTrans();
            throw;
        }
    };
    EXPECT_EQ(errorOf(bothInOne), vb::ErrProvider);
    EXPECT_FALSE(cn.inTransaction());
    // The first batch went with the second, and its row is still pending.
    EXPECT_EQ(stack(), (QList<qlonglong>{1, 5, 7, 5}));

    strict->setField(QStringLiteral("Form_ID"), 3);
    bothInOne();
    EXPECT_EQ(stack(), (QList<qlonglong>{1, 5, 7, 5, 9}));
    EXPECT_EQ(column(QStringLiteral("Select * from Strict"), QStringLiteral("Form_ID")),
              (QList<qlonglong>{1, 2, 3}));
    // Written once: nothing is pending any more.
    bothInOne();
    EXPECT_EQ(stack(), (QList<qlonglong>{1, 5, 7, 5, 9}));
}

TEST(Connection, RelativeNameBeginningWithFileIsAFileName)
{
    QTemporaryDir dir;
    execRaw(dir.filePath(QStringLiteral("file:uri.tvm")), "CREATE TABLE t (x SMALLINT);");
    execRaw(dir.filePath(QStringLiteral("uri.tvm")), "CREATE TABLE other (x SMALLINT);");
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    Connection cn;
    cn.Open(QStringLiteral("file:uri.tvm"));
    Recordset rs;
    rs.Open(QStringLiteral("SELECT name FROM sqlite_master"), cn);
    EXPECT_EQ(rs.Field(QStringLiteral("name")).toString(), QStringLiteral("t"));
    QDir::setCurrent(previous);
}

TEST_F(RecordsetTest, RowChangedBehindTheRecordsetIsAConflict)
{
    auto rs = detached(QStringLiteral("Select * from [Form Stack]"));
    rs->MoveLast();
    rs->setField(QStringLiteral("Form_ID"), 8);
    rs->MoveFirst();
    rs->setField(QStringLiteral("Form_ID"), 2);
    execRaw(path, "DELETE FROM [Form Stack] WHERE _rowid_ = 4");
    rs->SetActiveConnection(&cn);
    EXPECT_EQ(errorOf([&] { rs->UpdateBatch(); }), vb::ErrRowConflict);
    EXPECT_EQ(stack(), (QList<qlonglong>{1, 5, 7})); // the first change was rolled back
}

TEST_F(RecordsetTest, WritingBackNeedsAConnectionAndOneTable)
{
    auto rs = detached(QStringLiteral("Select * from [Form Stack]"));
    rs->MoveFirst();
    rs->setField(QStringLiteral("Form_ID"), 2);
    EXPECT_EQ(errorOf([&] { rs->UpdateBatch(); }), vb::ErrConnectionInvalid);

    Recordset states;
    states.Open(QStringLiteral("Select Distinct State from [Locations] Order By State"), cn);
    EXPECT_EQ(states.RecordCount(), 1);
    states.setField(QStringLiteral("State"), QStringLiteral("Iowa"));
    EXPECT_EQ(errorOf([&] { states.UpdateBatch(); }), vb::ErrNotUpdatable);
}

TEST_F(RecordsetTest, ParametersAndBracketedNames)
{
    Recordset rs;
    rs.Open(QStringLiteral("Select * from [Locations] Where State = ? AND [City] = ?"), cn,
            {QStringLiteral("Ohio"), QStringLiteral("O'Fallon")});
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_DOUBLE_EQ(rs.Field(QStringLiteral("Location Factor")).toDouble(), 1.05);
    EXPECT_DOUBLE_EQ(rs.Field(QStringLiteral("location factor")).toDouble(), 1.05);

    // Pasted into the text, the apostrophe is an engine error that carries the engine's message.
    try {
        rs.Open(QStringLiteral("Select * from [Locations] Where City = 'O'Fallon'"), cn);
        FAIL();
    } catch (const vb::VbError& e) {
        EXPECT_EQ(e.number(), vb::ErrProvider);
        EXPECT_TRUE(e.description().contains(QStringLiteral("syntax error")))
            << e.description().toStdString();
    }
    EXPECT_FALSE(rs.isOpen());
    try {
        rs.Open(QStringLiteral("Select * from [No Such Table]"), cn);
        FAIL();
    } catch (const vb::VbError& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("no such table")))
            << e.description().toStdString();
    }
    EXPECT_EQ(errorOf([&] { rs.Open(QStringLiteral("Select * from [Locations] Where State = ?"), cn); }),
              vb::ErrBadArguments);
}

TEST_F(RecordsetTest, BooleanTrueIsStoredAsMinusOne)
{
    auto rs = detached(QStringLiteral("Select * from [Form Definition] Order By Form_ID"));
    rs->MoveLast();
    rs->setField(QStringLiteral("Visible"), true);
    save(*rs);
    EXPECT_EQ(column(QStringLiteral("Select Visible from [Form Definition] Where Form_ID = 43"),
                     QStringLiteral("Visible")),
              (QList<qlonglong>{-1}));
}

namespace
{

TEST_F(RecordsetTest, CodeStoredInTheFileNeverRuns)
{
    execRaw(path, "CREATE TABLE Log (n INTEGER);"
                  "CREATE TRIGGER Meddle AFTER UPDATE ON [HouseData] BEGIN "
                  "  DELETE FROM [Form Stack]; INSERT INTO Log VALUES (1); END;"
                  "CREATE VIEW Peek AS SELECT * FROM [HouseData];");
    Connection cn;
    cn.Open(path);
    Recordset rs;
    rs.Open(QStringLiteral("Select * from [HouseData]"), cn);
    rs.setField(QStringLiteral("NumBedrooms"), 5);
    rs.UpdateBatch();
    EXPECT_EQ(stack(), (QList<qlonglong>{1, 5, 7, 5}));
    Recordset log;
    log.Open(QStringLiteral("Select * from Log"), cn);
    EXPECT_EQ(log.RecordCount(), 0);
    Recordset view;
    EXPECT_NE(errorOf([&] { view.Open(QStringLiteral("Select * from Peek"), cn); }), 0);
}

} // namespace

namespace
{

// One write of this connection's own, through a transaction as a save makes it.
void writeOwn(Connection& cn, Recordset& rs, int formId)
{
    cn.BeginTrans();
    rs.AddNew();
    rs.setField(QStringLiteral("Form_ID"), formId);
    rs.SetActiveConnection(&cn);
    try {
        rs.UpdateBatch(ado::adAffectAll);
        cn.CommitTrans();
    } catch (...) {
        rs.SetActiveConnection(nullptr);
        cn.RollbackTrans();
        throw;
    }
    rs.SetActiveConnection(nullptr);
}

} // namespace

TEST_F(RecordsetTest, ConnectionNoticesWhatElseHappensToItsFile)
{
    struct Case {
        const char* name;
        std::function<void(const QString& path)> happen;
        ado::DiskState state;
    };
    const Case cases[] = {
        {"another connection commits",
         [](const QString& path) {
             Connection other;
             other.Open(path);
             Recordset rs;
             rs.setCursorLocation(ado::adUseClient);
             rs.Open(QStringLiteral("Select * from [Form Stack]"), other);
             rs.SetActiveConnection(nullptr);
             writeOwn(other, rs, 30);
         },
         ado::DiskState::Changed},
        {"replaced by another file under its name",
         [](const QString& path) {
             const QString copy = path + QStringLiteral(".new");
             ASSERT_TRUE(QFile::copy(path, copy));
             ASSERT_TRUE(QFile::remove(path));
             ASSERT_TRUE(QFile::rename(copy, path));
         },
         ado::DiskState::Changed},
        {"cut short by a plain write",
         [](const QString& path) {
             QFile f(path);
             ASSERT_TRUE(f.resize(2048));
         },
         ado::DiskState::Changed},
        {"removed", [](const QString& path) { QFile::remove(path); }, ado::DiskState::Gone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        cn.Close();
        QFile::remove(path);
        execRaw(path, kSchema);
        cn.Open(path);
        auto rs = detached(QStringLiteral("Select * from [Form Stack]"));
        // Its own writes and what other connections only read leave it unchanged.
        writeOwn(cn, *rs, 9);
        writeOwn(cn, *rs, 10);
        EXPECT_EQ(column(QStringLiteral("Select * from [Form Stack]"), QStringLiteral("Form_ID")).size(), 6);
        EXPECT_EQ(cn.diskState(), ado::DiskState::Unchanged);

        c.happen(path);
        EXPECT_EQ(cn.diskState(), c.state);
        // Found once, the change stays found, whatever this connection writes after it.
        errorOf([&] { writeOwn(cn, *rs, 11); });
        EXPECT_NE(cn.diskState(), ado::DiskState::Unchanged);
    }
}

TEST_F(RecordsetTest, ConnectionKnowsItsFileUnderOtherNames)
{
    const QString hard = dir.filePath(QStringLiteral("hard.tvm"));
    const QString soft = dir.filePath(QStringLiteral("soft.tvm"));
    const QString other = dir.filePath(QStringLiteral("other.tvm"));
    ASSERT_TRUE(QFile::link(path, soft));
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(hard).constData()), 0);
    ASSERT_TRUE(QFile::copy(path, other));
    EXPECT_TRUE(cn.isFile(path));
    EXPECT_TRUE(cn.isFile(hard));
    EXPECT_TRUE(cn.isFile(soft));
    EXPECT_FALSE(cn.isFile(other));
    EXPECT_FALSE(cn.isFile(dir.filePath(QStringLiteral("missing.tvm"))));
}

// The file a connection has open is the one it read, whatever its name leads to by now.
TEST_F(RecordsetTest, ConnectionKnowsTheFileItHasOpenAfterItsNameIsReplaced)
{
    struct stat open, named;
    ASSERT_EQ(::fstat(ado::DatabaseDescriptor(cn.handle()), &open), 0);
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &named), 0);
    EXPECT_EQ(open.st_ino, named.st_ino);
    const QString other = dir.filePath(QStringLiteral("other.tvm"));
    ASSERT_TRUE(QFile::copy(path, other));
    ASSERT_EQ(::rename(QFile::encodeName(other).constData(), QFile::encodeName(path).constData()), 0);
    EXPECT_FALSE(cn.isFile(path));
    EXPECT_EQ(cn.diskState(), ado::DiskState::Changed);
    EXPECT_EQ(ado::DatabaseDescriptor(nullptr), -1);
}

TEST_F(RecordsetTest, FullDiskIsErrorDiskFull)
{
    cn.Close();
    vb::FileWriteFault fault(dir.path(), vb::FileWriteFault::DiskFull, 0);
    cn.Open(path);
    auto rs = detached(QStringLiteral("Select * from [Form Stack]"));
    rs->AddNew();
    rs->setField(QStringLiteral("Form_ID"), 9);
    EXPECT_EQ(errorOf([&] { save(*rs); }), vb::ErrDiskFull);
    EXPECT_EQ(errorOf([&] { writeOwn(cn, *rs, 10); }), vb::ErrDiskFull);
    EXPECT_FALSE(cn.inTransaction());
}
