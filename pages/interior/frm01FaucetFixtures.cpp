#include "pages/interior/frm01FaucetFixtures.h"

#include "estimate/clsHomeData.h"

namespace pages
{

frm01FaucetFixtures::frm01FaucetFixtures()
    : CodeOptionsPage(
          QStringLiteral("frm01FaucetFixtures"), QStringLiteral("Faucet Fixtures"),
          QStringLiteral("What type of faucet fixtures do you want?  These fixtures will be used in all "
                         "sinks, showers and bathtubs throughout the house."),
          840, QStringLiteral("optGrade"),
          {QStringLiteral("Chrome"), QStringLiteral("Brushed Finish"), QStringLiteral("Brass")}, 2040,
          {&clsHomeData::FixtureType, &clsHomeData::setFixtureType})
{
    optGrade = m_options;
}

} // namespace pages
