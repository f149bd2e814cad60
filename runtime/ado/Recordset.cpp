#include "runtime/ado/Recordset.h"

#include "runtime/ado/EngineError.h"
#include "runtime/vb/Conversions.h"
#include "runtime/vb/Integer.h"
#include "runtime/vb/VbError.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QStringView>

#include <sqlite3.h>
#undef EOF

#include <atomic>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <vector>

namespace ado
{

namespace
{

const QString kSource = QStringLiteral("ado.Recordset");

enum class ColumnClass { Any, Integer, Real, Text };

// The declared column type decides the value type handed out.
ColumnClass classify(const char* declared)
{
    if (!declared) return ColumnClass::Any;
    const QString d = QString::fromUtf8(declared).toUpper();
    if (d.contains(QStringLiteral("INT")) || d == QStringLiteral("BIT") ||
        d.startsWith(QStringLiteral("BOOL")) || d == QStringLiteral("YESNO") ||
        d == QStringLiteral("LOGICAL") || d == QStringLiteral("BYTE") || d == QStringLiteral("COUNTER"))
        return ColumnClass::Integer;
    static const char* const real[] = {"REAL",    "FLOA",    "DOUB",     "SINGLE",
                                       "NUMERIC", "DECIMAL", "CURRENCY", "MONEY"};
    for (const char* r : real) {
        if (d.contains(QLatin1String(r))) return ColumnClass::Real;
    }
    static const char* const text[] = {"CHAR", "TEXT", "CLOB", "MEMO", "STRING"};
    for (const char* t : text) {
        if (d.contains(QLatin1String(t))) return ColumnClass::Text;
    }
    return ColumnClass::Any;
}

[[noreturn]] void engineError(sqlite3* db, const QString& context = QString())
{
    throw ado::engineError(db, context, kSource);
}

[[noreturn]] void noCurrentRecord()
{
    throw vb::VbError::noCurrentRecord(kSource);
}

[[noreturn]] void outOfRange(int index)
{
    throw vb::VbError(vb::ErrItemNotFound,
                      QStringLiteral("Item cannot be found in the collection corresponding to the requested "
                                     "name or ordinal: %1.")
                          .arg(index),
                      kSource);
}

[[noreturn]] void objectClosed()
{
    throw vb::VbError(vb::ErrObjectClosed,
                      QStringLiteral("Operation is not allowed when the object is closed."), kSource);
}

QString quoteIdentifier(const QString& name)
{
    QString q = name;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

struct Statement {
    sqlite3_stmt* stmt = nullptr;
    Statement() = default;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement() { sqlite3_finalize(stmt); }
    int prepare(sqlite3* db, const QString& sql)
    {
        sqlite3_finalize(stmt);
        stmt = nullptr;
        const QByteArray utf8 = sql.toUtf8();
        return sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &stmt, nullptr);
    }
};

bool isIntegral(int typeId)
{
    switch (typeId) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

void bindValue(sqlite3* db, sqlite3_stmt* stmt, int index, const QVariant& v)
{
    int rc = SQLITE_OK;
    const int type = v.typeId();
    if (!v.isValid() || type == QMetaType::Nullptr) {
        rc = sqlite3_bind_null(stmt, index);
    } else if (type == QMetaType::Bool) {
        rc = sqlite3_bind_int64(stmt, index, v.toBool() ? -1 : 0);
    } else if (isIntegral(type)) {
        rc = sqlite3_bind_int64(stmt, index, v.toLongLong());
    } else if (v.metaType() == QMetaType::fromType<vb::Integer>()) {
        rc = sqlite3_bind_int64(stmt, index, v.value<vb::Integer>().value());
    } else if (type == QMetaType::Float || type == QMetaType::Double) {
        rc = sqlite3_bind_double(stmt, index, v.toDouble());
    } else if (type == QMetaType::QByteArray) {
        const QByteArray b = v.toByteArray();
        rc = sqlite3_bind_blob64(stmt, index, b.constData(), sqlite3_uint64(b.size()), SQLITE_TRANSIENT);
    } else {
        QString text;
        if (type == QMetaType::QDate)
            text = v.toDate().toString(Qt::ISODate);
        else if (type == QMetaType::QDateTime)
            text = v.toDateTime().toString(Qt::ISODate);
        else
            text = v.toString();
        const QByteArray utf8 = text.toUtf8();
        rc = sqlite3_bind_text64(stmt, index, utf8.constData(), sqlite3_uint64(utf8.size()), SQLITE_TRANSIENT,
                                 SQLITE_UTF8);
    }
    if (rc != SQLITE_OK) engineError(db, QStringLiteral("Cannot bind parameter %1").arg(index));
}

QVariant readValue(sqlite3_stmt* stmt, int col, ColumnClass cls)
{
    switch (sqlite3_column_type(stmt, col)) {
    case SQLITE_NULL:
        return QVariant();
    case SQLITE_INTEGER: {
        const qlonglong i = sqlite3_column_int64(stmt, col);
        if (cls == ColumnClass::Real) return double(i);
        if (cls == ColumnClass::Text) return QString::number(i);
        return i;
    }
    case SQLITE_FLOAT: {
        const double d = sqlite3_column_double(stmt, col);
        if (cls == ColumnClass::Integer && d == std::trunc(d) && std::fabs(d) < 9.2e18) return qlonglong(d);
        if (cls == ColumnClass::Text) return vb::CStr(d);
        return d;
    }
    case SQLITE_BLOB: {
        const auto* p = static_cast<const char*>(sqlite3_column_blob(stmt, col));
        return QByteArray(p, sqlite3_column_bytes(stmt, col));
    }
    default: {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt, col));
        return QString::fromUtf8(p, sqlite3_column_bytes(stmt, col));
    }
    }
}

// A value written to a field takes the representation a reload from the file would give.
QVariant normalize(const QVariant& v, ColumnClass cls)
{
    const int type = v.typeId();
    if (!v.isValid() || type == QMetaType::Nullptr) return QVariant();

    QVariant base;
    if (type == QMetaType::Bool)
        base = qlonglong(v.toBool() ? -1 : 0);
    else if (isIntegral(type))
        base = v.toLongLong();
    else if (v.metaType() == QMetaType::fromType<vb::Integer>())
        base = qlonglong(v.value<vb::Integer>().value());
    else if (type == QMetaType::Float)
        base = double(v.toFloat());
    else if (type == QMetaType::Double)
        base = v.toDouble();
    else if (type == QMetaType::QByteArray)
        return v;
    else if (type == QMetaType::QDate)
        base = v.toDate().toString(Qt::ISODate);
    else if (type == QMetaType::QDateTime)
        base = v.toDateTime().toString(Qt::ISODate);
    else
        base = v.toString();

    const bool isText = base.typeId() == QMetaType::QString;
    switch (cls) {
    case ColumnClass::Any:
        return base;
    case ColumnClass::Text:
        if (type == QMetaType::Bool) return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
        if (type == QMetaType::Float) return vb::CStr(v.toFloat());
        return isText ? base : vb::CStr(base);
    case ColumnClass::Integer: {
        const double d = isText ? vb::CDbl(base) : base.toDouble();
        if (base.typeId() == QMetaType::LongLong) return base;
        if (d == std::trunc(d) && std::fabs(d) < 9.2e18) return qlonglong(d);
        return d;
    }
    case ColumnClass::Real:
        return isText ? vb::CDbl(base) : base.toDouble();
    }
    return base;
}

// The words of an SQL text (runs of ASCII letters, digits and "_"), for the few key words
// that decide whether a select is a plain one on a single table.
class SqlWords
{
public:
    explicit SqlWords(QStringView sql) : m_sql(sql)
    {
        qsizetype i = 0;
        while (i < sql.size()) {
            if (!isWordChar(sql[i])) {
                ++i;
                continue;
            }
            const qsizetype begin = i;
            while (i < sql.size() && isWordChar(sql[i]))
                ++i;
            m_words.push_back({begin, i});
        }
    }

