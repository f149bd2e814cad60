#include "pages/registerPages.h"

#include "pages/exterior/frm01Exterior.h"
#include "pages/exterior/frm01Porches.h"
#include "pages/fireplace/frm01Fireplace.h"
#include "pages/fireplace/frm01Fireplace02.h"
#include "pages/fireplace/frm01Fireplace03.h"
#include "pages/frame/InterviewPage.h"
#include "pages/house/frm01HouseType.h"
#include "pages/house/frm01SquareFootage.h"
#include "pages/interior/frm01FaucetFixtures.h"
#include "pages/interior/frm01FinishRooms.h"
#include "pages/interior/frm01GardenTub.h"
#include "pages/interior/frm01KitchenExtras.h"
#include "pages/prototypes/frmStep4.h"
#include "pages/prototypes/frmTemplate.h"
#include "pages/rooms/frm01NumberBathrooms.h"
#include "pages/rooms/frm01NumberBedrooms.h"
#include "pages/rooms/frm01OtherRooms.h"
#include "pages/site/frm01Driveway.h"
#include "pages/site/frm01HouseLocation.h"
#include "pages/site/frm01LotCondition.h"
#include "pages/site/frm01LotPrice.h"
#include "pages/site/frm01LotSize.h"
#include "pages/site/frm01SidewalksReq.h"
#include "pages/site/frm01StreetDistance.h"
#include "pages/start/frm01Disclaimer.h"
#include "pages/start/frm01Welcome.h"
#include "pages/systems/frm01SewerType.h"
#include "pages/systems/frm01WaterType.h"

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
};

// Pages that ask Yes or No themselves put the buttons elsewhere in the row (left, width in twips).
struct RowPlace {
    const char16_t* className;
    int continueLeft, yesLeft, yesWidth, noLeft;
};

constexpr RowPlace kRowPlaces[] = {
    {u"frm01Basement", 3960, 6000, 975, 7200},
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
        {u"frm01LotPrice", &makePage<frm01LotPrice>},
        {u"frm01Driveway", &makePage<frm01Driveway>},
        // interior
        {u"frm01FaucetFixtures", &makePage<frm01FaucetFixtures>},
        {u"frm01KitchenExtras", &makePage<frm01KitchenExtras>},
        {u"frm01FinishRooms", &makePage<frm01FinishRooms>},
        {u"frm01GardenTub", &makePage<frm01GardenTub>},
        // exterior
        {u"frm01Exterior", &makePage<frm01Exterior>},
        {u"frm01Porches", &makePage<frm01Porches>},
        // fireplace
        {u"frm01Fireplace", &makePage<frm01Fireplace>},
        {u"frm01Fireplace02", &makePage<frm01Fireplace02>},
        {u"frm01Fireplace03", &makePage<frm01Fireplace03>},
        // prototypes
        {u"frmStep4", &makePage<frmStep4>},
        {u"frmTemplate", &makePage<frmTemplate>},
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
