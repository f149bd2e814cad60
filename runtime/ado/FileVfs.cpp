#include "runtime/ado/FileVfs.h"

#include <QCryptographicHash>
#include <QFile>

#include <sqlite3.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ado
{

namespace
{

// Our own file control: the descriptor behind a file, into an int.
constexpr int DescriptorControl = 0x54564d01;

constexpr const char* SideSuffixes[] = {"-journal", "-wal", "-shm"};

// A last part of a path that is longer than a name may be (a side file of a long name) gets
// the start of it, a digest of the whole and its side-file suffix with a full stop for its
// dash: SQLite's own file system reads the database's name off a side file's name up to the
// dash, which this name cannot hold.
QByteArray fitName(const QByteArray& name)
{
    if (name.size() <= NAME_MAX) return name;
    QByteArray suffix;
    for (const char* s : SideSuffixes)
        if (name.endsWith(s)) suffix = '.' + QByteArray(s + 1);
    const QByteArray digest = QCryptographicHash::hash(name, QCryptographicHash::Sha256).toHex().left(16);
    qsizetype keep = NAME_MAX - 1 - digest.size() - suffix.size();
    // Whole characters of UTF-8.
    while (keep > 0 && (uchar(name[keep]) & 0xc0) == 0x80)
        --keep;
    return name.left(keep) + '~' + digest + suffix;
}

QByteArray fitPath(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return path.left(slash + 1) + fitName(path.mid(slash + 1));
}

// A name as the system's file system takes it: the last part fitted, and a path too long for
// SQLite's own file system reached through a descriptor of its folder, which lives as long as
// this does. Padded with zero bytes on both sides, as SQLite's file names are.
class SystemName
{
public:
    SystemName(const char* name, int longest)
    {
        if (!name) return;
        QByteArray path = fitPath(QByteArray(name));
        const qsizetype slash = path.lastIndexOf('/');
        if (path.size() >= longest && slash > 0) {
            m_folder = ::open(path.left(slash).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
            if (m_folder >= 0)
                path = "/proc/self/fd/" + QByteArray::number(m_folder) + path.mid(slash);
        }
        m_name = QByteArray(4, '\0') + path + QByteArray(4, '\0');
        m_changed = path != name;
        m_fitted = !path.endsWith(QByteArray(name).mid(QByteArray(name).lastIndexOf('/') + 1));
    }
    ~SystemName()
    {
        if (m_folder >= 0) ::close(m_folder);
    }
    SystemName(const SystemName&) = delete;
    SystemName& operator=(const SystemName&) = delete;

    // SQLite's own name when nothing needed changing (it carries SQLite's parameters after it).
    const char* name(const char* original) const
    {
        return m_changed ? m_name.constData() + 4 : original;
    }

    // Whether the last part of the name was shortened.
    bool fitted() const { return m_fitted; }

private:
    QByteArray m_name;
    int m_folder = -1;
    bool m_changed = false;
    bool m_fitted = false;
};

// Makes a side file under a shortened name with the permissions and owner of its database, as
// SQLite's own file system does for the names it can read the database's name off.
void makeSideFile(const char* systemName, const char* name, int longest)
{
    QByteArray database(name);
    for (const char* s : SideSuffixes)
        if (database.endsWith(s)) database.chop(qsizetype(std::strlen(s)));
    const SystemName systemDatabase(database.constData(), longest);
    struct stat st;
    if (::stat(systemDatabase.name(database.constData()), &st) != 0) return;
    const int fd = ::open(systemName, O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return;
    struct stat made;
    if (::fstat(fd, &made) == 0 && made.st_size == 0) {
        if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
            // As SQLite does: the owner only where it may be handed on.
        }
        ::fchmod(fd, st.st_mode & 0777);
    }
    ::close(fd);
}

sqlite3_vfs* base(sqlite3_vfs* vfs)
{
    return static_cast<sqlite3_vfs*>(vfs->pAppData);
}

// The start of the system file system's file, which has stayed the same through its versions.
struct SystemFileStart {
    const sqlite3_io_methods* methods;
    sqlite3_vfs* vfs;
    void* inode;
    int descriptor;
};

// Our file: the system file system's file follows it in the same allocation.
struct File {
    sqlite3_file base;
    sqlite3_file* real;
    sqlite3_vfs* realVfs;
    SystemName* name;
};

sqlite3_file* real(sqlite3_file* f)
{
    return reinterpret_cast<File*>(f)->real;
}

int xClose(sqlite3_file* f)
{
    File* file = reinterpret_cast<File*>(f);
    const int rc = file->real->pMethods ? file->real->pMethods->xClose(file->real) : SQLITE_OK;
    delete file->name;
    file->name = nullptr;
    f->pMethods = nullptr;
    return rc;
}
int xRead(sqlite3_file* f, void* buf, int n, sqlite3_int64 off)
{
    return real(f)->pMethods->xRead(real(f), buf, n, off);
}
int xWrite(sqlite3_file* f, const void* buf, int n, sqlite3_int64 off)
{
    return real(f)->pMethods->xWrite(real(f), buf, n, off);
}
int xTruncate(sqlite3_file* f, sqlite3_int64 size)
{
    return real(f)->pMethods->xTruncate(real(f), size);
}
int xSync(sqlite3_file* f, int flags)
{
    return real(f)->pMethods->xSync(real(f), flags);
}
int xFileSize(sqlite3_file* f, sqlite3_int64* size)
{
    return real(f)->pMethods->xFileSize(real(f), size);
}
int xLock(sqlite3_file* f, int lock)
{
    return real(f)->pMethods->xLock(real(f), lock);
}
int xUnlock(sqlite3_file* f, int lock)
{
    return real(f)->pMethods->xUnlock(real(f), lock);
}
int xCheckReservedLock(sqlite3_file* f, int* out)
{
    return real(f)->pMethods->xCheckReservedLock(real(f), out);
}
int xFileControl(sqlite3_file* f, int op, void* arg)
{
    if (op == DescriptorControl) {
        const File* file = reinterpret_cast<File*>(f);
        const auto* start = reinterpret_cast<const SystemFileStart*>(file->real);
        struct stat st;
        // Only where the file is the system file system's own, as its first fields show.
        if (start->vfs != file->realVfs || ::fstat(start->descriptor, &st) != 0 || !S_ISREG(st.st_mode))
            return SQLITE_NOTFOUND;
        *static_cast<int*>(arg) = start->descriptor;
        return SQLITE_OK;
    }
    return real(f)->pMethods->xFileControl(real(f), op, arg);
}
int xSectorSize(sqlite3_file* f)
{
    return real(f)->pMethods->xSectorSize(real(f));
}
int xDeviceCharacteristics(sqlite3_file* f)
{
    return real(f)->pMethods->xDeviceCharacteristics(real(f));
}
int xShmMap(sqlite3_file* f, int region, int size, int extend, void volatile** out)
{
    return real(f)->pMethods->xShmMap(real(f), region, size, extend, out);
}
int xShmLock(sqlite3_file* f, int offset, int n, int flags)
{
    return real(f)->pMethods->xShmLock(real(f), offset, n, flags);
}
void xShmBarrier(sqlite3_file* f)
{
    real(f)->pMethods->xShmBarrier(real(f));
}
int xShmUnmap(sqlite3_file* f, int deleteFlag)
{
    return real(f)->pMethods->xShmUnmap(real(f), deleteFlag);
}
int xFetch(sqlite3_file* f, sqlite3_int64 off, int n, void** out)
{
    return real(f)->pMethods->xFetch(real(f), off, n, out);
}
int xUnfetch(sqlite3_file* f, sqlite3_int64 off, void* p)
{
    return real(f)->pMethods->xUnfetch(real(f), off, p);
}

const sqlite3_io_methods Methods = {
    3,       xClose,   xRead,        xWrite,    xTruncate,  xSync,  xFileSize,
    xLock,   xUnlock,  xCheckReservedLock,      xFileControl, xSectorSize,
    xDeviceCharacteristics,       xShmMap,   xShmLock,   xShmBarrier, xShmUnmap,
    xFetch,  xUnfetch,
};

int xOpen(sqlite3_vfs* vfs, sqlite3_filename name, sqlite3_file* f, int flags, int* outFlags)
{
    auto* file = reinterpret_cast<File*>(f);
    file->base.pMethods = nullptr;
    file->real = reinterpret_cast<sqlite3_file*>(file + 1);
    file->realVfs = base(vfs);
    // SQLite's own file system keeps the name it is given while the file is open.
    file->name = new SystemName(name, base(vfs)->mxPathname);
    if (file->name->fitted() && (flags & (SQLITE_OPEN_MAIN_JOURNAL | SQLITE_OPEN_WAL)) &&
        (flags & SQLITE_OPEN_CREATE))
        makeSideFile(file->name->name(name), name, base(vfs)->mxPathname);
    const int rc = base(vfs)->xOpen(base(vfs), file->name->name(name), file->real, flags, outFlags);
    if (file->real->pMethods) {
        // Methods of the version the file has.
        static sqlite3_io_methods versions[3];
        const int version = std::min(file->real->pMethods->iVersion, 3);
        sqlite3_io_methods& methods = versions[version - 1];
        if (methods.iVersion == 0) {
            methods = Methods;
            methods.iVersion = version;
        }
        file->base.pMethods = &methods;
    } else {
        delete file->name;
        file->name = nullptr;
    }
    return rc;
}
int xDelete(sqlite3_vfs* vfs, const char* name, int syncDir)
{
    const SystemName system(name, base(vfs)->mxPathname);
    return base(vfs)->xDelete(base(vfs), system.name(name), syncDir);
}
int xAccess(sqlite3_vfs* vfs, const char* name, int flags, int* out)
{
    const SystemName system(name, base(vfs)->mxPathname);
    return base(vfs)->xAccess(base(vfs), system.name(name), flags, out);
}

// The full path of a file with the links of its folders and of itself followed, for paths
// longer than SQLite's own file system takes.
int longFullPathname(const char* name, int n, char* out)
{
    QByteArray path(name);
    if (!path.startsWith('/')) {
        char folder[PATH_MAX];
        if (!::getcwd(folder, sizeof folder)) return SQLITE_CANTOPEN;
        path = QByteArray(folder) + '/' + path;
    }
    for (int links = 0; links < 100; ++links) {
        const qsizetype slash = path.lastIndexOf('/');
        char* folder = ::realpath(slash == 0 ? "/" : path.left(slash).constData(), nullptr);
        if (!folder) return SQLITE_CANTOPEN;
        QByteArray realFolder(folder);
        std::free(folder);
        if (!realFolder.endsWith('/')) realFolder += '/';
        const QByteArray file = realFolder + path.mid(slash + 1);
        struct stat st;
        if (::lstat(file.constData(), &st) == 0 && S_ISLNK(st.st_mode)) {
            char target[PATH_MAX];
            const ssize_t length = ::readlink(file.constData(), target, sizeof target);
            if (length <= 0 || length >= ssize_t(sizeof target)) return SQLITE_CANTOPEN;
            const QByteArray next(target, length);
            path = next.startsWith('/') ? next : realFolder + next;
            continue;
        }
        if (file.size() >= n) return SQLITE_CANTOPEN;
        std::memcpy(out, file.constData(), size_t(file.size()) + 1);
        return SQLITE_OK;
    }
    return SQLITE_CANTOPEN;
}

int xFullPathname(sqlite3_vfs* vfs, const char* name, int n, char* out)
{
    // Room for the longest side-file suffix inside SQLite's own file system.
    if (int(std::strlen(name)) + 8 < base(vfs)->mxPathname) {
        const int rc = base(vfs)->xFullPathname(base(vfs), name, n, out);
        if (rc == SQLITE_OK || rc == SQLITE_OK_SYMLINK) return rc;
    }
    return longFullPathname(name, n, out);
}
int xRandomness(sqlite3_vfs* vfs, int n, char* out)
{
    return base(vfs)->xRandomness(base(vfs), n, out);
}
int xSleep(sqlite3_vfs* vfs, int micro)
{
    return base(vfs)->xSleep(base(vfs), micro);
}
int xCurrentTime(sqlite3_vfs* vfs, double* out)
{
    return base(vfs)->xCurrentTime(base(vfs), out);
}
int xGetLastError(sqlite3_vfs* vfs, int n, char* out)
{
    return base(vfs)->xGetLastError ? base(vfs)->xGetLastError(base(vfs), n, out) : 0;
}
int xCurrentTimeInt64(sqlite3_vfs* vfs, sqlite3_int64* out)
{
    return base(vfs)->xCurrentTimeInt64(base(vfs), out);
}

sqlite3_vfs* registered()
{
    static sqlite3_vfs* vfs = [] {
        static sqlite3_vfs v{};
        sqlite3_vfs* system = sqlite3_vfs_find(nullptr);
        v.iVersion = system->iVersion >= 2 ? 2 : 1;
        v.szOsFile = int(sizeof(File)) + system->szOsFile;
        // A full path and the longest side-file suffix.
        v.mxPathname = PATH_MAX + 16;
        v.zName = "tavimoor-files";
        v.pAppData = system;
        v.xOpen = xOpen;
        v.xDelete = xDelete;
        v.xAccess = xAccess;
        v.xFullPathname = xFullPathname;
        v.xRandomness = xRandomness;
        v.xSleep = xSleep;
        v.xCurrentTime = xCurrentTime;
        v.xGetLastError = xGetLastError;
        if (v.iVersion >= 2) v.xCurrentTimeInt64 = xCurrentTimeInt64;
        sqlite3_vfs_register(&v, 0);
        return &v;
    }();
    return vfs;
}

} // namespace

const char* fileVfsName()
{
    return registered()->zName;
}

QString SideFilePath(const QString& database, QStringView suffix)
{
    return QFile::decodeName(fitPath(QFile::encodeName(database) + QFile::encodeName(suffix.toString())));
}

int DatabaseDescriptor(sqlite3* db)
{
    int descriptor = -1;
    if (!db || sqlite3_file_control(db, "main", DescriptorControl, &descriptor) != SQLITE_OK) return -1;
    return descriptor;
}

} // namespace ado
