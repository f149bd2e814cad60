#include "runtime/vb/FileSystem.h"
#include "runtime/vb/VbError.h"
#include "tests/support/SpecialFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include <csignal>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vb;
using namespace Qt::Literals::StringLiterals;

namespace
{

int32_t errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const VbError& e) {
        return e.number();
    }
    return 0;
}

class FileCopyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        source = dir.filePath(QStringLiteral("source.bin"));
        target = dir.filePath(QStringLiteral("target.bin"));
        write(source, QByteArray(200 * 1024, 's'));
        write(target, QByteArray("the old target"));
    }
    static void write(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
    QString fresh() const { return dir.filePath(QStringLiteral("fresh.bin")); }

    QTemporaryDir dir;
    QString source;
    QString target;
};

TEST_F(FileCopyTest, ReplacesTheTargetWhole)
{
    for (CopyKind kind : {CopyKind::Durable, CopyKind::Scratch}) {
        write(target, QByteArray("the old target"));
        FileCopy(source, target, kind);
        EXPECT_EQ(read(target), read(source));
        EXPECT_EQ(files(), QStringList({QStringLiteral("source.bin"), QStringLiteral("target.bin")}));
    }
}

TEST_F(FileCopyTest, FailedCopyLeavesTheTargetAndNoStrayFile)
{
    struct Case {
        const char* name;
        FileWriteFault::Kind kind;
        int64_t room;
        bool onFolder;
        int32_t error;
    };
    const Case cases[] = {
        {"disk full part way", FileWriteFault::DiskFull, 70 * 1024, true, 61},
        {"disk full at once", FileWriteFault::DiskFull, 0, true, 61},
        {"read-only target", FileWriteFault::ReadOnly, 0, false, 75},
        {"read-only folder", FileWriteFault::ReadOnly, 0, true, 75},
    };
    for (CopyKind kind : {CopyKind::Durable, CopyKind::Scratch})
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            SCOPED_TRACE(kind == CopyKind::Scratch ? "scratch copy" : "durable copy");
            FileWriteFault fault(c.onFolder ? dir.path() : target, c.kind, c.room);
            EXPECT_EQ(errorOf([&] { FileCopy(source, target, kind); }), c.error);
            EXPECT_EQ(read(target), QByteArray("the old target"));
            EXPECT_EQ(files(), QStringList({QStringLiteral("source.bin"), QStringLiteral("target.bin")}));
        }
    // A new name that fails leaves nothing behind.
    const QString fresh = dir.filePath(QStringLiteral("fresh.bin"));
    {
        FileWriteFault fault(dir.path(), FileWriteFault::DiskFull, 1000);
        EXPECT_EQ(errorOf([&] { FileCopy(source, fresh); }), 61);
    }
    EXPECT_FALSE(QFile::exists(fresh));
    EXPECT_EQ(files().size(), 2);
}

// A file system that really runs out of room: the first write of a copy goes in part, the
// next fails. In a child process with a mount namespace of its own, so the mount goes with it;
// skipped where no namespace may be made.
TEST_F(FileCopyTest, RealFullDiskIsDiskFull)
{
    const QString small = dir.filePath(u"small"_s);
    ASSERT_TRUE(QDir().mkdir(small));
    const QString into = small + u"/target.bin"_s;
    constexpr int Skipped = 77;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const uid_t user = ::geteuid();
        const gid_t group = ::getegid();
        if (::unshare(CLONE_NEWNS) != 0) {
            if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) ::_exit(Skipped);
            auto put = [](const char* file, const QByteArray& text) {
                QFile f(QString::fromLatin1(file));
                return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
            };
            if (!put("/proc/self/setgroups", "deny") ||
                !put("/proc/self/uid_map", "0 " + QByteArray::number(user) + " 1") ||
                !put("/proc/self/gid_map", "0 " + QByteArray::number(group) + " 1"))
                ::_exit(Skipped);
        }
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tavimoor-test", QFile::encodeName(small).constData(), "tmpfs", 0, "size=64k") != 0)
            ::_exit(Skipped);
        // Room for part of the first chunk of the copy only.
        QFile fill(small + u"/fill"_s);
        if (!fill.open(QIODevice::WriteOnly) || fill.write(QByteArray(56 * 1024, 'f')) != 56 * 1024)
            ::_exit(Skipped);
        fill.close();
        const int32_t error = errorOf([&] { FileCopy(source, into); });
        const bool clean = QDir(small).entryList(QDir::Files | QDir::Hidden) == QStringList({u"fill"_s});
        ::_exit(error == 61 && clean ? 0 : error == 61 ? 2 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == Skipped) GTEST_SKIP() << "no mount namespace for a small file system";
    EXPECT_NE(WEXITSTATUS(status), 1) << "a full disk was not said as such";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed copy left a file behind";
}

