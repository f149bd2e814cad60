#include "estimate/clsHomeData.h"
#include "runtime/ado/Connection.h"
#include "runtime/ado/Recordset.h"
#include "runtime/com/ComponentRegistry.h"
#include "runtime/com/PropertyBag.h"
#include "runtime/forms/App.h"
#include "runtime/forms/CommonDialog.h"
#include "runtime/forms/Forms.h"
#include "runtime/forms/MsgBox.h"
#include "runtime/vb/Conversions.h"
#include "runtime/vb/Trap.h"
#include "shell/basGlobalVariables.h"
#include "shell/basHouseFiles.h"
#include "shell/basNavigation.h"

#include "pages/registerPages.h"
#include "results/registerResults.h"

#include <benchmark/benchmark.h>

#include <sqlite3.h>

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace
{

// A plain button standing in for the control library's: Click() on every click.
class BenchButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(bool ShowFocus MEMBER m_showFocus)
public:
    explicit BenchButton(QWidget* parent) : QPushButton(parent)
    {
        connect(this, &QPushButton::clicked, this, &BenchButton::Click);
    }
Q_SIGNALS:
    void Click();

private:
    bool m_showFocus = false;
};

struct Program {
    QTemporaryDir dir;
    forms::ScriptedMessageBoxes boxes;
    forms::ScriptedFileDialogs dialogs;
    QString house;
};

Program& program()
{
    static Program* p = [] {
        auto* prog = new Program;
        for (const char* file : {"HomeControl.cfg", "Tmplt.cfg"})
            QFile::copy(QStringLiteral(TAVIMOOR_BIN_DIR) + u'/' + QString::fromLatin1(file),
                        prog->dir.filePath(QString::fromLatin1(file)));
        forms::App::setPath(prog->dir.path());
        auto& registry = com::ComponentRegistry::instance();
        const QString buttonLibrary = QStringLiteral(TAVIMOOR_BIN_DIR) + u"/libombLustrel.so"_s;
        if (QFile::exists(buttonLibrary)) registry.loadLibrary(buttonLibrary);
        if (!registry.isRegistered(u"ombLustrel.Lustrel"_s))
            registry.registerClass(u"ombLustrel.Lustrel"_s,
                                   [](QWidget* parent) -> QWidget* { return new BenchButton(parent); });
        pages::registerPages();
        results::registerResults();
        prog->house = prog->dir.filePath(u"bench.tvm"_s);
        QFile::copy(prog->dir.filePath(u"Tmplt.cfg"_s), prog->house);
        QFile::setPermissions(prog->house, QFile::ReadOwner | QFile::WriteOwner);
        Main(prog->house);
        LoadForm(g_CurrentForm, vb::Integer(12));
        QCoreApplication::processEvents();
        return prog;
    }();
    return *p;
}

// Clicks a button of the control library (its Click) or a plain stand-in.
void click(QWidget* b)
{
    if (b->metaObject()->indexOfSignal("Click()") >= 0)
        QMetaObject::invokeMethod(b, "Click");
    else if (auto* push = qobject_cast<QPushButton*>(b))
        push->click();
}

// Notes the first paint of the page now shown after a move, then lets the events that the
// paint leaves behind run before the move's event loop ends.
class PaintWatch : public QObject
{
public:
    QEventLoop* loop = nullptr;
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted && loop && watched == g_CurrentForm.data()) {
            painted = true;
            QTimer::singleShot(0, loop, &QEventLoop::quit);
        }
        return false;
    }
};

QWidget* button(const QString& name)
{
    QWidget* b = g_CurrentForm ? g_CurrentForm->findChild<QWidget*>(name) : nullptr;
    return b && b->isVisibleTo(g_CurrentForm.data()) && b->isEnabled() ? b : nullptr;
}

