#include "pages/systems/frm01WaterType.h"

namespace pages
{

namespace
{

const UtilityChoicePage::Design kDesign = {
    u"frm01WaterType",
    u"Water System",
    u"fraWater",
    u"Select the water system you will install in the house.",
    u"optWater",
    {u"City Water", u"Well Water"},
    &clsHomeData::WaterType,
    &clsHomeData::setWaterType,
    false,
};

} // namespace

frm01WaterType::frm01WaterType() : UtilityChoicePage(kDesign)
{
    fraWater = m_frame;
    Label1 = m_question;
    optWater = m_options;
}

} // namespace pages
