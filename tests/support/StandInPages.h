#pragma once

#include <QCoreApplication>
#include <QEvent>

// What fixtures need that stand plain widgets in for the page windows.
namespace testsupport
{

// The page windows of the page plan.
inline constexpr const char* PageClasses[] = {
    "frm01Welcome",        "frm01Driveway",      "frm10Summary",          "frm10Payments",
    "frm01Disclaimer",     "frm01HouseType",     "frm01NumberBedrooms",   "frm01NumberBathrooms",
    "frm01OtherRooms",     "frm01Basement",      "frm01Basement02",       "frm01DefaultGrade",
    "frm01Foundation",     "frm01Garage",        "frm01MainFloorCeiling", "frm01BasementHeight",
    "frm01RoofStyle",      "frm01RoofPitch",     "frm01HeatType",         "frm01HouseLocation",
    "frm01LotCondition",   "frm01LotSize",       "frm01StreetDistance",   "frm01SidewalksReq",
    "frm01WaterType",      "frm01SewerType",     "frm10Totals",           "frm01SquareFootage",
    "frm01FaucetFixtures", "frm01KitchenExtras", "frm01FinishRooms",      "frm01GardenTub",
    "frm01Exterior",       "frm01Fireplace",     "frm01Fireplace02",      "frm01Fireplace03",
    "frm01LotPrice",       "frm01Porches",
};

// The buttons every page has.
inline constexpr const char* PageButtons[] = {"cmdBack", "cmdContinue", "cmdYes", "cmdNo", "cmdNavigation", "cmdHelp"};

// Lets deferred deletes (unloaded pages) run, then what they posted.
inline void processDeferred()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace testsupport
