#include "runtime/com/ComponentRegistry.h"
#include "runtime/com/LateBound.h"
#include "runtime/sheet/SheetWindow.h"
#include "runtime/sheet/Spreadsheet.h"
#include "runtime/sheet/Worksheet.h"
#include "runtime/vb/VbError.h"
#include "shell/basGlobalVariables.h"
#include "shell/frmMain.h"
#include "tests/support/SheetWindows.h"

#include <QApplication>
#include <QPointer>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChartView>

#include <cmath>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

struct frmMainTestAccess {
    static void ShowSpreadsheetChart(frmMain& window) { window.ShowSpreadsheetChart(); }
};

namespace
{

QString describe(const QVariant& v)
{
    if (v.metaType().flags().testFlag(QMetaType::PointerToQObject)) return u"object"_s;
    if (v.metaType().id() == QMetaType::QVariantList) {
        const QVariantList list = v.toList();
        return u"array("_s + QString::number(list.size()) + u"x"_s +
               QString::number(list.value(0).toList().size()) + u")"_s;
    }
    return v.toString();
}

// Stands in for every object of the spreadsheet at once and writes down each member it is asked
// for, with its arguments.
class RecordingServer : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject* Workbooks READ Workbooks)
    Q_PROPERTY(QObject* Worksheets READ Worksheets)
    Q_PROPERTY(QObject* Chart READ Chart)
    Q_PROPERTY(QVariant Value READ Value WRITE setValue)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(bool UserControl READ UserControl WRITE setUserControl)

public:
    explicit RecordingServer(QStringList* log) : m_log(log) {}

    QObject* Workbooks() { return record(u"Workbooks"_s); }
    QObject* Worksheets() { return record(u"Worksheets"_s); }
    QObject* Chart() { return record(u"Chart"_s); }
    QVariant Value() const { return value; }
    void setValue(const QVariant& v)
    {
        value = v;
        record(u"Value="_s + describe(v));
    }
    bool Visible() const { return false; }
    void setVisible(bool v) { record(u"Visible="_s + describe(v)); }
    bool UserControl() const { return false; }
    void setUserControl(bool v) { record(u"UserControl="_s + describe(v)); }

    Q_INVOKABLE QObject* Add() { return record(u"Add()"_s); }
    Q_INVOKABLE QObject* Item(const QVariant& Index) { return record(u"Item("_s + describe(Index) + u")"_s); }
    Q_INVOKABLE QObject* Range(const QVariant& Cell1)
    {
        return record(u"Range("_s + describe(Cell1) + u")"_s);
    }
    Q_INVOKABLE QObject* Resize(const QVariant& RowSize, const QVariant& ColumnSize)
    {
        return record(u"Resize("_s + describe(RowSize) + u","_s + describe(ColumnSize) + u")"_s);
    }
    Q_INVOKABLE QObject* ChartObjects() { return record(u"ChartObjects"_s); }
    Q_INVOKABLE QObject* Add(const QVariant& Left, const QVariant& Top, const QVariant& Width,
                             const QVariant& Height)
    {
        return record(
            u"Add("_s +
            QStringList{describe(Left), describe(Top), describe(Width), describe(Height)}.join(u',') +
            u")"_s);
    }
    Q_INVOKABLE void SetSourceData(const QVariant& Source, const QVariant& PlotBy)
    {
        record(u"SetSourceData(Source:="_s + describe(Source) + u",PlotBy:="_s + describe(PlotBy) + u")"_s);
    }
    Q_INVOKABLE void SetSourceData(const QVariant& Source)
    {
        record(u"SetSourceData(Source:="_s + describe(Source) + u")"_s);
    }

    QVariant value;

private:
    QObject* record(const QString& call)
    {
        m_log->append(call);
        return this;
    }

    QStringList* m_log;
};

