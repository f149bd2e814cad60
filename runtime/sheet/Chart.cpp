#include "runtime/sheet/Chart.h"

#include "runtime/sheet/Collection.h"
#include "runtime/sheet/Worksheet.h"
#include "runtime/vb/VbError.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace sheet
{

namespace
{

// Bounds in points: a chart as large as 22 inches, placed anywhere on the first few hundred
// rows and columns.
constexpr double MaxSize = 1584;
constexpr double MaxOffset = 100000;

} // namespace

EmbeddedChart::EmbeddedChart(QObject* parent) : QObject(parent) {}

void EmbeddedChart::SetSourceData(QObject* Source, int PlotBy)
{
    auto* range = qobject_cast<CellRange*>(Source);
    if (!range) throw vb::VbError::typeMismatch();
    if (PlotBy != PlotAuto && PlotBy != PlotRows && PlotBy != PlotColumns)
        objectDefinedError(u"SetSourceData"_s);
    disconnect(m_cellsConnection);
    m_source = range;
    m_plotBy = PlotBy;
    m_cellsConnection = connect(range->worksheet(), &Worksheet::cellsChanged, this, &EmbeddedChart::changed);
    Q_EMIT changed();
}

bool EmbeddedChart::seriesInRows() const
{
    if (m_plotBy != PlotAuto) return m_plotBy == PlotRows;
    return m_source && m_source->block().columns > m_source->block().rows;
}

std::vector<EmbeddedChart::Series> EmbeddedChart::series() const
{
    std::vector<Series> result;
    if (!m_source) return result;
    const CellBlock& b = m_source->block();
    const bool inRows = seriesInRows();
    const int count = inRows ? b.rows : b.columns;
    const int points = inRows ? b.columns : b.rows;
    const Worksheet* sheet = m_source->worksheet();
    for (int s = 0; s < count; ++s) {
        Series series{u"Series"_s + QString::number(s + 1), {}};
        for (int p = 0; p < points; ++p) {
            const QVariant v =
                inRows ? sheet->cell(b.row + s, b.column + p) : sheet->cell(b.row + p, b.column + s);
            bool ok = false;
            const double d = v.metaType().id() == QMetaType::QString ? 0 : v.toDouble(&ok);
            series.values.append(ok && std::isfinite(d) ? d : 0.0);
        }
        result.push_back(std::move(series));
    }
    return result;
}

QStringList EmbeddedChart::categories() const
{
    QStringList names;
    if (!m_source) return names;
    const int points = seriesInRows() ? m_source->block().columns : m_source->block().rows;
    for (int p = 1; p <= points; ++p)
        names.append(QString::number(p));
    return names;
}

ChartObject::ChartObject(const QString& name, const QRectF& points, QObject* parent)
    : QObject(parent), m_name(name), m_points(points), m_chart(new EmbeddedChart(this))
{
}

ChartObjectCollection::ChartObjectCollection(Worksheet* sheet) : QObject(sheet) {}

QObject* ChartObjectCollection::Add(double Left, double Top, double Width, double Height)
{
    const auto inside = [](double v, double low, double high) {
        return std::isfinite(v) && v >= low && v <= high;
    };
    if (!inside(Left, 0, MaxOffset) || !inside(Top, 0, MaxOffset) || !inside(Width, 1, MaxSize) ||
        !inside(Height, 1, MaxSize))
        objectDefinedError(u"Add"_s);
    auto* chart =
        new ChartObject(u"Chart "_s + QString::number(++m_named), QRectF(Left, Top, Width, Height), this);
    m_items.append(chart);
    Q_EMIT added(chart);
    return chart;
}

QObject* ChartObjectCollection::Item(const QVariant& Index) const
{
    return itemOf(m_items, Index);
}

} // namespace sheet
