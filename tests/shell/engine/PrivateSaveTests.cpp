#include "tests/shell/engine/EngineFixture.h"

#include "estimate/clsHomeData.h"
#include "runtime/ado/FaultVfs.h"
#include "runtime/vb/FileSystem.h"
#include "shell/basGlobalVariables.h"
#include "shell/basHouseFiles.h"
#include "tests/support/SpecialFiles.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <cstdio>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace enginetest;

namespace
{

mode_t modeOf(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

class PrivateSaves : public EngineTest
{
protected:
    void expectNoMessage() { EXPECT_TRUE(prompts().isEmpty()) << prompts().join(u'\n').toStdString(); }
    static QStringList entries(const QString& folder)
    {
        QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        names.sort();
        return names;
    }
    // A field of a house file wherever it is: read from a copy in the test's folder.
    QVariant fieldOf(const QString& path, const QString& field) const
    {
        const QString probe = folder() + u"/probe.db"_s;
        QFile::remove(probe);
        EXPECT_TRUE(QFile::copy(path, probe)) << path.toStdString();
        const QVariant value = testsupport::houseField(probe, field);
        QFile::remove(probe);
        return value;
    }
    // Runs a Save As to target in a copy of this program that is killed (as kill -9 does) once
    // `room` bytes are written into the folder; true when it was killed before it ended.
    bool killedSaveAs(const QString& target, int64_t room)
    {
        std::fflush(nullptr);
        const pid_t child = ::fork();
        if (child == 0) {
            vb::FileWriteFault fault(QFileInfo(target).absolutePath(), vb::FileWriteFault::Killed, room);
            dialogs->choose(target);
            FileSaveAs();
            ::_exit(0);
        }
        int status = 0;
        EXPECT_EQ(::waitpid(child, &status, 0), child);
        return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    }
};

// Save As over a private file, killed at every stage of the save: what it leaves beside the
// file is never readable by anyone the file keeps out, the file stays as it was, and the next
// save to the name, or the next open of the file, leaves the folder clean.
TEST_F(PrivateSaves, KilledSaveAsLeavesNothingOpenToOthersAndTheNextSaveCleansUp)
{
    const testsupport::Umask umask(022);
    ASSERT_TRUE(QDir(folder()).mkdir(u"houses"_s));
    const QString houses = folder() + u"/houses"_s;
    const QString target = houses + u"/q.tvm"_s;
    ASSERT_TRUE(QFile::copy(makeHouseFile(u"seed.tvm"_s), target));
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0600), 0);
    const QByteArray before = contents(target);
    start(makeHouseFile(u"open.tvm"_s));
    go(10);
    g_HomeData->setNumBedrooms(6);
    boxes->clear();

    const int64_t templateSize = QFileInfo(folder() + u"/Tmplt.cfg"_s).size();
    int leftBehind = 0;
    int killed = 0;
    for (int64_t room : {int64_t(0), templateSize / 2, templateSize, templateSize + 600, templateSize + 5000,
                         templateSize + 9000, templateSize + 20000, templateSize + 40000}) {
        SCOPED_TRACE(room);
        if (!killedSaveAs(target, room)) continue;
        ++killed;
        EXPECT_EQ(contents(target), before);
        for (const QString& name : entries(houses)) {
            if (name == u"q.tvm"_s) continue;
            ++leftBehind;
            EXPECT_EQ(modeOf(houses + u'/' + name) & ~mode_t(0600), 0u) << name.toStdString();
        }
    }
    EXPECT_GE(killed, 6);
    EXPECT_GT(leftBehind, 0) << "the kills came too late to leave anything";

    dialogs->choose(target);
    FileSaveAs();
    expectNoMessage();
    EXPECT_EQ(entries(houses), QStringList({u"q.tvm"_s}));
    EXPECT_EQ(modeOf(target), 0600u);
    EXPECT_EQ(fieldOf(target, u"NumBedrooms"_s).toInt(), 6);

