#include "pages/systems/frm01SewerType.h"

namespace pages
{

namespace
{

const UtilityChoicePage::Design kDesign = {
    u"frm01SewerType",
    u"Sewer System",
    u"fraSewer",
    u"Select the type of sewer system you will use.",
    u"optSewer",
    {u"City Sewer", u"Septic System"},
    &clsHomeData::SewerType,
    &clsHomeData::setSewerType,
    true,
};

} // namespace

frm01SewerType::frm01SewerType() : UtilityChoicePage(kDesign)
{
    fraSewer = m_frame;
    Label1 = m_question;
    optSewer = m_options;
}

} // namespace pages
