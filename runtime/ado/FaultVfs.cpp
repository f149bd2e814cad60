#include "runtime/ado/FaultVfs.h"

#include "runtime/ado/FileVfs.h"
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
    sqlite3_file base;
    sqlite3_file* real;
    int strongestLock;
    char path[PATH_MAX + 32];
};

sqlite3_vfs* realVfs(sqlite3_vfs* vfs)
{
    return static_cast<sqlite3_vfs*>(vfs->pAppData);
}

sqlite3_file* real(sqlite3_file* f)
{
    return reinterpret_cast<FaultFile*>(f)->real;
}

vb::FileWriteFault* faultOf(sqlite3_file* f)
{
    return vb::FileWriteFault::at(QString::fromUtf8(reinterpret_cast<FaultFile*>(f)->path));
}

int xClose(sqlite3_file* f)
{
    sqlite3_file* r = real(f);
    const int rc = r->pMethods ? r->pMethods->xClose(r) : SQLITE_OK;
    f->pMethods = nullptr;
    return rc;
}
int xRead(sqlite3_file* f, void* buf, int n, sqlite3_int64 off)
{
    return real(f)->pMethods->xRead(real(f), buf, n, off);
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
int xCheckReservedLock(sqlite3_file* f, int* out)
{
    return real(f)->pMethods->xCheckReservedLock(real(f), out);
}
int xFileControl(sqlite3_file* f, int op, void* arg)
{
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

// Version 1 of the file methods: no shared memory, so journals stay in rollback mode.
const sqlite3_io_methods FaultMethods = {
    1,
    xClose,
    xRead,
    xWrite,
    xTruncate,
    xSync,
    xFileSize,
    xLock,
    xUnlock,
    xCheckReservedLock,
    xFileControl,
    xSectorSize,
    xDeviceCharacteristics,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
};

int xOpen(sqlite3_vfs* vfs, sqlite3_filename name, sqlite3_file* f, int flags, int* outFlags)
{
    auto* ff = reinterpret_cast<FaultFile*>(f);
    ff->base.pMethods = nullptr;
    ff->real = reinterpret_cast<sqlite3_file*>(ff + 1);
    ff->strongestLock = SQLITE_LOCK_NONE;
    ff->path[0] = 0;
    if (name) std::strncpy(ff->path, name, sizeof ff->path - 1);
    ff->path[sizeof ff->path - 1] = 0;
    const int rc = realVfs(vfs)->xOpen(realVfs(vfs), name, ff->real, flags, outFlags);
    if (ff->real->pMethods) ff->base.pMethods = &FaultMethods;
    return rc;
}
int xDelete(sqlite3_vfs* vfs, const char* name, int syncDir)
{
    return realVfs(vfs)->xDelete(realVfs(vfs), name, syncDir);
}
int xAccess(sqlite3_vfs* vfs, const char* name, int flags, int* out)
{
    return realVfs(vfs)->xAccess(realVfs(vfs), name, flags, out);
}
int xFullPathname(sqlite3_vfs* vfs, const char* name, int n, char* out)
{
    return realVfs(vfs)->xFullPathname(realVfs(vfs), name, n, out);
}
int xRandomness(sqlite3_vfs* vfs, int n, char* out)
{
    return realVfs(vfs)->xRandomness(realVfs(vfs), n, out);
}
int xSleep(sqlite3_vfs* vfs, int micro)
{
    return realVfs(vfs)->xSleep(realVfs(vfs), micro);
}
int xCurrentTime(sqlite3_vfs* vfs, double* out)
{
    return realVfs(vfs)->xCurrentTime(realVfs(vfs), out);
}
int xGetLastError(sqlite3_vfs* vfs, int n, char* out)
{
    return realVfs(vfs)->xGetLastError ? realVfs(vfs)->xGetLastError(realVfs(vfs), n, out) : 0;
}

sqlite3_vfs* registered()
{
    static sqlite3_vfs* vfs = [] {
        static sqlite3_vfs v{};
        sqlite3_vfs* base = sqlite3_vfs_find(fileVfsName());
        v.iVersion = 1;
        v.szOsFile = int(sizeof(FaultFile)) + base->szOsFile;
        v.mxPathname = base->mxPathname;
        v.zName = "tavimoor-faults";
        v.pAppData = base;
        v.xOpen = xOpen;
        v.xDelete = xDelete;
        v.xAccess = xAccess;
        v.xFullPathname = xFullPathname;
        v.xRandomness = xRandomness;
        v.xSleep = xSleep;
        v.xCurrentTime = xCurrentTime;
        v.xGetLastError = xGetLastError;
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
