#include "estimate/MonthlyPayments.h"

#include "runtime/vb/Financial.h"

namespace estimate
{

double monthlyPrincipalInterest(double loan, double monthlyRate)
{
    return -vb::Pmt(monthlyRate, kLoanMonths, loan);
}

} // namespace estimate
