#include "pages/foundation/frm01BasementHeight.h"

#include "estimate/clsHomeData.h"

namespace pages
{

frm01BasementHeight::frm01BasementHeight()
    : CeilingHeightPage(QStringLiteral("frm01BasementHeight"), QStringLiteral("Basement Ceiling Height"),
                        QStringLiteral("How high are the ceilings in the basement?"),
                        &clsHomeData::BasementCeilingHeight, &clsHomeData::setBasementCeilingHeight)
{
}

} // namespace pages
