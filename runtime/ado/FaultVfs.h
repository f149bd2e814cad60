#pragma once

// The SQLite file system that honours vb::FileWriteFault: writes to a file under a fault fail
// as on a full disk. Connections use it only while a fault applies to their file.
namespace ado
{

// The registered name of that file system.
const char* faultVfsName();

} // namespace ado