    bool hasAny(std::initializer_list<const char*> keys) const
    {
        for (size_t w = 0; w < m_words.size(); ++w) {
            for (const char* key : keys) {
                if (is(w, key)) return true;
            }
        }
        return false;
    }

    // "first" and "second" one after the other, with blanks only between them.
    bool hasPair(const char* first, const char* second) const
    {
        for (size_t w = 0; w + 1 < m_words.size(); ++w) {
            if (is(w, first) && is(w + 1, second) && blanksBetween(m_words[w].end, m_words[w + 1].begin))
                return true;
        }
        return false;
    }

    // Where the column list starts after a leading "select" or "select all"; 0 when the text
    // does not start so.
    qsizetype selectHeadEnd() const
    {
        if (m_words.empty() || m_words[0].begin != 0 || !is(0, "select")) return 0;
        qsizetype end = skipBlanks(m_words[0].end);
        if (end == m_words[0].end) return 0;
        if (m_words.size() > 1 && m_words[1].begin == end && is(1, "all")) {
            const qsizetype afterAll = skipBlanks(m_words[1].end);
            if (afterAll > m_words[1].end) end = afterAll;
        }
        return end;
    }

private:
    struct Word {
        qsizetype begin;
        qsizetype end;
    };
    static bool isWordChar(QChar c)
    {
        const char16_t u = c.unicode();
        return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'_';
    }
    static bool isBlank(QChar c)
    {
        const char16_t u = c.unicode();
        return u == u' ' || (u >= u'\t' && u <= u'\r');
    }
    bool is(size_t w, const char* key) const
    {
        const Word& word = m_words[w];
        return m_sql.mid(word.begin, word.end - word.begin)
                   .compare(QLatin1String(key), Qt::CaseInsensitive) == 0;
    }
    qsizetype skipBlanks(qsizetype i) const
    {
        while (i < m_sql.size() && isBlank(m_sql[i]))
            ++i;
        return i;
    }
    bool blanksBetween(qsizetype from, qsizetype to) const { return to > from && skipBlanks(from) >= to; }

