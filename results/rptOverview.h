#pragma once

#include "runtime/report/Report.h"

#include <array>

// The "Construction Overview" report: one page with the house's answers in words, its square
// footage, the total cost and the cost groups with their total. Value labels carry their own
// names until ShowOverviewReport writes them.
class rptOverview : public report::Report
{
public:
    rptOverview();

    // The value labels of the cost rows, in the order of the breakout's cost groups.
    static const std::array<const char16_t*, 22>& costLabels();
};
