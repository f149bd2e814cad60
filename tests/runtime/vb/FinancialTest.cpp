#include "runtime/vb/Financial.h"
#include "runtime/vb/VbError.h"

#include <gtest/gtest.h>

TEST(Financial, PmtMatchesKnownLoanPayments)
{
    const struct {
        double rate, nper, pv, fv;
        int type;
        double payment;
    } cases[] = {
        {0.05 / 12, 360, 100000, 0, 0, -536.82}, // 30-year mortgage
        {0.06 / 12, 360, 200000, 0, 0, -1199.10},
        {0.08 / 12, 60, 20000, 0, 0, -405.53}, // five-year car loan
        {0.10, 10, -1000, 0, 0, 162.75},       // money received: positive payment
        {0.10, 10, 1000, 0, 1, -147.95},       // payments at the start of each period
        {0.06 / 12, 120, 0, 10000, 0, -61.02}, // saving towards a future value
        {0, 360, 36000, 0, 0, -100},           // no interest: -pv / n
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(vb::Pmt(c.rate, c.nper, c.pv, c.fv, c.type), c.payment, 0.005)
            << c.rate << " " << c.nper << " " << c.pv;
    }
    EXPECT_NEAR(vb::Pmt(0.05 / 12, 360, 100000), -536.8216230121398, 1e-9);
}

TEST(Financial, PmtWithoutPeriodsIsAnError)
{
    EXPECT_THROW(vb::Pmt(0.05, 0, 1000), vb::VbError);
}
