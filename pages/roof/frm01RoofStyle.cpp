#include "pages/roof/frm01RoofStyle.h"

#include "estimate/clsHomeData.h"

namespace pages
{

frm01RoofStyle::frm01RoofStyle()
    : RoofPage(QStringLiteral("frm01RoofStyle"), QStringLiteral("Roof Style"),
               QStringLiteral("What style of roof do you want?"),
               {{QStringLiteral("Gable"), 0, QStringLiteral("Gable")},
                {QStringLiteral("Hip"), 1, QStringLiteral("Hip")}},
               &clsHomeData::RoofStyle, &clsHomeData::setRoofStyle)
{
    // This page's row puts Yes and No elsewhere.
    placeButton(cmdYes, 4080, 1335);
    placeButton(cmdNo, 5640, 855);
}

} // namespace pages
