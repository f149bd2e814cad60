#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

struct sqlite3;

namespace ado
{

enum class OpenMode { ReadWrite, ReadOnly };
enum ObjectState { adStateClosed = 0, adStateOpen = 1 };

// A connection to one database file. Opens existing files only: a missing file is an error,
// never a new empty database. Failures throw vb::VbError with the engine's message.
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
    // RollbackTrans undoes them. Not nested.
    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool inTransaction() const { return m_inTransaction; }
    // Work that holds only once the transaction has committed; dropped when it rolls back.
    void onCommit(std::function<void()> work);

private:
    sqlite3* m_db = nullptr;
    bool m_inTransaction = false;
    std::vector<std::function<void()>> m_onCommit;
    QString m_path;
    QString m_provider;
};

} // namespace ado