TEST_F(FileCopyTest, MissingSourceOrFolderCreatesNothing)
{
    EXPECT_EQ(errorOf([&] { FileCopy(dir.filePath(QStringLiteral("none.bin")), target); }), 53);
    EXPECT_EQ(read(target), QByteArray("the old target"));
    EXPECT_EQ(errorOf([&] { FileCopy(source, dir.filePath(QStringLiteral("no folder/x.bin"))); }), 75);
    EXPECT_EQ(files().size(), 2);
}

TEST_F(FileCopyTest, FaultAppliesOnlyWhileItLivesAndOnlyToItsPath)
{
    QTemporaryDir other;
    {
        FileWriteFault fault(other.path(), FileWriteFault::ReadOnly);
        EXPECT_FALSE(IsWritableFile(other.filePath(QStringLiteral("x"))));
        EXPECT_TRUE(IsWritableFile(target));
        FileCopy(source, target);
    }
    EXPECT_TRUE(IsWritableFile(other.filePath(QStringLiteral("x"))));
    EXPECT_EQ(read(target), read(source));
}

mode_t modeOf(const QString& path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST_F(FileCopyTest, NewFileGetsTheUmaskAndAReplacedOneKeepsItsMode)
{
    ASSERT_EQ(::chmod(QFile::encodeName(source).constData(), 0444), 0);
    for (mode_t mask : {mode_t(077), mode_t(022)}) {
        SCOPED_TRACE(mask);
        const testsupport::Umask umask(mask);
        const QString fresh = dir.filePath(u"fresh.bin"_s);
        QFile::remove(fresh);
        FileCopy(source, fresh);
        EXPECT_EQ(modeOf(fresh), 0666 & ~mask);
        for (mode_t mode : {mode_t(0600), mode_t(0640), mode_t(0664)}) {
            ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), mode), 0);
            FileCopy(source, target);
            EXPECT_EQ(modeOf(target), mode);
            EXPECT_EQ(read(target), read(source));
        }
    }
}

TEST_F(FileCopyTest, LinksLeadToTheFileTheyName)
{
    const QString real = dir.filePath(u"real.bin"_s);
    const QString relative = dir.filePath(u"relative.lnk"_s);
    const QString chain = dir.filePath(u"chain.lnk"_s);
    const QString dangling = dir.filePath(u"dangling.lnk"_s);
    ASSERT_TRUE(QFile::link(real, dir.filePath(u"absolute.lnk"_s)));
    ASSERT_EQ(::symlink("real.bin", QFile::encodeName(relative).constData()), 0);
    ASSERT_TRUE(QFile::link(relative, chain));
    ASSERT_TRUE(QFile::link(dir.filePath(u"later.bin"_s), dangling));
    EXPECT_EQ(ResolveLinks(real), real);
    EXPECT_EQ(ResolveLinks(dir.filePath(u"absolute.lnk"_s)), real);
    EXPECT_EQ(ResolveLinks(relative), real);
    EXPECT_EQ(ResolveLinks(chain), real);
    EXPECT_EQ(ResolveLinks(dangling), dir.filePath(u"later.bin"_s));
    // ".." in a link's target counts from the folder the link is really in, also when the link
    // was reached through a linked folder.
    ASSERT_TRUE(QDir(dir.path()).mkpath(u"deep/inner"_s));
    ASSERT_TRUE(QFile::link(dir.filePath(u"deep/inner"_s), dir.filePath(u"shortcut"_s)));
    ASSERT_EQ(::symlink("../up.bin", QFile::encodeName(dir.filePath(u"deep/inner/up.lnk"_s)).constData()), 0);
    EXPECT_EQ(ResolveLinks(dir.filePath(u"shortcut/up.lnk"_s)),
              QFileInfo(dir.filePath(u"deep"_s)).canonicalFilePath() + u"/up.bin"_s);
    // A loop ends somewhere.
    const QString loop = dir.filePath(u"loop.lnk"_s);
    ASSERT_TRUE(QFile::link(loop, loop));
    EXPECT_EQ(ResolveLinks(loop), loop);
}

