#pragma once

#include "runtime/ado/Connection.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <cstdio>
#include <memory>

// The recordset's EOF() member needs the name: the C library's EOF macro (-1) is withdrawn here.
// Code that wants the C value uses std::char_traits<char>::eof().
#undef EOF

namespace ado
{

enum CursorLocation { adUseServer = 2, adUseClient = 3 };
enum AffectEnum { adAffectCurrent = 1, adAffectGroup = 2, adAffectAll = 3 };

// A client-cursor recordset: Open loads every row into memory; after SetActiveConnection(nullptr)
// it is worked detached (moves, Find, AddNew/Update/Delete, field writes) and UpdateBatch writes
// all pending changes back to the table in one transaction. Clone shares the rows, not the cursor.
// Field names are case-insensitive. Values come back by the column's declared type: integer and
// boolean columns as qlonglong (true is -1), single/double/real as double, text as QString, blobs
// as QByteArray, NULL as a null QVariant. A written value takes that same representation.
// A single-table select is loaded with each row's identity, so UpdateBatch changes exactly the
// rows that were read; new rows are written in the order they were added.
class Recordset
{
public:
    Recordset();
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    void setCursorLocation(int location) { m_cursorLocation = location; }
    int cursorLocation() const { return m_cursorLocation; }

    // Runs the SQL text on the connection and loads all rows; the recordset stays attached.
    // Values bind to "?" placeholders in order.
    void Open(const QString& sql, Connection& cn, const QVariantList& params = {});
    void Close();
    int State() const;
    bool isOpen() const { return State() == adStateOpen; }

    // nullptr detaches; a connection re-attaches (needed for UpdateBatch).
    void SetActiveConnection(Connection* cn);
    Connection* ActiveConnection() const { return m_cn; }

    bool BOF() const;
    bool EOF() const;
    int RecordCount() const;
    int AbsolutePosition() const; // 0-based index of the current row, -1 at BOF/EOF
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();

    // Criterion "Field=value" (also with blanks around "=", a quoted text or a number);
    // searches forward from the current row inclusive; EOF when nothing matches.
    void Find(const QString& criterion);

    void AddNew();
    void Update();
    void Delete();
    void UpdateBatch(int affect = adAffectAll);

    QStringList fieldNames() const;
    bool hasField(const QString& name) const;
    QVariant Field(const QString& name) const; // error 3021 at BOF/EOF, 3265 unknown name
    void setField(const QString& name, const QVariant& value);
    // The same by ordinal: FieldIndex resolves a name once (3265 when unknown); an ordinal stays
    // valid for as long as layout() returns the same number (it changes with every load).
    int FieldIndex(const QString& name) const;
    QVariant Field(int index) const;
    void setField(int index, const QVariant& value);
    quint64 layout() const; // 0 while closed

    // Names the current row as it now reads: equal stamps mean every field reads the same value
    // (the same load, the same row, no write to the rows in between, through any clone).
    struct RowStamp {
        quint64 layout = 0;
        quint64 writes = 0;
        int position = -1;
        bool operator==(const RowStamp&) const = default;
    };
    RowStamp rowStamp() const;

    std::unique_ptr<Recordset> Clone() const;

private:
    struct Data;
    std::shared_ptr<Data> m_data;
    int m_pos = -1;
    int m_cursorLocation = adUseServer;
    Connection* m_cn = nullptr;
};

// Writes the pending changes of a detached recordset through cn and detaches it again, also
// when the write fails.
void UpdateBatchThrough(Recordset& rs, Connection& cn);

} // namespace ado
