#include "tests/shell/engine/EngineFixture.h"

#include "estimate/clsHomeData.h"
#include "runtime/ado/Connection.h"
#include "runtime/ado/Recordset.h"
#include "runtime/vb/Conversions.h"
#include "shell/ShellInternal.h"
#include "shell/basGlobalVariables.h"
#include "shell/basHouseFiles.h"
#include "tests/support/SpecialFiles.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>
#include <thread>

#include <cstdio>

#include <grp.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace enginetest;
using shell_internal::SaveFailure;

namespace
{

// The program running a second time with the same file open: its own connection, record and
// page lists, saved in place as the program saves them.
class OtherProgram
{
public:
    explicit OtherProgram(const QString& path)
    {
        m_cn.Open(path);
        m_record.InitializeData();
        for (auto [rs, sql] : {std::pair{&m_stack, u"Select * from [Form Stack]"_s},
                               std::pair{&m_visited, u"Select * from [Visited Forms]"_s}}) {
            rs->setCursorLocation(ado::adUseClient);
            rs->Open(sql, m_cn);
            rs->SetActiveConnection(nullptr);
        }
    }
    clsHomeData& record() { return m_record; }
    ado::Connection& connection() { return m_cn; }
    std::optional<SaveFailure> save()
    {
        return shell_internal::SaveInPlace(m_cn, m_record, m_stack, m_visited);
    }

private:
    ado::Connection m_cn;
    clsHomeData m_record{m_cn, m_cn};
    ado::Recordset m_stack;
    ado::Recordset m_visited;
};

struct stat statOf(const QString& path)
{
    struct stat st {
    };
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0) << path.toStdString();
    return st;
}

class SharedFiles : public EngineTest
{
protected:
    static QVariant field(const QString& path, const char* name)
    {
        return testsupport::houseField(path, QString::fromLatin1(name));
    }
    // The file as it was made from the template, then opened with one unsaved answer.
    QString openWithAnswer(const QString& name)
    {
        const QString path = makeHouseFile(name);
        start(path);
        go(10);
        g_HomeData->setNumBedrooms(6);
        boxes->clear();
        return path;
    }
    void expectNoMessage() { EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString(); }
    // A second name of the file, "link.tvm".
    QString hardLink(const QString& path) const
    {
        const QString link = folder() + u"/link.tvm"_s;
        EXPECT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()), 0);
        return link;
    }
    // Save As to the file's name saves into the file: the other name still shares it.
    void expectSaveAsKeepsTheLink(const QString& path, const QString& link)
    {
        dialogs->choose(path);
        FileSaveAs();
        expectNoMessage();
        EXPECT_EQ(statOf(path).st_nlink, 2u);
        EXPECT_EQ(statOf(link).st_ino, statOf(path).st_ino);
        EXPECT_EQ(field(link, "NumBedrooms").toInt(), 6);
    }
};

// The lot price typed in one program, septic chosen in the other: the second save is refused
// and the file holds exactly the first's answers.
TEST_F(SharedFiles, SecondOfTwoProgramsSavingOneFileIsRefused)
{
    for (bool thisFirst : {true, false}) {
        SCOPED_TRACE(thisFirst ? "this program saves first" : "the other program saves first");
        TearDown();
        SetUp();
        const QString path = makeHouseFile(u"shared.tvm"_s);
        const QVariant lotPrice = field(path, "LotPrice");
        const QVariant sewer = field(path, "SewerType");
        start(path);
        OtherProgram other(path);
        g_HomeData->setLotPrice(11111);
        other.record().setSewerType(1);

        if (thisFirst) {
            FileSave();
            expectNoMessage();
            EXPECT_EQ(other.save(), SaveFailure::Changed);
            EXPECT_EQ(field(path, "LotPrice").toInt(), 11111);
            EXPECT_EQ(field(path, "SewerType"), sewer);
            continue;
        }
        EXPECT_EQ(other.save(), std::nullopt);
        const QByteArray saved = contents(path);
        FileSave();
        EXPECT_EQ(prompts(), QStringList({saveFailureMessage(path, SaveCause::Changed)}));
        EXPECT_EQ(contents(path), saved);
        EXPECT_EQ(field(path, "LotPrice"), lotPrice);
        EXPECT_EQ(field(path, "SewerType").toInt(), 1);
        // Exit is refused too, and the answers stay open for Save As.
        boxes->clear();
        boxes->answer(forms::vbYes);
        EXPECT_FALSE(FileClose());
        EXPECT_EQ(contents(path), saved);
        boxes->clear();
        const QString elsewhere = folder() + u"/mine.tvm"_s;
        dialogs->choose(elsewhere);
        FileSaveAs();
        expectNoMessage();
        EXPECT_EQ(field(elsewhere, "LotPrice").toInt(), 11111);
        EXPECT_EQ(field(elsewhere, "SewerType"), sewer);
        EXPECT_EQ(contents(path), saved);
    }
}

