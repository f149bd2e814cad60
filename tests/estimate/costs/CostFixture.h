#pragma once

#include "estimate/clsHomeData.h"
#include "runtime/ado/Connection.h"
#include "runtime/vb/VbError.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

// The two lengths of the house model that the block walls are priced from.
class clsHomeDataProbe
{
public:
    explicit clsHomeDataProbe(const clsHomeData& r) : m_r(r) {}
    float FootingLength() const { return m_r.FootingLength(); }
    float BasementPerimeter() const { return m_r.BasementPerimeter(); }

private:
    const clsHomeData& m_r;
};

namespace costs_test
{

inline QString fixturePath(const QString& name)
{
    return QStringLiteral(COSTS_FIXTURES "/") + name;
}

using testsupport::buildDatabase;

// A house file as the program makes one, from the template, with the fixture's answers.
inline void buildHouseFile(const QString& path)
{
    testsupport::buildHouseFile(path, fixturePath(QStringLiteral("house.sql")));
}

// A fresh house file (a kitchen and nothing else) loaded into one record.
class CostTest : public ::testing::Test
{
protected:
    void SetUp() override { freshHouse(); }

    // Builds a new house file and control database and loads a new record from them.
    void freshHouse()
    {
        ASSERT_TRUE(m_dir.isValid());
        hd.reset();
        const QString n = QString::number(++m_files);
        const QString housePath = m_dir.filePath(QStringLiteral("house") + n + QStringLiteral(".tvm"));
        const QString controlPath = m_dir.filePath(QStringLiteral("control") + n + QStringLiteral(".cfg"));
        buildHouseFile(housePath);
        buildDatabase(controlPath, fixturePath(QStringLiteral("control.sql")));
        if (HasFatalFailure()) return;
        m_houseCn = std::make_unique<ado::Connection>();
        m_controlCn = std::make_unique<ado::Connection>();
        m_houseCn->Open(housePath);
        m_controlCn->Open(controlPath, ado::OpenMode::ReadOnly);
        hd = std::make_unique<clsHomeData>(*m_houseCn, *m_controlCn);
        hd->InitializeData();
    }

    QTemporaryDir m_dir;
    int m_files = 0;
    std::unique_ptr<ado::Connection> m_houseCn;
    std::unique_ptr<ado::Connection> m_controlCn;
    std::unique_ptr<clsHomeData> hd; // declared last: goes before its connections
};

// Prices are single-precision figures summed in single or double precision: the hand figures
// agree to a few parts in ten million.
inline ::testing::AssertionResult samePrice(double actual, double expected)
{
    const double tolerance = 2e-6 * std::max(1.0, std::fabs(expected));
    if (std::fabs(actual - expected) <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << actual << ", expected " << expected;
}

using CostMethod = double (clsHomeData::*)() const;

struct NamedCost {
    const char* name;
    CostMethod method;
};

// The categories priced from the structure, shell, finish, fixtures and mechanical answers.
inline constexpr NamedCost kHouseCosts[] = {
    {"Footings", &clsHomeData::Footings},
    {"BlockWalls", &clsHomeData::BlockWalls},
    {"BasementWalls", &clsHomeData::BasementWalls},
    {"SlabFloors", &clsHomeData::SlabFloors},
    {"FloorSystems", &clsHomeData::FloorSystems},
    {"ExteriorWalls", &clsHomeData::ExteriorWalls},
    {"InteriorWalls", &clsHomeData::InteriorWalls},
    {"Headers", &clsHomeData::Headers},
    {"RoofSystems", &clsHomeData::RoofSystems},
    {"ExteriorTreatment", &clsHomeData::ExteriorTreatment},
    {"Insulation", &clsHomeData::Insulation},
    {"Windows", &clsHomeData::Windows},
    {"ExteriorDoors", &clsHomeData::ExteriorDoors},
    {"GarageDoors", &clsHomeData::GarageDoors},
    {"Roofing", &clsHomeData::Roofing},
    {"DrywallTrim", &clsHomeData::DrywallTrim},
    {"DrywallCeiling", &clsHomeData::DrywallCeiling},
    {"InteriorDoors", &clsHomeData::InteriorDoors},
    {"Flooring", &clsHomeData::Flooring},
    {"Stairways", &clsHomeData::Stairways},
    {"Kitchen", &clsHomeData::Kitchen},
    {"Fireplace", &clsHomeData::Fireplace},
    {"WaterHeater", &clsHomeData::WaterHeater},
    {"Plumbing", &clsHomeData::Plumbing},
    {"HVAC", &clsHomeData::HVAC},
    {"Electrical", &clsHomeData::Electrical},
};

using ::errorOf;

} // namespace costs_test
