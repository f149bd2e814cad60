#pragma once

// The monthly cost of owning the house: a 30-year loan paid monthly, taxes and homeowners
// insurance on the price, mortgage insurance on the loan. The shares are single-precision
// constants widened to double for the multiplication.
namespace estimate
{

inline constexpr double kLoanMonths = 360;
// Down payment shares: 5, 10 and 20 percent; the main window's figure puts 5 percent down.
inline constexpr double kDownShares[] = {0.05, 0.1, 0.2};

inline constexpr float kMonthlyTaxShare = 0.0011f;
inline constexpr float kMonthlyHomeownersShare = 0.000266f;
inline constexpr float kMonthlyMortgageInsuranceShare = 0.00039f;

// Principal and interest a month on a loan at a monthly rate, as a positive amount.
double monthlyPrincipalInterest(double loan, double monthlyRate);

inline double monthlyTaxes(double price)
{
    return price * double(kMonthlyTaxShare);
}

inline double monthlyHomeowners(double price)
{
    return price * double(kMonthlyHomeownersShare);
}

inline double monthlyMortgageInsurance(double amount)
{
    return amount * double(kMonthlyMortgageInsuranceShare);
}

} // namespace estimate
