#pragma once

#include <QString>
#include <QStringView>

struct sqlite3;

// The SQLite file system every connection uses: the system's own, for every path and name the
// file system takes (paths up to PATH_MAX, names up to NAME_MAX with room for the journal's
// suffix), and able to tell which file a connection has open.
namespace ado
{

// The registered name of that file system.
const char* fileVfsName();
// The name under which SQLite keeps a side file (suffix "-journal", "-wal", "-shm") of a
// database: the database's name and the suffix, shortened with a digest of it where it would be
// longer than a name may be.
QString SideFilePath(const QString& database, QStringView suffix);
// The descriptor through which a connection reads its main database file; -1 when unknown.
int DatabaseDescriptor(sqlite3* db);

} // namespace ado
