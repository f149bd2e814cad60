#include "runtime/vb/FileSystem.h"

#include "runtime/vb/VbError.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>

#include <unistd.h>

namespace vb
{

namespace
{

FileWriteFault*& currentFault()
{
    static FileWriteFault* fault = nullptr;
    return fault;
}

QString absolute(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

[[noreturn]] void accessError()
{
    throw VbError::pathFileAccess();
}

[[noreturn]] void diskFull()
{
    throw VbError::diskFull();
}

// Writes all of data, or throws (a full disk, a file that refuses writes).
void writeAll(QFile& out, const QByteArray& data)
{
    if (FileWriteFault* fault = FileWriteFault::at(out.fileName())) {
        if (fault->kind() == FileWriteFault::ReadOnly) accessError();
        const int64_t room = fault->room();
        if (!fault->take(data.size())) {
            // A full disk takes what fits.
            out.write(data.left(qsizetype(room)));
            diskFull();
        }
    }
    if (out.write(data) != data.size()) {
        if (out.error() == QFileDevice::ResourceError) diskFull();
        accessError();
    }
}

} // namespace

FileWriteFault::FileWriteFault(const QString& path, Kind kind, int64_t room)
    : m_path(absolute(path)), m_kind(kind), m_room(room), m_previous(currentFault())
{
    currentFault() = this;
}

FileWriteFault::~FileWriteFault()
{
    currentFault() = m_previous;
}

FileWriteFault* FileWriteFault::at(const QString& filePath)
{
    const QString file = absolute(filePath);
    for (FileWriteFault* f = currentFault(); f; f = f->m_previous)
        if (file == f->m_path || file.startsWith(f->m_path + u'/')) return f;
    return nullptr;
}

bool FileWriteFault::take(int64_t bytes)
{
    if (m_kind == ReadOnly || bytes > m_room) {
        m_room = 0;
        return false;
    }
    m_room -= bytes;
    return true;
}

QString TemporaryPathBeside(const QString& target)
{
    const QFileInfo info(target);
    const QString base = info.absolutePath() + u'/' + u'.' + info.fileName() + u'.';
    for (;;) {
        const QString candidate = base + QString::number(QRandomGenerator::global()->generate(), 36);
        if (!QFileInfo::exists(candidate)) return candidate;
    }
}

void ReplaceFile(const QString& temporary, const QString& target)
{
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) != 0)
        accessError();
}

bool IsWritableFile(const QString& path)
{
    if (FileWriteFault* fault = FileWriteFault::at(path); fault && fault->kind() == FileWriteFault::ReadOnly)
        return false;
    const QFileInfo info(path);
    return !info.exists() || (info.isFile() && info.isWritable());
}

bool IsWritableFolder(const QString& folder)
{
    if (FileWriteFault* fault = FileWriteFault::at(folder); fault && fault->kind() == FileWriteFault::ReadOnly)
        return false;
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

void CopyToNewFile(const QString& source, const QString& newFile, CopyKind kind)
{
    QFile in(source);
    if (!QFileInfo(source).isFile() || !in.open(QIODevice::ReadOnly)) throw VbError::noSuchFile();
    QFile out(newFile);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) accessError();
    try {
        while (!in.atEnd()) {
            const QByteArray chunk = in.read(64 * 1024);
            if (chunk.isEmpty() && in.error() != QFileDevice::NoError) accessError();
            writeAll(out, chunk);
        }
        if (!out.flush()) diskFull();
        if (kind == CopyKind::Durable && ::fsync(out.handle()) != 0) diskFull();
        out.close();
        out.setPermissions(in.permissions() | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    } catch (...) {
        out.close();
        QFile::remove(newFile);
        throw;
    }
}

void FileCopy(const QString& source, const QString& destination, CopyKind kind)
{
    if (!QFileInfo(source).isFile()) throw VbError::noSuchFile();
    if (!IsWritableFile(destination)) accessError();
    const QString temporary = TemporaryPathBeside(destination);
    CopyToNewFile(source, temporary, kind);
    try {
        ReplaceFile(temporary, destination);
    } catch (...) {
        QFile::remove(temporary);
        throw;
    }
}

} // namespace vb