// The other program is writing the file when this one saves: this save waits for it to end, then
// is refused as a save into a changed file.
TEST_F(SharedFiles, SaveWhileAnotherProgramWritesTheFileIsRefusedAsChanged)
{
    const QString path = makeHouseFile(u"shared.tvm"_s);
    const QVariant lotPrice = field(path, "LotPrice");
    start(path);
    OtherProgram other(path);
    g_HomeData->setLotPrice(11111);
    other.record().setSewerType(1);
    other.connection().BeginTrans();
    other.record().SaveData();
    // Either order of its commit and this save's start ends the same way.
    std::thread commit([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        other.connection().CommitTrans();
    });
    FileSave();
    commit.join();
    EXPECT_EQ(prompts(), QStringList({saveFailureMessage(path, SaveCause::Changed)}));
    EXPECT_EQ(field(path, "LotPrice"), lotPrice);
    EXPECT_EQ(field(path, "SewerType").toInt(), 1);
}

// The other program holds its write for longer than a save waits: nothing is written, and the
// message says another program is saving.
TEST_F(SharedFiles, SaveMeetingAWriteThatDoesNotEndSaysAnotherProgramIsSaving)
{
    const QString path = makeHouseFile(u"shared.tvm"_s);
    start(path);
    OtherProgram other(path);
    g_HomeData->setLotPrice(11111);
    other.connection().BeginTrans();
    const QByteArray before = contents(path);
    FileSave();
    other.connection().RollbackTrans();
    EXPECT_EQ(prompts(), QStringList({saveFailureMessage(path, SaveCause::Busy)}));
    EXPECT_EQ(contents(path), before);
}

// A file that passed its check but cannot be opened leaves the estimate on the file it came
// from; another program's change to that file is not forgotten by opening it again.
TEST_F(SharedFiles, ChangeByAnotherProgramOutlivesAFailedOpen)
{
    const QString path = makeHouseFile(u"shared.tvm"_s);
    start(path);
    OtherProgram other(path);
    g_HomeData->setLotPrice(11111);
    other.record().setSewerType(1);
    ASSERT_EQ(other.save(), std::nullopt);
    const QByteArray saved = contents(path);

    EXPECT_FALSE(shell_internal::OpenCheckedHomeDatabaseFile(folder() + u"/vanished.tvm"_s, {}));
    EXPECT_EQ(g_HouseFilePath, path);
    boxes->clear();
    FileSave();
    EXPECT_EQ(prompts(), QStringList({saveFailureMessage(path, SaveCause::Changed)}));
    EXPECT_EQ(contents(path), saved);
}

TEST_F(SharedFiles, ProgramsThatOnlyReadTheFileNeverDisturbASave)
{
    const QString path = openWithAnswer(u"shared.tvm"_s);
    {
        // Opened elsewhere as File > Open opens a file, read, and left without saving.
        EXPECT_EQ(shell_internal::CheckHouseFile(path).problem, shell_internal::FileProblem::None);
        OtherProgram reader(path);
        EXPECT_EQ(reader.record().NumBedrooms(), vb::CInt(field(path, "NumBedrooms")));
        FileSave();
        g_HomeData->setNumBedrooms(5);
        FileSave();
    }
    g_HomeData->setNumBedrooms(4);
    FileSave();
    expectNoMessage();
    EXPECT_EQ(field(path, "NumBedrooms").toInt(), 4);

    // Another program saving another file leaves this one alone.
    const QString another = makeHouseFile(u"another.tvm"_s);
    OtherProgram other(another);
    other.record().setNumBedrooms(2);
    EXPECT_EQ(other.save(), std::nullopt);
    g_HomeData->setNumBedrooms(7);
    FileSave();
    expectNoMessage();
    EXPECT_EQ(field(path, "NumBedrooms").toInt(), 7);
}