    // Opening the file at the next start clears what a killed save left too.
    ASSERT_TRUE(OpenHomeDatabaseFile(folder() + u"/open.tvm"_s, true));
    ASSERT_TRUE(killedSaveAs(target, templateSize + 5000));
    ASSERT_GT(entries(houses).size(), 1);
    EXPECT_TRUE(OpenHomeDatabaseFile(target, true));
    expectNoMessage();
    EXPECT_EQ(entries(houses), QStringList({u"q.tvm"_s}));
}

// Folders nested past SQLite's own path limit, and names up to the longest the file system
// takes, whose journal names are longer than a name may be: opened from the command line,
// saved in place, saved under another name.
TEST_F(PrivateSaves, LongPathsAndLongNamesOpenAndSave)
{
    QString deep = folder();
    for (int level = 0; level < 7; ++level)
        deep += u'/' + QString(99, QChar(u'a' + level));
    ASSERT_TRUE(QDir().mkpath(deep));
    ASSERT_GT(QFile::encodeName(deep).size(), 700);
    const QString first = deep + u"/house.tvm"_s;
    ASSERT_TRUE(QFile::copy(makeHouseFile(u"seed.tvm"_s), first));

    start(first);
    expectNoMessage();
    EXPECT_EQ(g_HouseFilePath, first);
    go(10);
    g_HomeData->setNumBedrooms(6);
    FileSave();
    expectNoMessage();
    EXPECT_EQ(fieldOf(first, u"NumBedrooms"_s).toInt(), 6);

    int bedrooms = 6;
    QStringList names = {u"house.tvm"_s};
    for (int length : {240, 250, 255}) {
        SCOPED_TRACE(length);
        const QString name = QString(length - 4, u'n') + u".tvm"_s;
        for (const QString& folderOfName : {folder(), deep}) {
            const QString path = folderOfName + u'/' + name;
            g_HomeData->setNumBedrooms(++bedrooms);
            dialogs->choose(path);
            FileSaveAs();
            expectNoMessage();
            EXPECT_EQ(g_HouseFilePath, path);
            EXPECT_EQ(fieldOf(path, u"NumBedrooms"_s).toInt(), bedrooms);
            // In place, through the journal.
            g_HomeData->setNumBedrooms(++bedrooms);
            FileSave();
            expectNoMessage();
            EXPECT_EQ(fieldOf(path, u"NumBedrooms"_s).toInt(), bedrooms);
            boxes->clear();
        }
        names << name;
    }
    names.sort();
    EXPECT_EQ(entries(deep), names);
    // A file there opens again, on its page.
    EXPECT_TRUE(OpenHomeDatabaseFile(first, true));
    expectNoMessage();
    EXPECT_EQ(g_HomeData->NumBedrooms(), vb::Integer(6));
}

// Another program's Save As replaces the file in the instant after this program's commit: the
// next Save says the file was changed by another program, and Save As to the name then works.
TEST_F(PrivateSaves, ReplaceRightAfterACommitIsFoundAndSaveAsToTheNameWorks)
{
    const QString path = makeHouseFile(u"house.tvm"_s);
    const QString theirs = makeHouseFile(u"theirs.tvm"_s);
    exec(theirs, u"UPDATE [HouseData] SET NumBedrooms = 3"_s);
    const ado::WriteEndSeam replace(path, [&] {
        EXPECT_EQ(std::rename(QFile::encodeName(theirs).constData(), QFile::encodeName(path).constData()), 0);
    });
    start(path);
    go(10);
    g_HomeData->setNumBedrooms(6);
    FileSave();
    expectNoMessage();
    EXPECT_EQ(testsupport::houseField(path, u"NumBedrooms"_s).toInt(), 3);

    g_HomeData->setNumBedrooms(5);
    FileSave();
    EXPECT_EQ(prompts(), QStringList({saveFailureMessage(path, SaveCause::Changed)}));
    EXPECT_EQ(testsupport::houseField(path, u"NumBedrooms"_s).toInt(), 3);
    boxes->clear();

    dialogs->choose(path);
    FileSaveAs();
    expectNoMessage();
    EXPECT_EQ(testsupport::houseField(path, u"NumBedrooms"_s).toInt(), 5);
    g_HomeData->setNumBedrooms(4);
    FileSave();
    expectNoMessage();
    EXPECT_EQ(testsupport::houseField(path, u"NumBedrooms"_s).toInt(), 4);
}

} // namespace
