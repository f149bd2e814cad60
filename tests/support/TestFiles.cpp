#include "tests/support/TestFiles.h"

#include <QFile>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

namespace testsupport
{

void execute(const QString& path, const QByteArray& sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK) << path.toStdString();
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.constData(), nullptr, nullptr, &message);
    const std::string text = message ? message : "";
    sqlite3_free(message);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << text;
}

void buildDatabase(const QString& path, const QString& script)
{
    QFile f(script);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << script.toStdString();
    execute(path, f.readAll());
}

void buildHouseFile(const QString& path, const QString& answersScript)
{
    ASSERT_NO_FATAL_FAILURE(buildDatabase(path, QStringLiteral(TAVIMOOR_TEMPLATE_SQL)));
    buildDatabase(path, answersScript);
}

QList<QVariant> column(const QString& path, const QString& sql)
{
    QList<QVariant> values;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(db);
        return values;
    }
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) == SQLITE_OK) {
        while (sqlite3_step(st) == SQLITE_ROW) {
            switch (sqlite3_column_type(st, 0)) {
            case SQLITE_INTEGER:
                values << QVariant(qlonglong(sqlite3_column_int64(st, 0)));
                break;
            case SQLITE_FLOAT:
                values << QVariant(sqlite3_column_double(st, 0));
                break;
            case SQLITE_NULL:
                values << QVariant();
                break;
            default:
                values << QVariant(
                    QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0))));
            }
        }
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return values;
}

QVariant houseField(const QString& path, const QString& field)
{
    return column(path, QStringLiteral("SELECT [") + field + QStringLiteral("] FROM [HouseData]")).value(0);
}

void copyDataFiles(const QString& folder)
{
    for (const char* file : {"HomeControl.cfg", "Tmplt.cfg", TAVIMOOR_BUILD_TREE_MARK}) {
        const QString name = QString::fromLatin1(file);
        ASSERT_TRUE(QFile::copy(QStringLiteral(TAVIMOOR_BIN_DIR "/") + name, folder + u'/' + name)) << file;
    }
}

} // namespace testsupport