TEST_F(SharedFiles, SaveInPlaceSaysWhatBecameOfTheFile)
{
    struct Case {
        const char* name;
        std::function<void(const QString& open)> happen;
        SaveCause cause;
    };
    const Case cases[] = {
        {"replaced by another program's Save As",
         [this](const QString& open) {
             const QString replacement = makeHouseFile(u"replacement.tvm"_s);
             exec(replacement, u"UPDATE [HouseData] SET NumBedrooms = 2"_s);
             ASSERT_EQ(
                 std::rename(QFile::encodeName(replacement).constData(), QFile::encodeName(open).constData()),
                 0);
         },
         SaveCause::Changed},
        {"cut short", [](const QString& open) { writeBytes(open, contents(open).left(2048)); },
         SaveCause::Changed},
        {"deleted", [](const QString& open) { QFile::remove(open); }, SaveCause::Gone},
        {"folder removed", [](const QString& open) { QDir(QFileInfo(open).path()).removeRecursively(); },
         SaveCause::Gone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        const QString open = makeHouseFileAway();
        start(open);
        go(10);
        g_HomeData->setNumBedrooms(6);
        boxes->clear();
        c.happen(open);
        const QByteArray left = contents(open);
        FileSave();
        EXPECT_EQ(prompts(), QStringList({saveFailureMessage(open, c.cause)}));
        EXPECT_EQ(contents(open), left);
        EXPECT_EQ(g_HouseFilePath, open);
        EXPECT_EQ(g_HomeData->NumBedrooms(), vb::Integer(6));
    }
}

TEST_F(SharedFiles, NewFilesGetTheUmask)
{
    for (mode_t mask : {mode_t(077), mode_t(022)}) {
        SCOPED_TRACE(mask);
        TearDown();
        SetUp();
        const testsupport::Umask umask(mask);
        start();
        const QString untitled = folder() + u"/untitled.tvm"_s;
        dialogs->choose(untitled);
        FileSave();
        EXPECT_EQ(statOf(untitled).st_mode & 0777, 0666 & ~mask);
        const QString named = folder() + u"/named.tvm"_s;
        dialogs->choose(named);
        FileSaveAs();
        EXPECT_EQ(statOf(named).st_mode & 0777, 0666 & ~mask);
        expectNoMessage();
    }
}

TEST_F(SharedFiles, SaveAsKeepsTheModeOfTheFileItSavesInto)
{
    const testsupport::Umask umask(022);
    for (mode_t mode : {mode_t(0600), mode_t(0640)}) {
        SCOPED_TRACE(mode);
        TearDown();
        SetUp();
        const QString other = makeHouseFile(u"other.tvm"_s);
        ASSERT_EQ(::chmod(QFile::encodeName(other).constData(), mode), 0);
        // Root may hand on any group; others only their own.
        const gid_t group = getuid() == 0 ? 4242 : statOf(other).st_gid;
        ASSERT_EQ(::chown(QFile::encodeName(other).constData(), uid_t(-1), group), 0);
        const QString path = openWithAnswer(u"private.tvm"_s);
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
        const ino_t inode = statOf(path).st_ino;

        dialogs->choose(path);
        FileSaveAs();
        EXPECT_EQ(statOf(path).st_mode & 0777, mode);
        EXPECT_EQ(statOf(path).st_ino, inode);
        EXPECT_EQ(field(path, "NumBedrooms").toInt(), 6);

        g_HomeData->setNumBedrooms(5);
        dialogs->choose(other);
        FileSaveAs();
        EXPECT_EQ(statOf(other).st_mode & 0777, mode);
        EXPECT_EQ(statOf(other).st_gid, group);
        EXPECT_EQ(field(other, "NumBedrooms").toInt(), 5);
        EXPECT_EQ(g_HouseFilePath, other);
        expectNoMessage();
    }
}

TEST_F(SharedFiles, HardLinkStillSharesTheFileAfterSaveAsToItsName)
{
    const QString path = openWithAnswer(u"house.tvm"_s);
    const QString link = hardLink(path);
    expectSaveAsKeepsTheLink(path, link);

    // Save As to the other name of the same file saves in it too, and goes on under that name.
    g_HomeData->setNumBedrooms(5);
    dialogs->choose(link);
    FileSaveAs();
    expectNoMessage();
    EXPECT_EQ(g_HouseFilePath, link);
    EXPECT_EQ(statOf(link).st_ino, statOf(path).st_ino);
    EXPECT_EQ(field(path, "NumBedrooms").toInt(), 5);
    EXPECT_EQ(g_HomeData->NumBedrooms(), vb::Integer(5));
    EXPECT_EQ(g_CurrentFormID, vb::Integer(10));
}

// After a save refused because another program changed the file, Save As to its name (as the
// message advises) writes into the file itself: its other name still shares it.
TEST_F(SharedFiles, SaveAsAfterARefusedSaveKeepsAHardLinkShared)
{
    const QString path = openWithAnswer(u"house.tvm"_s);
    const QString link = hardLink(path);
    g_HomeData->setLotPrice(11111);
    {
        OtherProgram other(path);
        other.record().setSewerType(1);
        ASSERT_EQ(other.save(), std::nullopt);
    }
    FileSave();
    EXPECT_EQ(prompts(), QStringList({saveFailureMessage(path, SaveCause::Changed)}));
    boxes->clear();

    expectSaveAsKeepsTheLink(path, link);
    EXPECT_EQ(field(link, "LotPrice").toInt(), 11111);
    EXPECT_EQ(formIds(link, u"Form Stack"_s), QList<int>({1, 10}));
    EXPECT_FALSE(QFileInfo::exists(path + u"-journal"_s));
    EXPECT_EQ(g_HouseFilePath, path);
    EXPECT_EQ(g_CurrentFormID, vb::Integer(10));

    // The file is this program's own again: Save saves in it.
    g_HomeData->setNumBedrooms(5);
    FileSave();
    expectNoMessage();
    EXPECT_EQ(field(link, "NumBedrooms").toInt(), 5);
}

// A file that is no sound house file any more is built afresh under the name, as before.
TEST_F(SharedFiles, SaveAsToTheOwnNameOfAFileCutShortBuildsItAfresh)
{
    const QString path = openWithAnswer(u"house.tvm"_s);
    writeBytes(path, contents(path).left(2048));
    dialogs->choose(path);
    FileSaveAs();
    expectNoMessage();
    EXPECT_EQ(field(path, "NumBedrooms").toInt(), 6);
    EXPECT_EQ(statOf(path).st_mode & 0777, 0600u);
}

// In a sticky folder that everyone may write to (as /tmp), a link that another user made is
// not followed, as the kernel's rule would not follow it: Save As and Open refuse it, naming
// it, and nothing is written. A link of the user's own there is saved through.
TEST_F(SharedFiles, LinkThatAnotherUserMadeInASharedFolderIsNotFollowed)
{
    if (::geteuid() != 0) GTEST_SKIP() << "links of other users are made as root";
    const QString shared = folder() + u"/shared"_s;
    ASSERT_TRUE(QDir().mkdir(shared));
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
    const QString notes = folder() + u"/notes.txt"_s;
    writeBytes(notes, "my notes\n");
    ASSERT_EQ(::chmod(QFile::encodeName(notes).constData(), 0600), 0);
    const QString house = makeHouseFile(u"mine.tvm"_s);
    const QByteArray houseBefore = contents(house);
    const QString planted = shared + u"/shared.tvm"_s;
    const QString plantedHouse = shared + u"/house.tvm"_s;
    const QString plantedFolder = shared + u"/folder"_s;
    for (const auto& [link, target] :
         {std::pair{planted, notes}, std::pair{plantedHouse, house}, std::pair{plantedFolder, folder()}}) {
        ASSERT_TRUE(QFile::link(target, link));
        ASSERT_EQ(::lchown(QFile::encodeName(link).constData(), 4242, 4242), 0);
    }
    // Not opened on the command line.
    const QString refused = u"This name is a symbolic link that another user made in a shared folder; links "
                            "there are followed only when they are your own or the folder owner's, so it "
                            "cannot be opened:\r\n"_s +
                            plantedHouse;
    start(plantedHouse);
    EXPECT_EQ(prompts(), QStringList({refused}));
    EXPECT_TRUE(IsUntitled());
    const QString open = g_HouseFilePath;
    go(10);
    g_HomeData->setNumBedrooms(6);
    const QStringList sharedFiles = QDir(shared).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    const QStringList files = QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden);

    // Save As through the link itself, and through a linked folder.
    for (const auto& [name, link] : {std::pair{planted, QString()}, std::pair{plantedHouse, QString()},
                                     std::pair{plantedFolder + u"/mine.tvm"_s, plantedFolder}}) {
        SCOPED_TRACE(name.toStdString());
        boxes->clear();
        dialogs->choose(name);
        FileSaveAs();
        EXPECT_EQ(prompts(), QStringList({saveFailureMessage(name, SaveCause::ProtectedLink, link)}));
        EXPECT_EQ(g_HouseFilePath, open);
        EXPECT_EQ(g_HomeData->NumBedrooms(), vb::Integer(6));
    }
    EXPECT_EQ(contents(notes), QByteArray("my notes\n"));
    EXPECT_EQ(contents(house), houseBefore);
    EXPECT_EQ(QDir(shared).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), sharedFiles);
    EXPECT_EQ(QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden), files);

    // Nor through File > Open.
    boxes->clear();
    boxes->answer(forms::vbNo);
    dialogs->choose(plantedHouse);
    FileOpen();
    EXPECT_EQ(prompts(), QStringList({u"Do you want to save this file?"_s, refused}));
    EXPECT_EQ(g_HouseFilePath, open);
    EXPECT_EQ(contents(house), houseBefore);

    // The user's own link there leads to the file, which the question to replace it names.
    const QString own = shared + u"/own.tvm"_s;
    const QString real = makeHouseFile(u"real.tvm"_s);
    ASSERT_TRUE(QFile::link(real, own));
    boxes->clear();
    dialogs->choose(own);
    FileSaveAs();
    expectNoMessage();
    EXPECT_EQ(dialogs->calls().back().overwriteQuestion,
              own + u" is a link to "_s + real + u", which already exists.\r\nDo you want to replace it?"_s);
    EXPECT_TRUE(QFileInfo(own).isSymLink());
    EXPECT_EQ(field(real, "NumBedrooms").toInt(), 6);
    EXPECT_EQ(g_HouseFilePath, own);
}

