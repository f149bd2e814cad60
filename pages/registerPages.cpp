#include "pages/registerPages.h"

#include "pages/foundation/frm01Basement.h"
#include "pages/foundation/frm01Basement02.h"
#include "pages/foundation/frm01BasementHeight.h"
#include "pages/foundation/frm01Foundation.h"
#include "pages/frame/InterviewPage.h"
#include "pages/house/frm01DefaultGrade.h"
#include "pages/house/frm01Garage.h"
#include "pages/house/frm01MainFloorCeiling.h"
#include "pages/roof/frm01RoofPitch.h"
#include "pages/roof/frm01RoofStyle.h"
#include "pages/systems/frm01HeatType.h"
#include "pages/start/frm01Disclaimer.h"
#include "pages/house/frm01HouseType.h"
#include "pages/rooms/frm01NumberBathrooms.h"
#include "pages/rooms/frm01NumberBedrooms.h"
#include "pages/rooms/frm01OtherRooms.h"
#include "pages/house/frm01SquareFootage.h"
#include "pages/start/frm01Welcome.h"

#include "results/registerResults.h"
#include "runtime/forms/Forms.h"

namespace pages
{

namespace
{

struct FramePage {
    const char16_t* className;
    const char16_t* title;
};

// Pages shown as the bare frame with their title until their own window is built.
constexpr FramePage kFramePages[] = {
    {u"frm01Driveway", u"Driveway Treatment"},
    {u"frm10Summary", u"Summary"},
    {u"frm10Payments", u"Payment Options (30 Year Fixed)"},
    {u"frm01HouseLocation", u"Location of House"},
    {u"frm01LotCondition", u"Lot Condition"},
    {u"frm01LotSize", u"Lot Size"},
    {u"frm01StreetDistance", u"Distance from Street"},
    {u"frm01SidewalksReq", u"Sidewalk Systems"},
    {u"frm01WaterType", u"Water System"},
    {u"frm01SewerType", u"Sewer System"},
    {u"frm01FaucetFixtures", u"Faucet Fixtures"},
    {u"frm01KitchenExtras", u"Kitchen Options"},
    {u"frm01FinishRooms", u"Finish Rooms"},
    {u"frm01GardenTub", u"Master Bathroom Upgrade"},
    {u"frm01Exterior", u"Exterior Treatment"},
    {u"frm01Fireplace", u"Fireplaces"},
    {u"frm01Fireplace02", u"Type of Fireplace"},
    {u"frm01Fireplace03", u"Fireplace Facing & Hearth"},
    {u"frm01LotPrice", u"Lot Price"},
    {u"frm01Porches", u"Porches"},
};

// Pages that ask Yes or No themselves put the buttons elsewhere in the row (left, width in twips).
struct RowPlace {
    const char16_t* className;
    int continueLeft, yesLeft, yesWidth, noLeft;
};

constexpr RowPlace kRowPlaces[] = {
    {u"frm01Fireplace", 3840, 6000, 975, 7200},
};

void placeRow(InterviewPage* page)
{
    for (const RowPlace& place : kRowPlaces) {
        if (page->className() != QStringView(place.className)) continue;
        page->placeButton(page->cmdContinue, place.continueLeft, 1695);
        page->placeButton(page->cmdYes, place.yesLeft, place.yesWidth);
        page->placeButton(page->cmdNo, place.noLeft, 855);
    }
}

} // namespace

void registerPages()
{
    struct Page {
        const char16_t* className;
        QWidget* (*make)();
    };
    const Page built[] = {
        // start
        {u"frm01Welcome", &makePage<frm01Welcome>},
        {u"frm01Disclaimer", &makePage<frm01Disclaimer>},
        // house
        {u"frm01HouseType", &makePage<frm01HouseType>},
        {u"frm01SquareFootage", &makePage<frm01SquareFootage>},
        {u"frm01DefaultGrade", &makePage<frm01DefaultGrade>},
        {u"frm01Garage", &makePage<frm01Garage>},
        {u"frm01MainFloorCeiling", &makePage<frm01MainFloorCeiling>},
        // rooms
        {u"frm01NumberBedrooms", &makePage<frm01NumberBedrooms>},
        {u"frm01NumberBathrooms", &makePage<frm01NumberBathrooms>},
        {u"frm01OtherRooms", &makePage<frm01OtherRooms>},
        // foundation
        {u"frm01Basement", &makePage<frm01Basement>},
        {u"frm01Basement02", &makePage<frm01Basement02>},
        {u"frm01Foundation", &makePage<frm01Foundation>},
        {u"frm01BasementHeight", &makePage<frm01BasementHeight>},

        // roof
        {u"frm01RoofStyle", &makePage<frm01RoofStyle>},
        {u"frm01RoofPitch", &makePage<frm01RoofPitch>},

        // systems
        {u"frm01HeatType", &makePage<frm01HeatType>},

        // site

        // interior

        // exterior

        // fireplace

        // prototypes

    };
    for (const Page& page : built)
        forms::Forms::registerClass(QString::fromUtf16(page.className), page.make);
    results::registerResults();

    for (const FramePage& page : kFramePages) {
        const QString className = QString::fromUtf16(page.className);
        const QString title = QString::fromUtf16(page.title);
        forms::Forms::registerClass(className, [className, title] {
            auto* frame = new InterviewPage(className, title);
            placeRow(frame);
            frame->load();
            return static_cast<QWidget*>(frame);
        });
    }
}

} // namespace pages