    QStringView m_sql;
    std::vector<Word> m_words;
};

// Text and number comparison of Find.
struct Criterion {
    QString field;
    bool numeric = false;
    double number = 0;
    QString text;
};

[[noreturn]] void notFieldEqualsValue(const QString& criterion)
{
    throw vb::VbError(vb::ErrBadArguments,
                      QStringLiteral("Find criterion '%1' is not of the form Field=value.").arg(criterion),
                      kSource);
}

// Splits "Field=value" or "[Field name]=value" (blanks allowed around "="); false when it is
// neither. A bracket that does not close a name before "=" is read as part of a plain name.
bool splitCriterion(QStringView text, QString& field, QStringView& value)
{
    auto skipBlanks = [&](qsizetype i) {
        while (i < text.size() && text[i].isSpace())
            ++i;
        return i;
    };
    // The value after "=" at i, blanks around it dropped.
    auto valueFrom = [&](qsizetype i) {
        i = skipBlanks(i);
        if (i >= text.size() || text[i] != u'=') return false;
        value = text.mid(i + 1).trimmed();
        return true;
    };
    const qsizetype start = skipBlanks(0);
    if (start < text.size() && text[start] == u'[') {
        const qsizetype close = text.indexOf(u']', start + 1);
        if (close > start + 1 && valueFrom(close + 1)) {
            field = text.mid(start + 1, close - start - 1).toString();
            return true;
        }
    }
    qsizetype end = start;
    while (end < text.size() && text[end] != u'=' && !text[end].isSpace())
        ++end;
    if (end == start || !valueFrom(end)) return false;
    field = text.mid(start, end - start).toString();
    return true;
}

Criterion parseCriterion(const QString& criterion)
{
    Criterion c;
    QStringView value;
    if (!splitCriterion(criterion, c.field, value)) notFieldEqualsValue(criterion);
    if (value.size() >= 2 && ((value.startsWith(u'\'') && value.endsWith(u'\'')) ||
                              (value.startsWith(u'#') && value.endsWith(u'#')))) {
        c.text = value.mid(1, value.size() - 2).toString();
        c.text.replace(QStringLiteral("''"), QStringLiteral("'"));
        return c;
    }
    bool ok = false;
    c.number = value.toDouble(&ok);
    if (!ok)
        throw vb::VbError(
            vb::ErrBadArguments,
            QStringLiteral("Find criterion '%1' has a value that is neither a number nor quoted text.")
                .arg(criterion),
            kSource);
    c.numeric = true;
    return c;
}

bool matches(const QVariant& v, const Criterion& c)
{
    if (!v.isValid()) return false;
    if (c.numeric) {
        if (v.typeId() == QMetaType::QString) {
            bool ok = false;
            const double d = v.toString().trimmed().toDouble(&ok);
            return ok && d == c.number;
        }
        if (v.typeId() == QMetaType::QByteArray) return false;
        return v.toDouble() == c.number;
    }
    const QString s = v.typeId() == QMetaType::QString ? v.toString() : vb::CStr(v);
    return s.compare(c.text, Qt::CaseInsensitive) == 0;
}

// A write of one row: the SQL text and the values bound to its parameters in order.
struct RowWrite {
    QString sql;
    QVariantList values;
};

// The columns a row has set, as quoted names of the source table's columns, and their values.
struct SetColumns {
    QStringList names;
    QVariantList values;
};

SetColumns setColumns(const QStringList& origins, const QVariantList& values, const std::vector<bool>& dirty)
{
    SetColumns set;
    for (qsizetype c = 0; c < origins.size(); ++c) {
        if (!dirty[size_t(c)]) continue;
        set.names << quoteIdentifier(origins[c]);
        set.values << values[c];
    }
    return set;
}

RowWrite deleteRow(const QString& table, qint64 rowid)
{
    return {QStringLiteral("DELETE FROM %1 WHERE _rowid_ = ?").arg(table), {rowid}};
}

// Empty when the row has no column set.
RowWrite updateRow(const QString& table, SetColumns set, qint64 rowid)
{
    if (set.names.isEmpty()) return {};
    for (QString& name : set.names)
        name += QStringLiteral(" = ?");
    set.values << rowid;
    return {
        QStringLiteral("UPDATE %1 SET %2 WHERE _rowid_ = ?").arg(table, set.names.join(QStringLiteral(", "))),
        set.values};
}

RowWrite insertRow(const QString& table, const SetColumns& set)
{
    if (set.names.isEmpty()) return {QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table), {}};
    const QStringList marks(set.names.size(), QStringLiteral("?"));
    return {QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(table, set.names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
            set.values};
}

// One prepared statement per SQL text, reused for every row that needs it.
class StatementCache
{
public:
    explicit StatementCache(sqlite3* db) : m_db(db) {}

