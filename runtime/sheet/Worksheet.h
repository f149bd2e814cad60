#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include <map>
#include <optional>
#include <tuple>
#include <utility>

namespace sheet
{

class ChartObjectCollection;
class Worksheet;

// A rectangular block of cells, 1-based.
struct CellBlock {
    int row = 1;
    int column = 1;
    int rows = 1;
    int columns = 1;

    int lastRow() const { return row + rows - 1; }
    int lastColumn() const { return column + columns - 1; }
    auto key() const { return std::tuple(row, column, rows, columns); }
};

// The largest sheet: 1048576 rows, 16384 columns (A to XFD).
constexpr int MaxRows = 1048576;
constexpr int MaxColumns = 16384;

// "A1", "$B$3", "a1:j2" -> the block; nullopt for anything else.
std::optional<CellBlock> parseAddress(const QString& address);
// 1 -> "A", 27 -> "AA".
QString columnName(int column);

// A block of cells of one worksheet, reached by Range and Resize.
class CellRange : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariant Value READ Value WRITE setValue)
    Q_PROPERTY(QString Address READ Address CONSTANT)
    Q_PROPERTY(int Row READ Row CONSTANT)
    Q_PROPERTY(int Column READ Column CONSTANT)
    Q_PROPERTY(qlonglong Count READ Count CONSTANT)

public:
    CellRange(Worksheet* sheet, const CellBlock& block);

    // One cell: its value. A block: a list of rows, each a list of values.
    QVariant Value() const;
    // A list of rows fills the block from its top-left; cells beyond the list get "#N/A". Any other
    // value goes into every cell.
    void setValue(const QVariant& value);
    QString Address() const; // "$A$1:$J$2"
    int Row() const { return m_block.row; }
    int Column() const { return m_block.column; }
    qlonglong Count() const { return qlonglong(m_block.rows) * m_block.columns; }

    // The block of rowSize rows and columnSize columns that starts at this block's top-left cell.
    Q_INVOKABLE QObject* Resize(int rowSize, int columnSize);

    Worksheet* worksheet() const;
    const CellBlock& block() const { return m_block; }

private:
    CellBlock m_block;
};

class Worksheet : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name CONSTANT)

public:
    Worksheet(const QString& name, QObject* parent);

    QString Name() const { return m_name; }
    // "A1" or "A1:J2"; Throws VbError 1004 for anything else.
    Q_INVOKABLE QObject* Range(const QString& address);
    Q_INVOKABLE QObject* ChartObjects();

    // The same block always gives the same range object.
    CellRange* range(const CellBlock& block);
    ChartObjectCollection* chartObjects() const { return m_chartObjects; }

    QVariant cell(int row, int column) const;
    void setCell(int row, int column, const QVariant& value);
    int usedRows() const;
    int usedColumns() const;
    // One notification per write to a block.
    void notifyCellsChanged() { Q_EMIT cellsChanged(); }

Q_SIGNALS:
    void cellsChanged();

private:
    QString m_name;
    std::map<std::pair<int, int>, QVariant> m_cells; // (row, column)
    std::map<std::tuple<int, int, int, int>, CellRange*> m_ranges;
    ChartObjectCollection* m_chartObjects = nullptr;
};

} // namespace sheet
