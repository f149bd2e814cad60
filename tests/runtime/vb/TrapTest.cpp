#include "runtime/vb/Trap.h"

#include <gtest/gtest.h>

#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

#include <stdexcept>
#include <tuple>
#include <vector>

namespace
{

using Report = std::tuple<QString, int32_t, QString>;

class TrapTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        vb::setErrorReporter([this](const QString& proc, int32_t number, const QString& description) {
            reports.emplace_back(proc, number, description);
        });
    }
    void TearDown() override { vb::setErrorReporter({}); }

    std::vector<Report> reports;
};

} // namespace

TEST_F(TrapTest, GoesOnAfterAFailedStatementAndReportsIt)
{
    std::vector<int> ran;
    vb::Trap trap(QStringLiteral("basNavigation.LoadForm"));
    EXPECT_TRUE(trap([&] { ran.push_back(1); }));
    EXPECT_FALSE(trap([&] {
        throw vb::VbError(3021, QStringLiteral("No current record"));
        ran.push_back(2);
    }));
    EXPECT_TRUE(trap([&] { ran.push_back(3); }));
    EXPECT_FALSE(trap([&] { throw std::runtime_error("disk full"); }));
    EXPECT_TRUE(trap([&] { ran.push_back(4); }));

    EXPECT_EQ(ran, (std::vector<int>{1, 3, 4}));
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0],
              Report(QStringLiteral("basNavigation.LoadForm"), 3021, QStringLiteral("No current record")));
    EXPECT_EQ(std::get<0>(reports[1]), QStringLiteral("basNavigation.LoadForm"));
    EXPECT_EQ(std::get<2>(reports[1]), QStringLiteral("disk full"));
    EXPECT_EQ(trap.lastNumber(), 0);
}

TEST_F(TrapTest, SilentTrapSwallowsWithoutReporting)
{
    vb::Trap trap = vb::Trap::silent();
    bool after = false;
    EXPECT_FALSE(trap([] { throw vb::VbError::overflow(); }));
    EXPECT_TRUE(trap([&] { after = true; }));
    EXPECT_TRUE(after);
    EXPECT_TRUE(reports.empty());
}

TEST_F(TrapTest, GuardLetsNothingEscape)
{
    vb::guard(QStringLiteral("frm01Basement.cmdContinue_Click"),
              [] { throw vb::VbError(13, QStringLiteral("Type mismatch")); });
    vb::guard(QStringLiteral("frmMain.menu"), [] { throw 42; });
    vb::guard(QStringLiteral("quiet"), [] {});
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0],
              Report(QStringLiteral("frm01Basement.cmdContinue_Click"), 13, QStringLiteral("Type mismatch")));
    EXPECT_EQ(std::get<0>(reports[1]), QStringLiteral("frmMain.menu"));
}

TEST_F(TrapTest, AThrowingReporterDoesNotEscapeTheGuard)
{
    vb::setErrorReporter(
        [](const QString&, int32_t, const QString&) { throw std::runtime_error("box failed"); });
    // The guard is noexcept: anything escaping it would end the test program here.
    vb::guard(QStringLiteral("x"), [] { throw vb::VbError::overflow(); });
}
