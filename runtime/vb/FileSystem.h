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

// Writes a copy of source to a file that does not exist yet; on failure that file is removed.
void CopyToNewFile(const QString& source, const QString& newFile, CopyKind kind = CopyKind::Durable);
// A fresh temporary path in the folder of target (the file does not exist yet).
QString TemporaryPathBeside(const QString& target);
// Moves a complete temporary file over target in one step (error 75 when it cannot).
void ReplaceFile(const QString& temporary, const QString& target);
// False when path exists and may not be written (or the test seam says so).
bool IsWritableFile(const QString& path);
// Whether new files can be made in a folder (a read-only fault on it says no).
bool IsWritableFolder(const QString& folder);

// Test seam for writes that fail. While one lives, writes to files at its path (a file, or
// every file in a folder) fail: ReadOnly refuses them at once, DiskFull lets `room` bytes
// through and fails the write that needs more. FileCopy and the database layer consult it.
class FileWriteFault
{
public:
    enum Kind { ReadOnly, DiskFull };

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
