#include "results/basReporting.h"

namespace results
{

QString BuildHouseSummary()
{
    return QString();
}

void ShowOverviewReport(bool ToPrinter)
{
    Q_UNUSED(ToPrinter);
}

} // namespace results
