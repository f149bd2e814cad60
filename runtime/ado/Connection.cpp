#include "runtime/ado/Connection.h"

#include "runtime/ado/FaultVfs.h"
#include "runtime/vb/FileSystem.h"
#include "runtime/vb/VbError.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace ado
{

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
    const char* vfs = vb::FileWriteFault::at(file) ? faultVfsName() : nullptr;
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
    const QString reason =
        db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("the connection is closed");
    throw vb::VbError(vb::ErrProvider, what + QStringLiteral(": ") + reason,
                      QStringLiteral("ado.Connection"));
}

} // namespace

void Connection::BeginTrans()
{
    if (!m_db) transactionError(nullptr, QStringLiteral("Cannot begin a transaction"));
    if (m_inTransaction)
        throw vb::VbError(vb::ErrProvider, QStringLiteral("A transaction is already open."),
                          QStringLiteral("ado.Connection"));
    if (sqlite3_exec(m_db, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK)
        transactionError(m_db, QStringLiteral("Cannot begin a transaction"));
    m_inTransaction = true;
}

void Connection::CommitTrans()
{
    if (!m_inTransaction)
        throw vb::VbError(vb::ErrProvider, QStringLiteral("No transaction is open."),
                          QStringLiteral("ado.Connection"));
    if (sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        const QString reason = QString::fromUtf8(sqlite3_errmsg(m_db));
        RollbackTrans();
        throw vb::VbError(vb::ErrProvider, QStringLiteral("Cannot commit the transaction: ") + reason,
                          QStringLiteral("ado.Connection"));
    }
    m_inTransaction = false;
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
}

void Connection::onCommit(std::function<void()> work)
{
    if (m_inTransaction)
        m_onCommit.push_back(std::move(work));
    else
        work();
}

} // namespace ado
