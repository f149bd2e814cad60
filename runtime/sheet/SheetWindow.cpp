#include "runtime/sheet/SheetWindow.h"

#include "runtime/sheet/Application.h"
#include "runtime/sheet/Chart.h"
#include "runtime/sheet/ChartLibrary.h"
#include "runtime/sheet/Workbook.h"
#include "runtime/sheet/Worksheet.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLibrary>
#include <QScrollBar>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace sheet
{

namespace
{

// Cell sizes and the window's first size, in points.
constexpr double ColumnWidth = 48;
constexpr double RowHeight = 15;
constexpr double WindowWidth = 560;
constexpr double WindowHeight = 340;
// The grid always shows at least this much of the sheet.
constexpr int ShownRows = 100;
constexpr int ShownColumns = 26;

QString cellText(const QVariant& v)
{
    switch (v.metaType().id()) {
    case QMetaType::Float:
        return QString::number(double(v.toFloat()), 'g', 7);
    case QMetaType::Double:
        return QString::number(v.toDouble(), 'g', 15);
    case QMetaType::Bool:
        return v.toBool() ? u"TRUE"_s : u"FALSE"_s;
    default:
        return v.toString();
    }
}

bool isNumber(const QVariant& v)
{
    const int id = v.metaType().id();
    return id != QMetaType::QString && id != QMetaType::Bool && v.canConvert<double>() && v.isValid();
}

struct ChartEntries {
    MakeChartViewFn make = nullptr;
    DrawChartFn draw = nullptr;
};

// Loaded once, with the first chart shown: start-up never needs Qt Charts.
const ChartEntries& chartEntries()
{
    static const ChartEntries entries = [] {
        ChartEntries found;
        QLibrary library(QCoreApplication::applicationDirPath() + u'/' + QLatin1StringView(ChartLibraryName));
        if (library.load()) {
            found.make = reinterpret_cast<MakeChartViewFn>(library.resolve(MakeChartViewEntry));
            found.draw = reinterpret_cast<DrawChartFn>(library.resolve(DrawChartEntry));
        }
        if (!found.make || !found.draw) {
            qWarning("The chart library could not be loaded: %s", qPrintable(library.errorString()));
            found = {};
        }
        return found;
    }();
    return entries;
}

void drawChart(QWidget* view, const EmbeddedChart* chart)
{
    if (chartEntries().draw) chartEntries().draw(view, chart->categories(), chart->series());
}

} // namespace

// The worksheet's cells for the grid.
class SheetModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setSheet(Worksheet* sheet)
    {
        beginResetModel();
        if (m_sheet) disconnect(m_sheet, nullptr, this, nullptr);
        m_sheet = sheet;
        if (m_sheet) connect(m_sheet, &Worksheet::cellsChanged, this, &SheetModel::refresh);
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : std::max(ShownRows, m_sheet ? m_sheet->usedRows() : 0);
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : std::max(ShownColumns, m_sheet ? m_sheet->usedColumns() : 0);
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!m_sheet || !index.isValid()) return {};
        const QVariant v = m_sheet->cell(index.row() + 1, index.column() + 1);
        if (role == Qt::DisplayRole) return cellText(v);
        if (role == Qt::TextAlignmentRole)
            return int((isNumber(v) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role == Qt::DisplayRole)
            return orientation == Qt::Horizontal ? columnName(section + 1) : QString::number(section + 1);
        if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
        return {};
    }

private:
    void refresh()
    {
        beginResetModel();
        endResetModel();
    }

    QPointer<Worksheet> m_sheet;
};