// Save As over another user's file in a sticky folder that everyone may write to: the folder
// lets no one but the file's owner replace it, so the message says there is no permission to
// replace it, and nothing changes there. Root may replace any file, so as root the save runs in
// a child process that has become "nobody", on a file of root's.
TEST_F(SharedFiles, SaveAsOverAnotherUsersFileInASharedFolderSaysItMayNotBeReplaced)
{
    if (::geteuid() != 0) GTEST_SKIP() << "a file of another user is made as root";
    QTemporaryDir base;
    ASSERT_TRUE(base.isValid());
    ASSERT_EQ(::chmod(QFile::encodeName(base.path()).constData(), 0755), 0);
    const QString shared = base.filePath(u"shared"_s);
    ASSERT_TRUE(QDir().mkdir(shared));
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
    const QString target = shared + u"/theirs.tvm"_s;
    ASSERT_TRUE(QFile::copy(makeHouseFile(u"theirs.tvm"_s), target));
    // Everyone may write into the file, but only its owner may replace it.
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0666), 0);
    const QByteArray before = contents(target);
    const QString path = openWithAnswer(u"mine.tvm"_s);
    // The program folder, with the template every house file is made from, is readable to all.
    ASSERT_EQ(::chmod(QFile::encodeName(folder()).constData(), 0755), 0);
    const auto entries = [&] { return QDir(shared).entryList(QDir::AllEntries | QDir::Hidden | QDir::System); };
    const QStringList files = entries();

    const uid_t nobody = 65534;
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0) ::_exit(126);
        dialogs->choose(target);
        FileSaveAs();
        const QStringList expected{saveFailureMessage(target, SaveCause::NoReplace)};
        const bool said = prompts() == expected && g_HouseFilePath == path;
        if (!said) std::fprintf(stderr, "%s\n", qPrintable(prompts().join(u'\n')));
        ::_exit(said ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 126) GTEST_SKIP() << "cannot become nobody";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save as nobody said otherwise (above)";
    EXPECT_EQ(contents(target), before);
    EXPECT_EQ(entries(), files);
}

