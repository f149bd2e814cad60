#pragma once

// Not for use outside runtime/ado/.

#include "runtime/vb/VbError.h"

#include <QString>

struct sqlite3;

namespace ado
{

// The engine's last error on a connection: error 61 for a full disk, 3218 for a file another
// connection kept locked, the provider's error for anything else; the text is the context (when given), ": " and the engine's message.
vb::VbError engineError(sqlite3* db, const QString& context, const QString& source);

} // namespace ado
