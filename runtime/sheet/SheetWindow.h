#pragma once

#include "runtime/sheet/Chart.h"
#include "runtime/sheet/Worksheet.h"

#include <QPointer>
#include <QWidget>

#include <vector>

class QTabBar;
class QTableView;

namespace sheet
{

class Application;
class SheetModel;

// The spreadsheet's own top-level window: the worksheet as a grid, its charts over the cells at
// their positions in points, and the sheet's tab. Read-only. It deletes itself when closed.
class SheetWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SheetWindow(Application* app);
    ~SheetWindow() override;

    Worksheet* worksheet() const { return m_sheet; }
    QTableView* grid() const { return m_grid; }
    // The chart views, one per chart object, in the sheet's order.
    std::vector<QWidget*> chartViews() const;
    // Points to the window's logical pixels.
    double pixels(double points) const;

private:
    void showNewestBook();
    void setSheet(Worksheet* sheet);
    void addChart(ChartObject* chart);
    void placeCharts();
    void sizeCells();

    Application* m_app;
    QPointer<Worksheet> m_sheet;
    QTableView* m_grid;
    SheetModel* m_model;
    QTabBar* m_tabs;
    struct Placed {
        QPointer<ChartObject> chart;
        QWidget* view;
    };
    std::vector<Placed> m_charts;
};

} // namespace sheet
