#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct sqlite3;

namespace ado
{

enum class OpenMode { ReadWrite, ReadOnly };
enum ObjectState { adStateClosed = 0, adStateOpen = 1 };
// How a connection's file stands against what the connection last read or wrote.
enum class DiskState { Unchanged, Changed, Gone };

// A connection to one database file. Opens existing files only: a missing file is an error,
// never a new empty database. Failures throw vb::VbError with the engine's message. A statement
// that finds the file being written by another connection waits a few seconds for it to end.
class Connection
{
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // The provider name is accepted and ignored (SQLite stands behind every connection).
    void setProvider(const QString& provider) { m_provider = provider; }
    void Open(const QString& path, OpenMode mode = OpenMode::ReadWrite);
    void Close();
    int State() const { return m_db ? adStateOpen : adStateClosed; }
    bool isOpen() const { return m_db != nullptr; }
    const QString& path() const { return m_path; }

    sqlite3* handle() const { return m_db; }

    // One transaction around several writes (a recordset's UpdateBatch inside it becomes part
    // of it): CommitTrans makes all of them or, on failure, none of them reach the file;
    // RollbackTrans undoes them. Not nested. From BeginTrans on, no other connection writes to
    // the file until the transaction ends.
    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool inTransaction() const { return m_inTransaction; }
    // Work that holds only once the transaction has committed; dropped when it rolls back.
    void onCommit(std::function<void()> work);

    // Whether the file changed since this connection opened it or committed to it: written by
    // another connection (in this process or another), replaced by another file under its name,
    // written or cut short by anything else, or gone from its name. Inside a transaction the
    // answer holds until it ends. A change found stays found: the transactions that follow do not
    // make it the connection's own.
    DiskState diskState();
    // Whether a name (through symbolic and hard links) is the file this connection has open.
    bool isFile(const QString& path) const;
    // Takes on a change that an earlier connection to the file found: reopening the file does
    // not make another program's change this connection's own.
    void keepChangeFound() { m_changeFound = m_db != nullptr; }

    // What identifies the file and its last write, as the file system tells it.
    struct FileStamp {
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = -1;
        qint64 modified = 0; // nanoseconds
        bool operator==(const FileStamp&) const = default;
    };

private:
    static std::optional<FileStamp> stampOf(const QString& file);
    // The stamp of the file this connection has open (not of what its name leads to).
    std::optional<FileStamp> ownStamp() const;
    qint64 dataVersion() const;
    // After a write of this connection's own: the file as it now stands is what it last wrote.
    void restamp();

    sqlite3* m_db = nullptr;
    bool m_inTransaction = false;
    std::vector<std::function<void()>> m_onCommit;
    QString m_path;
    QString m_file; // absolute
    FileStamp m_stamp;
    qint64 m_dataVersion = 0;
    bool m_changeFound = false;
    QString m_provider;
};

} // namespace ado
