#include "pages/roof/frm01RoofPitch.h"

#include "estimate/clsHomeData.h"

namespace pages
{

frm01RoofPitch::frm01RoofPitch()
    : RoofPage(QStringLiteral("frm01RoofPitch"), QStringLiteral("Roof Pitch"),
               QStringLiteral("What is the pitch of your roof?"),
               {{QStringLiteral("4 / 12"), 4, QStringLiteral("Pitch4")},
                {QStringLiteral("8 / 12"), 8, QStringLiteral("Pitch8")},
                {QStringLiteral("10 / 12"), 10, QStringLiteral("Pitch10")},
                {QStringLiteral("12 / 12"), 12, QStringLiteral("Pitch12")}},
               &clsHomeData::RoofPitch, &clsHomeData::setRoofPitch)
{
}

} // namespace pages
