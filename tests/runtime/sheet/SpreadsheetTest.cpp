#include "runtime/sheet/Spreadsheet.h"
#include "runtime/com/ComponentRegistry.h"
#include "runtime/com/LateBound.h"
#include "runtime/sheet/Chart.h"
#include "runtime/sheet/SheetWindow.h"
#include "runtime/sheet/Worksheet.h"
#include "runtime/vb/VbError.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/SheetWindows.h"

#include <QApplication>
#include <QPointer>
#include <QScrollBar>
#include <QTableView>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChartView>

#include <functional>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

QVariantList rowsOf(std::initializer_list<std::initializer_list<double>> rows)
{
    QVariantList list;
    for (const auto& row : rows) {
        QVariantList r;
        for (double v : row)
            r.append(v);
        list.append(QVariant(r));
    }
    return list;
}

class Spreadsheet : public testing::Test
{
protected:
    void SetUp() override
    {
        sheet::registerSpreadsheet(registry);
        app = registry.createObject(u"excel.Application"_s);
        book = com::callObject(com::getObject(app.get(), u"Workbooks"_s), u"Add"_s);
        ws = com::callObject(com::getObject(book, u"Worksheets"_s), u"Item"_s, {1});
    }
    void TearDown() override
    {
        app.reset();
        for (sheet::SheetWindow* w : sheetWindows())
            w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QObject* range(const QString& address) { return com::callObject(ws, u"Range"_s, {address}); }

    com::ComponentRegistry registry;
    std::shared_ptr<QObject> app;
    QObject* book = nullptr;
    QObject* ws = nullptr;
};

TEST_F(Spreadsheet, BlockAndChartStayInTheUsersHandsUntilTheWindowCloses)
{
    EXPECT_EQ(com::getProperty(book, u"Name"_s).toString(), u"Book1"_s);
    EXPECT_EQ(com::getProperty(ws, u"Name"_s).toString(), u"Sheet1"_s);
    QObject* block = com::callObject(range(u"a1"_s), u"Resize"_s, {2, 10});
    EXPECT_EQ(com::getProperty(block, u"Address"_s).toString(), u"$A$1:$J$2"_s);
    EXPECT_EQ(range(u"A1:J2"_s), block) << "one object per block";

    const QVariantList values =
        rowsOf({{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {11, 12, 13, 14, 15, 16, 17, 18, 19, 20}});
    com::setProperty(block, u"Value"_s, values);
    EXPECT_EQ(com::getProperty(range(u"J2"_s), u"Value"_s).toDouble(), 20.0);
    EXPECT_EQ(com::getProperty(block, u"Value"_s).toList(), values);

    QObject* chartObjects = com::callObject(ws, u"ChartObjects"_s);
    QObject* placed = com::callObject(chartObjects, u"Add"_s, {50, 40, 300, 200});
    EXPECT_EQ(com::getProperty(chartObjects, u"Count"_s).toInt(), 1);
    QObject* chart = com::getObject(placed, u"Chart"_s);
    com::callMethod(chart, u"SetSourceData"_s, {}, {{u"Source"_s, QVariant::fromValue(block)}});
    com::setProperty(app.get(), u"Visible"_s, true);
    com::setProperty(app.get(), u"UserControl"_s, true);

    const QPointer<QObject> running = app.get();
    app.reset();
    ASSERT_TRUE(running);
    const std::vector<sheet::SheetWindow*> windows = sheetWindows();
    ASSERT_EQ(windows.size(), 1u);
    sheet::SheetWindow* window = windows.front();
    EXPECT_FALSE(window->parentWidget());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), u"Book1 - Spreadsheet"_s);

    const QAbstractItemModel* cells = window->grid()->model();
    EXPECT_EQ(cells->headerData(9, Qt::Horizontal).toString(), u"J"_s);
    EXPECT_EQ(cells->index(0, 0).data().toString(), u"1"_s);
    EXPECT_EQ(cells->index(1, 9).data().toString(), u"20"_s);
    EXPECT_EQ(cells->index(2, 0).data().toString(), QString());

