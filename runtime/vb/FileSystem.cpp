#include "runtime/vb/FileSystem.h"

#include "runtime/vb/VbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
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

// Writes all of data into the file at path, or throws (a full disk, a file that refuses writes).
void writeAll(QFile& out, const QString& path, const QByteArray& data)
{
    if (FileWriteFault* fault = FileWriteFault::at(path)) {
        if (fault->kind() == FileWriteFault::ReadOnly) accessError();
        const int64_t room = fault->room();
        if (!fault->take(data.size())) {
            // A full disk takes what fits.
            out.write(data.left(qsizetype(room)));
            diskFull();
        }
    }
    // A write that goes in part sets no error; the write of the rest tells why it stopped.
    for (qsizetype done = 0; done < data.size();) {
        const qint64 written = out.write(data.constData() + done, data.size() - done);
        if (written <= 0) {
            if (out.error() == QFileDevice::ResourceError) diskFull();
            accessError();
        }
        done += qsizetype(written);
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
    if (m_kind == Killed && bytes > m_room) ::kill(::getpid(), SIGKILL);
    if (m_kind == ReadOnly || bytes > m_room) {
        m_room = 0;
        return false;
    }
    m_room -= bytes;
    return true;
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

namespace
{

// A regular file opened for reading as a QFile; error 53 when there is none.
void openSource(const QString& source, QFile& in)
{
    const int fd = openRegular(source);
    if (fd < 0) throw VbError::noSuchFile();
    if (!in.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw VbError::noSuchFile();
    }
}

// Copies all of in to out, the file at path, on the disk when durable.
void copyAll(QFile& in, QFile& out, const QString& path, CopyKind kind)
{
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(64 * 1024);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError) accessError();
        writeAll(out, path, chunk);
    }
    if (!out.flush()) diskFull();
    if (kind == CopyKind::Durable && ::fsync(out.handle()) != 0) diskFull();
}

} // namespace

void CopyToNewFile(const QString& source, const QString& newFile, CopyKind kind)
{
    QFile in;
    openSource(source, in);
    QFile out(newFile);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) accessError();
    try {
        copyAll(in, out, newFile, kind);
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
    TemporaryFile temporary(destination);
    temporary.copyFrom(source, kind);
    temporary.replaceTarget(kind);
}

namespace
{

// What SQLite keeps beside a database file.
constexpr const char* DatabaseSideSuffixes[] = {"-journal", "-wal", "-shm"};

// Temporary names: "." + the target's name (shortened to fit) + "." + RandomLength random
// letters and digits + TemporaryEnd. With a side file's suffix the name still fits NAME_MAX.
constexpr qsizetype RandomLength = 8;
constexpr char TemporaryEnd[] = ".saving";
constexpr qsizetype LongestSideSuffix = 8; // "-journal"

// The part of every temporary name for target before its random letters (the folder's path,
// a slash and the file's name part).
QByteArray temporaryStem(const QString& target)
{
    const QFileInfo info(target);
    QString name = info.fileName();
    const qsizetype room =
        NAME_MAX - 2 - RandomLength - qsizetype(sizeof TemporaryEnd - 1) - LongestSideSuffix;
    // Whole characters only, so that the name stays readable.
    while (QFile::encodeName(name).size() > room) {
        name.chop(1);
        if (!name.isEmpty() && name.back().isHighSurrogate()) name.chop(1);
    }
    return QFile::encodeName(info.absolutePath()) + "/." + QFile::encodeName(name) + '.';
}

QByteArray randomLetters()
{
    static const char letters[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    QByteArray out(RandomLength, '0');
    for (char& c : out)
        c = letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))];
    return out;
}

