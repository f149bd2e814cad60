// The chart library: Qt Charts views for the spreadsheet's embedded charts.
#include "runtime/sheet/ChartLibrary.h"

#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QValueAxis>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

extern "C" Q_DECL_EXPORT QWidget* tavimoorMakeChartView(QWidget* parent)
{
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setFrameShape(QFrame::Box);
    view->setStyleSheet(u"QChartView { border: 1px solid #a0a0a0; background: white; }"_s);
    return view;
}

extern "C" Q_DECL_EXPORT void tavimoorDrawChart(QWidget* widget, const QStringList& categories,
                                                const std::vector<sheet::EmbeddedChart::Series>& series)
{
    auto* chartView = qobject_cast<QChartView*>(widget);
    if (!chartView) return;
    QChart* view = chartView->chart();
    view->removeAllSeries();
    const QList<QAbstractAxis*> axes = view->axes();
    for (QAbstractAxis* axis : axes) {
        view->removeAxis(axis);
        delete axis;
    }
    if (series.empty()) return;

    auto* bars = new QBarSeries;
    double low = 0;
    double high = 0;
    for (const sheet::EmbeddedChart::Series& s : series) {
        auto* set = new QBarSet(s.name);
        set->append(s.values);
        bars->append(set);
        for (double v : s.values) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    }
    view->addSeries(bars);
    auto* x = new QBarCategoryAxis;
    x->append(categories);
    view->addAxis(x, Qt::AlignBottom);
    bars->attachAxis(x);
    auto* y = new QValueAxis;
    y->setRange(low, high > low ? high : low + 1);
    y->applyNiceNumbers();
    y->setLabelFormat(u"%g"_s);
    view->addAxis(y, Qt::AlignLeft);
    bars->attachAxis(y);
}
