#pragma once

#include "runtime/ado/Recordset.h"

#include <QList>

namespace testsupport
{

// The Form_IDs of a navigation recordset in memory ([Form Stack], [Visited Forms]), first to
// last; empty when it is missing, closed or has no rows.
inline QList<int> formIdRows(ado::Recordset* rs)
{
    QList<int> ids;
    if (!rs || !rs->isOpen() || (rs->BOF() && rs->EOF())) return ids;
    rs->MoveFirst();
    while (!rs->EOF()) {
        ids << rs->Field(QStringLiteral("Form_ID")).toInt();
        rs->MoveNext();
    }
    return ids;
}

} // namespace testsupport
