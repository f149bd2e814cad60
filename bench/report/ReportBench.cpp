#include "estimate/clsHomeData.h"
#include "results/basReporting.h"
#include "runtime/ado/Connection.h"
#include "runtime/forms/App.h"
#include "runtime/report/PrintService.h"
#include "shell/basGlobalVariables.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace
{

// The estimate record of a full brick two-storey house with a basement, on a copy of the
// template, and the scripted print service writing each accepted print as PDF.
struct Program {
    QTemporaryDir dir;
    ado::Connection houseCn;
    ado::Connection controlCn;
    report::ScriptedPrintService printing;
    QString pdf;
};

Program& program()
{
    static Program* p = [] {
        auto* prog = new Program;
        const QString bin = QStringLiteral(TAVIMOOR_BIN_DIR "/");
        const QString house = prog->dir.filePath(QStringLiteral("house.tvm"));
        QFile::copy(bin + QStringLiteral("Tmplt.cfg"), house);
        QFile::setPermissions(house, QFile::ReadOwner | QFile::WriteOwner);
        forms::App::setPath(prog->dir.path());
        prog->houseCn.Open(house);
        prog->controlCn.Open(bin + QStringLiteral("HomeControl.cfg"), ado::OpenMode::ReadOnly);
        g_HomeData = std::make_unique<clsHomeData>(prog->houseCn, prog->controlCn);
        g_HomeData->InitializeData();
        g_HouseFilePath = house;

        clsHomeData& h = HomeData();
        h.setStyle(3);
        h.setMainFloorSqFt(1400);
        h.setSecondFloorSqFt(1200);
        h.setFoundationType(3);
        h.setBasementSqFt(1400);
        h.setExteriorPrimary(QStringLiteral("3"));
        h.setBrickConfiguration(1);
        h.setNumBedrooms(4);
        h.setNumFullBath(2);
        h.setNumHalfBath(1);
        for (auto set :
             {&clsHomeData::setrmKitchen, &clsHomeData::setrmDiningRoom, &clsHomeData::setrmFamilyRoom,
              &clsHomeData::setrmFoyer, &clsHomeData::setrmOffice, &clsHomeData::setrmPantry,
              &clsHomeData::setKitchenIsland, &clsHomeData::setGardenTub, &clsHomeData::setAC})
            (h.*set)(true);
        prog->pdf = prog->dir.filePath(QStringLiteral("overview.pdf"));
        prog->printing.printTo(prog->pdf);
        return prog;
    }();
    return *p;
}

// File > Print answered OK: fill the report from the record and write it as PDF.
void BM_OverviewReportToPdf(benchmark::State& state)
{
    Program& p = program();
    for (auto _ : state) {
        p.printing.accept();
        results::ShowOverviewReport(true);
    }
    if (!QFile::exists(p.pdf)) state.SkipWithError("no PDF written");
    p.printing.clear();
}
BENCHMARK(BM_OverviewReportToPdf)->Unit(benchmark::kMillisecond);

// The fill alone, as Print Preview hands the report over.
void BM_OverviewReportFill(benchmark::State& state)
{
    Program& p = program();
    for (auto _ : state)
        results::ShowOverviewReport(false);
    p.printing.clear();
}
BENCHMARK(BM_OverviewReportFill)->Unit(benchmark::kMillisecond);

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
