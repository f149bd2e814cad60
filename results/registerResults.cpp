#include "results/registerResults.h"

#include "results/frm10Totals.h"

#include "runtime/forms/Forms.h"

namespace results
{

void registerResults()
{
    forms::Forms::registerClass(QStringLiteral("frm10Totals"), &pages::makePage<frm10Totals>);
}

} // namespace results
