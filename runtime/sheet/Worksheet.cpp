#include "runtime/sheet/Worksheet.h"

#include "runtime/sheet/Chart.h"
#include "runtime/sheet/Collection.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace sheet
{

namespace
{

// Reading or writing more cells at once than this is refused rather than run out of memory.
constexpr int MaxBlockCells = 1 << 20;

std::optional<std::pair<int, int>> parseCell(const QString& text)
{
    static const QRegularExpression cellPattern(u"^\\$?([A-Za-z]{1,3})\\$?([0-9]{1,7})$"_s);
    const QRegularExpressionMatch m = cellPattern.match(text);
    if (!m.hasMatch()) return std::nullopt;
    int column = 0;
    for (const QChar c : m.captured(1).toUpper())
        column = column * 26 + (c.unicode() - u'A' + 1);
    const int row = m.captured(2).toInt();
    if (row < 1 || row > MaxRows || column > MaxColumns) return std::nullopt;
    return std::pair(row, column);
}

} // namespace

std::optional<CellBlock> parseAddress(const QString& address)
{
    const QStringList parts = address.trimmed().split(u':');
    if (parts.size() > 2) return std::nullopt;
    const auto first = parseCell(parts.front());
    const auto last = parseCell(parts.back());
    if (!first || !last) return std::nullopt;
    const int top = std::min(first->first, last->first);
    const int left = std::min(first->second, last->second);
    return CellBlock{top, left, std::max(first->first, last->first) - top + 1,
                     std::max(first->second, last->second) - left + 1};
}

QString columnName(int column)
{
    QString name;
    for (; column > 0; column = (column - 1) / 26)
        name.prepend(QChar(u'A' + (column - 1) % 26));
    return name;
}

CellRange::CellRange(Worksheet* sheet, const CellBlock& block) : QObject(sheet), m_block(block) {}

Worksheet* CellRange::worksheet() const
{
    return static_cast<Worksheet*>(parent());
}

QVariant CellRange::Value() const
{
    const Worksheet* sheet = worksheet();
    if (Count() > MaxBlockCells) objectDefinedError(u"Value"_s);
    if (Count() == 1) return sheet->cell(m_block.row, m_block.column);
    QVariantList rows;
    for (int r = m_block.row; r <= m_block.lastRow(); ++r) {
        QVariantList row;
        for (int c = m_block.column; c <= m_block.lastColumn(); ++c)
            row.append(sheet->cell(r, c));
        rows.append(QVariant(row));
    }
    return rows;
}

void CellRange::setValue(const QVariant& value)
{
    Worksheet* sheet = worksheet();
    if (Count() > MaxBlockCells) objectDefinedError(u"Value"_s);
    const bool isArray = value.metaType().id() == QMetaType::QVariantList;
    const QVariantList rows = isArray ? value.toList() : QVariantList();
    // A flat list is one row.
    const bool flat = !rows.isEmpty() && rows.front().metaType().id() != QMetaType::QVariantList;
    const QVariant missing(u"#N/A"_s);
    for (int r = 0; r < m_block.rows; ++r) {
        const QVariantList row = flat ? (r == 0 ? rows : QVariantList()) : rows.value(r).toList();
        for (int c = 0; c < m_block.columns; ++c) {
            const QVariant v = !isArray ? value : c < row.size() ? row[c] : missing;
            sheet->setCell(m_block.row + r, m_block.column + c, v);
        }
    }
    sheet->notifyCellsChanged();
}

QString CellRange::Address() const
{
    const QString first = u"$"_s + columnName(m_block.column) + u"$"_s + QString::number(m_block.row);
    if (Count() == 1) return first;
    return first + u":$"_s + columnName(m_block.lastColumn()) + u"$"_s + QString::number(m_block.lastRow());
}

QObject* CellRange::Resize(int rowSize, int columnSize)
{
    if (rowSize < 1 || columnSize < 1 || rowSize > MaxRows - m_block.row + 1 ||
        columnSize > MaxColumns - m_block.column + 1)
        objectDefinedError(u"Resize"_s);
    return worksheet()->range(CellBlock{m_block.row, m_block.column, rowSize, columnSize});
}

Worksheet::Worksheet(const QString& name, QObject* parent)
    : QObject(parent), m_name(name), m_chartObjects(new ChartObjectCollection(this))
{
}

QObject* Worksheet::Range(const QString& address)
{
    const std::optional<CellBlock> block = parseAddress(address);
    if (!block) objectDefinedError(u"Range"_s);
    return range(*block);
}

QObject* Worksheet::ChartObjects()
{
    return m_chartObjects;
}

CellRange* Worksheet::range(const CellBlock& block)
{
    CellRange*& r = m_ranges[block.key()];
    if (!r) r = new CellRange(this, block);
    return r;
}

QVariant Worksheet::cell(int row, int column) const
{
    const auto it = m_cells.find({row, column});
    return it == m_cells.end() ? QVariant() : it->second;
}

void Worksheet::setCell(int row, int column, const QVariant& value)
{
    if (value.isValid())
        m_cells[{row, column}] = value;
    else
        m_cells.erase({row, column});
}

int Worksheet::usedRows() const
{
    return m_cells.empty() ? 0 : m_cells.rbegin()->first.first;
}

int Worksheet::usedColumns() const
{
    int columns = 0;
    for (const auto& [at, value] : m_cells)
        columns = std::max(columns, at.second);
    return columns;
}

} // namespace sheet