// The kernel's rule for links in shared folders holds whatever the system's setting: in a sticky
// folder that everyone may write to, a link is followed only when it is the user's or the
// folder owner's; elsewhere every link is.
TEST_F(FileCopyTest, LinksInASharedFolderAreFollowedOnlyWhenTheUserOrTheFolderOwnerMadeThem)
{
    if (::geteuid() != 0) GTEST_SKIP() << "links of other users are made as root";
    const uid_t user = ::geteuid();
    const uid_t other = 4242;
    const uid_t folderOwner = 4243;
    const QString real = dir.filePath(u"real.bin"_s);
    write(real, "real");
    struct Case {
        const char* name;
        mode_t folderMode;
        uid_t folderOwner;
        uid_t linkOwner;
        bool followed;
    };
    const Case cases[] = {
        {"another user's link in a sticky shared folder", 01777, user, other, false},
        {"another user's link in a sticky shared folder of a third", 01777, folderOwner, other, false},
        {"the user's own link there", 01777, folderOwner, user, true},
        {"the folder owner's link there", 01777, folderOwner, folderOwner, true},
        {"another user's link in a sticky folder not everyone may write to", 01770, user, other, true},
        {"another user's link in a shared folder that is not sticky", 0777, user, other, true},
    };
    auto own = [](const QString& path, uid_t uid) {
        ASSERT_EQ(::lchown(QFile::encodeName(path).constData(), uid, gid_t(-1)), 0) << path.toStdString();
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString shared = dir.filePath(u"shared"_s + QString::number(++n));
        ASSERT_TRUE(QDir().mkdir(shared));
        ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), c.folderMode), 0);
        own(shared, c.folderOwner);
        const QString link = shared + u"/link.bin"_s;
        ASSERT_TRUE(QFile::link(real, link));
        own(link, c.linkOwner);
        // The link as the file's name, and as a folder on the way to a file.
        const QString folderLink = shared + u"/folder.lnk"_s;
        ASSERT_TRUE(QFile::link(dir.path(), folderLink));
        own(folderLink, c.linkOwner);
        for (const auto& [name, leadsTo, refusedAt] :
             {std::tuple{link, real, link}, std::tuple{folderLink + u"/real.bin"_s, real, folderLink}}) {
            QString refused;
            EXPECT_EQ(ResolveLinks(name, &refused), c.followed ? leadsTo : name);
            EXPECT_EQ(refused, c.followed ? QString() : refusedAt);
        }
    }
    // A link of the user's own elsewhere that leads to a refused one is refused there.
    const QString chain = dir.filePath(u"chain.lnk"_s);
    ASSERT_TRUE(QFile::link(dir.filePath(u"shared1/link.bin"_s), chain));
    QString refused;
    EXPECT_EQ(ResolveLinks(chain, &refused), chain);
    EXPECT_EQ(refused, dir.filePath(u"shared1/link.bin"_s));
}

// What the user alone may read and write, from the moment a copy begins until it takes the
// target's name, whatever the umask and the target's permissions.
TEST_F(FileCopyTest, TemporaryFileIsPrivateUntilItReplacesTheTarget)
{
    const testsupport::Umask umask(0);
    for (mode_t mode : {mode_t(0600), mode_t(0640), mode_t(0666)}) {
        SCOPED_TRACE(mode);
        ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), mode), 0);
        TemporaryFile temporary(target);
        EXPECT_EQ(QFileInfo(temporary.path()).absolutePath(), dir.path());
        EXPECT_EQ(modeOf(temporary.path()), 0600u);
        temporary.copyFrom(source);
        EXPECT_EQ(modeOf(temporary.path()), 0600u);
        temporary.replaceTarget();
        EXPECT_EQ(modeOf(target), mode);
        EXPECT_EQ(read(target), read(source));
        EXPECT_EQ(files().size(), 2);
    }
    // Dropped before it replaced anything, it goes with its side files.
    write(target, QByteArray("the old target"));
    {
        TemporaryFile temporary(target);
        write(temporary.path() + u"-journal"_s, "journal");
        temporary.copyFrom(source);
    }
    EXPECT_EQ(read(target), QByteArray("the old target"));
    EXPECT_EQ(files().size(), 2);
}

