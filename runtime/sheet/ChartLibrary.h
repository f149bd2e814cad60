#pragma once

#include "runtime/sheet/Chart.h"

#include <QStringList>

#include <vector>

class QWidget;

namespace sheet
{

// The chart views come from a library of their own beside the program, so that Qt Charts is
// loaded with the first chart a sheet shows rather than at every start of the program.
inline constexpr char ChartLibraryName[] = "libtavimoorChart.so";

// Its entry points, exported as extern "C": a chart view parented to parent, and the view drawn
// again from the chart's categories and series.
using MakeChartViewFn = QWidget* (*)(QWidget* parent);
using DrawChartFn = void (*)(QWidget* view, const QStringList& categories,
                             const std::vector<EmbeddedChart::Series>& series);
inline constexpr char MakeChartViewEntry[] = "tavimoorMakeChartView";
inline constexpr char DrawChartEntry[] = "tavimoorDrawChart";

} // namespace sheet