TEST_F(SharedFiles, SaveAsToASymbolicLinkSavesIntoTheFileItNames)
{
    struct Case {
        const char* name;
        bool openTheLink;  // else another file is open
        bool targetExists; // else the link dangles
    };
    const Case cases[] = {
        {"the open file's link", true, true},
        {"a link to another file", false, true},
        {"a link to no file yet", false, false},
    };
    const testsupport::Umask umask(022);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        const QString real = folder() + u"/real.tvm"_s;
        const QString link = folder() + u"/link.tvm"_s;
        if (c.targetExists) {
            makeHouseFile(u"real.tvm"_s);
            ASSERT_EQ(::chmod(QFile::encodeName(real).constData(), 0600), 0);
        }
        ASSERT_EQ(::symlink("real.tvm", QFile::encodeName(link).constData()), 0);
        if (c.openTheLink)
            start(link);
        else
            start(makeHouseFile(u"open.tvm"_s));
        g_HomeData->setNumBedrooms(6);
        boxes->clear();
        dialogs->choose(link);
        FileSaveAs();
        expectNoMessage();
        EXPECT_TRUE(QFileInfo(link).isSymLink());
        EXPECT_EQ(field(real, "NumBedrooms").toInt(), 6);
        EXPECT_EQ(statOf(real).st_mode & 0777, c.targetExists ? 0600u : 0644u);
        EXPECT_EQ(g_HouseFilePath, link);
    }
}

} // namespace
