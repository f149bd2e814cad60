#include "runtime/vb/FileSystem.h"
#include "runtime/vb/VbError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace vb;

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

} // namespace
