#include "pages/house/frm01MainFloorCeiling.h"

#include "estimate/clsHomeData.h"

namespace pages
{

frm01MainFloorCeiling::frm01MainFloorCeiling()
    : CeilingHeightPage(QStringLiteral("frm01MainFloorCeiling"), QStringLiteral("Main Floor Ceiling Height"),
                        QStringLiteral("How high are the ceilings on the main floor?"),
                        &clsHomeData::MainCeilingHeight, &clsHomeData::setMainCeilingHeight)
{
}

} // namespace pages
