#pragma once

#include <QString>

namespace results
{

// The plain-text description of the house that the summary page shows.
QString BuildHouseSummary();

// Fills the overview report from the estimate record and prints it (true) or previews it.
void ShowOverviewReport(bool ToPrinter);

} // namespace results
