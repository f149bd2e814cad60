#include "runtime/ado/FaultVfs.h"

#include "runtime/ado/FileVfs.h"
#include "runtime/ado/WrappedVfs.h"
#include "runtime/vb/FileSystem.h"

#include <QFileInfo>
#include <QString>

#include <sqlite3.h>

#include <algorithm>
#include <climits>
#include <cstring>

namespace ado
{

namespace
{

WriteEndSeam*& currentSeam()
{
    static WriteEndSeam* seam = nullptr;
    return seam;
}

// Our file: the file system's file under it follows it in the same allocation.
struct FaultFile {
    wrapped::File file;
    int strongestLock;
    char path[PATH_MAX + 32];
};

using wrapped::real;

vb::FileWriteFault* faultOf(sqlite3_file* f)
{
    return vb::FileWriteFault::at(QString::fromUtf8(reinterpret_cast<FaultFile*>(f)->path));
}

int xWrite(sqlite3_file* f, const void* buf, int n, sqlite3_int64 off)
{
    vb::FileWriteFault* fault = faultOf(f);
    if (fault) {
        const int room = int(std::min<int64_t>(fault->room(), n));
        if (!fault->take(n)) {
            // A full disk takes what fits.
            if (room > 0) real(f)->pMethods->xWrite(real(f), buf, room, off);
            return SQLITE_FULL;
        }
    }
    return real(f)->pMethods->xWrite(real(f), buf, n, off);
}
int xLock(sqlite3_file* f, int lock)
{
    auto* ff = reinterpret_cast<FaultFile*>(f);
    ff->strongestLock = std::max(ff->strongestLock, lock);
    return real(f)->pMethods->xLock(real(f), lock);
}
int xUnlock(sqlite3_file* f, int lock)
{
    auto* ff = reinterpret_cast<FaultFile*>(f);
    const int rc = real(f)->pMethods->xUnlock(real(f), lock);
    if (lock == SQLITE_LOCK_NONE && ff->strongestLock >= SQLITE_LOCK_RESERVED) {
        ff->strongestLock = SQLITE_LOCK_NONE;
        if (WriteEndSeam* seam = WriteEndSeam::at(QString::fromUtf8(ff->path))) seam->run();
    }
    return rc;
}

// Version 1 of the file methods: no shared memory, so journals stay in rollback mode.
const sqlite3_io_methods FaultMethods = [] {
    sqlite3_io_methods m = wrapped::forwardingMethods(1);
    m.xWrite = xWrite;
    m.xLock = xLock;
    m.xUnlock = xUnlock;
    return m;
}();

int xOpen(sqlite3_vfs* vfs, sqlite3_filename name, sqlite3_file* f, int flags, int* outFlags)
{
    auto* ff = reinterpret_cast<FaultFile*>(f);
    ff->file.base.pMethods = nullptr;
    ff->file.real = reinterpret_cast<sqlite3_file*>(ff + 1);
    ff->strongestLock = SQLITE_LOCK_NONE;
    ff->path[0] = 0;
    if (name) std::strncpy(ff->path, name, sizeof ff->path - 1);
    ff->path[sizeof ff->path - 1] = 0;
    sqlite3_vfs* beneath = wrapped::base(vfs);
    const int rc = beneath->xOpen(beneath, name, ff->file.real, flags, outFlags);
    if (ff->file.real->pMethods) ff->file.base.pMethods = &FaultMethods;
    return rc;
}

sqlite3_vfs* registered()
{
    static sqlite3_vfs* vfs = [] {
        static sqlite3_vfs v{};
        wrapped::forwardSystemCalls(v, sqlite3_vfs_find(fileVfsName()), "tavimoor-faults", int(sizeof(FaultFile)));
        v.iVersion = 1;
        v.xOpen = xOpen;
        v.xDelete = [](sqlite3_vfs* vfs, const char* name, int syncDir) {
            return wrapped::base(vfs)->xDelete(wrapped::base(vfs), name, syncDir);
        };
        v.xAccess = [](sqlite3_vfs* vfs, const char* name, int flags, int* out) {
            return wrapped::base(vfs)->xAccess(wrapped::base(vfs), name, flags, out);
        };
        v.xFullPathname = [](sqlite3_vfs* vfs, const char* name, int n, char* out) {
            return wrapped::base(vfs)->xFullPathname(wrapped::base(vfs), name, n, out);
        };
        sqlite3_vfs_register(&v, 0);
        return &v;
    }();
    return vfs;
}

} // namespace

const char* faultVfsName()
{
    return registered()->zName;
}

bool faultVfsWanted(const QString& file)
{
    return vb::FileWriteFault::at(file) || WriteEndSeam::at(file);
}

WriteEndSeam::WriteEndSeam(const QString& file, std::function<void()> work)
    : m_file(QFileInfo(file).absoluteFilePath()), m_work(std::move(work)), m_previous(currentSeam())
{
    currentSeam() = this;
}

WriteEndSeam::~WriteEndSeam()
{
    currentSeam() = m_previous;
}

WriteEndSeam* WriteEndSeam::at(const QString& file)
{
    const QString path = QFileInfo(file).absoluteFilePath();
    for (WriteEndSeam* s = currentSeam(); s; s = s->m_previous)
        if (s->m_file == path && s->m_work) return s;
    return nullptr;
}

void WriteEndSeam::run()
{
    const std::function<void()> work = std::move(m_work);
    m_work = nullptr;
    work();
}

} // namespace ado
