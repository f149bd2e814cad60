#pragma once

#include <sqlite3.h>

// What the file systems laid over SQLite's own share: files that hand each call on to the file
// beneath them, and the calls of the file system that need nothing of their own.
namespace ado::wrapped
{

// The start of every file of such a file system: the file beneath follows in the same allocation.
struct File {
    sqlite3_file base;
    sqlite3_file* real;
};

inline sqlite3_file* real(sqlite3_file* f)
{
    return reinterpret_cast<File*>(f)->real;
}

inline sqlite3_vfs* base(sqlite3_vfs* vfs)
{
    return static_cast<sqlite3_vfs*>(vfs->pAppData);
}

// Methods that hand every call on, of a version (1 to 3); a file system puts its own in.
inline sqlite3_io_methods forwardingMethods(int version)
{
    sqlite3_io_methods m{};
    m.iVersion = version;
    m.xClose = [](sqlite3_file* f) {
        const int rc = real(f)->pMethods ? real(f)->pMethods->xClose(real(f)) : SQLITE_OK;
        f->pMethods = nullptr;
        return rc;
    };
    m.xRead = [](sqlite3_file* f, void* buf, int n, sqlite3_int64 off) {
        return real(f)->pMethods->xRead(real(f), buf, n, off);
    };
    m.xWrite = [](sqlite3_file* f, const void* buf, int n, sqlite3_int64 off) {
        return real(f)->pMethods->xWrite(real(f), buf, n, off);
    };
    m.xTruncate = [](sqlite3_file* f, sqlite3_int64 size) { return real(f)->pMethods->xTruncate(real(f), size); };
    m.xSync = [](sqlite3_file* f, int flags) { return real(f)->pMethods->xSync(real(f), flags); };
    m.xFileSize = [](sqlite3_file* f, sqlite3_int64* size) {
        return real(f)->pMethods->xFileSize(real(f), size);
    };
    m.xLock = [](sqlite3_file* f, int lock) { return real(f)->pMethods->xLock(real(f), lock); };
    m.xUnlock = [](sqlite3_file* f, int lock) { return real(f)->pMethods->xUnlock(real(f), lock); };
    m.xCheckReservedLock = [](sqlite3_file* f, int* out) {
        return real(f)->pMethods->xCheckReservedLock(real(f), out);
    };
    m.xFileControl = [](sqlite3_file* f, int op, void* arg) {
        return real(f)->pMethods->xFileControl(real(f), op, arg);
    };
    m.xSectorSize = [](sqlite3_file* f) { return real(f)->pMethods->xSectorSize(real(f)); };
    m.xDeviceCharacteristics = [](sqlite3_file* f) { return real(f)->pMethods->xDeviceCharacteristics(real(f)); };
    if (version >= 2) {
        m.xShmMap = [](sqlite3_file* f, int region, int size, int extend, void volatile** out) {
            return real(f)->pMethods->xShmMap(real(f), region, size, extend, out);
        };
        m.xShmLock = [](sqlite3_file* f, int offset, int n, int flags) {
            return real(f)->pMethods->xShmLock(real(f), offset, n, flags);
        };
        m.xShmBarrier = [](sqlite3_file* f) { real(f)->pMethods->xShmBarrier(real(f)); };
        m.xShmUnmap = [](sqlite3_file* f, int deleteFlag) { return real(f)->pMethods->xShmUnmap(real(f), deleteFlag); };
    }
    if (version >= 3) {
        m.xFetch = [](sqlite3_file* f, sqlite3_int64 off, int n, void** out) {
            return real(f)->pMethods->xFetch(real(f), off, n, out);
        };
        m.xUnfetch = [](sqlite3_file* f, sqlite3_int64 off, void* p) {
            return real(f)->pMethods->xUnfetch(real(f), off, p);
        };
    }
    return m;
}

// A file system of a name over another, handing on what needs nothing of its own; the caller
// puts in xOpen, xDelete, xAccess and xFullPathname.
inline void forwardSystemCalls(sqlite3_vfs& v, sqlite3_vfs* beneath, const char* name, int fileSize)
{
    v.iVersion = 1;
    v.szOsFile = fileSize + beneath->szOsFile;
    v.mxPathname = beneath->mxPathname;
    v.zName = name;
    v.pAppData = beneath;
    v.xRandomness = [](sqlite3_vfs* vfs, int n, char* out) { return base(vfs)->xRandomness(base(vfs), n, out); };
    v.xSleep = [](sqlite3_vfs* vfs, int micro) { return base(vfs)->xSleep(base(vfs), micro); };
    v.xCurrentTime = [](sqlite3_vfs* vfs, double* out) { return base(vfs)->xCurrentTime(base(vfs), out); };
    v.xGetLastError = [](sqlite3_vfs* vfs, int n, char* out) {
        return base(vfs)->xGetLastError ? base(vfs)->xGetLastError(base(vfs), n, out) : 0;
    };
    if (beneath->iVersion >= 2 && beneath->xCurrentTimeInt64) {
        v.iVersion = 2;
        v.xCurrentTimeInt64 = [](sqlite3_vfs* vfs, sqlite3_int64* out) {
            return base(vfs)->xCurrentTimeInt64(base(vfs), out);
        };
    }
}

} // namespace ado::wrapped