    // Runs a write; with oneRow, a write that changes no row or several is a conflict: the row
    // is not what was read.
    void run(const RowWrite& write, bool oneRow)
    {
        sqlite3_stmt* stmt = statementFor(write.sql);
        for (int i = 0; i < write.values.size(); ++i)
            bindValue(m_db, stmt, i + 1, write.values[i]);
        if (sqlite3_step(stmt) != SQLITE_DONE) engineError(m_db);
        if (oneRow && sqlite3_changes(m_db) != 1)
            throw vb::VbError(vb::ErrRowConflict,
                              QStringLiteral("Row cannot be located for updating. Some values may have been "
                                             "changed since it was last read."),
                              kSource);
    }

private:
    sqlite3_stmt* statementFor(const QString& sql)
    {
        for (auto& [text, statement] : m_prepared) {
            if (text == sql) {
                sqlite3_reset(statement->stmt);
                sqlite3_clear_bindings(statement->stmt);
                return statement->stmt;
            }
        }
        auto statement = std::make_unique<Statement>();
        if (statement->prepare(m_db, sql) != SQLITE_OK) engineError(m_db);
        m_prepared.emplace_back(sql, std::move(statement));
        return m_prepared.back().second->stmt;
    }

    sqlite3* m_db;
    std::vector<std::pair<QString, std::unique_ptr<Statement>>> m_prepared;
};

// The transaction of one batch, rolled back unless committed. Inside a transaction of the
// connection it is a savepoint of that transaction.
class BatchTransaction
{
public:
    BatchTransaction(sqlite3* db, bool nested) : m_db(db), m_nested(nested)
    {
        if (sqlite3_exec(m_db, m_nested ? "SAVEPOINT batch" : "BEGIN", nullptr, nullptr, nullptr) !=
            SQLITE_OK)
            engineError(m_db);
    }
    BatchTransaction(const BatchTransaction&) = delete;
    BatchTransaction& operator=(const BatchTransaction&) = delete;
    ~BatchTransaction()
    {
        if (m_committed) return;
        if (m_nested) {
            sqlite3_exec(m_db, "ROLLBACK TO batch", nullptr, nullptr, nullptr);
            sqlite3_exec(m_db, "RELEASE batch", nullptr, nullptr, nullptr);
        } else if (!sqlite3_get_autocommit(m_db)) {
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        }
    }