class SpreadsheetChart : public testing::Test
{
protected:
    void SetUp() override
    {
        window = new frmMain;
        g_frmMain = window;
    }
    void TearDown() override
    {
        com::ComponentRegistry::instance().unregisterClass(sheet::progId());
        for (sheet::SheetWindow* w : sheetWindows())
            w->close();
        delete window;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    frmMain* window = nullptr;
};

TEST_F(SpreadsheetChart, FillsTheBlockChartsItAndLeavesTheWindowOpen)
{
    sheet::registerSpreadsheet(com::ComponentRegistry::instance());
    frmMainTestAccess::ShowSpreadsheetChart(*window);

    const std::vector<sheet::SheetWindow*> windows = sheetWindows();
    ASSERT_EQ(windows.size(), 1u);
    sheet::SheetWindow* shown = windows.front();
    EXPECT_FALSE(shown->parentWidget()) << "not owned by the main window";
    EXPECT_FALSE(shown->isModal());

    const sheet::Worksheet* ws = shown->worksheet();
    ASSERT_NE(ws, nullptr);
    EXPECT_EQ(ws->usedRows(), 2);
    EXPECT_EQ(ws->usedColumns(), 10);
    QList<double> rows[2];
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 10; ++c) {
            const QVariant v = ws->cell(r, c);
            EXPECT_EQ(v.metaType().id(), QMetaType::Float) << r << "," << c;
            const float f = v.toFloat();
            EXPECT_TRUE(f >= 1 && f <= 50 && f == std::floor(f)) << f;
            rows[r - 1].append(f);
        }
    }

    QObject* charts = ws->chartObjects();
    ASSERT_EQ(com::getProperty(charts, u"Count"_s).toInt(), 1);
    QObject* placed = com::callObject(charts, u"Item"_s, {1});
    EXPECT_EQ(QRectF(com::getProperty(placed, u"Left"_s).toDouble(),
                     com::getProperty(placed, u"Top"_s).toDouble(),
                     com::getProperty(placed, u"Width"_s).toDouble(),
                     com::getProperty(placed, u"Height"_s).toDouble()),
              QRectF(50, 40, 300, 200));
    ASSERT_EQ(shown->chartViews().size(), 1u);
    auto* view = qobject_cast<QChartView*>(shown->chartViews().front());
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    ASSERT_EQ(view->chart()->series().size(), 1);
    auto* bars = qobject_cast<QBarSeries*>(view->chart()->series().front());
    ASSERT_NE(bars, nullptr);
    ASSERT_EQ(bars->count(), 2);
    for (int r = 0; r < 2; ++r) {
        QList<double> drawn;
        for (int c = 0; c < bars->barSets()[r]->count(); ++c)
            drawn.append(bars->barSets()[r]->at(c));
        EXPECT_EQ(drawn, rows[r]) << "row " << r + 1;
    }

    shown->close();
    EXPECT_TRUE(sheetWindows().empty());
}

TEST_F(SpreadsheetChart, CallsTheMembersByNameInOrder)
{
    QStringList log;
    QPointer<RecordingServer> server;
    com::ComponentRegistry::instance().registerObjectClass(sheet::progId(), [&] {
        server = new RecordingServer(&log);
        return std::shared_ptr<QObject>(server.data(), [&log](QObject* o) {
            log.append(u"Release"_s);
            delete o;
        });
    });
    frmMainTestAccess::ShowSpreadsheetChart(*window);
    const QStringList expected = {
        u"Workbooks"_s,
        u"Add()"_s,
        u"Worksheets"_s,
        u"Item(1)"_s,
        u"Range(A1)"_s,
        u"Resize(2,10)"_s,
        u"Value=array(2x10)"_s,
        u"ChartObjects"_s,
        u"Add(50,40,300,200)"_s,
        u"Chart"_s,
        u"Range(A1)"_s,
        u"Resize(2,10)"_s,
        u"SetSourceData(Source:=object)"_s,
        u"Visible=true"_s,
        u"UserControl=true"_s,
        u"Release"_s,
    };
    EXPECT_EQ(log, expected);
}

TEST_F(SpreadsheetChart, AFailureReachesTheCaller)
{
    com::ComponentRegistry::instance().unregisterClass(sheet::progId());
    try {
        frmMainTestAccess::ShowSpreadsheetChart(*window);
        FAIL() << "no error";
    } catch (const vb::VbError& e) {
        EXPECT_EQ(e.number(), 429);
    }
    EXPECT_TRUE(sheetWindows().empty());
}

} // namespace

#include "SpreadsheetChartTest.moc"