// Leftovers are this user's temporary files for the same target that no program holds, and the
// side files a database kept beside them; nothing else in the folder goes.
TEST_F(FileCopyTest, LeftoverTemporariesGoAndNothingElse)
{
    const QStringList others = {u".target.bin.bak"_s,
                                u".target.bin.abcd1234.saving.old"_s,
                                u"target.bin.abcd1234.saving"_s,
                                u".other.bin.abcd1234.saving"_s,
                                u".target.bin.abcd123.saving"_s,
                                u".target.bin.ABCD1234.saving"_s};
    for (const QString& name : others)
        write(dir.filePath(name), "the user's own");
    const QStringList leftovers = {u".target.bin.abcd1234.saving"_s, u".target.bin.abcd1234.saving-journal"_s,
                                   u".target.bin.0000zzzz.saving"_s,
                                   // A journal whose file is gone.
                                   u".target.bin.zzzz9999.saving-journal"_s};
    for (const QString& name : leftovers)
        write(dir.filePath(name), "left by a killed copy");
    const QStringList before = files();
    {
        TemporaryFile held(target);
        write(held.path() + u"-journal"_s, "journal");
        QStringList expected = others;
        expected << u"source.bin"_s << u"target.bin"_s << QFileInfo(held.path()).fileName()
                 << QFileInfo(held.path()).fileName() + u"-journal"_s;
        expected.sort();
        QStringList now = files();
        now.sort();
        EXPECT_EQ(now, expected);
        // Another program's clean-up leaves a file that is held.
        RemoveLeftoverTemporaries(target);
        now = files();
        now.sort();
        EXPECT_EQ(now, expected);
    }
    QStringList expected = others;
    expected << u"source.bin"_s << u"target.bin"_s;
    expected.sort();
    QStringList now = files();
    now.sort();
    EXPECT_EQ(now, expected);
    EXPECT_GT(before.size(), expected.size());
}

// A copy killed part way leaves a private file, which the next copy to the name removes.
TEST_F(FileCopyTest, CopyKilledPartWayIsCleanedUpByTheNext)
{
    const testsupport::Umask umask(022);
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0640), 0);
    for (int64_t room : {int64_t(0), int64_t(70 * 1024)}) {
        SCOPED_TRACE(room);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            FileWriteFault fault(dir.path(), FileWriteFault::Killed, room);
            FileCopy(source, target);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        EXPECT_EQ(read(target), QByteArray("the old target"));
        ASSERT_EQ(files().size(), 3);
        for (const QString& name : files()) {
            if (!name.startsWith(u'.')) continue;
            EXPECT_EQ(modeOf(dir.filePath(name)) & ~mode_t(0640), 0u) << name.toStdString();
        }
    }
    FileCopy(source, fresh());
    EXPECT_EQ(files().size(), 4) << "a copy to another name leaves them";
    FileCopy(source, target);
    EXPECT_EQ(modeOf(target), 0640u);
    EXPECT_EQ(files(), QStringList({u"fresh.bin"_s, u"source.bin"_s, u"target.bin"_s}));
}

// A name as long as a name may be still gets a temporary file beside it.
TEST_F(FileCopyTest, LongestNameIsCopiedOver)
{
    const QString longest = dir.filePath(QString(251, u'l') + u".bin"_s);
    write(longest, "old");
    FileCopy(source, longest);
    EXPECT_EQ(read(longest), read(source));
    {
        TemporaryFile temporary(longest);
        EXPECT_LE(QFile::encodeName(QFileInfo(temporary.path()).fileName()).size(), 255 - 8);
    }
    EXPECT_EQ(files().size(), 3);
}

// Files that are no regular files are never read and hold nothing up: a FIFO without a writer
// would keep a plain open waiting for good.
TEST_F(FileCopyTest, SpecialFilesAreNotRead)
{
    const QString fifo = dir.filePath(u"fifo"_s);
    const QString socketFile = dir.filePath(u"socket"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    testsupport::makeSocket(socketFile);
    const QString link = dir.filePath(u"null.lnk"_s);
    ASSERT_TRUE(QFile::link(u"/dev/null"_s, link));

    EXPECT_TRUE(IsRegularFile(source));
    EXPECT_TRUE(IsRegularFile(QFileInfo(source).absoluteFilePath()));
    EXPECT_EQ(ReadFileStart(source, 4), QByteArray("ssss"));
    for (const QString& special : {fifo, socketFile, link, dir.path()}) {
        SCOPED_TRACE(special.toStdString());
        EXPECT_FALSE(IsRegularFile(special));
        EXPECT_TRUE(ReadFileStart(special, 16).isEmpty());
        EXPECT_EQ(errorOf([&] { FileCopy(special, target); }), 53);
    }
    EXPECT_EQ(read(target), QByteArray("the old target"));
}

} // namespace