    void commit()
    {
        if (sqlite3_exec(m_db, m_nested ? "RELEASE batch" : "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
            engineError(m_db);
        m_committed = true;
    }

private:
    sqlite3* m_db;
    bool m_nested;
    bool m_committed = false;
};

} // namespace

struct Recordset::Data {
    struct Column {
        QString name;
        QString origin; // column name in the source table
        ColumnClass cls = ColumnClass::Any;
    };
    struct Row {
        qint64 rowid = 0;
        QVariantList values;
        std::vector<bool> dirty;
        bool isNew = false;
        bool modified = false;
        bool deleted = false;
        bool written = false; // a delete that reached the file

        bool pendingInsert() const { return isNew && !deleted; }
        bool pendingUpdate() const { return !isNew && !deleted && modified; }
        bool pendingDelete() const { return !isNew && deleted && !written; }
        bool pending() const { return pendingInsert() || pendingUpdate() || pendingDelete(); }
    };

    QList<Column> columns;
    QHash<QString, int> index; // lower-case name -> column
    std::vector<Row> rows;
    QString table; // source table, empty when the rows cannot be written back
    bool open = false;
    quint64 layout = 0; // one number per load, see Recordset::layout
    quint64 writes = 0; // field writes, new and deleted rows since the load
    int visible = 0;    // rows not deleted
    // Every row before it is deleted. Rows are only appended and a delete is never undone, so
    // it only moves forward: walking a recordset and deleting from its front stay linear.
    mutable int firstAlive = 0;

    int column(const QString& name) const
    {
        const auto it = index.constFind(name.toLower());
        if (it == index.constEnd())
            throw vb::VbError(
                vb::ErrItemNotFound,
                QStringLiteral("Item cannot be found in the collection corresponding to the requested "
                               "name or ordinal: '%1'.")
                    .arg(name),
                kSource);
        return *it;
    }
    int size() const { return int(rows.size()); }
    int visibleCount() const { return visible; }

