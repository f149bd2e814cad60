#include "pages/site/frm01Driveway.h"

#include "estimate/clsHomeData.h"

namespace pages
{

frm01Driveway::frm01Driveway()
    : CodeOptionsPage(QStringLiteral("frm01Driveway"), QStringLiteral("Driveway Treatment"),
                      QStringLiteral("What treatment do you want to use for your driveway?"), 400,
                      QStringLiteral("optDriveway"),
                      {QStringLiteral("Concrete"), QStringLiteral("Asphalt"), QStringLiteral("Gravel")}, 1680,
                      {&clsHomeData::DrivewayTreatment, &clsHomeData::setDrivewayTreatment})
{
    optDriveway = m_options;
}

} // namespace pages
