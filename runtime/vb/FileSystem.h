#pragma once

#include <QString>

#include <cstdint>

namespace vb
{

// Copies source over destination without ever leaving a part-written destination: the bytes go
// to a temporary file in the destination's folder, which replaces the destination only once it
// is complete. Error 53 when the source is missing, 75 when a file cannot be written, 61 when
// the disk is full; on failure the destination is as it was and no temporary file is left.
// A durable copy is on the disk before it takes the destination's name. A scratch copy, which
// nothing reads after a crash because it is made afresh, does not wait for the disk.
enum class CopyKind { Durable, Scratch };
void FileCopy(const QString& source, const QString& destination, CopyKind kind = CopyKind::Durable);

// Writes a copy of source to a file that does not exist yet, made with the user's umask as any
// new file is; on failure that file is removed. A source that is not a regular file is error 53.
void CopyToNewFile(const QString& source, const QString& newFile, CopyKind kind = CopyKind::Durable);

// A file that is to replace target once it is complete, made in target's folder and readable
// and writable by the user alone until it takes target's name. While it lives it is held (an
// flock, which SQLite's own locks do not meet) so that no clean-up takes it for a leftover.
// Dropped unreplaced, it goes with the side files a database keeps beside it. Making one first
// removes the leftovers of earlier ones for the same target. Error 75 when it cannot be made.
class TemporaryFile
{
public:
    explicit TemporaryFile(const QString& target);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const QString& path() const { return m_path; }
    // Writes a copy of source into the (empty) file; error 53 when source is no regular file.
    void copyFrom(const QString& source, CopyKind kind = CopyKind::Durable);
    // Moves the complete file over target in one step (error 75 when it cannot). A regular file
    // it replaces hands on its permissions, and its owner and group as far as they may be set; a
    // new file gets the user's umask. A durable replace is on the disk, folder entry included,
    // before this returns.
    void replaceTarget(CopyKind kind = CopyKind::Durable);

private:
    void release();

    QString m_target;
    QString m_path;
    int m_fd = -1;
};

// Removes what temporary files for target left behind (a save that was killed, say): only this
// user's, only those no program holds, and their database side files with them.
void RemoveLeftoverTemporaries(const QString& target);
// The file a name leads to through symbolic links (in its folders too); the name itself, made
// absolute, when it holds no link. A link to a file that does not exist yet leads to where that
// file would be. Links are followed only as the system's rule for shared folders allows (as
// the kernel's): a link in a sticky folder that everyone may write to is followed only when it
// is the user's own or the folder owner's. A link the rule does not allow ends the walk:
// `refusedLink` (when given) then names it, and the name comes back as it stood.
QString ResolveLinks(const QString& path, QString* refusedLink = nullptr);
// Whether this user may replace or remove the file at path as far as its folder allows: in a
// sticky folder only the file's owner, the folder's owner or root may. True when there is no file.
bool MayReplaceInFolder(const QString& path);
// Whether path (through symbolic links) is a regular file: no FIFO, socket, device or folder.
// Looks at the file without opening it.
bool IsRegularFile(const QString& path);
// The first bytes (up to `count`) of a regular file; empty when it is not one or cannot be read.
// Never waits on the file.
QByteArray ReadFileStart(const QString& path, qint64 count);
// False when path exists and may not be written (or the test seam says so).
bool IsWritableFile(const QString& path);
// Whether new files can be made in a folder (a read-only fault on it says no).
bool IsWritableFolder(const QString& folder);

// Test seam for writes that fail. While one lives, writes to files at its path (a file, or
// every file in a folder) fail: ReadOnly refuses them at once, DiskFull lets `room` bytes
// through and fails the write that needs more, Killed lets `room` bytes through and ends the
// process (as kill -9 does) at the write that needs more. FileCopy and the database layer
// consult it.
class FileWriteFault
{
public:
    enum Kind { ReadOnly, DiskFull, Killed };

    FileWriteFault(const QString& path, Kind kind, int64_t room = 0);
    ~FileWriteFault();
    FileWriteFault(const FileWriteFault&) = delete;
    FileWriteFault& operator=(const FileWriteFault&) = delete;

    // The fault for a file path, or nullptr.
    static FileWriteFault* at(const QString& filePath);
    // Takes room for `bytes` more bytes; false when the write must fail (a full disk has then
    // taken what room was left, so a writer may write that much first).
    bool take(int64_t bytes);
    Kind kind() const { return m_kind; }
    int64_t room() const { return m_kind == ReadOnly ? 0 : m_room; }

private:
    QString m_path;
    Kind m_kind;
    int64_t m_room;
    FileWriteFault* m_previous;
};

} // namespace vb