    QStringList origins() const
    {
        QStringList names;
        for (const Column& c : columns)
            names << c.origin;
        return names;
    }
    // The rows with changes not yet written: all of them, or only the row at position.
    std::vector<size_t> pendingRows(std::optional<int> position) const
    {
        std::vector<size_t> pending;
        for (size_t i = 0; i < rows.size(); ++i) {
            if (!rows[i].pending()) continue;
            if (position && int(i) != *position) continue;
            pending.push_back(i);
        }
        return pending;
    }
    // Written: the rows are now what the file holds; a new row has the rowid it got.
    void markWritten(const std::vector<size_t>& pending,
                     const std::vector<std::pair<size_t, qint64>>& inserted)
    {
        for (const auto& [i, rowid] : inserted)
            rows[i].rowid = rowid;
        for (size_t i : pending) {
            Row& row = rows[i];
            if (row.deleted) row.written = true;
            row.isNew = false;
            row.modified = false;
            row.dirty.assign(row.dirty.size(), false);
        }
    }
    int firstVisible() const
    {
        while (firstAlive < size() && rows[size_t(firstAlive)].deleted)
            ++firstAlive;
        return firstAlive;
    }
};

Recordset::Recordset() = default;
Recordset::~Recordset() = default;

void Recordset::Open(const QString& sqlText, Connection& cn, const QVariantList& params)
{
    Close();
    if (!cn.isOpen())
        throw vb::VbError(
            vb::ErrConnectionInvalid,
            QStringLiteral("The connection cannot be used to perform this operation. It is either "
                           "closed or invalid in this context."),
            kSource);
    sqlite3* db = cn.handle();
    QString sql = sqlText.trimmed();
    while (sql.endsWith(u';'))
        sql = sql.chopped(1).trimmed();

    // A plain single-table select is loaded with each row's rowid, so that UpdateBatch can
    // find exactly that row again, and in rowid (insertion) order unless the text orders it.
    const SqlWords words(sql);

    auto data = std::make_shared<Data>();
    // Reads the column descriptions from `offset` on; returns the one source table or "".
    auto describe = [&](sqlite3_stmt* stmt, int offset) {
        data->columns.clear();
        data->index.clear();
        QString table;
        bool singleTable = sqlite3_column_count(stmt) > offset;
        for (int i = offset; i < sqlite3_column_count(stmt); ++i) {
            Data::Column c;
            c.name = QString::fromUtf8(sqlite3_column_name(stmt, i));
            const char* origin = sqlite3_column_origin_name(stmt, i);
            const char* tab = sqlite3_column_table_name(stmt, i);
            const char* dbName = sqlite3_column_database_name(stmt, i);
            c.origin = origin ? QString::fromUtf8(origin) : c.name;
            c.cls = classify(sqlite3_column_decltype(stmt, i));
            if (!tab || !dbName || qstrcmp(dbName, "main") != 0) {
                singleTable = false;
            } else if (table.isEmpty()) {
                table = QString::fromUtf8(tab);
            } else if (table != QString::fromUtf8(tab)) {
                singleTable = false;
            }
            const QString key = c.name.toLower();
            if (!data->index.contains(key)) data->index.insert(key, i - offset);
            data->columns.append(c);
        }
        return singleTable ? table : QString();
    };

    Statement statement;
    QString table;
    bool hasRowid = false;
    if (!words.hasAny({"distinct", "union", "intersect", "except", "having", "join"}) &&
        !words.hasPair("group", "by")) {
        const qsizetype head = words.selectHeadEnd();
        if (head > 0) {
            QString rewritten = sql.left(head) + QStringLiteral("_rowid_, ") + sql.mid(head);
            if (!words.hasAny({"limit"}) && !words.hasPair("order", "by"))
                rewritten += QStringLiteral(" ORDER BY _rowid_");
            if (statement.prepare(db, rewritten) == SQLITE_OK) {
                table = describe(statement.stmt, 1);
                hasRowid = !table.isEmpty();
            }
        }
    }
    if (!hasRowid) {
        if (statement.prepare(db, sql) != SQLITE_OK) engineError(db);
        describe(statement.stmt, 0);
    }
    sqlite3_stmt* stmt = statement.stmt;
    const int count = int(data->columns.size());
    if (sqlite3_bind_parameter_count(stmt) != params.size())
        throw vb::VbError(vb::ErrBadArguments,
                          QStringLiteral("The statement has %1 parameters, %2 values were given.")
                              .arg(sqlite3_bind_parameter_count(stmt))
                              .arg(params.size()),
                          kSource);
    for (int i = 0; i < params.size(); ++i)
        bindValue(db, stmt, i + 1, params[i]);

    const int offset = hasRowid ? 1 : 0;
    for (;;) {
        const int rc = sqlite3_step(stmt);
        if (rc == SQLITE_DONE) break;
        if (rc != SQLITE_ROW) engineError(db);
        Data::Row row;
        if (hasRowid) row.rowid = sqlite3_column_int64(stmt, 0);
        row.values.reserve(count);
        for (int i = 0; i < count; ++i)
            row.values.append(readValue(stmt, i + offset, data->columns[i].cls));
        row.dirty.assign(size_t(count), false);
        data->rows.push_back(std::move(row));
    }
    if (count == 0) return; // a statement without result rows leaves the recordset closed

    static std::atomic<quint64> loads{0};
    data->visible = data->size();
    data->table = hasRowid ? table : QString();
    data->open = true;
    data->layout = ++loads;
    m_data = std::move(data);
    m_cn = &cn;
    m_pos = m_data->firstVisible();
}

void Recordset::Close()
{
    m_data.reset();
    m_pos = -1;
    m_cn = nullptr;
}

int Recordset::State() const
{
    return m_data && m_data->open ? adStateOpen : adStateClosed;
}

void Recordset::SetActiveConnection(Connection* cn)
{
    m_cn = cn;
}

bool Recordset::BOF() const
{
    if (!isOpen()) objectClosed();
    return m_pos < 0 || m_data->visibleCount() == 0;
}

bool Recordset::EOF() const
{
    if (!isOpen()) objectClosed();
    return m_pos >= m_data->size() || m_data->visibleCount() == 0;
}

int Recordset::RecordCount() const
{
    if (!isOpen()) objectClosed();
    return m_data->visibleCount();
}

int Recordset::AbsolutePosition() const
{
    if (!isOpen() || m_pos < 0 || m_pos >= m_data->size() || m_data->rows[size_t(m_pos)].deleted) return -1;
    int n = 0;
    for (int i = 0; i < m_pos; ++i)
        n += m_data->rows[size_t(i)].deleted ? 0 : 1;
    return n;
}

void Recordset::MoveFirst()
{
    if (!isOpen()) objectClosed();
    if (m_data->visibleCount() == 0) noCurrentRecord();
    m_pos = m_data->firstVisible();
}

void Recordset::MoveLast()
{
    if (!isOpen()) objectClosed();
    if (m_data->visibleCount() == 0) noCurrentRecord();
    for (int i = m_data->size() - 1; i >= 0; --i) {
        if (!m_data->rows[size_t(i)].deleted) {
            m_pos = i;
            return;
        }
    }
}

void Recordset::MoveNext()
{
    if (EOF()) noCurrentRecord();
    int i = m_pos + 1;
    while (i < m_data->size() && m_data->rows[size_t(i)].deleted)
        ++i;
    m_pos = i;
}

void Recordset::MovePrevious()
{
    if (BOF()) noCurrentRecord();
    int i = std::min(m_pos, m_data->size()) - 1;
    while (i >= 0 && m_data->rows[size_t(i)].deleted)
        --i;
    m_pos = i;
}

void Recordset::Find(const QString& criterion)
{
    if (!isOpen()) objectClosed();
    const Criterion c = parseCriterion(criterion);
    const int col = m_data->column(c.field);
    for (int i = std::max(m_pos, 0); i < m_data->size(); ++i) {
        const Data::Row& row = m_data->rows[size_t(i)];
        if (!row.deleted && matches(row.values[col], c)) {
            m_pos = i;
            return;
        }
    }
    m_pos = m_data->size();
}

void Recordset::AddNew()
{
    if (!isOpen()) objectClosed();
    Data::Row row;
    row.isNew = true;
    row.values = QVariantList(m_data->columns.size());
    row.dirty.assign(size_t(m_data->columns.size()), false);
    m_data->rows.push_back(std::move(row));
    ++m_data->visible;
    ++m_data->writes;
    m_pos = m_data->size() - 1;
}

void Recordset::Update()
{
    if (!isOpen()) objectClosed();
    if (m_pos < 0 || m_pos >= m_data->size() || m_data->rows[size_t(m_pos)].deleted) noCurrentRecord();
    // Batch mode: the row stays pending in memory until UpdateBatch.
}

void Recordset::Delete()
{
    if (!isOpen()) objectClosed();
    if (m_pos < 0 || m_pos >= m_data->size() || m_data->rows[size_t(m_pos)].deleted) noCurrentRecord();
    m_data->rows[size_t(m_pos)].deleted = true;
    --m_data->visible;
    ++m_data->writes;
}

void Recordset::UpdateBatch(int affect)
{
    if (!isOpen()) objectClosed();
    std::vector<size_t> pending =
        m_data->pendingRows(affect == adAffectCurrent ? std::optional<int>(m_pos) : std::nullopt);
    if (pending.empty()) return;
    if (!m_cn || !m_cn->isOpen())
        throw vb::VbError(
            vb::ErrConnectionInvalid,
            QStringLiteral("UpdateBatch needs an open active connection; the recordset is detached."),
            kSource);
    if (m_data->table.isEmpty())
        throw vb::VbError(
            vb::ErrNotUpdatable,
            QStringLiteral("The recordset cannot be written back: its query does not select the rows "
                           "of a single table."),
            kSource);

    sqlite3* db = m_cn->handle();
    // Inside a transaction of the connection the rows count as written only once that
    // transaction commits.
    const bool nested = m_cn->inTransaction();
    BatchTransaction transaction(db, nested);
    std::vector<std::pair<size_t, qint64>> inserted;
    {
        const QString table = quoteIdentifier(m_data->table);
        const QStringList origins = m_data->origins();
        StatementCache statements(db);
        // Deletes first, then changes, then new rows in the order they were added.
        for (size_t i : pending) {
            const Data::Row& row = m_data->rows[i];
            if (row.pendingDelete()) statements.run(deleteRow(table, row.rowid), true);
        }
        for (size_t i : pending) {
            const Data::Row& row = m_data->rows[i];
            if (!row.pendingUpdate()) continue;
            const RowWrite update = updateRow(table, setColumns(origins, row.values, row.dirty), row.rowid);
            if (!update.sql.isEmpty()) statements.run(update, true);
        }
        for (size_t i : pending) {
            const Data::Row& row = m_data->rows[i];
            if (!row.pendingInsert()) continue;
            statements.run(insertRow(table, setColumns(origins, row.values, row.dirty)), false);
            inserted.emplace_back(i, sqlite3_last_insert_rowid(db));
        }
    }
    transaction.commit();

    auto written = [data = m_data, pending = std::move(pending), inserted = std::move(inserted)] {
        data->markWritten(pending, inserted);
    };
    if (nested)
        m_cn->onCommit(std::move(written));
    else
        written();
}

QStringList Recordset::fieldNames() const
{
    QStringList names;
    if (!m_data) return names;
    for (const auto& c : m_data->columns)
        names << c.name;
    return names;
}

bool Recordset::hasField(const QString& name) const
{
    return m_data && m_data->index.contains(name.toLower());
}

quint64 Recordset::layout() const
{
    return isOpen() ? m_data->layout : 0;
}

Recordset::RowStamp Recordset::rowStamp() const
{
    if (!isOpen()) return {};
    return {m_data->layout, m_data->writes, m_pos};
}

int Recordset::FieldIndex(const QString& name) const
{
    if (!isOpen()) objectClosed();
    return m_data->column(name);
}

QVariant Recordset::Field(const QString& name) const
{
    return Field(FieldIndex(name));
}

QVariant Recordset::Field(int index) const
{
    if (!isOpen()) objectClosed();
    if (index < 0 || index >= m_data->columns.size()) outOfRange(index);
    if (m_pos < 0 || m_pos >= m_data->size() || m_data->rows[size_t(m_pos)].deleted) noCurrentRecord();
    return m_data->rows[size_t(m_pos)].values[index];
}

void Recordset::setField(const QString& name, const QVariant& value)
{
    setField(FieldIndex(name), value);
}

void Recordset::setField(int col, const QVariant& value)
{
    if (!isOpen()) objectClosed();
    if (col < 0 || col >= m_data->columns.size()) outOfRange(col);
    if (m_pos < 0 || m_pos >= m_data->size() || m_data->rows[size_t(m_pos)].deleted) noCurrentRecord();
    Data::Row& row = m_data->rows[size_t(m_pos)];
    row.values[col] = normalize(value, m_data->columns[col].cls);
    ++m_data->writes;
    row.dirty[size_t(col)] = true;
    if (!row.isNew) row.modified = true;
}

std::unique_ptr<Recordset> Recordset::Clone() const
{
    if (!isOpen()) objectClosed();
    auto clone = std::make_unique<Recordset>();
    clone->m_data = m_data;
    clone->m_cursorLocation = m_cursorLocation;
    clone->m_cn = m_cn;
    clone->m_pos = m_data->firstVisible();
    return clone;
}

void UpdateBatchThrough(Recordset& rs, Connection& cn)
{
    rs.SetActiveConnection(&cn);
    try {
        rs.UpdateBatch(adAffectAll);
    } catch (...) {
        rs.SetActiveConnection(nullptr);
        throw;
    }
    rs.SetActiveConnection(nullptr);
}

} // namespace ado