SheetWindow::SheetWindow(Application* app)
    : QWidget(nullptr, Qt::Window), m_app(app), m_grid(new QTableView(this)), m_model(new SheetModel(this)),
      m_tabs(new QTabBar(this))
{
    setObjectName(u"SheetWindow"_s);
    setAttribute(Qt::WA_DeleteOnClose);

    m_grid->setObjectName(u"grid"_s);
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setCornerButtonEnabled(false);
    m_grid->setStyleSheet(u"QTableView { gridline-color: #d4d4d4; background: white; }"_s);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_tabs->setObjectName(u"sheetTabs"_s);
    m_tabs->setShape(QTabBar::RoundedSouth);
    m_tabs->setDrawBase(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_grid, 1);
    auto* tabRow = new QHBoxLayout;
    tabRow->setContentsMargins(4, 0, 4, 2);
    tabRow->addWidget(m_tabs);
    tabRow->addStretch(1);
    layout->addLayout(tabRow);

    connect(m_grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, &SheetWindow::placeCharts);
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, this, &SheetWindow::placeCharts);
    connect(m_app->workbooks(), &WorkbookCollection::added, this, &SheetWindow::showNewestBook);

    sizeCells();
    resize(qRound(pixels(WindowWidth)), qRound(pixels(WindowHeight)));
    showNewestBook();
}

SheetWindow::~SheetWindow() = default;

double SheetWindow::pixels(double points) const
{
    return points * logicalDpiY() / 72.0;
}

std::vector<QWidget*> SheetWindow::chartViews() const
{
    std::vector<QWidget*> views;
    for (const Placed& p : m_charts)
        views.push_back(p.view);
    return views;
}

void SheetWindow::showNewestBook()
{
    const Workbook* book = m_app->workbooks()->last();
    setWindowTitle((book ? book->Name() + u" - "_s : QString()) + u"Spreadsheet"_s);
    setSheet(book ? book->worksheets()->first() : nullptr);
}

void SheetWindow::setSheet(Worksheet* sheet)
{
    if (sheet == m_sheet && sheet) return;
    for (const Placed& p : m_charts)
        delete p.view;
    m_charts.clear();
    if (m_sheet) disconnect(m_sheet->chartObjects(), nullptr, this, nullptr);

    m_sheet = sheet;
    m_model->setSheet(sheet);
    while (m_tabs->count() > 0)
        m_tabs->removeTab(0);
    m_grid->setEnabled(sheet != nullptr);
    if (!sheet) return;
    m_tabs->addTab(sheet->Name());
    connect(sheet->chartObjects(), &ChartObjectCollection::added, this, &SheetWindow::addChart);
    for (ChartObject* chart : sheet->chartObjects()->items())
        addChart(chart);
}

void SheetWindow::addChart(ChartObject* chart)
{
    // Without the chart library the chart's place shows as an empty frame.
    QWidget* view = chartEntries().make ? chartEntries().make(m_grid->viewport()) : nullptr;
    if (!view) {
        auto* frame = new QFrame(m_grid->viewport());
        frame->setFrameShape(QFrame::Box);
        view = frame;
    }
    view->setObjectName(chart->Name());
    EmbeddedChart* source = chart->chart();
    connect(source, &EmbeddedChart::changed, view, [view, source] { drawChart(view, source); });
    drawChart(view, source);
    m_charts.push_back({chart, view});
    placeCharts();
    view->show();
}

void SheetWindow::placeCharts()
{
    // Cell A1's corner in the viewport, which moves as the grid scrolls.
    const QPoint origin(m_grid->columnViewportPosition(0), m_grid->rowViewportPosition(0));
    for (const Placed& p : m_charts) {
        if (!p.chart) continue;
        const QRectF r = p.chart->points();
        const QRect px(QPoint(qRound(pixels(r.left())), qRound(pixels(r.top()))),
                       QSize(qRound(pixels(r.width())), qRound(pixels(r.height()))));
        p.view->setGeometry(px.translated(origin));
    }
}

void SheetWindow::sizeCells()
{
    m_grid->horizontalHeader()->setDefaultSectionSize(qRound(pixels(ColumnWidth)));
    m_grid->verticalHeader()->setDefaultSectionSize(qRound(pixels(RowHeight)));
    m_grid->verticalHeader()->setMinimumSectionSize(1);
}

} // namespace sheet