// Whether a folder entry is a temporary name made from stem's file part; side tells the side
// file's suffix (empty for the temporary file itself).
bool isTemporaryName(const QByteArray& entry, const QByteArray& stemName, QByteArray* side)
{
    if (!entry.startsWith(stemName)) return false;
    const QByteArray rest = entry.mid(stemName.size());
    if (rest.size() < RandomLength + qsizetype(sizeof TemporaryEnd - 1)) return false;
    for (qsizetype i = 0; i < RandomLength; ++i) {
        const char c = rest[i];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'))) return false;
    }
    const QByteArray end = rest.mid(RandomLength);
    if (end == TemporaryEnd) {
        side->clear();
        return true;
    }
    for (const char* suffix : DatabaseSideSuffixes)
        if (end == QByteArray(TemporaryEnd) + suffix) {
            *side = suffix;
            return true;
        }
    return false;
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether name is still the file open on fd.
bool nameIsFile(const QByteArray& name, int fd)
{
    struct stat byName, byFd;
    return ::lstat(name.constData(), &byName) == 0 && ::fstat(fd, &byFd) == 0 && sameFile(byName, byFd);
}

void removeSideFiles(const QByteArray& file)
{
    for (const char* suffix : DatabaseSideSuffixes)
        ::unlink((file + suffix).constData());
}

// Removes a leftover temporary file of this user that no program holds, with its side files.
void removeIfLeftover(const QByteArray& file)
{
    struct stat st;
    if (::lstat(file.constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) return;
    const int fd = ::open(file.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && nameIsFile(file, fd)) {
        ::unlink(file.constData());
        removeSideFiles(file);
    }
    ::close(fd);
}

// Removes a side file whose temporary file is gone: it belongs to no file any more.
void removeIfOrphan(const QByteArray& sideFile, const QByteArray& file)
{
    struct stat st;
    if (::lstat(file.constData(), &st) == 0) return;
    if (::lstat(sideFile.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
        ::unlink(sideFile.constData());
}

// The user's umask, read without changing it.
mode_t currentUmask()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok) return mode_t(mask);
            }
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

// Puts a folder's entries on the disk, as far as its file system can.
void syncFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

void RemoveLeftoverTemporaries(const QString& target)
{
    const QByteArray stem = temporaryStem(target);
    const qsizetype slash = stem.lastIndexOf('/');
    const QByteArray folder = slash == 0 ? QByteArray("/") : stem.left(slash);
    const QByteArray stemName = stem.mid(slash + 1);
    DIR* dir = ::opendir(folder.constData());
    if (!dir) return;
    std::vector<std::pair<QByteArray, QByteArray>> found; // file, side suffix
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        QByteArray side;
        if (isTemporaryName(name, stemName, &side)) found.emplace_back(stem.left(slash + 1) + name, side);
    }
    ::closedir(dir);
    for (const auto& [file, side] : found)
        if (side.isEmpty()) removeIfLeftover(file);
    for (const auto& [file, side] : found)
        if (!side.isEmpty()) removeIfOrphan(file, file.chopped(side.size()));
}

TemporaryFile::TemporaryFile(const QString& target) : m_target(absolute(target))
{
    RemoveLeftoverTemporaries(m_target);
    const QByteArray stem = temporaryStem(m_target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = stem + randomLetters() + TemporaryEnd;
        // Only the user, whatever the umask; the target's permissions come at the end.
        const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            if (errno == ENOSPC || errno == EDQUOT) diskFull();
            accessError();
        }
        // A clean-up that took the new file for a leftover before it was held has removed it.
        if (::fchmod(fd, 0600) != 0 || ::flock(fd, LOCK_EX) != 0 || !nameIsFile(name, fd)) {
            ::close(fd);
            continue;
        }
        m_fd = fd;
        m_path = QFile::decodeName(name);
        return;
    }
    accessError();
}

TemporaryFile::~TemporaryFile()
{
    if (m_fd < 0) return;
    const QByteArray name = QFile::encodeName(m_path);
    if (nameIsFile(name, m_fd)) ::unlink(name.constData());
    removeSideFiles(name);
    release();
}

void TemporaryFile::release()
{
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
}

void TemporaryFile::copyFrom(const QString& source, CopyKind kind)
{
    QFile in;
    openSource(source, in);
    QFile out;
    if (!out.open(m_fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) accessError();
    copyAll(in, out, m_path, kind);
}

void TemporaryFile::replaceTarget(CopyKind kind)
{
    if (m_fd < 0) accessError();
    const QByteArray from = QFile::encodeName(m_path);
    const QByteArray to = QFile::encodeName(m_target);
    if (!nameIsFile(from, m_fd)) accessError();
    struct stat st;
    mode_t mode = 0666 & ~currentUmask();
    if (::lstat(to.constData(), &st) == 0 && S_ISREG(st.st_mode)) {
        mode = st.st_mode & 0777;
        // Only root may hand on the owner; a member of the group may hand on the group. Where
        // the group stays the user's own, the group's permissions are not handed on to it.
        if (::fchown(m_fd, st.st_uid, st.st_gid) != 0 && ::fchown(m_fd, uid_t(-1), st.st_gid) != 0) {
            struct stat own;
            if (::fstat(m_fd, &own) != 0 || own.st_gid != st.st_gid) mode &= ~mode_t(S_IRWXG);
        }
    }
    if (::fchmod(m_fd, mode) != 0) accessError();
    if (std::rename(from.constData(), to.constData()) != 0) accessError();
    // The file is the target's now: nothing removes it, and the hold goes.
    release();
    if (kind == CopyKind::Durable) syncFolder(QFile::encodeName(QFileInfo(m_target).absolutePath()));
}

} // namespace vb
