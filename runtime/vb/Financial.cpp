#include "runtime/vb/Financial.h"

#include "runtime/vb/VbError.h"

#include <cmath>

namespace vb
{

double Pmt(double rate, double nper, double pv, double fv, int type)
{
    if (nper == 0) throw VbError::invalidCall();
    if (rate == 0) return -(pv + fv) / nper;
    const double growth = std::pow(1 + rate, nper);
    const double due = type != 0 ? 1 + rate : 1.0;
    return -(pv * growth + fv) * rate / ((growth - 1) * due);
}

} // namespace vb
