#include "estimate/clsHomeData.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>
#include <stdexcept>

namespace
{

void buildDatabase(const QString& path, const QString& script)
{
    QFile f(script);
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("missing fixture");
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    const int rc = sqlite3_exec(db, f.readAll().constData(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("fixture failed");
}

// A loaded record on a house file in a fresh folder.
struct House {
    QTemporaryDir dir;
    ado::Connection houseCn;
    ado::Connection controlCn;
    std::unique_ptr<clsHomeData> hd;

    House()
    {
        const QString fixtures = QStringLiteral(ESTIMATE_CORE_FIXTURES "/");
        const QString house = dir.filePath(QStringLiteral("house.tvm"));
        const QString control = dir.filePath(QStringLiteral("HomeControl.cfg"));
        buildDatabase(house, QStringLiteral(TAVIMOOR_TEMPLATE_SQL));
        buildDatabase(house, fixtures + QStringLiteral("house.sql"));
        buildDatabase(control, fixtures + QStringLiteral("control.sql"));
        houseCn.Open(house);
        controlCn.Open(control, ado::OpenMode::ReadOnly);
        hd = std::make_unique<clsHomeData>(houseCn, controlCn);
        hd->InitializeData();
    }

    // Two stories over a partial basement, wings, every room and feature.
    void furnish()
    {
        clsHomeData& r = *hd;
        r.setNumBedrooms(4);
        r.setNumFullBath(3);
        r.setNumHalfBath(1);
        for (auto set :
             {&clsHomeData::setrmPantry, &clsHomeData::setrmBreakfastNook, &clsHomeData::setrmDiningRoom,
              &clsHomeData::setrmFamilyRoom, &clsHomeData::setrmLivingRoom, &clsHomeData::setrmFoyer,
              &clsHomeData::setrmOffice, &clsHomeData::setrmDen, &clsHomeData::setrmUtilityRoom,
              &clsHomeData::setrmBonusRoom, &clsHomeData::setFinishBonusRoom, &clsHomeData::setKitchenIsland,
              &clsHomeData::setGardenTub, &clsHomeData::setAC, &clsHomeData::setDoorOpeners,
              &clsHomeData::setSidewalksRequired})
            (r.*set)(true);
        r.setMainFloorSqFt(2400);
        r.setSecondFloorSqFt(1600);
        r.setBonusRoomSqFt(400);
        r.setStyle(3);
        r.setNumCarGarage(3);
        r.setFrontPorchSqFt(150);
        r.setRearPorchSqFt(200);
        r.setFoundationType(4);
        r.setBasementSqFt(1400);
        r.setFinishBasement(true);
        r.setDefaultGrade(3);
        r.setFireplaceStyle(2);
        r.setFireplaceFace(2);
        r.setDistanceToStreet(80);
        r.setLotWidth(120);
        r.setLotSize(0.75f);
        r.setLotPrice(85000.0f);
        r.setLocation(8);
    }
};

void BM_CalculateTotal(benchmark::State& state)
{
    House h;
    h.furnish();
    for (auto _ : state)
        benchmark::DoNotOptimize(h.hd->CalculateTotal());
}
BENCHMARK(BM_CalculateTotal);

// The total after an answer changed, as a page's save is followed by the running total: every
// field is read from the row again.
void BM_CalculateTotalAfterAWrite(benchmark::State& state)
{
    House h;
    h.furnish();
    int16_t lot = 0;
    for (auto _ : state) {
        h.hd->setLotWidth(vb::Integer(int16_t(100 + (lot++ & 1))));
        benchmark::DoNotOptimize(h.hd->CalculateTotal());
    }
}
BENCHMARK(BM_CalculateTotalAfterAWrite);

void BM_InitializeAndSave(benchmark::State& state)
{
    House h;
    h.furnish();
    h.hd->SaveData();
    vb::Integer bedrooms = 1;
    for (auto _ : state) {
        h.hd->InitializeData();
        h.hd->setNumBedrooms(bedrooms);
        h.hd->SaveData();
        bedrooms = bedrooms.value() == 1 ? 2 : 1;
    }
}
BENCHMARK(BM_InitializeAndSave)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
