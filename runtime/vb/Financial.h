#pragma once

namespace vb
{

// The periodic payment of a loan: rate per period, number of periods, present value, future
// value, type 0 = payments at the end of each period, 1 = at the start. The payment has the
// opposite sign to pv (a loan of 100000 gives a negative payment). A rate of 0 gives -(pv+fv)/nper.
double Pmt(double rate, double nper, double pv, double fv = 0, int type = 0);

} // namespace vb
