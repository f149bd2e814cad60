#include "runtime/vb/Trap.h"

#include <gtest/gtest.h>

#include <QLoggingCategory>

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

struct Logged {
    QtMsgType type;
    QString category;
    QString message;
    bool operator==(const Logged&) const = default;
};

void PrintTo(const Logged& l, std::ostream* os)
{
    *os << l.type << ' ' << l.category.toStdString() << ": " << l.message.toStdString();
}

// What is logged while it lives, debug messages of the trap category included.
class LogCapture
{
public:
    LogCapture() : m_previous(qInstallMessageHandler(&LogCapture::handle))
    {
        QLoggingCategory::setFilterRules(QStringLiteral("tavimoor.trap.debug=true"));
    }
    ~LogCapture()
    {
        QLoggingCategory::setFilterRules(QString());
        qInstallMessageHandler(m_previous);
        s_logged.clear();
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    const std::vector<Logged>& logged() const { return s_logged; }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        s_logged.push_back({type, QString::fromUtf8(context.category), message});
    }

    static inline std::vector<Logged> s_logged;
    QtMessageHandler m_previous;
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

TEST_F(TrapTest, EveryTrappedErrorIsLoggedUnderTheTrapCategory)
{
    const QString category = QStringLiteral("tavimoor.trap");
    LogCapture log;
    vb::Trap trap(QStringLiteral("basNavigation.LoadForm"));
    trap([] { throw vb::VbError(3021, QStringLiteral("No current record")); });
    vb::Trap::silent()([] { throw vb::VbError::overflow(); });
    vb::guard(QStringLiteral("frmMain.menu"), [] { throw std::runtime_error("disk full"); });
    vb::setErrorReporter({});
    trap([] { throw vb::VbError::divisionByZero(); });

    EXPECT_EQ(log.logged(),
              (std::vector<Logged>{
                  {QtWarningMsg, category,
                   QStringLiteral("Error in basNavigation.LoadForm: 3021 - No current record")},
                  {QtDebugMsg, category, QStringLiteral("Error swallowed: 6 - Overflow")},
                  {QtWarningMsg, category, QStringLiteral("Error in frmMain.menu: 0 - disk full")},
                  {QtWarningMsg, category,
                   QStringLiteral("Error in basNavigation.LoadForm: 11 - Division by zero")},
              }));
    // The reporter still gets the reported errors, and only those.
    EXPECT_EQ(reports.size(), 2u);
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
