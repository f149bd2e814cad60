#include "pages/registerPages.h"

#include "pages/frame/InterviewPage.h"
#include "pages/start/frm01Disclaimer.h"
#include "pages/house/frm01HouseType.h"
#include "pages/rooms/frm01NumberBathrooms.h"
#include "pages/rooms/frm01NumberBedrooms.h"
#include "pages/rooms/frm01OtherRooms.h"
#include "pages/house/frm01SquareFootage.h"
#include "pages/site/frm01HouseLocation.h"
#include "pages/site/frm01LotCondition.h"
#include "pages/site/frm01LotSize.h"
#include "pages/site/frm01SidewalksReq.h"
#include "pages/site/frm01StreetDistance.h"
#include "pages/systems/frm01SewerType.h"
#include "pages/systems/frm01WaterType.h"
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
    {u"frm01Basement", u"Basement"},
    {u"frm01Basement02", u"Size of Basement"},
    {u"frm01DefaultGrade", u"Quality of House"},
    {u"frm01Foundation", u"Foundation"},
    {u"frm01Garage", u"Garage"},
    {u"frm01MainFloorCeiling", u"Main Floor Ceiling Height"},
    {u"frm01BasementHeight", u"Basement Ceiling Height"},
    {u"frm01RoofStyle", u"Roof Style"},
    {u"frm01RoofPitch", u"Roof Pitch"},
    {u"frm01HeatType", u"HVAC"},
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
    {u"frm01Basement", 3960, 6000, 975, 7200},
    {u"frm01Fireplace", 3840, 6000, 975, 7200},
    {u"frm01RoofStyle", 7200, 4080, 1335, 5640},
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
        // rooms
        {u"frm01NumberBedrooms", &makePage<frm01NumberBedrooms>},
        {u"frm01NumberBathrooms", &makePage<frm01NumberBathrooms>},
        {u"frm01OtherRooms", &makePage<frm01OtherRooms>},
        // foundation

        // roof

        // systems
        {u"frm01WaterType", &makePage<frm01WaterType>},
        {u"frm01SewerType", &makePage<frm01SewerType>},

        // site
        {u"frm01HouseLocation", &makePage<frm01HouseLocation>},
        {u"frm01LotCondition", &makePage<frm01LotCondition>},
        {u"frm01LotSize", &makePage<frm01LotSize>},
        {u"frm01StreetDistance", &makePage<frm01StreetDistance>},
        {u"frm01SidewalksReq", &makePage<frm01SidewalksReq>},

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
