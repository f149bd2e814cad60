#pragma once

#include <QString>

#include <functional>

// The SQLite file system that honours vb::FileWriteFault and WriteEndSeam: writes to a file
// under a fault fail as on a full disk. Connections use it only while a seam applies to their
// file.
namespace ado
{

// The registered name of that file system.
const char* faultVfsName();
// Whether a seam applies to a database file.
bool faultVfsWanted(const QString& file);

// Test seam: while one lives, `work` runs once, when a connection opened on the file under it
// ends a write to it (lets go of the file's last lock at the end of a commit), before the
// connection goes on: where another program acts in the instant after a commit.
class WriteEndSeam
{
public:
    WriteEndSeam(const QString& file, std::function<void()> work);
    ~WriteEndSeam();
    WriteEndSeam(const WriteEndSeam&) = delete;
    WriteEndSeam& operator=(const WriteEndSeam&) = delete;

    // The seam still to run for a file, or nullptr.
    static WriteEndSeam* at(const QString& file);
    void run();

private:
    QString m_file;
    std::function<void()> m_work;
    WriteEndSeam* m_previous;
};

} // namespace ado
