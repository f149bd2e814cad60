#include "estimate/HouseDataFields.h"

#include <QFile>
#include <QString>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace
{

using Column = std::pair<std::string, std::string>;

// The columns of [HouseData] as the house-file template declares them, in order.
std::vector<Column> templateColumns()
{
    std::vector<Column> columns;
    QFile f(QStringLiteral(TAVIMOOR_TEMPLATE_SQL));
    if (!f.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << TAVIMOOR_TEMPLATE_SQL;
        return columns;
    }
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    char* message = nullptr;
    if (sqlite3_exec(db, f.readAll().constData(), nullptr, nullptr, &message) != SQLITE_OK)
        ADD_FAILURE() << (message ? message : "the template does not run");
    sqlite3_free(message);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT name, type FROM pragma_table_info('HouseData') ORDER BY cid", -1,
                       &statement, nullptr);
    while (statement && sqlite3_step(statement) == SQLITE_ROW)
        columns.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)),
                             reinterpret_cast<const char*>(sqlite3_column_text(statement, 1)));
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return columns;
}

// data/Tmplt.sql declares exactly the fields of the record's table, in its order and with the
// column type of each field's type.
TEST(HouseDataFields, TemplateDeclaresTheFieldTable)
{
    std::vector<Column> expected;
    for (const estimate::HouseDataField& field : estimate::kHouseDataFields)
        expected.emplace_back(QString::fromUtf16(field.name.data(), qsizetype(field.name.size())).toStdString(),
                              std::string(estimate::sqlType(field.type)));
    const std::vector<Column> declared = templateColumns();
    EXPECT_EQ(declared.size(), expected.size());
    for (size_t i = 0; i < std::min(declared.size(), expected.size()); ++i)
        EXPECT_EQ(declared[i], expected[i]) << "column " << i;
}

} // namespace
