#pragma once

#include "estimate/clsHomeData.h"
#include "runtime/ado/Connection.h"
#include "runtime/vb/VbError.h"
#include "tests/support/TestFiles.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>
#include <memory>

// Reaches the private house model and room counters of a record.
class clsHomeDataProbe
{
public:
    explicit clsHomeDataProbe(const clsHomeData& r) : m_r(r) {}
    float FootprintLength(vb::Integer d) const { return m_r.FootprintLength(d); }
    float HouseDepth() const { return m_r.HouseDepth(); }
    float BasementLength() const { return m_r.BasementLength(); }
    float BasementLengthForDepth(vb::Integer d) const { return m_r.BasementLengthForDepth(d); }
    float WingDepth() const { return m_r.WingDepth(); }
    float WingLength() const { return m_r.WingLength(); }
    double HousePerimeter() const { return m_r.HousePerimeter(); }
    float FoundationPerimeter() const { return m_r.FoundationPerimeter(); }
    float BasementPerimeter() const { return m_r.BasementPerimeter(); }
    float FootingLength() const { return m_r.FootingLength(); }
    float SlabExcavationYards() const { return m_r.SlabExcavationYards(); }
    float CrawlExcavationYards() const { return m_r.CrawlExcavationYards(); }
    float BasementExcavationYards() const { return m_r.BasementExcavationYards(); }
    vb::Integer CountWindows() const { return m_r.CountWindows(); }
    vb::Integer CountInteriorDoors() const { return m_r.CountInteriorDoors(); }
    vb::Integer CountBedroomDoors() const { return m_r.CountBedroomDoors(); }
    vb::Integer CountOpenRooms() const { return m_r.CountOpenRooms(); }

private:
    const clsHomeData& m_r;
};

namespace estimate_test
{

inline QString fixturePath(const QString& name)
{
    return QStringLiteral(ESTIMATE_CORE_FIXTURES "/") + name;
}

using testsupport::buildDatabase;
// Runs statements on a database file outside the record (to plant values the accessors would
// never write).
using testsupport::execute;

// A house file as the program makes one, from the template, with the fixture's answers.
inline void buildHouseFile(const QString& path)
{
    testsupport::buildHouseFile(path, fixturePath(QStringLiteral("house.sql")));
}

// A house file and a control database in a fresh folder, with one record loaded from them.
class HouseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        housePath = m_dir.filePath(QStringLiteral("house.tvm"));
        controlPath = m_dir.filePath(QStringLiteral("HomeControl.cfg"));
        buildHouseFile(housePath);
        buildDatabase(controlPath, fixturePath(QStringLiteral("control.sql")));
        if (HasFatalFailure()) return;
        houseCn.Open(housePath);
        controlCn.Open(controlPath, ado::OpenMode::ReadOnly);
        hd = std::make_unique<clsHomeData>(houseCn, controlCn, [this](const QString& s) { steps << s; });
        hd->InitializeData();
    }

    // Reopens the house file on a fresh connection and a fresh record.
    std::unique_ptr<clsHomeData> reopen(ado::Connection& cn)
    {
        cn.Open(housePath);
        auto r = std::make_unique<clsHomeData>(cn, controlCn);
        r->InitializeData();
        return r;
    }

    QTemporaryDir m_dir;
    QString housePath;
    QString controlPath;
    ado::Connection houseCn;
    ado::Connection controlCn;
    QStringList steps;
    std::unique_ptr<clsHomeData> hd;
};

// The error a call raises, or 0 when it raises none.
inline int32_t errorOf(const std::function<void()>& f, QString* description = nullptr)
{
    try {
        f();
    } catch (const vb::VbError& e) {
        if (description) *description = e.description();
        return e.number();
    }
    return 0;
}

} // namespace estimate_test
