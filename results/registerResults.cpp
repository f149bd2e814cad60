#include "results/registerResults.h"

#include "results/frm10Payments.h"
#include "results/frm10Summary.h"
#include "results/frm10Totals.h"

#include "runtime/forms/Forms.h"

namespace results
{

void registerResults()
{
    forms::Forms::registerClass(QStringLiteral("frm10Totals"), &pages::makePage<frm10Totals>);
    forms::Forms::registerClass(QStringLiteral("frm10Summary"), &pages::makePage<frm10Summary>);
    forms::Forms::registerClass(QStringLiteral("frm10Payments"), &pages::makePage<frm10Payments>);
}

} // namespace results