// Runs action in an event loop that ends once the page then shown has been painted.
// Milliseconds, or a negative value when the page was never painted or, with newPage, did not
// change.
double timedUntilPainted(const std::function<void()>& action, bool newPage, PaintWatch& watch)
{
    const QPointer<QWidget> before = g_CurrentForm;
    QEventLoop loop;
    watch.loop = &loop;
    watch.painted = false;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    QTimer::singleShot(0, &loop, action);
    const auto start = std::chrono::steady_clock::now();
    timeout.start(2000);
    loop.exec();
    const auto end = std::chrono::steady_clock::now();
    watch.loop = nullptr;
    if (!watch.painted || (newPage && g_CurrentForm == before)) return -1;
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double percentile(std::vector<double> v, double p)
{
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t rank = size_t(std::ceil(p / 100.0 * double(v.size())));
    return v[std::clamp<size_t>(rank, 1, v.size()) - 1];
}

// Moves through the whole interview, Continue to the last page and Back to the first, over and
// over. Each move is timed from the click until the page it leads to has been painted, with the
// event loop running as in the program. Reports the distribution of the moves (p99 over all of
// them and the worst page's p99), and prints it page by page. The floor is a repaint of the
// page reached, timed the same way after each move.
void BM_ContinueMove(benchmark::State& state)
{
    program();
    LoadForm(g_CurrentForm, vb::Integer(1));
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    PaintWatch watch;
    qApp->installEventFilter(&watch);
    std::vector<double> all, floor;
    std::map<QString, std::vector<double>> byPage;
    bool forward = true;
    for (auto _ : state) {
        QWidget* b = button(forward ? u"cmdContinue"_s : u"cmdBack"_s);
        if (!b) {
            forward = !forward;
            b = button(forward ? u"cmdContinue"_s : u"cmdBack"_s);
        }
        const double ms = b ? timedUntilPainted([b] { click(b); }, true, watch) : -1;
        const double repaint = ms < 0 ? -1 : timedUntilPainted([] { g_CurrentForm->update(); }, false, watch);
        if (ms < 0 || repaint < 0) {
            state.SkipWithError("a move did not lead to a painted page");
            break;
        }
        state.SetIterationTime(ms / 1000.0);
        all.push_back(ms);
        floor.push_back(repaint);
        byPage[g_CurrentForm->objectName()].push_back(ms);
    }
    qApp->removeEventFilter(&watch);
    if (!program().boxes.calls().empty())
        state.SkipWithError(program().boxes.calls().back().prompt.toUtf8().constData());
    double worst = 0;
    QString worstPage;
    for (const auto& [page, times] : byPage) {
        const double p99 = percentile(times, 99);
        if (p99 > worst) {
            worst = p99;
            worstPage = page;
        }
        std::fprintf(stderr, "  %-40s moves %4zu  p50 %6.2f ms  p99 %6.2f ms\n", page.toUtf8().constData(),
                     times.size(), percentile(times, 50), p99);
    }
    std::fprintf(
        stderr,
        "  all pages: moves %zu  p50 %.2f ms  p99 %.2f ms  max %.2f ms; worst page p99 %.2f ms (%s)\n",
        all.size(), percentile(all, 50), percentile(all, 99), percentile(all, 100), worst,
        worstPage.toUtf8().constData());
    std::fprintf(stderr,
                 "  floor, a repaint of the page: p50 %.2f ms  p99 %.2f ms; moves p99 / floor p99 %.1fx\n",
                 percentile(floor, 50), percentile(floor, 99), percentile(all, 99) / percentile(floor, 99));
    state.counters["floor_p99_ms"] = percentile(floor, 99);
    state.counters["moves"] = double(all.size());
    state.counters["p50_ms"] = percentile(all, 50);
    state.counters["p99_ms"] = percentile(all, 99);
    state.counters["max_ms"] = percentile(all, 100);
    state.counters["worst_page_p99_ms"] = worst;
}
BENCHMARK(BM_ContinueMove)->Iterations(1200)->UseManualTime()->Unit(benchmark::kMillisecond);

// Saving the open named house file: the record and both page stacks.
void BM_SaveHouseFile(benchmark::State& state)
{
    program();
    int16_t bedrooms = 2;
    for (auto _ : state) {
        HomeData().setNumBedrooms(bedrooms);
        bedrooms = bedrooms == 2 ? 3 : 2;
        SaveHomeDatabaseFile(true);
    }
    if (!program().boxes.calls().empty())
        state.SkipWithError(program().boxes.calls().back().prompt.toUtf8().constData());
}
BENCHMARK(BM_SaveHouseFile)->Unit(benchmark::kMillisecond);

// A house file whose page stack holds 100,000 rows (Back through a very long interview).
QString longStackFile()
{
    static const QString path = [] {
        const QString file = program().dir.filePath(u"long.tvm"_s);
        QFile::copy(program().dir.filePath(u"Tmplt.cfg"_s), file);
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        ado::Connection cn;
        cn.Open(file);
        sqlite3_exec(cn.handle(),
                     "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 99999) "
                     "INSERT INTO [Form Stack] (Form_ID) SELECT 10 + i % 2 FROM n",
                     nullptr, nullptr, nullptr);
        return file;
    }();
    return path;
}

bool longStackOpen()
{
    return g_rsFormStack && g_rsFormStack->isOpen() && g_rsFormStack->RecordCount() >= 100000;
}

// Opening that file: the check, the record and both page lists loaded, the last page shown.
void BM_OpenLongPageStack(benchmark::State& state)
{
    program();
    const QString file = longStackFile();
    for (auto _ : state)
        OpenHomeDatabaseFile(file, true);
    if (!longStackOpen() || !program().boxes.calls().empty()) state.SkipWithError("the file did not open");
}
BENCHMARK(BM_OpenLongPageStack)->Unit(benchmark::kMillisecond);

// Saving it in place after one more page.
void BM_SaveLongPageStack(benchmark::State& state)
{
    program();
    OpenHomeDatabaseFile(longStackFile(), true);
    int16_t page = 12;
    for (auto _ : state) {
        LoadForm(g_CurrentForm, vb::Integer(page));
        page = page == 12 ? 14 : 12;
        SaveHomeDatabaseFile(true);
    }
    if (!longStackOpen() || !program().boxes.calls().empty()) state.SkipWithError("the file did not save");
}
BENCHMARK(BM_SaveLongPageStack)->Unit(benchmark::kMillisecond);

// Save As of it to a new name: a file built from the template with every row, then opened.
void BM_SaveAsLongPageStack(benchmark::State& state)
{
    program();
    OpenHomeDatabaseFile(longStackFile(), true);
    bool first = true;
    for (auto _ : state) {
        program().dialogs.choose(program().dir.filePath(first ? u"copy1.tvm"_s : u"copy2.tvm"_s));
        first = !first;
        FileSaveAs();
    }
    if (!longStackOpen() || !program().boxes.calls().empty()) state.SkipWithError("the file did not save");
}
BENCHMARK(BM_SaveAsLongPageStack)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#include "ShellBench.moc"