    ASSERT_EQ(window->chartViews().size(), 1u);
    auto* view = qobject_cast<QChartView*>(window->chartViews().front());
    ASSERT_NE(view, nullptr);
    const double perPoint = window->logicalDpiY() / 72.0;
    const QPoint a1(window->grid()->columnViewportPosition(0), window->grid()->rowViewportPosition(0));
    EXPECT_EQ(view->geometry(), QRect(a1 + QPoint(qRound(50 * perPoint), qRound(40 * perPoint)),
                                      QSize(qRound(300 * perPoint), qRound(200 * perPoint))));
    // The chart moves with the cells when the grid scrolls.
    const QRect placedAt = view->geometry();
    window->grid()->verticalScrollBar()->setValue(2);
    EXPECT_EQ(view->geometry(), placedAt.translated(0, -2 * window->grid()->rowHeight(0)));
    ASSERT_EQ(view->chart()->series().size(), 1);
    auto* bars = qobject_cast<QBarSeries*>(view->chart()->series().front());
    ASSERT_NE(bars, nullptr);
    ASSERT_EQ(bars->count(), 2) << "a series per row of a wide block";
    for (int r = 0; r < 2; ++r) {
        ASSERT_EQ(bars->barSets()[r]->count(), 10);
        for (int c = 0; c < 10; ++c)
            EXPECT_EQ(bars->barSets()[r]->at(c), values[r].toList()[c].toDouble()) << r << "," << c;
    }

