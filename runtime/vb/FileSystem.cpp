#include "runtime/vb/FileSystem.h"

#include "runtime/vb/VbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

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

bool statRegular(const QByteArray& path)
{
    struct stat st;
    return ::stat(path.constData(), &st) == 0 && S_ISREG(st.st_mode);
}

// A regular file opened for reading, or -1. The name is looked at first, so that a FIFO or a
// device is never opened; should one take the name meanwhile, the open does not wait on it and
// what opened is looked at again before anything is read.
int openRegular(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    if (!statRegular(name)) return -1;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
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
    const QByteArray from = QFile::encodeName(temporary);
    const QByteArray to = QFile::encodeName(target);
    struct stat st;
    if (::lstat(to.constData(), &st) == 0 && S_ISREG(st.st_mode)) {
        // Only root may hand on the owner; a member of the group may hand on the group.
        if (::chown(from.constData(), st.st_uid, st.st_gid) != 0 &&
            ::chown(from.constData(), uid_t(-1), st.st_gid) != 0) {
            // The file keeps the user's own group.
        }
        if (::chmod(from.constData(), st.st_mode & 0777) != 0) accessError();
    }
    if (std::rename(from.constData(), to.constData()) != 0) accessError();
}

namespace
{

// A path as written, made absolute without cleaning: only the file system knows where ".."
// leads after a linked folder.
QString asWrittenAbsolute(const QString& path)
{
    return path.startsWith(u'/') ? path : QDir::currentPath() + u'/' + path;
}

// The folder part of an absolute path.
QByteArray folderPart(const QByteArray& file)
{
    const qsizetype slash = file.lastIndexOf('/');
    return slash <= 0 ? QByteArrayLiteral("/") : file.left(slash);
}

// The kernel's rule for links in shared folders (fs.protected_symlinks), applied whatever the
// system's setting: in a sticky folder that everyone may write to, only the user's own links
// and the folder owner's are followed.
bool mayFollow(const struct stat& link, const QByteArray& folder)
{
    struct stat st;
    if (::stat(folder.constData(), &st) != 0) return true;
    constexpr mode_t shared = S_ISVTX | S_IWOTH;
    if ((st.st_mode & shared) != shared) return true;
    return link.st_uid == ::geteuid() || link.st_uid == st.st_uid;
}

} // namespace

QString ResolveLinks(const QString& path, QString* refusedLink)
{
    QStringList rest = asWrittenAbsolute(path).split(u'/', Qt::SkipEmptyParts);
    QString done; // the folders walked so far, free of links; empty for the root
    int links = 0;
    while (!rest.isEmpty()) {
        const QString part = rest.takeFirst();
        if (part == u"."_s) continue;
        if (part == u".."_s) {
            done.truncate(std::max<qsizetype>(done.lastIndexOf(u'/'), 0));
            continue;
        }
        const QString next = done + u'/' + part;
        const QByteArray name = QFile::encodeName(next);
        struct stat st;
        // What is not there yet stays as written.
        if (::lstat(name.constData(), &st) != 0) return rest.isEmpty() ? next : next + u'/' + rest.join(u'/');
        if (!S_ISLNK(st.st_mode)) {
            done = next;
            continue;
        }
        if (!mayFollow(st, folderPart(name))) {
            if (refusedLink) *refusedLink = next;
            return path;
        }
        // As many links as the system itself follows.
        char target[PATH_MAX];
        const ssize_t length = ::readlink(name.constData(), target, sizeof target);
        if (++links > 40 || length <= 0 || length >= ssize_t(sizeof target)) return path;
        const QString to = QFile::decodeName(QByteArray(target, qsizetype(length)));
        if (to.startsWith(u'/')) done.clear();
        rest = to.split(u'/', Qt::SkipEmptyParts) + rest;
    }
    return done.isEmpty() ? u"/"_s : done;
}

bool MayReplaceInFolder(const QString& path)
{
    const QByteArray name = QFile::encodeName(asWrittenAbsolute(path));
    struct stat file;
    struct stat folder;
    if (::lstat(name.constData(), &file) != 0 || ::stat(folderPart(name).constData(), &folder) != 0 ||
        !(folder.st_mode & S_ISVTX))
        return true;
    const uid_t user = ::geteuid();
    return user == 0 || file.st_uid == user || folder.st_uid == user;
}

bool IsRegularFile(const QString& path)
{
    return statRegular(QFile::encodeName(path));
}

QByteArray ReadFileStart(const QString& path, qint64 count)
{
    const int fd = openRegular(path);
    if (fd < 0) return {};
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {};
    }
    return file.read(count);
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
    if (FileWriteFault* fault = FileWriteFault::at(folder);
        fault && fault->kind() == FileWriteFault::ReadOnly)
        return false;
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

void CopyToNewFile(const QString& source, const QString& newFile, CopyKind kind)
{
    const int fd = openRegular(source);
    if (fd < 0) throw VbError::noSuchFile();
    QFile in;
    if (!in.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw VbError::noSuchFile();
    }
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
    } catch (...) {
        out.close();
        QFile::remove(newFile);
        throw;
    }
}

void FileCopy(const QString& source, const QString& destination, CopyKind kind)
{
    if (!IsRegularFile(source)) throw VbError::noSuchFile();
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
