#include "runtime/ado/Connection.h"

#include "runtime/ado/EngineError.h"
#include "runtime/ado/FaultVfs.h"
#include "runtime/ado/FileVfs.h"
#include "runtime/vb/FileSystem.h"
#include "runtime/vb/VbError.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <sys/stat.h>

namespace ado
{

namespace
{

// How long a statement waits for another connection's write to end before it fails as busy.
constexpr int BusyWaitMs = 3000;

} // namespace

vb::VbError engineError(sqlite3* db, const QString& context, const QString& source)
{
    QString message = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("the connection is closed");
    if (!context.isEmpty()) message = context + QStringLiteral(": ") + message;
    const int code = db ? sqlite3_errcode(db) & 0xff : SQLITE_OK;
    // Another connection held the file's lock for longer than a statement waits.
    const bool locked = code == SQLITE_BUSY || code == SQLITE_LOCKED;
    return vb::VbError(code == SQLITE_FULL ? vb::ErrDiskFull
                       : locked            ? vb::ErrLocked
                                           : vb::ErrProvider,
                       message, source);
}

Connection::Connection() = default;

Connection::~Connection()
{
    Close();
}

void Connection::Open(const QString& path, OpenMode mode)
{
    Close();
    QString file = path;
    // Paths built with "\" name the same file with "/".
    if (!QFileInfo::exists(file) && file.contains(u'\\')) file.replace(u'\\', u'/');
    const QFileInfo info(file);
    if (!info.exists() || !info.isFile())
        throw vb::VbError(vb::ErrFileNotFound, QStringLiteral("Could not find file '%1'.").arg(path),
                          QStringLiteral("ado.Connection"));
    // Always a file name: SQLite would read a relative name beginning "file:" as a URI.
    file = info.absoluteFilePath();

    // A file the seam marks read-only opens as SQLite opens a write-protected file.
    const bool readOnly = mode == OpenMode::ReadOnly || !vb::IsWritableFile(file);
    const int flags = readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    // Writes that a test makes fail go through the file system that fails them.
    const char* vfs = faultVfsWanted(file) ? faultVfsName() : fileVfsName();
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(file).constData(), &db, flags, vfs);
    auto fail = [&](const QString& what) {
        const QString message =
            QStringLiteral("%1 '%2': %3").arg(what, path, QString::fromUtf8(sqlite3_errmsg(db)));
        sqlite3_close_v2(db);
        throw vb::VbError(vb::ErrProvider, message, QStringLiteral("ado.Connection"));
    };
    if (rc != SQLITE_OK) fail(QStringLiteral("Cannot open database file"));
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, BusyWaitMs);
    // A file is untrusted: nothing stored in it (triggers, views, functions in its schema)
    // runs, and it cannot be made to damage itself through the schema.
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_VIEW, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0, nullptr);
    // Touch the schema so that a file that is not a database fails here, not at the first query.
    if (sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(QStringLiteral("Cannot read database file"));
    m_db = db;
    m_path = path;
    m_file = file;
    // What was just read (a journal left beside the file is rolled back by then).
    m_stamp = ownStamp().value_or(FileStamp{});
    m_dataVersion = dataVersion();
    m_changeFound = false;
}

void Connection::Close()
{
    if (m_inTransaction) RollbackTrans();
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

namespace
{

[[noreturn]] void transactionError(sqlite3* db, const QString& what)
{
    throw engineError(db, what, QStringLiteral("ado.Connection"));
}

} // namespace

void Connection::BeginTrans()
{
    if (!m_db) transactionError(nullptr, QStringLiteral("Cannot begin a transaction"));
    if (m_inTransaction)
        throw vb::VbError(vb::ErrProvider, QStringLiteral("A transaction is already open."),
                          QStringLiteral("ado.Connection"));
    // The write lock at once, so that what is looked at inside holds until the end.
    if (sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        transactionError(m_db, QStringLiteral("Cannot begin a transaction"));
    m_inTransaction = true;
}

void Connection::CommitTrans()
{
    if (!m_inTransaction)
        throw vb::VbError(vb::ErrProvider, QStringLiteral("No transaction is open."),
                          QStringLiteral("ado.Connection"));
    if (sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        const vb::VbError error = engineError(m_db, QStringLiteral("Cannot commit the transaction"),
                                              QStringLiteral("ado.Connection"));
        RollbackTrans();
        throw error;
    }
    m_inTransaction = false;
    restamp();
    std::vector<std::function<void()>> work;
    work.swap(m_onCommit);
    for (const auto& w : work)
        w();
}

void Connection::RollbackTrans()
{
    if (!m_inTransaction) return;
    m_inTransaction = false;
    m_onCommit.clear();
    // A failed commit may have rolled back already.
    if (m_db && !sqlite3_get_autocommit(m_db)) sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    // Rolling back may have written the file.
    restamp();
}

void Connection::onCommit(std::function<void()> work)
{
    if (m_inTransaction)
        m_onCommit.push_back(std::move(work));
    else
        work();
}

} // namespace ado

namespace ado
{

namespace
{

Connection::FileStamp stampFrom(const struct stat& st)
{
    return Connection::FileStamp{quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size),
                                 qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

} // namespace

std::optional<Connection::FileStamp> Connection::stampOf(const QString& file)
{
    struct stat st;
    if (::stat(QFile::encodeName(file).constData(), &st) != 0) return std::nullopt;
    return stampFrom(st);
}

std::optional<Connection::FileStamp> Connection::ownStamp() const
{
    // The file SQLite has open, whatever its name leads to by now.
    struct stat st;
    const int fd = DatabaseDescriptor(m_db);
    if (fd >= 0 && ::fstat(fd, &st) == 0) return stampFrom(st);
    return stampOf(m_file);
}

// Changes when another connection commits to the file, never for this connection's own.
qint64 Connection::dataVersion() const
{
    sqlite3_stmt* stmt = nullptr;
    qint64 version = -1;
    if (sqlite3_prepare_v2(m_db, "PRAGMA data_version", -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        version = sqlite3_column_int64(stmt, 0);
    sqlite3_finalize(stmt);
    return version;
}

void Connection::restamp()
{
    if (!m_db || m_changeFound) return;
    if (const std::optional<FileStamp> now = ownStamp()) m_stamp = *now;
}

DiskState Connection::diskState()
{
    if (!m_db) return DiskState::Gone;
    const std::optional<FileStamp> now = stampOf(m_file);
    DiskState state = DiskState::Unchanged;
    if (!now)
        state = DiskState::Gone;
    else if (m_changeFound || *now != m_stamp || dataVersion() != m_dataVersion)
        state = DiskState::Changed;
    if (state != DiskState::Unchanged) m_changeFound = true;
    return state;
}

bool Connection::isFile(const QString& path) const
{
    const std::optional<FileStamp> other = stampOf(path);
    return m_db && other && other->device == m_stamp.device && other->inode == m_stamp.inode;
}

} // namespace ado
