#include "runtime/ado/Connection.h"
#include "runtime/ado/Recordset.h"
#include "runtime/vb/Conversions.h"
#include "runtime/vb/Format.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>

namespace
{

// A house file with one [HouseData]-like row of 70 fields: integers, booleans, singles, texts.
struct HouseFile {
    QTemporaryDir dir;
    QString path;
    QStringList fields;

    HouseFile()
    {
        path = dir.filePath(QStringLiteral("bench.tvm"));
        QStringList columns, values;
        for (int i = 0; i < 70; ++i) {
            const char* type = i < 30 ? "SMALLINT" : i < 55 ? "BIT" : i < 62 ? "REAL" : "TEXT";
            const QString name = QStringLiteral("Field%1").arg(i);
            fields << name;
            columns << name + u' ' + QString::fromLatin1(type);
            values << (i < 30   ? QString::number(i * 10)
                       : i < 55 ? QStringLiteral("-1")
                       : i < 62 ? QStringLiteral("1.25")
                                : QStringLiteral("'1'"));
        }
        const QString sql =
            QStringLiteral("CREATE TABLE [HouseData] (%1); INSERT INTO [HouseData] VALUES (%2);")
                .arg(columns.join(QStringLiteral(", ")), values.join(QStringLiteral(", ")));
        sqlite3* db = nullptr;
        if (sqlite3_open(QFile::encodeName(path).constData(), &db) != SQLITE_OK ||
            sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            std::abort();
        sqlite3_close(db);
    }
};

HouseFile& house()
{
    static HouseFile h;
    return h;
}

void BM_RecordsetOpenHouseData(benchmark::State& state)
{
    ado::Connection cn;
    cn.Open(house().path);
    for (auto _ : state) {
        ado::Recordset rs;
        rs.setCursorLocation(ado::adUseClient);
        rs.Open(QStringLiteral("Select * from [HouseData]"), cn);
        rs.SetActiveConnection(nullptr);
        benchmark::DoNotOptimize(rs.RecordCount());
    }
}
BENCHMARK(BM_RecordsetOpenHouseData);

// Changes `range(0)` fields of the row, then writes the batch (one transaction per save).
void BM_UpdateBatchHouseData(benchmark::State& state)
{
    ado::Connection cn;
    cn.Open(house().path);
    ado::Recordset rs;
    rs.setCursorLocation(ado::adUseClient);
    rs.Open(QStringLiteral("Select * from [HouseData]"), cn);
    rs.SetActiveConnection(nullptr);
    const int changed = int(state.range(0));
    int n = 0;
    for (auto _ : state) {
        ++n;
        for (int i = 0; i < changed; ++i) {
            if (i < 30)
                rs.setField(house().fields[i], QVariant::fromValue<short>(short(n % 100)));
            else if (i < 55)
                rs.setField(house().fields[i], n % 2 == 0);
            else if (i < 62)
                rs.setField(house().fields[i], float(n) / 8);
            else
                rs.setField(house().fields[i], QString::number(n % 6));
        }
        rs.SetActiveConnection(&cn);
        rs.UpdateBatch(ado::adAffectAll);
        rs.SetActiveConnection(nullptr);
    }
}
BENCHMARK(BM_UpdateBatchHouseData)->Arg(1)->Arg(70)->Unit(benchmark::kMicrosecond);

void BM_ReadAllFields(benchmark::State& state)
{
    ado::Connection cn;
    cn.Open(house().path);
    ado::Recordset rs;
    rs.Open(QStringLiteral("Select * from [HouseData]"), cn);
    for (auto _ : state) {
        for (int i = 0; i < 30; ++i)
            benchmark::DoNotOptimize(vb::CInt(rs.Field(house().fields[i])));
        for (int i = 30; i < 55; ++i)
            benchmark::DoNotOptimize(vb::CBool(rs.Field(house().fields[i])));
        for (int i = 55; i < 62; ++i)
            benchmark::DoNotOptimize(vb::CSng(rs.Field(house().fields[i])));
        for (int i = 62; i < 70; ++i)
            benchmark::DoNotOptimize(vb::CStr(rs.Field(house().fields[i])));
    }
}
BENCHMARK(BM_ReadAllFields);

// Walks a detached recordset of range(0) rows to EOF, as the page lists are walked (EOF and
// MoveNext at every row): linear in the rows when EOF is constant-time.
void BM_WalkRows(benchmark::State& state)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rows%1.tvm").arg(state.range(0)));
    if (!QFile::exists(path)) {
        sqlite3* db = nullptr;
        const QString sql =
            QStringLiteral("CREATE TABLE [Form Stack] (Form_ID SMALLINT); WITH RECURSIVE n(i) AS "
                           "(SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                           "INSERT INTO [Form Stack] SELECT 10 + i % 30 FROM n;")
                .arg(state.range(0));
        if (sqlite3_open(QFile::encodeName(path).constData(), &db) != SQLITE_OK ||
            sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            std::abort();
        sqlite3_close(db);
    }
    ado::Connection cn;
    cn.Open(path);
    ado::Recordset rs;
    rs.setCursorLocation(ado::adUseClient);
    rs.Open(QStringLiteral("Select * from [Form Stack]"), cn);
    rs.SetActiveConnection(nullptr);
    for (auto _ : state) {
        long long sum = 0;
        for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext())
            sum += rs.Field(0).toLongLong();
        benchmark::DoNotOptimize(sum);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_WalkRows)->RangeMultiplier(10)->Range(1000, 100000)->Complexity()->Unit(benchmark::kMillisecond);

void BM_Format(benchmark::State& state)
{
    static const QString patterns[] = {QStringLiteral("$###,###"), QStringLiteral("$###,###.00"),
                                       QStringLiteral("#,##0"), QStringLiteral("$ ##,##0.00"),
                                       QStringLiteral("#.0#")};
    const QString& pattern = patterns[state.range(0)];
    double v = 1234.565;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vb::Format(v, pattern));
        v += 1.01;
    }
    state.SetLabel(pattern.toStdString());
}
BENCHMARK(BM_Format)->DenseRange(0, 4);

void BM_CStrDouble(benchmark::State& state)
{
    double v = 1.0 / 3;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vb::CStr(v));
        v += 1.01;
    }
}
BENCHMARK(BM_CStrDouble);

} // namespace

BENCHMARK_MAIN();
