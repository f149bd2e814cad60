#pragma once

#include "runtime/vb/Integer.h"

#include <QString>

namespace results
{

// The word of a house style: 1 "Ranch" ... 4 "Two and a Half Story"; empty for any other code.
QString HouseStyleName(vb::Integer Style);

// The plain-text description of the house that the summary page shows.
QString BuildHouseSummary();

// Fills the overview report from the estimate record and prints it (true) or previews it.
void ShowOverviewReport(bool ToPrinter);

} // namespace results
