// The running total with every category priced, on a two-storey house over a partial basement.

#include "estimate/clsHomeData.h"
#include "runtime/ado/Connection.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>

namespace
{

bool buildDatabase(const QString& path, const QString& script)
{
    QFile f(script);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray sql = f.readAll();
    sqlite3* db = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &db) != SQLITE_OK) return false;
    const int rc = sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return rc == SQLITE_OK;
}

struct House {
    QTemporaryDir dir;
    ado::Connection houseCn;
    ado::Connection controlCn;
    std::unique_ptr<clsHomeData> hd;

    bool open()
    {
        const QString housePath = dir.filePath(QStringLiteral("house.tvm"));
        const QString controlPath = dir.filePath(QStringLiteral("control.cfg"));
        if (!buildDatabase(housePath, QStringLiteral(TAVIMOOR_TEMPLATE_SQL)) ||
            !buildDatabase(housePath, QStringLiteral(COSTS_FIXTURES "/house.sql")) ||
            !buildDatabase(controlPath, QStringLiteral(COSTS_FIXTURES "/control.sql")))
            return false;
        houseCn.Open(housePath);
        controlCn.Open(controlPath, ado::OpenMode::ReadOnly);
        hd = std::make_unique<clsHomeData>(houseCn, controlCn);
        hd->InitializeData();
        clsHomeData& h = *hd;
        h.setStyle(3);
        h.setFoundationType(4);
        h.setMainFloorSqFt(1600);
        h.setSecondFloorSqFt(1400);
        h.setBasementSqFt(900);
        h.setNumCarGarage(3);
        h.setFrontPorchSqFt(120);
        h.setNumBedrooms(4);
        h.setNumFullBath(3);
        h.setNumHalfBath(1);
        h.setrmDiningRoom(true);
        h.setrmFamilyRoom(true);
        h.setrmOffice(true);
        h.setrmUtilityRoom(true);
        h.setrmBonusRoom(true);
        h.setFinishBonusRoom(true);
        h.setBonusRoomSqFt(350);
        h.setDefaultGrade(3);
        h.setHeatType(0);
        h.setAC(true);
        h.setBrickConfiguration(3);
        h.setExteriorSecondary(QStringLiteral("1"));
        h.setRoofStyle(1);
        h.setRoofPitch(8);
        h.setFireplaceStyle(2);
        h.setDoorOpeners(true);
        h.setGardenTub(true);
        h.setKitchenIsland(true);
        h.setLocation(1);
        h.setLotPrice(45000.0f);
        return true;
    }
};

void BM_CalculateTotalAllCategories(benchmark::State& state)
{
    House house;
    if (!house.open()) {
        state.SkipWithError("could not build the house file");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(house.hd->CalculateTotal());
}
BENCHMARK(BM_CalculateTotalAllCategories);

} // namespace

BENCHMARK_MAIN();
