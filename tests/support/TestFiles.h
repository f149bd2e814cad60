#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

namespace testsupport
{

// Runs SQL statements on a database file (made when missing); fails the test on an error.
void execute(const QString& path, const QByteArray& sql);
// Builds a database file from an SQL script file.
void buildDatabase(const QString& path, const QString& script);
// A house file as the program makes one: the template's script, then the answers' script.
void buildHouseFile(const QString& path, const QString& answersScript);

// The first column of a query's rows, read from a database file (empty when it cannot be read).
QList<QVariant> column(const QString& path, const QString& sql);
// A field of the [HouseData] row as the file on disk holds it (invalid when there is none).
QVariant houseField(const QString& path, const QString& field);

// Copies the control database, the template and the build tree's mark from the program folder
// into a folder, which then is a program folder as the build lays it out.
void copyDataFiles(const QString& folder);

} // namespace testsupport
