#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

namespace sheet
{

class CellRange;
class Worksheet;

// The chart of a chart object: a column chart of the cells set as its source.
class EmbeddedChart : public QObject
{
    Q_OBJECT

public:
    // PlotBy: series in rows (1) or in columns (2); 0 lets the block's shape decide.
    enum PlotBy { PlotAuto = 0, PlotRows = 1, PlotColumns = 2 };

    struct Series {
        QString name;
        QList<double> values;
    };

    explicit EmbeddedChart(QObject* parent);

    // Source must be a range; a block wider than it is tall gives a series per row.
    Q_INVOKABLE void SetSourceData(QObject* Source, int PlotBy = PlotAuto);

    // What the chart draws, read from the source cells now (a cell that is no number counts 0).
    std::vector<Series> series() const;
    QStringList categories() const;
    bool seriesInRows() const;

Q_SIGNALS:
    void changed();

private:
    QPointer<CellRange> m_source;
    int m_plotBy = PlotAuto;
    QMetaObject::Connection m_cellsConnection;
};

// A chart placed on the worksheet; position and size in points.
class ChartObject : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject* Chart READ Chart CONSTANT)
    Q_PROPERTY(QString Name READ Name CONSTANT)
    Q_PROPERTY(double Left READ Left CONSTANT)
    Q_PROPERTY(double Top READ Top CONSTANT)
    Q_PROPERTY(double Width READ Width CONSTANT)
    Q_PROPERTY(double Height READ Height CONSTANT)

public:
    ChartObject(const QString& name, const QRectF& points, QObject* parent);

    QObject* Chart() const { return m_chart; }
    EmbeddedChart* chart() const { return m_chart; }
    QString Name() const { return m_name; }
    double Left() const { return m_points.left(); }
    double Top() const { return m_points.top(); }
    double Width() const { return m_points.width(); }
    double Height() const { return m_points.height(); }
    QRectF points() const { return m_points; }

private:
    QString m_name;
    QRectF m_points;
    EmbeddedChart* m_chart;
};

class ChartObjectCollection : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Count READ Count)

public:
    explicit ChartObjectCollection(Worksheet* sheet);

    // A new chart at Left, Top with Width and Height, all in points.
    Q_INVOKABLE QObject* Add(double Left, double Top, double Width, double Height);
    Q_INVOKABLE QObject* Item(const QVariant& Index) const;
    int Count() const { return static_cast<int>(m_items.size()); }

    const QList<ChartObject*>& items() const { return m_items; }

Q_SIGNALS:
    void added(sheet::ChartObject* chart);

private:
    QList<ChartObject*> m_items;
    int m_named = 0;
};

} // namespace sheet
