#include "runtime/ado/FileVfs.h"

#include "runtime/ado/WrappedVfs.h"

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

using wrapped::base;

// The start of the system file system's file, which has stayed the same through its versions.
struct SystemFileStart {
    const sqlite3_io_methods* methods;
    sqlite3_vfs* vfs;
    void* inode;
    int descriptor;
};

// Our file: the system file system's file follows it in the same allocation.
struct File {
    wrapped::File file;
    sqlite3_vfs* realVfs;
    SystemName* name;
    int descriptor; // of a main database file, once checked against its name at open; else -1
};

// The descriptor of the system file system's file, where its first fields show it is one of that
// file system's and the descriptor leads to the very file the name does; -1 otherwise.
int checkedDescriptor(const File& file, const char* name)
{
    const auto* start = reinterpret_cast<const SystemFileStart*>(file.file.real);
    if (start->vfs != file.realVfs) return -1;
    struct stat open;
    struct stat named;
    if (::fstat(start->descriptor, &open) != 0 || !S_ISREG(open.st_mode) || ::stat(name, &named) != 0 ||
        open.st_dev != named.st_dev || open.st_ino != named.st_ino)
        return -1;
    return start->descriptor;
}

int xClose(sqlite3_file* f)
{
    File* file = reinterpret_cast<File*>(f);
    const int rc = file->file.real->pMethods ? file->file.real->pMethods->xClose(file->file.real) : SQLITE_OK;
    delete file->name;
    file->name = nullptr;
    f->pMethods = nullptr;
    return rc;
}
int xFileControl(sqlite3_file* f, int op, void* arg)
{
    const File* file = reinterpret_cast<File*>(f);
    if (op == DescriptorControl) {
        if (file->descriptor < 0) return SQLITE_NOTFOUND;
        *static_cast<int*>(arg) = file->descriptor;
        return SQLITE_OK;
    }
    return file->file.real->pMethods->xFileControl(file->file.real, op, arg);
}

// The methods of a file, of the version of the file beneath (1 to 3).
const sqlite3_io_methods* methodsOf(int version)
{
    static const auto make = [](int v) {
        sqlite3_io_methods m = wrapped::forwardingMethods(v);
        m.xClose = xClose;
        m.xFileControl = xFileControl;
        return m;
    };
    static const sqlite3_io_methods methods[3] = {make(1), make(2), make(3)};
    return &methods[std::clamp(version, 1, 3) - 1];
}

int xOpen(sqlite3_vfs* vfs, sqlite3_filename name, sqlite3_file* f, int flags, int* outFlags)
{
    auto* file = reinterpret_cast<File*>(f);
    file->file.base.pMethods = nullptr;
    file->file.real = reinterpret_cast<sqlite3_file*>(file + 1);
    file->realVfs = base(vfs);
    // SQLite's own file system keeps the name it is given while the file is open.
    file->name = new SystemName(name, base(vfs)->mxPathname);
    if (file->name->fitted() && (flags & (SQLITE_OPEN_MAIN_JOURNAL | SQLITE_OPEN_WAL)) &&
        (flags & SQLITE_OPEN_CREATE))
        makeSideFile(file->name->name(name), name, base(vfs)->mxPathname);
    const int rc = base(vfs)->xOpen(base(vfs), file->name->name(name), file->file.real, flags, outFlags);
    file->descriptor = -1;
    if (file->file.real->pMethods) {
        file->file.base.pMethods = methodsOf(file->file.real->pMethods->iVersion);
        if (rc == SQLITE_OK && (flags & SQLITE_OPEN_MAIN_DB))
            file->descriptor = checkedDescriptor(*file, file->name->name(name));
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
sqlite3_vfs* registered()
{
    static sqlite3_vfs* vfs = [] {
        static sqlite3_vfs v{};
        wrapped::forwardSystemCalls(v, sqlite3_vfs_find(nullptr), "tavimoor-files", int(sizeof(File)));
        // A full path and the longest side-file suffix.
        v.mxPathname = PATH_MAX + 16;
        v.xOpen = xOpen;
        v.xDelete = xDelete;
        v.xAccess = xAccess;
        v.xFullPathname = xFullPathname;
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