    window->close();
    EXPECT_TRUE(sheetWindows().empty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the application follows its window
    EXPECT_FALSE(running) << "closing the window ends the application";
}

TEST_F(Spreadsheet, LettingGoEndsAnApplicationNotInTheUsersHands)
{
    com::setProperty(app.get(), u"Visible"_s, true);
    EXPECT_TRUE(com::getProperty(app.get(), u"Visible"_s).toBool());
    QPointer<QObject> running = app.get();
    app.reset();
    EXPECT_FALSE(running);
    EXPECT_TRUE(sheetWindows().empty());

    // In the user's hands only while its window is open.
    app = registry.createObject(u"Excel.application"_s);
    com::setProperty(app.get(), u"UserControl"_s, true);
    running = app.get();
    app.reset();
    EXPECT_FALSE(running);
}

TEST_F(Spreadsheet, ErrorsOfUnknownMembersAndBadArguments)
{
    QObject* block = range(u"A1:B2"_s);
    QObject* chart = com::getObject(
        com::callObject(com::callObject(ws, u"ChartObjects"_s), u"Add"_s, {0, 0, 10, 10}), u"Chart"_s);
    struct Case {
        const char* what;
        std::function<void()> call;
        int number;
    } cases[] = {
        {"unknown property", [&] { com::getProperty(app.get(), u"Workbook"_s); }, vb::ErrNoSuchMember},
        {"unknown method", [&] { com::callMethod(ws, u"Charts"_s); }, vb::ErrNoSuchMember},
        {"unknown property set", [&] { com::setProperty(block, u"Values"_s, 1); }, vb::ErrNoSuchMember},
        {"unknown named argument",
         [&] {
             com::callMethod(chart, u"SetSourceData"_s, {}, {{u"Data"_s, QVariant::fromValue(block)}});
         },
         448},
        {"source not a range",
         [&] {
             com::callMethod(chart, u"SetSourceData"_s, {}, {{u"Source"_s, QVariant::fromValue(ws)}});
         },
         vb::ErrTypeMismatch},
        {"row 0", [&] { range(u"A0"_s); }, 1004},
        {"row first", [&] { range(u"1A"_s); }, 1004},
        {"empty resize",
         [&] {
             com::callMethod(block, u"Resize"_s, {0, 1});
         },
         1004},
        {"resize past the sheet",
         [&] {
             com::callMethod(range(u"XFD1"_s), u"Resize"_s, {1, 2});
         },
         1004},
        {"whole sheet written", [&] { com::setProperty(range(u"A1:XFD1048576"_s), u"Value"_s, 1); }, 1004},
        {"no second sheet", [&] { com::callMethod(com::getObject(book, u"Worksheets"_s), u"Item"_s, {2}); },
         9},
        {"no sheet of that name",
         [&] { com::callMethod(com::getObject(book, u"Worksheets"_s), u"Item"_s, {u"Sheet2"_s}); }, 9},
        {"negative width",
         [&] {
             com::callMethod(com::callObject(ws, u"ChartObjects"_s), u"Add"_s, {0, 0, -1, 10});
         },
         1004},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errorOf(c.call), c.number) << c.what;
    EXPECT_EQ(com::callObject(com::getObject(book, u"Worksheets"_s), u"Item"_s, {u"sheet1"_s}), ws);
}

TEST(SpreadsheetAddress, CellsAndBlocks)
{
    struct Case {
        const char* text;
        std::optional<std::tuple<int, int, int, int>> block; // row, column, rows, columns
    } cases[] = {
        {"A1", std::tuple(1, 1, 1, 1)},
        {"$B$3", std::tuple(3, 2, 1, 1)},
        {"j2:a1", std::tuple(1, 1, 2, 10)},
        {"XFD1048576", std::tuple(1048576, 16384, 1, 1)},
        {"XFE1", std::nullopt},
        {"A1048577", std::nullopt},
        {"", std::nullopt},
        {"A1:B2:C3", std::nullopt},
    };
    for (const Case& c : cases) {
        const auto block = sheet::parseAddress(QString::fromLatin1(c.text));
        ASSERT_EQ(block.has_value(), c.block.has_value()) << c.text;
        if (block) {
            EXPECT_EQ(block->key(), *c.block) << c.text;
        }
    }
    EXPECT_EQ(sheet::columnName(26), u"Z"_s);
    EXPECT_EQ(sheet::columnName(27), u"AA"_s);
    EXPECT_EQ(sheet::columnName(16384), u"XFD"_s);
}

TEST_F(Spreadsheet, ValuesShorterThanTheBlockAndTallBlocks)
{
    QObject* block = range(u"A1:C3"_s);
    com::setProperty(block, u"Value"_s, 7);
    EXPECT_EQ(com::getProperty(range(u"C3"_s), u"Value"_s).toInt(), 7);
    com::setProperty(block, u"Value"_s, rowsOf({{1, 2}}));
    const QVariantList read = com::getProperty(block, u"Value"_s).toList();
    EXPECT_EQ(read[0].toList()[1].toDouble(), 2.0);
    EXPECT_EQ(read[0].toList()[2].toString(), u"#N/A"_s);
    EXPECT_EQ(read[2].toList()[0].toString(), u"#N/A"_s);
    com::setProperty(range(u"A1:C1"_s), u"Value"_s, QVariantList{4, 5, 6});
    EXPECT_EQ(com::getProperty(range(u"C1"_s), u"Value"_s).toInt(), 6) << "a flat list is one row";

    // A block taller than wide: a series per column; text counts 0.
    QObject* tall = range(u"A1:B4"_s);
    com::setProperty(tall, u"Value"_s, rowsOf({{1, 5}, {2, 6}, {3, 7}, {4, 8}}));
    com::setProperty(range(u"B4"_s), u"Value"_s, u"n/a"_s);
    auto* chart = static_cast<sheet::EmbeddedChart*>(com::getObject(
        com::callObject(com::callObject(ws, u"ChartObjects"_s), u"Add"_s, {0, 0, 100, 100}), u"Chart"_s));
    com::callMethod(chart, u"SetSourceData"_s, {QVariant::fromValue(tall)});
    const auto series = chart->series();
    ASSERT_EQ(series.size(), 2u);
    EXPECT_EQ(series[0].values, (QList<double>{1, 2, 3, 4}));
    EXPECT_EQ(series[1].values, (QList<double>{5, 6, 7, 0}));
    com::callMethod(chart, u"SetSourceData"_s, {QVariant::fromValue(tall), 1});
    EXPECT_EQ(chart->series().size(), 4u) << "PlotBy rows";
}

} // namespace
